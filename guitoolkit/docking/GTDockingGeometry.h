// Rectangles along the axis a slider moves on (y for a horizontal slider, x for a vertical
// one), shared by the container tree and its manager.
#pragma once
#include <afxwin.h>
#include <guitoolkit/docking/GTDockingConstants.h>

namespace GTGeometry {
inline LONG& Near(CRect& ioRect, BOOL iVertical)
{
    return iVertical ? ioRect.top : ioRect.left;
}

inline LONG& Far(CRect& ioRect, BOOL iVertical)
{
    return iVertical ? ioRect.bottom : ioRect.right;
}

inline int Extent(const CRect& iRect, BOOL iVertical)
{
    return iVertical ? iRect.Height() : iRect.Width();
}

inline int Along(CSize iSize, BOOL iVertical)
{
    return iVertical ? iSize.cy : iSize.cx;
}

inline BOOL IsShown(const CWnd* iWindow)
{
    return iWindow != nullptr && (iWindow->GetStyle() & WS_VISIBLE) != 0;
}

// A band of a thickness across a side, placed against that
// side of the working rectangle; with iClip no thicker than the rectangle.
inline CRect PlaceAgainst(const CRect& iWork, DWORD iSide, int iThickness, BOOL iClip)
{
    const int room = IsHorizontalSide(iSide) ? iWork.Height() : iWork.Width();
    const int thickness = iClip && iThickness > room ? room : iThickness;
    switch (iSide) {
    case GTSideBottom:
        return CRect(iWork.left, iWork.bottom - thickness, iWork.right, iWork.bottom);
    case GTSideLeft:
        return CRect(iWork.left, iWork.top, iWork.left + thickness, iWork.bottom);
    case GTSideRight:
        return CRect(iWork.right - thickness, iWork.top, iWork.right, iWork.bottom);
    default:
        return CRect(iWork.left, iWork.top, iWork.right, iWork.top + thickness);
    }
}

// The part of a rectangle inside the area; with iMoveInside moved in first, so that only
// what is larger than the area is cut.
inline CRect FitInto(CRect iRect, const CRect& iArea, BOOL iMoveInside)
{
    if (iMoveInside) {
        iRect.OffsetRect(iArea.left > iRect.left ? iArea.left - iRect.left : 0,
                         iArea.top > iRect.top ? iArea.top - iRect.top : 0);
        iRect.OffsetRect(iArea.right < iRect.right ? iArea.right - iRect.right : 0,
                         iArea.bottom < iRect.bottom ? iArea.bottom - iRect.bottom : 0);
    }
    CRect fitted;
    fitted.IntersectRect(&iRect, &iArea);
    return fitted;
}

inline CRect WindowRect(const CWnd* iWindow)
{
    CRect rect;
    iWindow->GetWindowRect(&rect);
    return rect;
}
}  // namespace GTGeometry
