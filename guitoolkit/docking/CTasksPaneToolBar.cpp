#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_SERIAL(CTasksPaneNavigateButton, CGTToolbarButton, 1)
IMPLEMENT_SERIAL(CTasksPaneMenuButton, CGTToolbarMenuButton, 1)
IMPLEMENT_DYNAMIC(CTasksPaneToolBar, CGTToolBar)

namespace {
// The images' order in the navigation bitmaps.
enum : int {
    imageBack,
    imageForward,
    imageHome,
    imageClose
};
const UINT pagesCommand = IDS_GT_TASKS_OTHER_PANES;
const UINT toolBarId = 2;

CString Loaded(UINT iId)
{
    CString text;
    text.LoadString(iId);
    return text;
}
}  // namespace

CTasksPaneNavigateButton::CTasksPaneNavigateButton(UINT iCommand, int iImage, LPCWSTR iText)
    : CGTToolbarButton(iCommand, iImage, iText, FALSE, TRUE)
{
}

BOOL CTasksPaneNavigateButton::OnUpdateToolTip(CWnd*, int, CToolTipCtrl&, CString& ioText)
{
    ioText = m_Text;
    return TRUE;
}

CTasksPaneMenuButton::CTasksPaneMenuButton() : m_Pane(nullptr) {}

CTasksPaneMenuButton::CTasksPaneMenuButton(CGTTasksPane* iPane)
    : CGTToolbarMenuButton(pagesCommand, nullptr, -1, Loaded(IDS_GT_TASKS_PANE)), m_Pane(iPane)
{
    m_Locked = TRUE;
    m_ShowText = TRUE;
    m_ShowImage = FALSE;
}

BOOL CTasksPaneMenuButton::OnClick(CWnd* iOwner, BOOL)
{
    if (m_Pane == nullptr || iOwner == nullptr)
        return FALSE;
    CRect rect = Rect();
    iOwner->ClientToScreen(&rect);
    m_Pane->TrackPagesMenu(CPoint(rect.left, rect.bottom));
    return TRUE;
}

BOOL CTasksPaneMenuButton::OnUpdateToolTip(CWnd*, int, CToolTipCtrl&, CString& ioText)
{
    ioText = Loaded(IDS_GT_TASKS_OTHER_PANES);
    return TRUE;
}

BOOL CTasksPaneToolBar::CreateFor(CGTTasksPane& iPane)
{
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const BOOL large = globals.bitsPerPixel >= 16 && !globals.isBlackHighContrast;
    const CSize image = large ? CSize(16, 16) : CSize(12, 12);
    if (!Create(&iPane, WS_CHILD | CBRS_ALIGN_TOP, toolBarId))
        return FALSE;
    SetOwner(&iPane);
    SetLockedSizes(image + CSize(4, 4), image);
    if (!LoadBitmap(large ? IDB_GT_TASKS_NAVIGATE_LARGE : IDB_GT_TASKS_NAVIGATE, 0, 0, TRUE))
        return FALSE;
    InsertButton(new CTasksPaneNavigateButton(IDS_GT_TASKS_BACK, imageBack, Loaded(IDS_GT_TASKS_BACK)));
    InsertButton(new CTasksPaneNavigateButton(IDS_GT_TASKS_FORWARD, imageForward, Loaded(IDS_GT_TASKS_FORWARD)));
    InsertButton(new CTasksPaneNavigateButton(IDS_GT_TASKS_HOME, imageHome, Loaded(IDS_GT_TASKS_HOME)));
    InsertSeparator();
    InsertButton(new CTasksPaneMenuButton(&iPane));
    InsertButton(new CTasksPaneNavigateButton(IDS_GT_TASKS_CLOSE, imageClose, Loaded(IDS_GT_TASKS_CLOSE)));
    return TRUE;
}

CTasksPaneMenuButton* CTasksPaneToolBar::MenuButton() const
{
    for (int index = 0; index < GetButtonCount(); ++index) {
        if (auto* button = DYNAMIC_DOWNCAST(CTasksPaneMenuButton, GetButton(index)))
            return button;
    }
    return nullptr;
}

void CTasksPaneToolBar::SetPageName(const CString& iName)
{
    if (CTasksPaneMenuButton* button = MenuButton(); button != nullptr && button->m_Text != iName) {
        button->m_Text = iName;
        AdjustLayout();
    }
}

void CTasksPaneToolBar::RecalcButtonLayout()
{
    CGTToolBar::RecalcButtonLayout();
    CTasksPaneMenuButton* menu = MenuButton();
    if (menu == nullptr || GetSafeHwnd() == nullptr)
        return;
    // The menu button takes the width the other buttons leave, and never less than three
    // times its height.
    CRect client;
    GetClientRect(&client);
    CRect rect = menu->Rect();
    int others = 0;
    for (int index = ButtonToIndex(menu) + 1; index < GetButtonCount(); ++index)
        others += GetButton(index)->Rect().Width();
    const int shift = std::max<int>(client.right - 1 - others, rect.left + 3 * rect.Height()) - rect.right;
    rect.right += shift;
    menu->SetRect(rect);
    for (int index = ButtonToIndex(menu) + 1; index < GetButtonCount(); ++index)
        GetButton(index)->SetRect(GetButton(index)->Rect() + CPoint(shift, 0));
}
