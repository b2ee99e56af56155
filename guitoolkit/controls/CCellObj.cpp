#include <guitoolkit/controls/CCellObj.h>
#include <guitoolkit/core/CGTScreenInfo.h>
#include <cstdlib>

namespace {
// The tan of 30 degrees: a hexagon's edge over its height.
const double hexagonSlope = 0.5773502588272095;

void FrameHexagon(CDC* iDc, const POINT* iCorners, COLORREF iColor, int iWidth, int iHeight)
{
    CRgn region;
    region.CreatePolygonRgn(const_cast<POINT*>(iCorners), 6, ALTERNATE);
    CBrush brush(iColor);
    iDc->FrameRgn(&region, &brush, iWidth, iHeight);
}
}  // namespace

CCellObj::CCellObj(CPoint iCentre, int iSize, COLORREF iColor, int iTolerance, CPalette* iPalette)
    : m_X(iCentre.x), m_Y(iCentre.y), m_Size(iSize), m_Color(SnapColor(iColor, iTolerance)), m_DisplayColor(m_Color)
{
    GetCorners(iSize, m_Corners);
    if (iPalette != nullptr && iPalette->GetSafeHandle() != nullptr && CGTScreenInfo::Current().BitsPerPixel() == 8)
        m_DisplayColor = PALETTEINDEX(iPalette->GetNearestPaletteIndex(m_Color));
}

int CCellObj::SnapChannel(int iValue, int iTolerance)
{
    if (iTolerance == 0)
        return iValue;
    if (iValue < iTolerance)
        return 0;
    if (iValue > 255 - iTolerance)
        return 255;
    if (std::abs(iValue - 128) < iTolerance)
        return 128;
    if (std::abs(iValue - 192) < iTolerance)
        return 192;
    return iValue;
}

COLORREF CCellObj::SnapColor(COLORREF iColor, int iTolerance)
{
    return RGB(SnapChannel(GetRValue(iColor), iTolerance), SnapChannel(GetGValue(iColor), iTolerance),
               SnapChannel(GetBValue(iColor), iTolerance));
}

void CCellObj::GetCorners(int iSize, POINT oCorners[6]) const
{
    const int half = iSize / 2;
    const int slope = static_cast<int>(iSize * hexagonSlope) / 2;
    const POINT corners[6] = {{m_X - half, m_Y - slope}, {m_X, m_Y - half}, {m_X + half, m_Y - slope},
                              {m_X + half, m_Y + slope}, {m_X, m_Y + half}, {m_X - half, m_Y + slope}};
    for (int index = 0; index < 6; ++index)
        oCorners[index] = corners[index];
}

BOOL CCellObj::HitTest(CPoint iPoint) const
{
    CRgn region;
    region.CreatePolygonRgn(const_cast<POINT*>(m_Corners), 6, ALTERNATE);
    return region.PtInRegion(iPoint);
}

void CCellObj::Draw(CDC* iDc) const
{
    CRgn region;
    region.CreatePolygonRgn(const_cast<POINT*>(m_Corners), 6, ALTERNATE);
    CBrush brush(m_DisplayColor);
    iDc->FillRgn(&region, &brush);
}

void CCellObj::DrawSelection(CDC* iDc) const
{
    POINT larger[6];
    GetCorners(m_Size + 1, larger);
    POINT raised[6];
    for (int index = 0; index < 6; ++index)
        raised[index] = {larger[index].x, larger[index].y - 1};
    FrameHexagon(iDc, raised, RGB(255, 255, 255), 2, 2);
    FrameHexagon(iDc, larger, RGB(0, 0, 0), 1, 1);
    POINT smaller[6];
    GetCorners(m_Size - 1, smaller);
    FrameHexagon(iDc, smaller, RGB(0, 0, 0), 1, 1);
}
