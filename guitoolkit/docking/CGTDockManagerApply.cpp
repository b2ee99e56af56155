// Rebuilds the frame's docking arrangement from what LoadState read: floating frames, bars
// floated or docked at their loaded places, groups of panes on their loaded sliders with their
// tabs, and auto-hidden panes on their sides. Runs with layout suspended process-wide.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockLayout.h>
#include <guitoolkit/toolbars/CGTBaseToolBar.h>

namespace {
using GTDockLayout::AutoHiddenPaneOf;
using GTDockLayout::ForEach;

// Move and show flags of a bar taking its loaded place: no z-order change, no activation,
// frame changed.
const UINT placeFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

void MoveToLoadedRect(CGTControlBar& ioBar)
{
    const CRect rect = ioBar.GetLoadedDockedRect();
    ioBar.MoveBarWindow(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), placeFlags);
}

CGTBaseTabbedBar* HoldingTabbedBarOf(const CGTBaseControlBar& iBar)
{
    CGTBaseTabWnd* tabs = iBar.GetHoldingTabWnd();
    return tabs != nullptr ? DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent()) : nullptr;
}

// Takes a tab out of its tabbed pane and puts it on the frame.
void TakeOutOfTabs(CGTBaseControlBar& ioBar, CWnd* iFrame)
{
    CGTBaseTabbedBar* tabbed = HoldingTabbedBarOf(ioBar);
    ioBar.SetParent(iFrame);
    if (tabbed != nullptr)
        tabbed->RemoveBarTab(&ioBar);
}

// The slider a loaded pane joins: the nearest slider listed before it.
CGTSlider* LoadedSliderBefore(const CObList& iLoaded, POSITION iPosition)
{
    for (POSITION position = iPosition; position != nullptr;) {
        if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, iLoaded.GetPrev(position)))
            return slider;
    }
    return nullptr;
}

// Every loaded pane leaves where it is now (its present slider, mini frame or the bar list)
// and takes its loaded slider as its default one.
void JoinLoadedSliders(const CObList& iLoaded)
{
    for (POSITION position = iLoaded.GetHeadPosition(); position != nullptr;) {
        const POSITION current = position;
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, iLoaded.GetNext(position));
        CGTSlider* slider = pane != nullptr ? LoadedSliderBefore(iLoaded, current) : nullptr;
        if (slider == nullptr || pane->GetDefaultSlider() == slider->GetSafeHwnd())
            continue;
        if (pane->IsAutoHideMode())
            pane->SetAutoHideMode(FALSE, GTSideAny, nullptr, FALSE);
        if (!pane->IsTabbed())
            pane->UnDockControlBar(TRUE);
        pane->SetDefaultSlider(slider->GetSafeHwnd());
    }
}

// Bars that may end up floating: what the dock bars hold, the listed control bars that can
// float, and the base toolbars of the floating frames. A listed bar that cannot float takes its
// loaded place at once.
void GatherBarsToFloat(const CObList& iBars, const CObList& iFloatFrames, const CObList& iLoaded, CObList& oBars)
{
    ForEach(iBars, [&](CObject* iEntry) {
        if (auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, iEntry)) {
            ForEach(dockBar->GetBars(), [&](CObject* iBar) { oBars.AddTail(iBar); });
            return;
        }
        auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, iEntry);
        if (bar == nullptr || iLoaded.Find(bar) != nullptr)
            return;
        if (bar->CanFloat()) {
            oBars.AddTail(bar);
        } else if (bar->IsStateLoaded()) {
            MoveToLoadedRect(*bar);
            bar->ShowBar(bar->GetRememberedVisibility(), TRUE, FALSE);
        }
    });
    ForEach(iFloatFrames, [&](CObject* iFrame) {
        CWnd* held = static_cast<CGTMiniFrameWnd*>(iFrame)->GetBar();
        if (held != nullptr && held->IsKindOf(RUNTIME_CLASS(CGTBaseToolBar)))
            oBars.AddTail(held);
    });
}

void FloatAndPlace(const CObList& iBars, CGTDockManager& ioManager)
{
    ForEach(iBars, [](CObject* iEntry) {
        auto* bar = static_cast<CGTControlBar*>(iEntry);
        if (bar->IsStateLoaded() && !bar->IsKindOf(RUNTIME_CLASS(CGTBaseTabbedBar)))
            bar->FloatAtRect(bar->GetRecentDockInfo().m_rectRecentFloat, GTDockAsTab, FALSE);
    });
    ForEach(iBars, [&](CObject* iEntry) {
        auto* bar = static_cast<CGTControlBar*>(iEntry);
        if (bar->IsStateLoaded() && !bar->IsKindOf(RUNTIME_CLASS(CGTDockingControlBar))) {
            bar->RestorePlacement(ioManager);
            bar->StoreCurrentRect();
        }
    });
}

// A loaded tabbed pane takes back the tabs its group's record names, in order.
void TakeBackTabs(CGTBaseTabbedBar& ioTabbed, CGTDockManager& ioManager)
{
    CGTSlider* slider = ioTabbed.GetDefaultSliderObject();
    CGTBarContainerManager* group = slider != nullptr ? slider->GetContainerManager() : nullptr;
    BOOL left = FALSE;
    CGTBarContainer* node = group != nullptr ? group->FindContainerByBar(&ioTabbed, left) : nullptr;
    CList<int, int>* ids = node != nullptr ? node->GetTabIDList(&ioTabbed) : nullptr;
    for (POSITION position = ids != nullptr ? ids->GetHeadPosition() : nullptr; position != nullptr;) {
        const UINT id = static_cast<UINT>(ids->GetNext(position));
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, ioManager.FindBarById(id, TRUE));
        if (pane == nullptr)
            continue;
        if (pane->IsTabbed())
            TakeOutOfTabs(*pane, ioManager.GetOwnerFrame());
        else if (pane->IsAutoHideMode())
            pane->SetAutoHideMode(FALSE, GTSideAny, nullptr, TRUE);
        pane->AttachToTabWnd(&ioTabbed, 0, FALSE, nullptr);
    }
    if (ioTabbed.CountTabs() != 0) {
        ioTabbed.ApplyRestoredTabs(FALSE);
        ioTabbed.UpdateStoredRect();
    }
}

// Puts a loaded pane or slider on the frame at its loaded place.
void PlaceLoadedEntry(CGTBaseControlBar& ioEntry, CGTDockManager& ioManager)
{
    CWnd* frame = ioManager.GetOwnerFrame();
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, &ioEntry);
    if (ioEntry.IsTabbed()) {
        TakeOutOfTabs(ioEntry, frame);
        if (pane != nullptr)
            pane->EnableGripper(TRUE);
        ioEntry.ShowWindow(SW_SHOW);
    }
    if (CGTMiniFrameWnd* miniFrame = ioEntry.GetParentMiniFrame())
        miniFrame->ReleaseBar(&ioEntry, FALSE, FALSE);
    ioEntry.SetParent(frame);
    if (pane == nullptr)
        return;
    MoveToLoadedRect(*pane);
    pane->ShowWindow(pane->GetRememberedVisibility() ? SW_SHOWNORMAL : SW_HIDE);
    CGTSlider* slider = pane->GetDefaultSliderObject();
    if (slider == nullptr)
        return;
    pane->SetAlignment(slider->GetCurrentAlignment());
    if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, pane))
        TakeBackTabs(*tabbed, ioManager);
}

// An auto-hide record's pane docks on its side, goes to its rectangle and hides there; its
// toolbar takes the record's group flags and shown flag.
void RestoreAutoHidden(VADE_AUTOHIDEBAR_SAVE_INFO& ioRecord, CGTDockManager& ioManager)
{
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, ioManager.FindBarById(ioRecord.m_nPaneId, TRUE));
    if (pane == nullptr)
        return;
    if (pane->GetDefaultSliderObject() == nullptr && !pane->IsAutoHideMode())
        pane->SetParent(ioManager.GetOwnerFrame());
    pane->DockToFrameWindow(ioRecord.m_dwSide, nullptr, GTDockByRect, nullptr, -1, FALSE);
    const CRect& rect = ioRecord.m_rectPane;
    pane->MoveBarWindow(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    CGTAutoHideToolBar* toolBar = pane->SetAutoHideMode(TRUE, ioRecord.m_dwSide, nullptr, FALSE);
    if (toolBar == nullptr)
        return;
    toolBar->SetGroupFlags(ioRecord.m_bFirstInGroup, ioRecord.m_bLastInGroup);
    toolBar->SetRowActive(ioRecord.m_bActiveInGroup);
    ioRecord.m_pSavedPane = pane;
    toolBar->SetRememberedVisibility(ioRecord.m_bShown);
}

// Auto-hidden panes whose toolbar leads its group come back docked first: the loaded layout
// says where they go.
void LeaveLeadingAutoHide(const CObList& iAutoHideSliders)
{
    ForEach(iAutoHideSliders, [](CObject* iSlider) {
        CGTDockingControlBar* pane = AutoHiddenPaneOf(iSlider);
        const CGTAutoHideToolBar* toolBar = pane != nullptr ? pane->GetAutoHideToolBar() : nullptr;
        if (toolBar != nullptr && toolBar->IsGroupFirst())
            pane->SetAutoHideMode(FALSE, GTSideAny, nullptr, FALSE);
    });
}

void ReattachLoadedFrames(const CObList& iFrames, CGTDockManager& ioManager)
{
    ForEach(iFrames, [&](CObject* iFrame) {
        auto* frame = static_cast<CGTMiniFrameWnd*>(iFrame);
        // A record that built no window brings back nothing.
        if (frame->GetSafeHwnd() == nullptr) {
            delete frame;
            return;
        }
        frame->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | placeFlags);
        frame->ReattachLoadedBar(ioManager);
    });
}

void RestoreAutoHiddenPanes(CList<VADE_AUTOHIDEBAR_SAVE_INFO, VADE_AUTOHIDEBAR_SAVE_INFO&>& ioRecords,
                            CGTDockManager& ioManager)
{
    for (POSITION position = ioRecords.GetHeadPosition(); position != nullptr;)
        RestoreAutoHidden(ioRecords.GetNext(position), ioManager);
    for (POSITION position = ioRecords.GetHeadPosition(); position != nullptr;) {
        const VADE_AUTOHIDEBAR_SAVE_INFO& record = ioRecords.GetNext(position);
        if (record.m_pSavedPane != nullptr && record.m_pSavedPane->CanHideAutoHiddenPane())
            record.m_pSavedPane->ShowBar(record.m_bShown, FALSE, FALSE);
    }
}

// Sliders show by their panes; tabbed panes left without tabs go.
void TidyBarList(const CObList& iBars)
{
    CObList emptyTabbed;
    ForEach(iBars, [&](CObject* iEntry) {
        if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, iEntry))
            slider->CheckVisibility();
        auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iEntry);
        if (tabbed != nullptr && tabbed->CountTabs() == 0 && tabbed->CanFloat())
            emptyTabbed.AddTail(tabbed);
    });
    ForEach(emptyTabbed, [](CObject* iEntry) {
        auto* tabbed = static_cast<CGTBaseTabbedBar*>(iEntry);
        tabbed->UnDockControlBar(TRUE);
        tabbed->DestroyWindow();
    });
}
}  // namespace

void CGTDockManager::ApplyLoadedState()
{
    if (m_bSkipApply || m_bApplyBlocked)
        return;
    if (m_lstBars.IsEmpty() && m_lstLoadedDockedBars.IsEmpty() && m_lstLoadedTabbedPanes.IsEmpty() &&
        m_lstLoadedFloatFrames.IsEmpty() && m_lstLoadedAutoHideInfo.IsEmpty())
        return;
    s_bApplyingState = TRUE;
    s_bLayoutSuspended = TRUE;
    LeaveLeadingAutoHide(m_lstAutoHideSliders);
    JoinLoadedSliders(m_lstLoadedDockedBars);
    ReattachLoadedFrames(m_lstLoadedFloatFrames, *this);
    CObList toFloat;
    GatherBarsToFloat(m_lstBars, m_lstFloatFrames, m_lstLoadedDockedBars, toFloat);
    FloatAndPlace(toFloat, *this);
    ForEach(m_lstLoadedDockedBars,
            [this](CObject* iEntry) { PlaceLoadedEntry(*static_cast<CGTBaseControlBar*>(iEntry), *this); });
    m_lstBars.AddTail(&m_lstLoadedDockedBars);
    s_bLayoutSuspended = FALSE;
    RecalcLayout();
    RestoreAutoHiddenPanes(m_lstLoadedAutoHideInfo, *this);
    ForEach(m_lstLoadedTabbedPanes,
            [](CObject* iTabbed) { static_cast<CGTBaseTabbedBar*>(iTabbed)->ApplyRestoredTabs(FALSE); });
    TidyBarList(m_lstBars);
    AdjustAllBars();
    m_lstLoadedDockedBars.RemoveAll();
    m_lstLoadedTabbedPanes.RemoveAll();
    m_lstLoadedFloatFrames.RemoveAll();
    m_lstLoadedAutoHideInfo.RemoveAll();
    s_bApplyingState = FALSE;
}
