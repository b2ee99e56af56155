#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

BOOL CGTControlBar::LoadState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, TRUE);
        if (!registry.Open(
                StateKey(CGTDockingValues::ControlBarSection(), L"VADEControlBar", iProfile, iIndex, iSubId)))
            return FALSE;
        ReadPlacement(registry);
    }
    return CGTBaseControlBar::LoadState(iProfile, iIndex, iSubId);
}

BOOL CGTControlBar::ReadPlacement(CGTRegistry& ioRegistry)
{
    DWORD value = 0;
    if (ioRegistry.ReadDword(L"ID", value))
        m_SavedId = value;
    ioRegistry.ReadRect(L"RectRecentFloat", m_RecentDockInfo.m_rectRecentFloat);
    if (ioRegistry.ReadRect(L"RectRecentDocked", m_LoadedDockedRect))
        m_RecentDockInfo.m_docked.m_rectPane = m_LoadedDockedRect;
    if (ioRegistry.ReadDword(L"RecentFrameAlignment", value))
        m_RecentDockInfo.m_dwRecentSide = value;
    ioRegistry.ReadInt(L"RecentRowIndex", m_RecentDockInfo.m_nRecentRowIndex);
    if (ioRegistry.ReadDword(L"IsFloating", value))
        m_LoadedFloating = value;
    ioRegistry.ReadInt(L"MRUWidth", m_RecentLength);
    ioRegistry.ReadInt(L"PinState", m_PinState);
    return TRUE;
}

BOOL CGTControlBar::SaveState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    BOOL saved = FALSE;
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        if (registry.CreateKey(
                StateKey(CGTDockingValues::ControlBarSection(), L"VADEControlBar", iProfile, iIndex, iSubId))) {
            const BOOL floating = IsOnlyBarInMiniFrame();
            if (floating) {
                GetParentMiniFrame()->GetWindowRect(&m_RecentDockInfo.m_rectRecentFloat);
            } else {
                StoreCurrentRect();
                // The docked rectangle is saved too: a bar docked by the application and never
                // dragged would otherwise come back at its creation rectangle, on the first row.
                if (m_ParentDockBar != nullptr) {
                    m_RecentDockInfo.m_dwRecentSide = m_ParentDockBar->GetCurrentAlignment();
                    CGTControlBar::StoreRecentDockInfo();
                }
            }
            saved = WritePlacement(registry, floating);
        }
    }
    const BOOL baseSaved = CGTBaseControlBar::SaveState(iProfile, iIndex, iSubId);
    return saved && baseSaved;
}

BOOL CGTControlBar::WritePlacement(CGTRegistry& ioRegistry, BOOL iFloating)
{
    const CGTRecentDockInfo& recent = m_RecentDockInfo;
    return ioRegistry.WriteDword(L"ID", m_SavedId) &&
        ioRegistry.WriteRect(L"RectRecentFloat", recent.m_rectRecentFloat) &&
        ioRegistry.WriteRect(L"RectRecentDocked", recent.m_docked.m_rectPane) &&
        ioRegistry.WriteDword(L"RecentFrameAlignment", recent.m_dwRecentSide) &&
        ioRegistry.WriteInt(L"RecentRowIndex", recent.m_nRecentRowIndex) &&
        ioRegistry.WriteDword(L"IsFloating", iFloating ? 1 : 0) && ioRegistry.WriteInt(L"MRUWidth", m_RecentLength) &&
        ioRegistry.WriteInt(L"PinState", m_PinState);
}
