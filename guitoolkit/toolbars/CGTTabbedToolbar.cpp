// The tabbed toolbar: its tab window holds the toolbars, and the bar grows to the largest.
#include <guitoolkit/toolbars/CGTTabbedToolbar.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTTabWnd.h>

IMPLEMENT_DYNCREATE(CGTTabbedToolbar, CGTToolBar)

BEGIN_MESSAGE_MAP(CGTTabbedToolbar, CGTToolBar)
    ON_WM_CREATE()
    ON_WM_NCDESTROY()
    ON_REGISTERED_MESSAGE(GTM_ONCHANGE_ACTIVE_TAB, &CGTTabbedToolbar::OnChangeActiveTab)
END_MESSAGE_MAP()

namespace {
const UINT tabWindowId = 101;
// The sides a tabbed toolbar may not take: it docks at the top or bottom only.
const DWORD sideBits = 0x5500;
}  // namespace

CGTTabbedToolbar::CGTTabbedToolbar() : m_TabWnd(nullptr) {}

CGTTabbedToolbar::~CGTTabbedToolbar()
{
    delete m_TabWnd;
}

BOOL CGTTabbedToolbar::Create(CWnd* iParent, DWORD iStyle, UINT iId, DWORD iBarStyle)
{
    SetBarStyle(iStyle);
    const DWORD style = (iStyle & ~sideBits) | ((iBarStyle & 1) != 0 ? CBRS_GRIPPER : 0);
    return CGTControlBar::Create(RegisterLibraryWindowClass(L"VADETabbedToolBar"), style, CRect(0, 0, 0, 0), iParent,
                                 iId, iBarStyle);
}

int CGTTabbedToolbar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTToolBar::OnCreate(iCreate) == -1)
        return -1;
    m_TabWnd = new CGTTabWnd;
    if (!m_TabWnd->Create(0, CRect(0, 0, iCreate->cx, iCreate->cy), this, tabWindowId, 1)) {
        delete m_TabWnd;
        m_TabWnd = nullptr;
        return -1;
    }
    // The toolbars keep their places and their windows; the tab row only switches them.
    m_TabWnd->EnableRename(FALSE);
    m_TabWnd->EnableTabSwap(FALSE);
    m_TabWnd->SetAutoDestroyWindows(FALSE);
    return 0;
}

void CGTTabbedToolbar::OnNcDestroy()
{
    CGTToolBar::OnNcDestroy();
    delete m_TabWnd;
    m_TabWnd = nullptr;
}

LRESULT CGTTabbedToolbar::OnChangeActiveTab(WPARAM, LPARAM)
{
    return 0;
}

CGTTabWnd* CGTTabbedToolbar::GetTabWnd() const
{
    return m_TabWnd;
}

BOOL CGTTabbedToolbar::AddTab(CGTToolBar* iBar, BOOL iShow, BOOL iActivate, BOOL iDetachable)
{
    if (m_TabWnd == nullptr || iBar == nullptr)
        return FALSE;
    iBar->SetParent(m_TabWnd);
    iBar->SetOwner(GetOwningFrameWindow(this));
    iBar->SetBarStyle(iBar->GetStyleWord() & ~CBRS_GRIPPER);
    CString label;
    iBar->GetWindowText(label);
    m_TabWnd->AddTab(iBar, label, static_cast<UINT>(-1), iDetachable);
    const int last = m_TabWnd->GetTabCount() - 1;
    if (iActivate)
        m_TabWnd->SetActiveTab(last);
    m_TabWnd->ShowTab(last, iShow, TRUE, FALSE);
    UpdateStoredRect();
    return TRUE;
}

CSize CGTTabbedToolbar::GetStretchLimit(BOOL, BOOL)
{
    CRect borders(0, 0, 0, 0);
    AdjustClientRectByBorders(borders, TRUE);
    CRect window(0, 0, 0, 0);
    if (m_TabWnd->GetSafeHwnd() != nullptr)
        m_TabWnd->GetWindowRect(window);
    return CSize(window.Width() - borders.Width(), window.Height() - borders.Height());
}

void CGTTabbedToolbar::UpdateStoredRect()
{
    if (m_TabWnd->GetSafeHwnd() == nullptr) {
        CGTToolBar::UpdateStoredRect();
        return;
    }
    const CSize content = m_TabWnd->GetMaxWindowSize();
    const int border = m_TabWnd->GetTabBorderSize();
    const int tabs = m_TabWnd->GetTabsHeight();
    CRect old;
    m_TabWnd->GetWindowRect(old);
    const int width = content.cx + 2 * border;
    m_TabWnd->SetWindowPos(nullptr, 0, 0, width, tabs + 2 * border + content.cy + 2, SWP_NOZORDER | SWP_NOACTIVATE);
    m_TabWnd->RecalcLayout();
    StretchBar(width - old.Width());
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->AdjustLayout();
    else if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, GetOwningFrameWindow(this)))
        frame->RecalcLayout();
    CGTToolBar::UpdateStoredRect();
}
