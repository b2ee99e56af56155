// The windows of a column drag: the image of the dragged caption that follows the mouse,
// and the red arrows that mark where the column will land.
#pragma once
#include <afxwin.h>

class CGTGridCtrl;

class CGTHeaderItemDragWnd : public CWnd {
    DECLARE_DYNAMIC(CGTHeaderItemDragWnd)
public:
    CGTHeaderItemDragWnd();

    // A disabled topmost popup over the rectangle (screen coordinates).
    BOOL Create(CGTGridCtrl* iGrid, int iColumn, const CRect& iRect);
    void SetShowCursor(BOOL iShow) { m_ShowCursor = iShow; }

protected:
    // The window deletes itself after its last message.
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg BOOL OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage);
    DECLARE_MESSAGE_MAP()

    CGTGridCtrl* m_Grid;
    int m_Column;
    BOOL m_ShowCursor;
};

class CGTHeaderItemDropWnd : public CWnd {
    DECLARE_DYNAMIC(CGTHeaderItemDropWnd)
public:
    // Two arrows, 9 pixels wide, whose tips bracket a header of this height.
    BOOL Create(int iHeaderHeight);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    DECLARE_MESSAGE_MAP()
};
