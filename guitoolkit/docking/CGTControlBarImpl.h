// The part of a bar that lies outside its client area: the border along the sides the bar
// style names and the gripper, both drawn through the current look.
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
    void DrawNcArea();
    // Empty for a bar without a gripper.
    void GetGripperRect(CRect& oRect, BOOL iClientCoordinates) const;
    // Paints the parent's background under a transparent bar.
    void DrawParentBackground(CDC* iDc);

    // Across the bar: the width of a horizontal bar's gripper, the height of a vertical one's.
    static const int gripperSize = 6;

private:
    CGTControlBar& m_Bar;
};
