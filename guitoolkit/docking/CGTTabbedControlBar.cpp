// The concrete tabbed pane with a CGTTabWnd, and the process's tab look that every live one
// takes again when the application's look changes.
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTTabWnd.h>

IMPLEMENT_SERIAL(CGTTabbedControlBar, CGTBaseTabbedBar, VERSIONABLE_SCHEMA | 2)

BEGIN_MESSAGE_MAP(CGTTabbedControlBar, CGTBaseTabbedBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CGTTabbedControlBar::s_TabsOnTop = FALSE;
BOOL CGTTabbedControlBar::s_UseAutoColors = FALSE;
CRuntimeClass* CGTTabbedControlBar::s_TabWindowClass = RUNTIME_CLASS(CGTTabWnd);

namespace {
const UINT tabWindowId = 101;
}

CGTTabbedControlBar::CGTTabbedControlBar(BOOL iAutoDestroy) : CGTBaseTabbedBar(iAutoDestroy) {}

void CGTTabbedControlBar::ApplyTabStyle(CGTTabWnd& ioTabs)
{
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    // The look decides whether tabbed panes colour their tabs, so the looks and the panes agree.
    s_UseAutoColors = look->UsesTabAutoColors();
    ioTabs.SetTabBorderSize(look->GetTabBorderSize(), FALSE);
    ioTabs.SetTabStyle(CGTDockingValues::TabbedBarStyle());
    if (s_UseAutoColors) {
        ioTabs.SetAutoColors(CGTDockingValues::TabAutoColors());
        ioTabs.EnableAutoColor(TRUE);
    } else {
        ioTabs.SetAutoColors(CArray<COLORREF, COLORREF>());
        ioTabs.EnableAutoColor(FALSE);
    }
    ioTabs.RecalcLayout();
}

void CGTTabbedControlBar::ApplyTabStyleToAll()
{
    CList<HWND, HWND>& panes = CGTDockingValues::TabbedBarWindows();
    for (POSITION pos = panes.GetHeadPosition(); pos != nullptr;) {
        const HWND window = panes.GetNext(pos);
        auto* pane =
            ::IsWindow(window) ? DYNAMIC_DOWNCAST(CGTTabbedControlBar, CWnd::FromHandlePermanent(window)) : nullptr;
        if (pane == nullptr)
            continue;
        if (auto* tabs = DYNAMIC_DOWNCAST(CGTTabWnd, pane->GetTabWindow()))
            ApplyTabStyle(*tabs);
    }
}

int CGTTabbedControlBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTBaseTabbedBar::OnCreate(iCreate) == -1)
        return -1;
    auto* tabs = DYNAMIC_DOWNCAST(CGTTabWnd, s_TabWindowClass->CreateObject());
    if (tabs == nullptr ||
        !tabs->Create(CGTDockingValues::TabbedBarStyle(), CRect(0, 0, 0, 0), this, tabWindowId, s_TabsOnTop ? 1 : 0)) {
        delete tabs;
        return -1;
    }
    m_TabWnd = tabs;
    tabs->HideSingleTab(TRUE);
    // The panes are the tabbed pane's to place and destroy, never the tab window's.
    tabs->SetAutoDestroyWindows(FALSE);
    tabs->EnableActivateLastVisible(TRUE);
    ApplyTabStyle(*tabs);
    CGTDockingValues::TabbedBarWindows().AddTail(m_hWnd);
    return 0;
}

void CGTTabbedControlBar::OnDestroy()
{
    CList<HWND, HWND>& panes = CGTDockingValues::TabbedBarWindows();
    if (POSITION pos = panes.Find(m_hWnd))
        panes.RemoveAt(pos);
    CGTBaseTabbedBar::OnDestroy();
}

void CGTTabbedControlBar::GetTabAreaRects(CRect& oTop, CRect& oBottom) const
{
    oTop.SetRectEmpty();
    oBottom.SetRectEmpty();
    auto* tabs = DYNAMIC_DOWNCAST(CGTTabWnd, m_TabWnd);
    if (tabs->GetSafeHwnd() == nullptr || tabs->GetTabsHeight() == 0)
        return;
    CRect area = tabs->GetTabsAreaRect();
    tabs->ClientToScreen(area);
    (AreTabsAtBottom() ? oBottom : oTop) = area;
}

BOOL CGTTabbedControlBar::AreTabsAtBottom() const
{
    return m_TabWnd == nullptr || m_TabWnd->GetLocation() == 0;
}

BOOL CGTTabbedControlBar::FloatBarFromTab(CGTBaseControlBar* iBar, int iIndex, int iMethod, BOOL iHide)
{
    return CountTabs() >= 2 && CGTBaseTabbedBar::FloatBarFromTab(iBar, iIndex, iMethod, iHide);
}

BOOL CGTTabbedControlBar::DetachBarTab(CGTBaseControlBar* iBar, BOOL iHide)
{
    return CountTabs() > 0 && CGTBaseTabbedBar::DetachBarTab(iBar, iHide);
}

void CGTTabbedControlBar::OnPressButtons(UINT iHitCode)
{
    if (iHitCode == GTHitPaneClose)
        OnCloseButtonPressed();
    else
        CGTBaseTabbedBar::OnPressButtons(iHitCode);
}

void CGTTabbedControlBar::OnCloseButtonPressed()
{
    CWnd* active = m_TabWnd != nullptr ? m_TabWnd->GetActiveWnd() : nullptr;
    auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, GetParentFrame());
    if (active == nullptr ||
        (frame != nullptr && frame->SendMessage(GTM_ON_PRESS_CLOSE_BUTTON, 0, reinterpret_cast<LPARAM>(active)) != 0))
        return;
    // Either the whole pane closes with its last visible tab, or the active tab alone is hidden.
    if (m_TabWnd->GetVisibleTabCount() == 1)
        ClosePane();
    else
        m_TabWnd->ShowTab(m_TabWnd->GetActiveTab(), FALSE, TRUE, FALSE);
}
