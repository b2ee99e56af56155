// One hexagonal cell of the colour honeycomb and the grey row: where it sits, the colour it
// stands for (snapped to the nearest common level) and the colour it is painted with.
#pragma once
#include <afxwin.h>

class CCellObj : public CObject {
public:
    // On an 8-bit display with a palette the cell paints with the nearest palette entry.
    CCellObj(CPoint iCentre, int iSize, COLORREF iColor, int iTolerance, CPalette* iPalette);

    // Channels near 0, 128, 192 and 255 (closer than the tolerance) take that level.
    static int SnapChannel(int iValue, int iTolerance);
    static COLORREF SnapColor(COLORREF iColor, int iTolerance);
    // The hexagon of a given size around the cell's centre.
    void GetCorners(int iSize, POINT oCorners[6]) const;

    BOOL HitTest(CPoint iPoint) const;
    void Draw(CDC* iDc) const;
    void DrawSelection(CDC* iDc) const;

    int m_X;
    int m_Y;
    int m_Size;
    POINT m_Corners[6];
    COLORREF m_Color;
    COLORREF m_DisplayColor;
};
