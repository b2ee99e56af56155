#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTTaskPaneMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>

IMPLEMENT_DYNAMIC(CGTTasksPanePage, CObject)
IMPLEMENT_DYNAMIC(CGTTask, CObject)
IMPLEMENT_DYNAMIC(CGTTasksGroup, CObject)
IMPLEMENT_DYNCREATE(CGTTasksPane, CGTDockingControlBar)

namespace {
enum : UINT {
    commandBack = 17020,
    commandForward = 17021,
    commandHome = 17022,
    commandClose = 17023,
    commandPage = 17024
};

// The caption tooltip's tools of the navigation buttons.
enum : UINT {
    backTool = 4,
    forwardTool = 5,
    menuTool = 6
};

// A pane with this style floats with other panes in one frame.
const DWORD multiFrameStyle = 0x40;
}  // namespace

CGTTasksPanePage::CGTTasksPanePage(const CString& iName, CGTTasksPane* iPane) : m_Name(iName), m_Pane(iPane) {}

CGTTask::CGTTask(CGTTasksGroup* iGroup, const CString& iText, UINT iCommand, DWORD_PTR iUserValue, HWND iChildWindow)
    : m_Group(iGroup), m_Text(iText), m_Command(iCommand), m_UserValue(iUserValue), m_ChildWindow(iChildWindow),
      m_Rect(0, 0, 0, 0), m_Visible(TRUE), m_Enabled(TRUE), m_ChildHeight(0), m_Bold(FALSE), m_HasIcon(FALSE)
{
}

IGTLookTasksPane* CGTTask::GetPane() const
{
    return m_Group->GetPane();
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

CGTTask* CGTTasksGroup::GetTask(int iIndex) const
{
    const POSITION position = m_Tasks.FindIndex(iIndex);
    return position != nullptr ? static_cast<CGTTask*>(m_Tasks.GetAt(position)) : nullptr;
}

IGTLookTasksPane* CGTTasksGroup::GetPane() const
{
    return m_Page->m_Pane;
}

CGTTasksPane::CGTTasksPane()
    : m_Pages(10), m_Groups(10), m_HistoryPosition(0), m_ScrollPosition(0), m_ScrollMaximum(0), m_ScrollPage(0),
      m_Font(nullptr), m_ImageSize(0, 0), m_HotTask(nullptr), m_PressedTask(nullptr), m_HotCaption(nullptr),
      m_PressedCaption(nullptr), m_Animate(!s_AnimationDisabled), m_AnimatedGroup(nullptr), m_AnimatedGroupSize(0, 0),
      m_AnimationOffset(0), m_AnimationTick(0), m_ScrollUpRect(0, 0, 0, 0), m_ScrollDownRect(0, 0, 0, 0),
      m_HoverScroll(0), m_HoverScrollAreas(TRUE),
      m_NavigationAlways(FALSE), m_Metrics{-1, -1, -1, -1, -1, -1, -1, -1, -1}
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

BEGIN_MESSAGE_MAP(CGTTasksPane, CGTDockingControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SETTINGCHANGE()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SETFONT, &CGTTasksPane::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CGTTasksPane::OnGetFont)
    ON_MESSAGE(WM_SETTEXT, &CGTTasksPane::OnSetText)
    ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, &CGTTasksPane::OnNeedToolTipText)
    ON_COMMAND(commandBack, &CGTTasksPane::OnBack)
    ON_COMMAND(commandForward, &CGTTasksPane::OnForward)
    ON_COMMAND(commandHome, &CGTTasksPane::OnHome)
    ON_COMMAND(commandClose, &CGTTasksPane::OnClose)
    ON_UPDATE_COMMAND_UI(commandClose, &CGTTasksPane::OnUpdateClose)
    ON_COMMAND(IDOK, &CGTTasksPane::OnOk)
    ON_COMMAND(IDCANCEL, &CGTTasksPane::OnCancel)
    ON_UPDATE_COMMAND_UI(commandBack, &CGTTasksPane::OnUpdateBack)
    ON_UPDATE_COMMAND_UI(commandForward, &CGTTasksPane::OnUpdateForward)
END_MESSAGE_MAP()

int CGTTasksPane::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTDockingControlBar::OnCreate(iCreate) == -1)
        return -1;
    SetFloatingFrameClass((GetStyle() & multiFrameStyle) != 0 ? RUNTIME_CLASS(CGTMultiMiniFrameWnd)
                                                              : RUNTIME_CLASS(CGTTaskPaneMiniFrameWnd));
    GetWindowText(m_Caption);
    if (m_Caption.IsEmpty())
        m_Caption.LoadString(IDS_GT_TASKS_PANE);
    AddPage(m_Caption);
    // The caption's tooltip tools follow its buttons: back, forward and the pages menu.
    if (m_CaptionToolTip.GetSafeHwnd() != nullptr) {
        for (UINT tool = backTool; tool <= menuTool; ++tool)
            m_CaptionToolTip.AddTool(this, LPSTR_TEXTCALLBACK, CRect(0, 0, 0, 0), tool);
    }
    CreateFonts();
    if (!m_ToolBar.CreateFor(*this) ||
        !m_ScrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 0, 0), this, 1))
        return -1;
    ApplyCaption();
    return 0;
}

void CGTTasksPane::OnDestroy()
{
    KillTimer(animationTimer);
    KillTimer(hoverScrollTimer);
    while (!m_Groups.IsEmpty())
        delete m_Groups.RemoveHead();
    while (!m_Pages.IsEmpty())
        delete m_Pages.RemoveHead();
    m_HotTask = m_PressedTask = nullptr;
    m_HotCaption = m_PressedCaption = m_AnimatedGroup = nullptr;
    CGTDockingControlBar::OnDestroy();
}

void CGTTasksPane::CreateCaptionButtons()
{
    CGTDockingControlBar::CreateCaptionButtons();
    m_CaptionButtons.Add(new CGTCaptionButton(GTHitBack, FALSE));
    m_CaptionButtons.Add(new CGTCaptionButton(GTHitForward, FALSE));
    m_CaptionButtons.Add(new CGTCaptionMenuButton(GTHitMenu, FALSE));
    UpdateCaptionButtons();
}

BOOL CGTTasksPane::IsCaptionButtonHidden(UINT iHitCode) const
{
    return (iHitCode == GTHitBack || iHitCode == GTHitForward || iHitCode == GTHitMenu) && GetPageCount() <= 1;
}

void CGTTasksPane::UpdateCaptionButtons()
{
    if (CGTCaptionButton* back = FindCaptionButton(GTHitBack))
        back->m_Enabled = m_HistoryPosition > 0;
    if (CGTCaptionButton* forward = FindCaptionButton(GTHitForward))
        forward->m_Enabled = m_HistoryPosition < GetHistoryCount() - 1;
    for (UINT code : {GTHitBack, GTHitForward, GTHitMenu}) {
        if (CGTCaptionButton* button = FindCaptionButton(code); button != nullptr && IsCaptionButtonHidden(code))
            button->m_Hidden = TRUE;
    }
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CGTTasksPane::OnPressButtons(UINT iHitCode)
{
    switch (iHitCode) {
    case GTHitBack:
        GoBack();
        break;
    case GTHitForward:
        GoForward();
        break;
    case GTHitMenu:
        ShowPagesMenu(static_cast<CGTCaptionMenuButton*>(FindCaptionButton(GTHitMenu)));
        break;
    default:
        CGTDockingControlBar::OnPressButtons(iHitCode);
    }
}

int CGTTasksPane::AddPage(LPCWSTR iName)
{
    m_Pages.AddTail(new CGTTasksPanePage(iName, this));
    RebuildPagesMenu();
    UpdateCaptionButtons();
    ApplyCaption();
    return GetPageCount() - 1;
}

CGTTasksGroup* CGTTasksPane::AddGroup(int iPage, LPCWSTR iCaption, BOOL iKeptAtBottom)
{
    CGTTasksPanePage* page = GetPageRecord(iPage);
    if (page == nullptr)
        AfxThrowInvalidArgException();
    auto* group = new CGTTasksGroup(page, iCaption);
    group->m_KeptAtBottom = iKeptAtBottom;
    m_Groups.AddTail(group);
    AdjustLayout();
    return group;
}

CGTTask* CGTTasksPane::AddTask(CGTTasksGroup* iGroup, LPCWSTR iText, UINT iCommand, DWORD_PTR iUserValue)
{
    auto* task = new CGTTask(iGroup, iText, iCommand, iUserValue);
    iGroup->m_Tasks.AddTail(task);
    AdjustLayout();
    return task;
}

CGTTask* CGTTasksPane::AddWindowTask(CGTTasksGroup* iGroup, HWND iWindow, int iHeight)
{
    auto* task = new CGTTask(iGroup, L"", 0, 0, iWindow);
    task->m_ChildHeight = iHeight;
    iGroup->m_Tasks.AddTail(task);
    AdjustLayout();
    return task;
}

CGTTasksPanePage* CGTTasksPane::GetPageRecord(int iPage) const
{
    const POSITION position = m_Pages.FindIndex(iPage);
    return position != nullptr ? static_cast<CGTTasksPanePage*>(m_Pages.GetAt(position)) : nullptr;
}

CString CGTTasksPane::GetPageName(int iPage) const
{
    const CGTTasksPanePage* page = GetPageRecord(iPage);
    return page != nullptr ? page->m_Name : CString();
}

CGTTasksGroup* CGTTasksPane::GetGroup(int iIndex) const
{
    const POSITION position = m_Groups.FindIndex(iIndex);
    return position != nullptr ? static_cast<CGTTasksGroup*>(m_Groups.GetAt(position)) : nullptr;
}

int CGTTasksPane::GetGroupIndex(const CGTTasksGroup* iGroup) const
{
    int index = 0;
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr; ++index) {
        if (m_Groups.GetNext(position) == iGroup)
            return index;
    }
    return -1;
}

int CGTTasksPane::GetHistoryPage(int iPosition) const
{
    if (iPosition < 0 || iPosition >= GetHistoryCount())
        AfxThrowInvalidArgException();
    return m_History[iPosition];
}

int CGTTasksPane::GetMetric(int iMetric) const
{
    if (m_Metrics[iMetric] != -1)
        return m_Metrics[iMetric];
    const int look = CGTVisualManager::GetCurrent()->TasksPaneMetrics[iMetric];
    if (IsCompactMode() && iMetric == captionHeight)
        return 18;
    return IsCompactMode() && iMetric == captionTextPadding ? std::max(look, 5) : look;
}

void CGTTasksPane::SetMetric(int iMetric, int iValue)
{
    m_Metrics[iMetric] = std::max(iValue, -1);
}

void CGTTasksPane::SetActivePage(int iPage)
{
    if (iPage < 0 || iPage >= GetPageCount() || iPage == GetActivePage())
        return;
    m_History.SetSize(m_HistoryPosition + 1);
    if (GetHistoryCount() == s_HistoryDepth) {
        m_History.RemoveAt(0);
        --m_HistoryPosition;
    }
    m_History.Add(iPage);
    const int previous = m_HistoryPosition;
    m_HistoryPosition = GetHistoryCount() - 1;
    SwitchPage(previous, m_HistoryPosition);
}

void CGTTasksPane::GoBack()
{
    if (m_HistoryPosition > 0) {
        --m_HistoryPosition;
        SwitchPage(m_HistoryPosition + 1, m_HistoryPosition);
    }
}

void CGTTasksPane::GoForward()
{
    if (m_HistoryPosition < GetHistoryCount() - 1) {
        ++m_HistoryPosition;
        SwitchPage(m_HistoryPosition - 1, m_HistoryPosition);
    }
}

void CGTTasksPane::GoHome()
{
    SetActivePage(0);
}

void CGTTasksPane::SwitchPage(int iFromPosition, int iToPosition)
{
    const int from = GetHistoryPage(iFromPosition);
    const int to = GetHistoryPage(iToPosition);
    RebuildPagesMenu();
    UpdateCaptionButtons();
    if (from == to)
        return;
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr;) {
        auto* group = static_cast<CGTTasksGroup*>(m_Groups.GetNext(position));
        if (group->m_Page != GetPageRecord(from))
            continue;
        for (POSITION task = group->m_Tasks.GetHeadPosition(); task != nullptr;) {
            if (const HWND child = static_cast<CGTTask*>(group->m_Tasks.GetNext(task))->m_ChildWindow)
                ::ShowWindow(child, SW_HIDE);
        }
    }
    m_ScrollPosition = 0;
    OnActivatePage(to);
}

void CGTTasksPane::OnActivatePage(int)
{
    ApplyCaption();
    AdjustLayout();
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

BOOL CGTTasksPane::NeedsToolBar() const
{
    const CGTMiniFrameWnd* frame = GetParentMiniFrame();
    return GetPageCount() > 1 &&
        (IsTabbed() || (frame != nullptr && !frame->IsKindOf(RUNTIME_CLASS(CGTTaskPaneMiniFrameWnd))));
}

void CGTTasksPane::ApplyCaption()
{
    if (m_hWnd == nullptr)
        return;
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    const BOOL paneCaption = IsTabbed() || GetPageCount() >= 2 ||
        (frame != nullptr && !frame->IsKindOf(RUNTIME_CLASS(CGTTaskPaneMiniFrameWnd)));
    const CString text = paneCaption ? m_Caption : GetPageName(GetActivePage());
    if (m_ToolBar.GetSafeHwnd() != nullptr)
        m_ToolBar.SetPageName(GetPageName(GetActivePage()));
    // Straight to the window: the pane caption stays what the owner set.
    DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(text)));
    CWnd* framed = frame != nullptr ? static_cast<CWnd*>(frame) : this;
    framed->SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CGTTasksPane::OnSetText(WPARAM iWParam, LPARAM iLParam)
{
    m_Caption = reinterpret_cast<LPCWSTR>(iLParam);
    const LRESULT result = CGTDockingControlBar::OnSetText(iWParam, iLParam);
    ApplyCaption();
    return result;
}

BOOL CGTTasksPane::OnNeedToolTipText(UINT iId, NMHDR* iHeader, LRESULT* oResult)
{
    static const UINT texts[] = {IDS_GT_TASKS_BACK, IDS_GT_TASKS_FORWARD, IDS_GT_TASKS_OTHER_PANES};
    const UINT_PTR tool = iHeader->idFrom;
    if (tool < backTool || tool > menuTool)
        return CGTDockingControlBar::OnNeedToolTipText(iId, iHeader, oResult);
    static CString s_Text;
    s_Text.LoadString(texts[tool - backTool]);
    reinterpret_cast<NMTTDISPINFOW*>(iHeader)->lpszText = const_cast<LPWSTR>(s_Text.GetString());
    *oResult = 0;
    return TRUE;
}

void CGTTasksPane::RebuildPagesMenu()
{
    if (m_PagesMenu.GetSafeHmenu() != nullptr)
        m_PagesMenu.DestroyMenu();
    m_PagesMenu.CreatePopupMenu();
    int index = 0;
    for (POSITION position = m_Pages.GetHeadPosition(); position != nullptr; ++index) {
        const auto* page = static_cast<CGTTasksPanePage*>(m_Pages.GetNext(position));
        m_PagesMenu.AppendMenu(MF_STRING, commandPage, page->m_Name);
    }
    m_PagesMenu.CheckMenuItem(static_cast<UINT>(GetActivePage()), MF_BYPOSITION | MF_CHECKED);
}

void CGTTasksPane::ShowPagesMenu(CGTCaptionMenuButton* iButton)
{
    if (iButton == nullptr)
        return;
    // The button sits in the pane's caption or in its floating frame's.
    CWnd* holder = FindCaptionButton(GTHitMenu) == iButton || GetParentMiniFrame() == nullptr ? static_cast<CWnd*>(this)
                                                                                              : GetParentMiniFrame();
    CRect window;
    holder->GetWindowRect(&window);
    const CRect rect = iButton->GetRect() + window.TopLeft();
    iButton->m_Dropped = TRUE;
    const HWND self = m_hWnd;
    TrackPagesMenu(CPoint(rect.left, rect.bottom));
    if (::IsWindow(self))
        iButton->m_Dropped = FALSE;
}

void CGTTasksPane::TrackPagesMenu(CPoint iScreenPoint)
{
    // Every item of the pages menu carries the same command: the copy tracked here numbers
    // them by position so that the choice names its page.
    CMenu tracked;
    tracked.CreatePopupMenu();
    for (int page = 0; page < GetPageCount(); ++page)
        tracked.AppendMenu(MF_STRING | (page == GetActivePage() ? MF_CHECKED : 0), static_cast<UINT>(page + 1),
                           GetPageName(page));
    const HWND self = m_hWnd;
    const UINT chosen =
        tracked.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, iScreenPoint.x, iScreenPoint.y, this);
    if (::IsWindow(self) && chosen != 0)
        SetActivePage(static_cast<int>(chosen) - 1);
}
