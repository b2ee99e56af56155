// The frame's docking layout in the registry: "<section>VADEDockManager-<id>", binary value
// "DockingCBAndSliders" (its bytes: GTDockLayout), beside each bar's own values under its own
// key. A load only reads: the panes move when the frame applies what was read.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockLayout.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <vector>

namespace {
using GTDockLayout::AutoHiddenPaneOf;
using GTDockLayout::ForEach;

const LPCWSTR layoutValue = L"DockingCBAndSliders";

CString LayoutKey(LPCWSTR iProfile, UINT iId)
{
    CString key;
    key.Format(L"%sVADEDockManager-%d",
               static_cast<LPCWSTR>(BuildRegistrySectionPath(CGTDockingValues::DockManagerSection(), iProfile)),
               static_cast<int>(iId));
    return key;
}

// Bars of the bar list that keep their own registry values: docking panes and the control bars
// that are not toolbars.
BOOL KeepsOwnState(CObject* iEntry)
{
    return iEntry->IsKindOf(RUNTIME_CLASS(CGTControlBar)) && !iEntry->IsKindOf(RUNTIME_CLASS(CGTToolBar));
}

// The state savers of every bar the layout names: the listed bars, the auto-hidden panes and
// the mini frames.
template <class BarAction, class FrameAction>
void ForEachStateKeeper(const CObList& iBars, const CObList& iAutoHideSliders, const CObList& iFrames,
                        BarAction iBarAction, FrameAction iFrameAction)
{
    ForEach(iBars, [&](CObject* iEntry) {
        if (KeepsOwnState(iEntry))
            iBarAction(*static_cast<CGTBaseControlBar*>(iEntry));
    });
    ForEach(iAutoHideSliders, [&](CObject* iSlider) {
        if (CGTDockingControlBar* pane = AutoHiddenPaneOf(iSlider))
            iBarAction(*pane);
    });
    ForEach(iFrames, [&](CObject* iFrame) { iFrameAction(*static_cast<CGTMiniFrameWnd*>(iFrame)); });
}

BOOL IsEmptyFloatableTabbedPane(CObject* iEntry)
{
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iEntry);
    return tabbed != nullptr && tabbed->CountTabs() == 0 && tabbed->CanFloat();
}

// A pane docked at a frame edge keeps its docked rectangle only when it last moved by a drag;
// one docked by the application would be saved with a stale one, and its group brought back
// at that size.
void RecordDockedPlace(CGTBaseControlBar& ioBar, CWnd* iFrame)
{
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, &ioBar);
    if (pane == nullptr || iFrame == nullptr || pane->GetDefaultSliderObject() == nullptr || pane->IsTabbed() ||
        pane->GetParentMiniFrame() != nullptr)
        return;
    CRect rect;
    pane->GetWindowRect(&rect);
    iFrame->ScreenToClient(&rect);
    pane->GetRecentDockInfo().m_docked.m_rectPane = rect;
}

}  // namespace

void VADE_AUTOHIDEBAR_SAVE_INFO::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        ioArchive << m_nPaneId << m_dwSide << m_bShown << static_cast<int>(m_lstGroupIds.GetCount());
        for (POSITION position = m_lstGroupIds.GetHeadPosition(); position != nullptr;)
            ioArchive << m_lstGroupIds.GetNext(position);
        ioArchive << m_rectPane << m_bFirstInGroup << m_bLastInGroup << m_bActiveInGroup;
        return;
    }
    int count = 0;
    ioArchive >> m_nPaneId >> m_dwSide >> m_bShown >> count;
    m_lstGroupIds.RemoveAll();
    for (int i = 0; i < count; ++i) {
        UINT id = 0;
        ioArchive >> id;
        if (id != static_cast<UINT>(-1))
            m_lstGroupIds.AddTail(id);
    }
    ioArchive >> m_rectPane >> m_bFirstInGroup >> m_bLastInGroup >> m_bActiveInGroup;
}

void CGTDockManager::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsLoading()) {
        GTDockLayout::Read(
            ioArchive, *this,
            {m_lstLoadedTabbedPanes, m_lstLoadedDockedBars, m_lstLoadedFloatFrames, m_lstLoadedAutoHideInfo});
        return;
    }
    ForEach(m_lstBars, [](CObject* iEntry) {
        if (IsEmptyFloatableTabbedPane(iEntry))
            static_cast<CGTBaseTabbedBar*>(iEntry)->UnDockControlBar(TRUE);
    });
    ForEach(m_lstFloatFrames, [](CObject* iFrame) { static_cast<CGTMiniFrameWnd*>(iFrame)->ForgetDeadBar(); });
    GTDockLayout::Write(ioArchive, m_lstBars, m_lstAutoHideSliders, m_lstFloatFrames);
}

BOOL CGTDockManager::SaveState(LPCWSTR iProfile, UINT iId)
{
    s_bStoringState = TRUE;
    ForEachStateKeeper(
        m_lstBars, m_lstAutoHideSliders, m_lstFloatFrames,
        [this, iProfile](CGTBaseControlBar& ioBar) {
            RecordDockedPlace(ioBar, m_pOwnerFrame);
            ioBar.SaveState(iProfile);
        },
        [iProfile](CGTMiniFrameWnd& ioFrame) { ioFrame.SaveHeldBarState(iProfile, -1); });
    BOOL saved = FALSE;
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        saved = registry.CreateKey(LayoutKey(iProfile, iId)) && registry.WriteSerializable(layoutValue, *this);
    }
    s_bStoringState = FALSE;
    return saved;
}

BOOL CGTDockManager::LoadState(LPCWSTR iProfile, UINT iId)
{
    ForEachStateKeeper(
        m_lstBars, m_lstAutoHideSliders, m_lstFloatFrames,
        [iProfile](CGTBaseControlBar& ioBar) { ioBar.LoadState(iProfile); },
        [iProfile](CGTMiniFrameWnd& ioFrame) { ioFrame.LoadHeldBarState(iProfile, -1); });
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(LayoutKey(iProfile, iId)) || !registry.VerifyValue(layoutValue))
        return FALSE;
    const std::vector<CGTBaseTabbedBar*> tabbedBefore =
        m_pOwnerFrame != nullptr ? GTDockLayout::TabbedPanesOn(m_pOwnerFrame) : std::vector<CGTBaseTabbedBar*>();
    if (!registry.ReadSerializable(layoutValue, *this)) {
        GTDockLayout::Discard(
            {m_lstLoadedTabbedPanes, m_lstLoadedDockedBars, m_lstLoadedFloatFrames, m_lstLoadedAutoHideInfo},
            m_pOwnerFrame, tabbedBefore);
        // Applying after a failed read would float every pane whose own values loaded: nothing
        // is applied until a load succeeds.
        m_bSkipApply = TRUE;
        return FALSE;
    }
    m_bSkipApply = FALSE;
    return TRUE;
}
