// The tasks-pane issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTTasksPane.h>

IMPLEMENT_DYNAMIC(CGTTasksPanePage, CObject)
IMPLEMENT_DYNAMIC(CGTTask, CObject)
IMPLEMENT_DYNAMIC(CGTTasksGroup, CObject)
IMPLEMENT_DYNAMIC(CTasksPaneToolBar, CGTToolBar)
IMPLEMENT_DYNCREATE(CGTTasksPane, CGTDockingControlBar)

CGTTasksPanePage::CGTTasksPanePage(const CString& iName, CGTTasksPane* iPane) : m_Name(iName), m_Pane(iPane) {}

CGTTask::CGTTask(CGTTasksGroup* iGroup, const CString& iText, UINT iCommand, DWORD_PTR iUserValue, HWND iChildWindow)
    : m_Group(iGroup), m_Text(iText), m_Command(iCommand), m_UserValue(iUserValue), m_ChildWindow(iChildWindow),
      m_Rect(0, 0, 0, 0), m_Visible(TRUE), m_Enabled(TRUE), m_ChildHeight(0), m_Bold(FALSE), m_HasIcon(FALSE)
{
}

CGTTasksGroup::CGTTasksGroup(CGTTasksPanePage* iPage, const CString& iCaption)
    : m_Page(iPage), m_Caption(iCaption), m_Tasks(10), m_KeptAtBottom(FALSE), m_CaptionRect(0, 0, 0, 0),
      m_TasksRect(0, 0, 0, 0), m_Collapsed(FALSE), m_HasCaptionIcon(FALSE), m_CaptionIconSize(0, 0)
{
}

CGTTasksGroup::~CGTTasksGroup()
{
    while (!m_Tasks.IsEmpty())
        delete m_Tasks.RemoveHead();
}

CGTTasksPane::CGTTasksPane()
    : m_Pages(10), m_Groups(10), m_HistoryPosition(0), m_ScrollPosition(0), m_ScrollMaximum(0), m_ScrollPage(0),
      m_Font(nullptr), m_ImageSize(0, 0), m_HotTask(nullptr), m_PressedTask(nullptr), m_HotCaption(nullptr),
      m_PressedCaption(nullptr), m_Animate(TRUE), m_AnimatedGroup(nullptr), m_AnimatedGroupSize(0, 0),
      m_AnimationOffset(0), m_ScrollUpRect(0, 0, 0, 0), m_ScrollDownRect(0, 0, 0, 0), m_HoverScroll(0),
      m_HoverScrollAreas(TRUE), m_Metrics{-1, -1, -1, -1, -1, -1, -1, -1, -1}
{
    m_History.Add(0);
}

CGTTasksPane::~CGTTasksPane()
{
    while (!m_Groups.IsEmpty())
        delete m_Groups.RemoveHead();
    while (!m_Pages.IsEmpty())
        delete m_Pages.RemoveHead();
}

int CGTTasksPane::AddPage(LPCWSTR iName)
{
    m_Pages.AddTail(new CGTTasksPanePage(iName, this));
    return static_cast<int>(m_Pages.GetCount()) - 1;
}

void CGTTasksPane::GoBack() {}

void CGTTasksPane::GoForward() {}

void CGTTasksPane::GoHome() {}

void CGTTasksPane::ShowPagesMenu(CGTCaptionMenuButton*) {}

void CGTTasksPane::OnClickTask(int, int, UINT, DWORD_PTR) {}

void CGTTasksPane::ForwardCommandToFocusedChild() {}

void CGTTasksPane::ForwardCommandAndReturnFocus() {}

void CGTTasksPane::GetTaskPrompt(UINT) {}

void CGTTasksPane::OnActivatePage(int) {}

BOOL CGTTasksPane::IsCompactMode() const
{
    return FALSE;
}

void CGTTasksPane::OnFillBackground(CDC*, CRect) {}

void CGTTasksPane::OnDrawGroups(CDC*) {}

BOOL CGTTasksPane::GetRecentFileTitle(int, CString& oTitle) const
{
    oTitle.Empty();
    return FALSE;
}

CSize CGTTasksPane::GetGroupBorderSize() const
{
    return IsCompactMode() ? CSize(0, 0) : CSize(1, 1);
}

void CGTTasksPane::OnAfterTaskClick(int, int) {}

int CGTTasksPane::RepositionTasks(BOOL)
{
    return 0;
}

CGTTasksGroup* CGTTasksPane::GroupCaptionHitTest(CPoint) const
{
    return nullptr;
}
