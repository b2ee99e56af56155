// How a group takes in other groups (a floating group docked beside a pane, or taken over
// whole), their panes as tabs, and a pane back at its remembered node.
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

void CGTBarContainerManager::ReparentBars(const CObList& iWindows, CWnd* iParent, BOOL iVisibleOnly)
{
    for (POSITION at = iWindows.GetHeadPosition(); at != nullptr;) {
        auto* window = static_cast<CWnd*>(iWindows.GetNext(at));
        if (iVisibleOnly && !(window->GetStyle() & WS_VISIBLE))
            continue;
        if (DYNAMIC_DOWNCAST(CGTSlider, window) != nullptr) {
            window->SetParent(iParent);
            continue;
        }
        // The window keeps its place on the screen: the layout that follows starts from it.
        CRect rect;
        window->GetWindowRect(&rect);
        const BOOL shown = (window->GetStyle() & WS_VISIBLE) != 0;
        window->ShowWindow(SW_HIDE);
        window->SetParent(iParent);
        iParent->ScreenToClient(&rect);
        window->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (shown)
            window->ShowWindow(SW_SHOWNOACTIVATE);
    }
}

BOOL CGTBarContainerManager::AddContainerManager(CGTDockingControlBar* iTarget, DWORD iAlignment,
                                                 CGTBarContainerManager* iOther, BOOL iCopy)
{
    CObList bars, sliders;
    iOther->CollectVisible(bars, sliders);
    BOOL left = FALSE;
    if (FindContainerByBar(iTarget, left) == nullptr || !IsInBarList(iTarget) || iOther->m_Root == nullptr)
        return FALSE;
    CGTBarContainer* tree = iOther->m_Root;
    if (iCopy) {
        tree = iOther->m_Root->CopyTree(nullptr);
        tree->SetContainerManager(this, TRUE);
        iOther->RemoveVisibleFromLists();
    }
    CWnd* previousSite = iOther->m_DockSite;
    ReparentBars(bars, m_DockSite, FALSE);
    ReparentBars(sliders, m_DockSite, FALSE);
    if (!AddContainerToBar(iTarget, tree, iAlignment)) {
        ReparentBars(bars, previousSite, FALSE);
        ReparentBars(sliders, previousSite, FALSE);
        return FALSE;
    }
    POSITION at = m_Bars.Find(iTarget);
    const BOOL after = (iAlignment & (GTSideRight | GTSideBottom)) != 0;
    for (POSITION each = after ? bars.GetTailPosition() : bars.GetHeadPosition(); each != nullptr;) {
        CObject* bar = after ? bars.GetPrev(each) : bars.GetNext(each);
        if (after)
            m_Bars.InsertAfter(at, bar);
        else
            m_Bars.InsertBefore(at, bar);
    }
    for (POSITION each = sliders.GetHeadPosition(); each != nullptr;) {
        auto* slider = static_cast<CGTSlider*>(sliders.GetNext(each));
        slider->SetContainerManager(this);
        m_Sliders.AddTail(slider);
    }
    if (!iCopy) {
        iOther->m_OwnsTree = FALSE;
        tree->SetContainerManager(this, TRUE);
    }
    for (POSITION each = m_Bars.GetHeadPosition(); each != nullptr;) {
        auto* bar = static_cast<CGTDockingControlBar*>(m_Bars.GetNext(each));
        bar->EnableGripper(TRUE);
        bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    m_Root->CheckSliderVisibility();
    m_Root->StoreRecentPercents();
    return TRUE;
}

BOOL CGTBarContainerManager::AddContainerManager(CGTBarContainerManager* iOther, BOOL)
{
    CGTDockManager* dockManager = GetDockManager();
    if (m_Root == nullptr || !m_Root->IsContainerEmpty() || dockManager == nullptr || iOther->m_Root == nullptr)
        return FALSE;
    m_Bars.RemoveAll();
    m_Sliders.RemoveAll();
    iOther->CollectVisible(m_Bars, m_Sliders);
    iOther->RemoveVisibleFromLists();
    CGTBarContainer* copy = iOther->m_Root->CopyTree(nullptr);
    m_Root->SetContainer(copy, TRUE);
    m_Root->SetContainerManager(this, TRUE);
    ReparentBars(m_Bars, m_DockSite, FALSE);
    ReparentBars(m_Sliders, m_DockSite, FALSE);
    for (POSITION at = m_Sliders.GetHeadPosition(); at != nullptr;)
        static_cast<CGTSlider*>(m_Sliders.GetNext(at))->SetContainerManager(this);
    const DWORD alignment = m_DefaultSlider != nullptr ? m_DefaultSlider->GetCurrentAlignment() : GTSideLeft;
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at));
        bar->SetAlignment(alignment);
        if (m_DefaultSlider != nullptr)
            bar->SetDefaultSlider(m_DefaultSlider->GetSafeHwnd());
        dockManager->AddBar(bar);
        bar->EnableGripper(TRUE);
    }
    m_Root->CheckSliderVisibility();
    m_Root->StoreRecentPercents();
    return TRUE;
}

BOOL CGTBarContainerManager::AddContainerManagerToTabWnd(CGTDockingControlBar* iTarget, CGTBarContainerManager* iOther)
{
    CObList bars, sliders;
    iOther->CollectVisible(bars, sliders);
    BOOL left = FALSE;
    if (FindContainerByBar(iTarget, left) == nullptr || !IsInBarList(iTarget))
        return FALSE;
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iTarget);
    for (POSITION at = bars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTDockingControlBar*>(bars.GetNext(at));
        if (tabbed != nullptr)
            tabbed->AddBarAsTab(bar, TRUE, TRUE, TRUE);
        else
            bar->AttachToTabWnd(iTarget, GTDockByMouse, TRUE);
    }
    return TRUE;
}

CGTDockingControlBar* CGTBarContainerManager::AddControlBarToRecentContainer(CGTDockingControlBar* iBar,
                                                                             CGTBarContainer* iRecent)
{
    if (m_Root == nullptr || m_Root->FindSubContainer(iRecent, 3) == nullptr)
        return nullptr;
    // Nodes that gave their slider to a floating copy get one again where the pane returns.
    auto restoreSlider = [this](CGTBarContainer* iNode) {
        if (iNode->m_Slider == nullptr && iNode->m_SavedSliderStyle != 0)
            iNode->m_Slider = CreateSlider(iNode->m_SavedSliderRect, static_cast<DWORD>(iNode->m_SavedSliderStyle));
    };
    if (!iRecent->IsContainerEmpty()) {
        restoreSlider(iRecent);
    } else {
        for (CGTBarContainer* node = iRecent->m_Parent; node != nullptr && node != m_Root; node = node->m_Parent)
            restoreSlider(node);
    }
    CGTDockingControlBar* placed = iRecent->AddRecentBar(iBar);
    if (placed != iBar)
        return placed;
    m_Root->CheckSliderVisibility();
    const BOOL floating = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, m_DockSite) != nullptr;
    const CObList& order = iBar->GetRecentDockInfo().GetRecentList(!floating);
    POSITION after = nullptr;
    for (POSITION at = order.Find(iBar); at != nullptr;) {
        order.GetPrev(at);
        if (at == nullptr)
            break;
        if ((after = m_Bars.Find(order.GetAt(at))) != nullptr)
            break;
    }
    if (after != nullptr)
        m_Bars.InsertAfter(after, iBar);
    else
        m_Bars.AddHead(iBar);
    return iBar;
}
