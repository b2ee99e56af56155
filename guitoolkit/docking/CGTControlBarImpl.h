// The part of a control bar that lies outside its client area: the border along the sides
// the style word names, the bar's margins and its gripper, drawn through the current look.
#pragma once
#include <afxwin.h>

class CGTControlBar;

class CGTControlBarImpl {
public:
    explicit CGTControlBarImpl(CGTControlBar& iBar) : m_Bar(iBar) {}
    CGTControlBarImpl(const CGTControlBarImpl&) = delete;
    CGTControlBarImpl& operator=(const CGTControlBarImpl&) = delete;

    // The client area within a window rectangle (both in the same coordinates).
    void CalcNcSize(CRect& ioRect) const;
    // Paints the non-client area on the bar's window DC, within the update region of the
    // WM_NCPAINT being handled (iRegion 1: the whole window).
    void DrawNcArea(HRGN iRegion = reinterpret_cast<HRGN>(1));
    // Paints the non-client area into a DC whose origin is the window's top-left corner.
    void DrawNonClient(CDC* iDc);
    // Empty for a bar without a gripper and for a floating bar.
    void GetGripperRect(CRect& oRect, BOOL iClientCoordinates) const;
    // Paints the parent's background under a transparent bar.
    void DrawParentBackground(CDC* iDc);

    // Across the bar: the width of a horizontal bar's gripper, the height of a vertical one's.
    static const int gripperSize = 7;

private:
    CGTControlBar& m_Bar;
};
