#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <guitoolkit/core/CGTRegistry.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <algorithm>

namespace {
CString StateKey(LPCWSTR iProfile, int iIndex)
{
    CString key;
    key.Format(L"%sVADEAppBar-%d", static_cast<LPCWSTR>(BuildRegistrySectionPath(L"VADEAppBars", iProfile)), iIndex);
    return key;
}

CString DockValue(int iSide)
{
    CString name;
    name.Format(L"DimsDock%d", iSide);
    return name;
}

}  // namespace

BOOL CGTAppBarWnd::SaveState(LPCWSTR iProfile, int iIndex)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    if (!registry.CreateKey(StateKey(iProfile, iIndex)))
        return FALSE;
    BOOL written = registry.WriteInt(L"IsAutoHide", m_AutoHide) && registry.WriteInt(L"IsAlwaysOnTop", m_AlwaysOnTop) &&
        registry.WriteInt(L"Side", m_Side) && registry.WriteRect(L"RectFloat", m_FloatRect);
    for (int side = ABE_LEFT; side <= ABE_BOTTOM; ++side)
        written = registry.WriteInt(DockValue(side), m_DockThickness[side]) && written;
    return written;
}

BOOL CGTAppBarWnd::LoadState(LPCWSTR iProfile, int iIndex)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(StateKey(iProfile, iIndex)))
        return FALSE;
    int value = 0;
    if (registry.ReadInt(L"IsAutoHide", value))
        m_AutoHide = value != 0;
    if (registry.ReadInt(L"IsAlwaysOnTop", value))
        m_AlwaysOnTop = value != 0;
    if (registry.ReadInt(L"Side", value) && (value == floatingSide || (value >= ABE_LEFT && value <= ABE_BOTTOM)))
        m_Side = value;
    CRect screen;
    GetScreenRect(screen);
    for (int side = ABE_LEFT; side <= ABE_BOTTOM; ++side) {
        if (!registry.ReadInt(DockValue(side), value))
            continue;
        const int extent = side == ABE_LEFT || side == ABE_RIGHT ? screen.Width() : screen.Height();
        m_DockThickness[side] = std::max(m_CaptionHeight, std::min(value, extent));
    }
    CRect floatRect;
    if (registry.ReadRect(L"RectFloat", floatRect)) {
        CRect work;
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        floatRect.NormalizeRect();
        m_FloatRect = GTGeometry::FitInto(floatRect, work, TRUE);
    }
    if (m_hWnd != nullptr) {
        if (m_Side == floatingSide)
            Float();
        else
            Dock(m_Side);
    }
    return TRUE;
}
