// A multi-pane frame's record in the frame's saved layout: the single frame's record, then its
// tree with the ids of its panes (schema 3); a record of schema 2 names one pane only. Once the
// bars are loaded, the panes the tree names are gathered into the frame from wherever they are.
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <vector>

namespace {
const UINT treeSchema = 3;

CGTBaseTabbedBar* TabbedPaneHolding(const CGTBaseControlBar& iBar)
{
    CGTBaseTabWnd* tabs = iBar.GetHoldingTabWnd();
    return tabs != nullptr ? DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent()) : nullptr;
}

void LeaveAutoHide(CGTDockingControlBar& ioPane)
{
    if (ioPane.IsAutoHideMode())
        ioPane.SetAutoHideMode(FALSE, GTSideAny, nullptr, TRUE);
}
}  // namespace

void CGTMultiMiniFrameWnd::Serialize(CArchive& ioArchive)
{
    const UINT schema = ioArchive.IsLoading() ? ioArchive.GetObjectSchema() : treeSchema;
    CGTMiniFrameWnd::Serialize(ioArchive);
    m_LoadedTree = ioArchive.IsLoading() && schema >= treeSchema;
    if (ioArchive.IsStoring() || m_LoadedTree)
        m_ContainerManager.Serialize(ioArchive);
}

BOOL CGTMultiMiniFrameWnd::SaveHeldBarState(LPCWSTR iProfile, int)
{
    BOOL saved = TRUE;
    for (POSITION at = m_ContainerManager.GetBars().GetHeadPosition(); at != nullptr;)
        saved &= static_cast<CGTDockingControlBar*>(m_ContainerManager.GetBars().GetNext(at))->SaveState(iProfile, -1);
    return saved;
}

BOOL CGTMultiMiniFrameWnd::LoadHeldBarState(LPCWSTR iProfile, int)
{
    BOOL loaded = TRUE;
    for (POSITION at = m_ContainerManager.GetBars().GetHeadPosition(); at != nullptr;)
        loaded &= static_cast<CGTDockingControlBar*>(m_ContainerManager.GetBars().GetNext(at))->LoadState(iProfile, -1);
    return loaded;
}

void CGTMultiMiniFrameWnd::ReattachLoadedBar(CGTDockManager& ioManager)
{
    if (!m_LoadedTree) {
        CGTMiniFrameWnd::ReattachLoadedBar(ioManager);
        return;
    }
    if (m_ContainerManager.IsEmpty()) {
        PostMessage(GTMSG_CHECKEMPTYMINIFRAME);
        return;
    }
    std::vector<CGTDockingControlBar*> panes;
    for (POSITION at = m_ContainerManager.GetBars().GetHeadPosition(); at != nullptr;)
        panes.push_back(static_cast<CGTDockingControlBar*>(m_ContainerManager.GetBars().GetNext(at)));
    std::vector<CGTBaseTabbedBar*> emptyTabbed;
    for (CGTDockingControlBar* pane : panes) {
        if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, pane)) {
            GatherTabs(ioManager, *tabbed);
            if (tabbed->CountTabs() == 0) {
                emptyTabbed.push_back(tabbed);
                continue;
            }
            tabbed->ApplyRestoredTabs(FALSE);
            tabbed->UpdateStoredRect();
        } else {
            GatherPane(*pane);
        }
    }
    for (CGTBaseTabbedBar* tabbed : emptyTabbed) {
        ReleaseBar(tabbed, FALSE, TRUE);
        tabbed->DestroyWindow();
    }
    if (m_ContainerManager.IsEmpty()) {
        SendMessage(GTMSG_CHECKEMPTYMINIFRAME);
        return;
    }
    for (POSITION at = m_ContainerManager.GetBars().GetHeadPosition(); at != nullptr;) {
        auto* pane = static_cast<CGTDockingControlBar*>(m_ContainerManager.GetBars().GetNext(at));
        pane->ShowBar(pane->GetRememberedVisibility(), FALSE, FALSE);
        RegisterFloatingBarId(pane, TRUE);
    }
    CGTDockingControlBar* first = m_ContainerManager.GetFirstControlBar();
    m_HeldBar = first->GetSafeHwnd();
    if (m_ContainerManager.GetBars().GetCount() == 1) {
        CString caption;
        first->GetWindowText(caption);
        SetWindowText(caption);
        SendMessage(WM_SETICON, ICON_SMALL, first->SendMessage(WM_GETICON, ICON_SMALL, 0));
        SendMessage(WM_SETICON, ICON_BIG, first->SendMessage(WM_GETICON, ICON_BIG, 0));
    }
    AfterBarAttached();
    ApplyCaptionButtonFlags(m_CaptionButtonFlags);
    CheckGrippers();
    AdjustBarToClient();
}

void CGTMultiMiniFrameWnd::GatherTabs(CGTDockManager& ioManager, CGTBaseTabbedBar& ioTabbed)
{
    BOOL left = FALSE;
    CGTBarContainer* node = m_ContainerManager.FindContainerByBar(&ioTabbed, left);
    CList<int, int>* ids = node != nullptr ? node->GetTabIDList(&ioTabbed) : nullptr;
    if (ids == nullptr)
        return;
    std::vector<int> tabIds;
    for (POSITION at = ids->GetHeadPosition(); at != nullptr;)
        tabIds.push_back(ids->GetNext(at));
    for (int id : tabIds) {
        auto* bar = DYNAMIC_DOWNCAST(CGTDockingControlBar, ioManager.FindBarById(static_cast<UINT>(id), TRUE));
        if (bar == nullptr || bar == &ioTabbed)
            continue;
        LeaveAutoHide(*bar);
        if (CGTBaseTabbedBar* holder = TabbedPaneHolding(*bar)) {
            bar->SetParent(this);
            holder->RemoveBarTab(bar);
        } else {
            bar->FloatAtRect(CRect(0, 0, 10, 10), GTDockByRect, FALSE);
        }
        CGTMiniFrameWnd* holderFrame = bar->GetParentMiniFrame();
        if (holderFrame != nullptr && holderFrame != this)
            holderFrame->ReleaseBar(bar, FALSE, FALSE);
        bar->AttachToTabWnd(&ioTabbed, 0, FALSE);
        if (holderFrame != nullptr)
            holderFrame->PostMessage(GTMSG_CHECKEMPTYMINIFRAME);
    }
}

void CGTMultiMiniFrameWnd::GatherPane(CGTDockingControlBar& ioPane)
{
    if (CGTBaseTabbedBar* holder = TabbedPaneHolding(ioPane)) {
        ioPane.SetParent(CWnd::FromHandlePermanent(GetOwnerFrameHandle()));
        holder->RemoveBarTab(&ioPane);
        ioPane.EnableGripper(TRUE);
        ioPane.ShowWindow(SW_SHOW);
    }
    LeaveAutoHide(ioPane);
    CRect window;
    ioPane.GetWindowRect(&window);
    ioPane.FloatAtRect(window, GTDockByRect, FALSE);
    CGTMiniFrameWnd* holderFrame = ioPane.GetParentMiniFrame();
    if (holderFrame == nullptr)
        return;
    ioPane.SetParent(this);
    if (holderFrame != this)
        holderFrame->ReleaseBar(&ioPane, FALSE, FALSE);
    const CRect place = ioPane.GetLoadedDockedRect();
    ioPane.MoveBarWindow(nullptr, place.left, place.top, place.Width(), place.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED, nullptr);
}
