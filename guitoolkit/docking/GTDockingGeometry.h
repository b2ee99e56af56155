// Rectangles along the axis a slider moves on (y for a horizontal slider, x for a vertical
// one), shared by the container tree and its manager.
#pragma once
#include <afxwin.h>

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

inline CRect WindowRect(const CWnd* iWindow)
{
    CRect rect;
    iWindow->GetWindowRect(&rect);
    return rect;
}
}  // namespace GTGeometry
