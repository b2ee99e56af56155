// A docking pane dropped onto another becomes a tab: of the target's tabbed pane, or of a new
// one made in the target's place.
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>

namespace {
// The tabbed pane a pane is a tab of (or is), else null.
CGTBaseTabbedBar* HoldingTabbedBar(CGTDockingControlBar& iPane)
{
    if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, &iPane))
        return tabbed;
    CWnd* parent = iPane.GetParent();
    if (parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(CGTBaseTabWnd)))
        parent = parent->GetParent();
    return DYNAMIC_DOWNCAST(CGTBaseTabbedBar, parent);
}

// The tabbed pane takes the target's place: in the target's mini frame, else beside the
// target's slider.
BOOL TakePlace(CGTDockingControlBar& iTarget, CGTBaseTabbedBar& ioTabbed)
{
    if (CGTMiniFrameWnd* frame = iTarget.GetParentMiniFrame()) {
        frame->SwapBar(&iTarget, &ioTabbed);
        return TRUE;
    }
    CGTSlider* slider = iTarget.GetDefaultSliderObject();
    return slider != nullptr && slider->AttachControlBar(&iTarget, &ioTabbed);
}
}  // namespace

CGTBaseTabbedBar* CGTDockingControlBar::CreateTabbedBar()
{
    CWnd* parent = GetParent();
    CRect rect;
    GetWindowRect(rect);
    parent->ScreenToClient(rect);
    CRuntimeClass* type = m_TabbedPaneClass != nullptr ? m_TabbedPaneClass : RUNTIME_CLASS(CGTTabbedControlBar);
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, type->CreateObject());
    if (tabbed == nullptr)
        return nullptr;
    tabbed->SetAutoDestroy(TRUE);
    if (!tabbed->Create(L"", parent, rect, TRUE, static_cast<UINT>(-1), GetStyle() | 0x40, 0x20, 15)) {
        delete tabbed;
        return nullptr;
    }
    tabbed->SetStoredSize(GetStoredSize());
    tabbed->GetRecentDockInfo().m_docked.m_rectPane = GetRecentDockInfo().m_docked.m_rectPane;
    tabbed->GetRecentDockInfo().m_rectRecentFloat = GetRecentDockInfo().m_rectRecentFloat;
    return tabbed;
}

CGTDockingControlBar* CGTDockingControlBar::AttachToTabWnd(CGTDockingControlBar* iTarget, int iMethod, BOOL iSetActive,
                                                           CGTBaseTabbedBar** oTabbedBar)
{
    if (oTabbedBar != nullptr)
        *oTabbedBar = nullptr;
    if (iTarget == nullptr || !iTarget->CanBeTabbed() || !CanBeTabbed())
        return nullptr;
    CGTBaseTabbedBar* tabbed = HoldingTabbedBar(*iTarget);
    CRect targetRect(0, 0, 0, 0);
    const BOOL made = tabbed == nullptr;
    if (made) {
        iTarget->StoreRecentDockInfo();
        iTarget->GetWindowRect(targetRect);
        iTarget->GetParent()->ScreenToClient(targetRect);
        tabbed = iTarget->CreateTabbedBar();
        if (tabbed == nullptr)
            return nullptr;
        iTarget->InsertBarInOwner(tabbed, iTarget, TRUE);
        if (!TakePlace(*iTarget, *tabbed)) {
            if (iTarget->GetParentMiniFrame() == nullptr)
                tabbed->RemoveBarFromOwnerFrame(FALSE, FALSE, FALSE);
            tabbed->DestroyWindow();
            return nullptr;
        }
        tabbed->EnableDocking(iTarget->GetEnabledAlignment());
        tabbed->SetAlignment(iTarget->GetCurrentAlignment());
        iTarget->UnDockControlBar(TRUE);
        tabbed->AddBarAsTab(iTarget, TRUE, iSetActive, TRUE);
        iTarget->EnableGripper(FALSE);
    }
    if (oTabbedBar != nullptr)
        *oTabbedBar = tabbed;
    EnableGripper(FALSE);
    CGTBaseControlBar* target = tabbed;
    OnBeforeDock(target, nullptr, iMethod);
    CWnd* oldParent = GetParent();
    OnBeforeChangeParent(tabbed, TRUE);
    ChangeParent(tabbed, iMethod);
    // A tabbed pane dropped here hands its tabs over and is gone after this call.
    const BOOL added = tabbed->AddBarAsTab(this, TRUE, iSetActive, TRUE);
    if (added) {
        LeaveDockSite(oldParent);
        OnAfterDock(tabbed, nullptr, iMethod);
    }
    if (made) {
        tabbed->SetWindowPos(nullptr, targetRect.left, targetRect.top, targetRect.Width(), targetRect.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
        if (added)
            AdjustOwnerLayout(FALSE);
    }
    tabbed->UpdateStoredRect();
    return added ? this : tabbed;
}

void CGTDockingControlBar::StoreRecentTabRelatedInfo()
{
    CGTBaseTabbedBar* tabbed = HoldingTabbedBar(*this);
    if (tabbed == nullptr || tabbed == this)
        return;
    CGTBarContainerManager* manager = nullptr;
    if (auto* frame = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, tabbed->GetParentMiniFrame()))
        manager = &frame->GetContainerManager();
    else if (CGTSlider* slider = tabbed->GetDefaultSliderObject())
        manager = slider->GetContainerManager();
    if (manager == nullptr)
        return;
    BOOL left = FALSE;
    GetRecentDockInfo().StoreDockInfo(manager->FindContainerByBar(tabbed, left), tabbed);
}
