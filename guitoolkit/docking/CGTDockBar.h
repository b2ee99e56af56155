// The dock site along one edge of a frame: a child window that holds the bars docked on that
// side in rows, ordered by their offset from its client edge. It grows and shrinks with its
// visible rows on its inner side, docks a bar at a point, at its recent place or at a
// rectangle, moves a bar between rows while it is dragged in place, swaps rows, and shows or
// hides bars and rows. The dock manager creates one per side; it deletes itself when its
// window goes and deletes its rows.
#pragma once
#include <guitoolkit/docking/CGTBaseControlBar.h>

class CGTControlBar;
class CGTDockBarRow;

class CGTDockBar : public CGTBaseControlBar {
    DECLARE_DYNCREATE(CGTDockBar)
public:
    CGTDockBar();
    ~CGTDockBar() override;

    BOOL IsResizable() const override;
    BOOL AllowsInsertBefore() const override;
    BOOL CanAcceptBar(const CGTBaseControlBar* iBar) const override;
    // Passed on to every docked bar.
    void AdjustLayout() override;
    // Rows whose bars need another thickness take it; the answer is the window's size.
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;

    virtual BOOL IsAnyBarDragged() const;
    // Null when a row cannot be made.
    virtual CGTDockBarRow* CreateRow(int iOffset, int iThickness);
    // iRect (dock bar client coordinates) places the bar for GTDockToRecentPlace and GTDockByRect.
    virtual BOOL DockControlBar(CGTControlBar* iBar, int iMethod, LPCRECT iRect);
    // Docks a bar just before one docked here; FALSE when no row holds that one.
    virtual BOOL DockBarBefore(CGTControlBar* iBar, CGTControlBar* iDocked);
    virtual void RemoveControlBar(CGTControlBar* iBar);
    // A bar dragged in place by a delta: it floats, changes or swaps rows, or slides along
    // its row. TRUE when it floated.
    virtual BOOL MoveControlBar(CGTControlBar* iBar, UINT iKeyFlags, int iDx, int iDy);
    // The rows after the given one move by its thickness, away from or towards the edge.
    virtual void ShiftRowsAfter(CGTDockBarRow* iRow);
    virtual void ShiftRowsBack(CGTDockBarRow* iRow);
    virtual void ResizeRowBy(CGTDockBarRow* iRow, int iDelta);
    virtual void OnRowShown(CGTDockBarRow* iRow, BOOL iShown);
    virtual void OnRowsChanged();
    // iNewRect in the dock bar's client coordinates.
    virtual void OnDockBarResized(const CRect& iNewRect);
    // Every row moves its bars back to their virtual rectangles.
    virtual void RepositionRows();
    // FALSE when no row holds the bar.
    virtual BOOL ShowControlBar(CGTControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate);
    virtual CGTControlBar* BarFromPoint(CPoint iScreenPoint) const;
    // The frame that holds the dock bar re-lays out its docking.
    virtual void AdjustFrameLayout();
    virtual UINT GetDockBarId() const;
    virtual BOOL MoveToRect(const CRect& iRect);
    virtual BOOL Create(DWORD iStyle, const RECT& iRect, CWnd* iParent);
    // The side in iStyle's GTSideAny bits; the window lies collapsed along that side of the parent.
    virtual BOOL CreateEx(DWORD iExStyle, DWORD iStyle, const RECT& iRect, CWnd* iParent);

    // --- Rows ---

    // A new row before iBefore (at the end for null), as thick as given.
    CGTDockBarRow* InsertRow(CGTDockBarRow* iBefore, int iThickness);
    // Deletes the row.
    void RemoveRow(CGTDockBarRow* iRow);
    // 0 when a row with bars would get thinner than they need; else the change made.
    int ResizeRow(CGTDockBarRow* iRow, int iThickness, BOOL iRelayout);
    void ShowRow(CGTDockBarRow* iRow, BOOL iShow, BOOL iRelayout);
    // The row's place counted from 0; -1 for a row that is not here.
    int GetRowIndex(const CGTDockBarRow* iRow) const;
    // Neighbours among the visible rows only.
    BOOL SwapRows(CGTDockBarRow* iFirst, CGTDockBarRow* iSecond);
    // The first visible row holding a screen point; oBeforeFirst when it lies outside before it.
    CGTDockBarRow* RowAtPoint(CPoint iScreenPoint, BOOL& oBeforeFirst) const;
    const CObList& GetRows() const { return m_Rows; }
    const CObList& GetBars() const { return m_Bars; }
    // The thickness a bar needs across this dock bar.
    int NeededThickness(CGTControlBar& iBar) const;

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnContextMenu(CWnd* iWindow, CPoint iPoint);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // Grows (or shrinks) the window on its inner side.
    void ChangeThickness(int iDelta);
    CGTDockBarRow* RowAtIndex(int iIndex) const;
    CGTDockBarRow* RowAfter(CGTDockBarRow* iRow) const;
    CGTDockBarRow* OwnRow(CGTDockBarRow* iRow) const;
    void MoveRowsAfter(CGTDockBarRow* iRow, int iDelta);

    CObList m_Bars;
    CObList m_Rows;
    UINT m_DockBarId;
};
