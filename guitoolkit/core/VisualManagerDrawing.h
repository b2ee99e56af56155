// Small drawing steps shared by the looks.
#pragma once
#include <afxwin.h>

namespace VisualManagerDrawing {
// A one-pixel frame of one colour.
inline void Frame(CDC* dc, const CRect& rect, COLORREF color)
{
    dc->Draw3dRect(&rect, color, color);
}

// A look's brush or pen made again in a new colour.
inline void RecreateBrush(CBrush& brush, COLORREF color)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(color);
}

inline void RecreatePen(CPen& pen, COLORREF color)
{
    pen.DeleteObject();
    pen.CreatePen(PS_SOLID, 1, color);
}
}  // namespace VisualManagerDrawing
