// The tabbed pane: a docking pane whose client area is a tab window, each tab holding another
// docking pane; it takes panes in as tabs, lets them go again and carries them along.
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <vector>

IMPLEMENT_DYNAMIC(CGTBaseTabbedBar, CGTDockingControlBar)

BEGIN_MESSAGE_MAP(CGTBaseTabbedBar, CGTDockingControlBar)
    ON_WM_SIZE()
    ON_WM_NCDESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_REGISTERED_MESSAGE(GTM_ONCHANGE_ACTIVE_TAB, &CGTBaseTabbedBar::OnChangeActiveTab)
END_MESSAGE_MAP()

CGTBaseTabbedBar::CGTBaseTabbedBar(BOOL iAutoDestroy)
    : m_AutoDestroy(iAutoDestroy), m_TabWnd(nullptr), m_CaptionFromTab(TRUE)
{
    m_EnabledAlignment = GTSideAny;
}

CGTBaseTabbedBar::~CGTBaseTabbedBar() = default;

CGTBaseTabWnd* CGTBaseTabbedBar::GetTabWindow() const
{
    return m_TabWnd;
}

int CGTBaseTabbedBar::CountTabs() const
{
    return m_TabWnd != nullptr ? m_TabWnd->GetTabCount() : 0;
}

int CGTBaseTabbedBar::CountVisibleTabs() const
{
    return m_TabWnd != nullptr ? m_TabWnd->GetVisibleTabCount() : 0;
}

BOOL CGTBaseTabbedBar::QueryHideSingleTab() const
{
    return m_TabWnd != nullptr && m_TabWnd->IsHideSingleTab();
}

BOOL CGTBaseTabbedBar::DestroysWhenEmpty() const
{
    return TRUE;
}

void CGTBaseTabbedBar::SetCaptionFromTab(BOOL iOn)
{
    m_CaptionFromTab = iOn;
}

BOOL CGTBaseTabbedBar::GetCaptionFromTab() const
{
    return m_CaptionFromTab;
}

void CGTBaseTabbedBar::OnTabActivated(int) {}

BOOL CGTBaseTabbedBar::AddBarAsTab(CGTBaseControlBar* iBar, BOOL iVisible, BOOL iSetActive, BOOL iDetachable)
{
    if (m_TabWnd == nullptr || iBar == nullptr)
        return FALSE;
    if (auto* other = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iBar)) {
        CGTBaseTabWnd* tabs = other->GetTabWindow();
        for (int i = 0; tabs != nullptr && i < tabs->GetTabCount(); ++i) {
            auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, tabs->GetTabWndUnwrapped(i));
            if (pane == nullptr)
                continue;
            const BOOL visible = tabs->IsTabVisible(i);
            pane->EnableGripper(FALSE);
            AddBarAsTab(pane, visible, visible, tabs->IsTabDetachable(i));
            if (auto* fromTab = DYNAMIC_DOWNCAST(CGTControlBar, tabs->GetTabWnd(i)))
                pane->GetRecentDockInfo() = fromTab->GetRecentDockInfo();
        }
        if (tabs != nullptr) {
            tabs->SetAutoDestroyWindows(FALSE);
            tabs->RemoveAllTabs();
        }
        other->DestroyWindow();
        return FALSE;
    }
    if (auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, iBar)) {
        CWnd* oldParent = bar->GetParent();
        bar->OnBeforeChangeParent(m_TabWnd);
        bar->SetParent(m_TabWnd);
        bar->OnAfterChangeParent(oldParent);
        if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, bar))
            pane->EnableGripper(FALSE);
    }
    CString label;
    iBar->GetWindowText(label);
    m_TabWnd->AddTab(iBar, label, static_cast<UINT>(-1), iDetachable);
    const int index = m_TabWnd->GetTabCount() - 1;
    if (const HICON icon = reinterpret_cast<HICON>(iBar->SendMessage(WM_GETICON, ICON_SMALL, 0)))
        m_TabWnd->SetTabHicon(index, icon);
    m_TabWnd->EnableTabDetach(index, iDetachable);
    if (!iVisible)
        m_TabWnd->ShowTab(index, FALSE, TRUE, FALSE);
    else if (iSetActive && iBar->IsKindOf(RUNTIME_CLASS(CGTControlBar)))
        m_TabWnd->SetActiveTab(index);
    return TRUE;
}

BOOL CGTBaseTabbedBar::FloatBarFromTab(CGTBaseControlBar* iBar, int iIndex, int iMethod, BOOL iHide)
{
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, iBar);
    if (bar == nullptr || m_TabWnd == nullptr)
        return FALSE;
    CString text;
    bar->GetWindowText(text);
    if (text.IsEmpty() && m_TabWnd->GetTabLabel(iIndex, text))
        bar->SetWindowText(text);
    m_TabWnd->RemoveTab(iIndex);
    if (iMethod == GTDockByMouse)
        m_TabWnd->SendMessage(WM_LBUTTONUP);
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, bar);
    if (pane != nullptr)
        pane->StoreRecentTabRelatedInfo();
    bar->EnableGripper(TRUE);
    const CGTRecentContainerInfo& docked = bar->GetRecentDockInfo().m_docked;
    if (iMethod == GTDockToRecentPlace && (docked.m_pContainer != nullptr || docked.m_pTabbedContainer != nullptr) &&
        bar->DockToTarget(bar, nullptr, GTDockToRecentPlace))
        return TRUE;
    if (bar->FloatAtRect(bar->GetRecentDockInfo().m_rectRecentFloat, iMethod, !iHide))
        return TRUE;
    // A pane that cannot float goes back to its tab rather than be lost in the tab window.
    bar->EnableGripper(FALSE);
    if (AddBarAsTab(bar, TRUE, TRUE, TRUE))
        m_TabWnd->MoveTab(m_TabWnd->GetTabCount() - 1, iIndex);
    return FALSE;
}

BOOL CGTBaseTabbedBar::DetachBarTab(CGTBaseControlBar* iBar, BOOL iHide)
{
    const int index = m_TabWnd != nullptr ? m_TabWnd->GetTabFromHwnd(iBar->GetSafeHwnd()) : -1;
    return index >= 0 && m_TabWnd->DetachTab(0, index, iHide);
}

BOOL CGTBaseTabbedBar::RemoveBarTab(CGTBaseControlBar* iBar)
{
    const int index = m_TabWnd != nullptr ? m_TabWnd->GetTabFromHwnd(iBar->GetSafeHwnd()) : -1;
    if (index < 0)
        return FALSE;
    m_TabWnd->RemoveTab(index);
    if (m_TabWnd->GetTabCount() > 0)
        return TRUE;
    if (!DestroysWhenEmpty()) {
        ShowWindow(SW_HIDE);
        return TRUE;
    }
    // The pane is gone: callers find that out by its window handle before touching it again.
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->ReleaseBar(this, FALSE, FALSE);
    else
        UnDockControlBar();
    DestroyWindow();
    return FALSE;
}

BOOL CGTBaseTabbedBar::ShowBarTab(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    const int index = m_TabWnd != nullptr ? m_TabWnd->GetTabFromHwnd(iBar->GetSafeHwnd()) : -1;
    if (index < 0)
        return FALSE;
    m_TabWnd->ShowTab(index, iShow, !iDelay, iActivate);
    const BOOL anyVisible = m_TabWnd->GetVisibleTabCount() > 0;
    if (anyVisible && !IsWindowVisible())
        ShowWindow(SW_SHOW);
    CGTDockingControlBar::ShowBar(anyVisible, iDelay, iActivate);
    return !iDelay;
}

CWnd* CGTBaseTabbedBar::FindTabBarById(UINT iId) const
{
    for (int i = 0; i < CountTabs(); ++i) {
        CWnd* window = m_TabWnd->GetTabWnd(i);
        if (window->GetSafeHwnd() != nullptr && static_cast<UINT>(window->GetDlgCtrlID()) == iId)
            return window;
    }
    return nullptr;
}

CWnd* CGTBaseTabbedBar::GetBarOfTab(int iIndex, BOOL iUnwrap) const
{
    if (m_TabWnd == nullptr)
        return nullptr;
    return iUnwrap ? m_TabWnd->GetTabWndUnwrapped(iIndex) : m_TabWnd->GetTabWnd(iIndex);
}

CWnd* CGTBaseTabbedBar::FirstVisibleTabOfBar(int& oIndex) const
{
    oIndex = -1;
    return m_TabWnd != nullptr ? m_TabWnd->GetFirstVisibleTab(oIndex) : nullptr;
}

void CGTBaseTabbedBar::ApplyRestoredTabs(BOOL iValue)
{
    if (m_TabWnd != nullptr)
        m_TabWnd->ApplyRestoredTabInfo(iValue);
}

void CGTBaseTabbedBar::ArchiveTabWindow(CArchive& ioArchive)
{
    if (m_TabWnd != nullptr)
        m_TabWnd->Serialize(ioArchive);
}

void CGTBaseTabbedBar::WriteTabBarIds(CArchive& ioArchive)
{
    if (!ioArchive.IsStoring() || CountTabs() == 0)
        return;
    ioArchive << CountTabs();
    for (int i = 0; i < CountTabs(); ++i)
        ioArchive << m_TabWnd->GetTabWnd(i)->GetDlgCtrlID();
}

void CGTBaseTabbedBar::Serialize(CArchive& ioArchive)
{
    CGTDockingControlBar::Serialize(ioArchive);
    if (ioArchive.IsStoring())
        ioArchive << static_cast<DWORD>(m_AutoDestroy);
    else {
        DWORD autoDestroy = 0;
        ioArchive >> autoDestroy;
        m_AutoDestroy = autoDestroy != 0;
    }
}

HICON CGTBaseTabbedBar::GetBarIcon(BOOL iBig)
{
    const HICON own = reinterpret_cast<HICON>(SendMessage(WM_GETICON, iBig ? ICON_BIG : ICON_SMALL, 0));
    if (own != nullptr || m_TabWnd == nullptr || m_TabWnd->GetActiveWnd() == nullptr)
        return own;
    return reinterpret_cast<HICON>(m_TabWnd->GetActiveWnd()->SendMessage(WM_GETICON, iBig ? ICON_BIG : ICON_SMALL));
}

BOOL CGTBaseTabbedBar::FloatAtRect(CRect iRect, int iMethod, BOOL iShow)
{
    if (!CGTDockingControlBar::FloatAtRect(iRect, iMethod, iShow))
        return FALSE;
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    CWnd* active = m_TabWnd != nullptr ? m_TabWnd->GetActiveWnd() : nullptr;
    if (frame != nullptr && active->GetSafeHwnd() != nullptr)
        frame->SendMessage(WM_SETICON, ICON_SMALL, active->SendMessage(WM_GETICON, ICON_SMALL));
    return TRUE;
}

void CGTBaseTabbedBar::UpdateStoredRect()
{
    CGTDockingControlBar::UpdateStoredRect();
    if (m_TabWnd != nullptr)
        m_TabWnd->RecalcLayout();
}

void CGTBaseTabbedBar::StoreRecentDockInfo()
{
    for (int i = 0; i < CountTabs(); ++i) {
        if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, m_TabWnd->GetTabWnd(i)))
            pane->StoreRecentTabRelatedInfo();
    }
    CGTDockingControlBar::StoreRecentDockInfo();
}

BOOL CGTBaseTabbedBar::SaveState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    if (!CGTDockingControlBar::SaveState(iProfile, iIndex, iSubId))
        return FALSE;
    for (int i = 0; i < CountTabs(); ++i) {
        auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, m_TabWnd->GetTabWnd(i));
        if (bar != nullptr && !bar->SaveState(iProfile, iIndex, iSubId))
            return FALSE;
    }
    return TRUE;
}

BOOL CGTBaseTabbedBar::LoadState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    m_RestoredTabs.RemoveAll();
    for (int i = 0; i < CountTabs(); ++i)
        m_RestoredTabs.Add(m_TabWnd->GetTabWnd(i)->GetDlgCtrlID());
    CGTDockingControlBar::LoadState(iProfile, iIndex, iSubId);
    for (int i = 0; i < CountTabs(); ++i) {
        if (auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, m_TabWnd->GetTabWnd(i)))
            bar->LoadState(iProfile, iIndex, iSubId);
    }
    return TRUE;
}

template <class Each>
int CGTBaseTabbedBar::ReleaseDetachableTabs(Each iEach)
{
    int stayed = 0;
    for (int i = CountTabs() - 1; i >= 0; --i) {
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, m_TabWnd->GetTabWnd(i));
        if (pane == nullptr || !m_TabWnd->IsTabVisible(i) || !m_TabWnd->IsTabDetachable(i)) {
            ++stayed;
            continue;
        }
        m_TabWnd->RemoveTab(i, FALSE);
        pane->EnableGripper(TRUE);
        pane->StoreRecentTabRelatedInfo();
        iEach(*pane);
    }
    return stayed;
}

BOOL CGTBaseTabbedBar::ShowAfterRelease(int iStayed)
{
    if (m_TabWnd->GetVisibleTabCount() == 0)
        return FALSE;
    if (m_TabWnd->GetActiveTab() < 0 || !m_TabWnd->IsTabVisible(m_TabWnd->GetActiveTab())) {
        int first = -1;
        m_TabWnd->GetFirstVisibleTab(first);
        m_TabWnd->SetActiveTab(first);
    }
    m_TabWnd->RecalcLayout();
    ShowBar(TRUE, TRUE, FALSE);
    return iStayed > 0;
}

int CGTBaseTabbedBar::DockAtTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod)
{
    const BOOL floating = GetParentMiniFrame() != nullptr;
    BOOL tabsKnowTheirPlace = TRUE;
    for (int i = 0; floating && tabsKnowTheirPlace && i < CountTabs(); ++i) {
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, m_TabWnd->GetTabWnd(i));
        if (pane == nullptr || !m_TabWnd->IsTabDetachable(i))
            continue;
        const CGTRecentContainerInfo& docked = pane->GetRecentDockInfo().m_docked;
        tabsKnowTheirPlace = docked.m_pContainer != nullptr || docked.m_pTabbedContainer != nullptr;
    }
    if (iMethod != GTDockToRecentPlace || !tabsKnowTheirPlace)
        return CGTDockingControlBar::DockAtTarget(iTarget, iRect, iMethod);
    const CGTRecentDockInfo& own = GetRecentDockInfo();
    if ((floating ? own.m_docked : own.m_floating).m_pContainer != nullptr)
        return CGTDockingControlBar::DockAtTarget(iTarget, iRect, GTDockToRecentPlace);

    // Every movable tab goes back to its own place; the pane lives on while some tab stays.
    ShowBar(FALSE, TRUE, FALSE);
    std::vector<CGTDockingControlBar*> released;
    const int stayed =
        ReleaseDetachableTabs([&released](CGTDockingControlBar& ioPane) { released.push_back(&ioPane); });
    for (CGTDockingControlBar* pane : released)
        pane->DockToTarget(pane, nullptr, GTDockToRecentPlace);
    if (CountTabs() == 0) {
        DestroyWindow();
        return FALSE;
    }
    if (!ShowAfterRelease(stayed))
        return TRUE;
    return CGTDockingControlBar::DockAtTarget(iTarget, iRect, GTDockToRecentPlace);
}

CGTAutoHideToolBar* CGTBaseTabbedBar::SetAutoHideMode(BOOL iMode, DWORD iAlignment, CGTAutoHideToolBar* iToolBar,
                                                      BOOL iAnimate)
{
    if (!iMode)
        return CGTDockingControlBar::SetAutoHideMode(iMode, iAlignment, iToolBar, iAnimate);
    CWnd* active = m_TabWnd->GetActiveWnd();
    CWnd* frame = FindOwnerFrame();
    ShowBar(FALSE, TRUE, FALSE);
    std::vector<CGTDockingControlBar*> released;
    const int stayed = ReleaseDetachableTabs([&](CGTDockingControlBar& ioPane) {
        ioPane.SetParent(frame);
        ioPane.SetOwner(frame);
        released.insert(released.begin(), &ioPane);
    });
    std::vector<CGTAutoHideToolBar*> toolBars;
    CGTAutoHideToolBar* activeToolBar = nullptr;
    for (CGTDockingControlBar* pane : released) {
        CGTAutoHideToolBar* toolBar =
            pane->SetAutoHideMode(TRUE, GetCurrentAlignment(), nullptr, iAnimate && pane == active);
        if (toolBar == nullptr)
            continue;
        toolBars.push_back(toolBar);
        if (pane == active)
            activeToolBar = toolBar;
    }
    if (activeToolBar == nullptr && !toolBars.empty())
        activeToolBar = toolBars.back();
    for (size_t i = 0; i < toolBars.size(); ++i)
        toolBars[i]->SetGroupFlags(i == 0, i + 1 == toolBars.size());
    if (activeToolBar != nullptr) {
        activeToolBar->SetRowActive(TRUE);
        if (CGTDockBar* strip = activeToolBar->GetParentDockBar())
            strip->OnDockBarResized(CRect(0, 0, 0, 0));
    }
    if (stayed > 0)
        ShowAfterRelease(stayed);
    if (activeToolBar != nullptr)
        activeToolBar->SyncStripVisibility();
    return activeToolBar;
}

void CGTBaseTabbedBar::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTDockingControlBar::OnSize(iType, iWidth, iHeight);
    if (m_TabWnd->GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(client);
    m_TabWnd->SetWindowPos(nullptr, client.left, client.top, client.Width(), client.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTBaseTabbedBar::OnNcDestroy()
{
    delete m_TabWnd;
    m_TabWnd = nullptr;
    CGTDockingControlBar::OnNcDestroy();
    if (m_AutoDestroy)
        delete this;
}

BOOL CGTBaseTabbedBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTBaseTabbedBar::OnSetFocus(CWnd* iOldWindow)
{
    CGTDockingControlBar::OnSetFocus(iOldWindow);
    if (m_TabWnd->GetSafeHwnd() != nullptr)
        m_TabWnd->SetFocus();
}

LRESULT CGTBaseTabbedBar::OnChangeActiveTab(WPARAM iIndex, LPARAM)
{
    const int index = static_cast<int>(iIndex);
    CString label;
    if (m_TabWnd != nullptr && m_TabWnd->GetTabLabel(index, label) && m_CaptionFromTab)
        SetWindowText(label);
    OnTabActivated(index);
    return 0;
}
