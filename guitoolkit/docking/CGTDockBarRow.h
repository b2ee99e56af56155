// One row (on a left or right dock bar, one column) of a dock bar: a strip of fixed thickness
// at an offset across the dock bar, holding docked bars one after another along it. The row
// places a bar when it docks, keeps the bars from overlapping, pushes them aside and shrinks
// them when it is too short, follows the dock bar when that is resized, and shows or hides
// itself with its bars. The dock bar owns and deletes its rows.
//
// Lengths are along the row (widths of horizontal rows, heights of vertical ones); positions
// are in the dock bar's client coordinates, where the bars live.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>

class CGTControlBar;
class CGTDockBar;

class CGTDockBarRow : public CObject {
    DECLARE_DYNAMIC(CGTDockBarRow)
public:
    CGTDockBarRow(CGTDockBar& iDockBar, int iOffset, int iThickness);
    ~CGTDockBarRow() override;

    virtual BOOL AcceptsBars() const;
    // The row rectangle grown by each counted bar's size (screen coordinates).
    virtual void GetInflatedRect(CRect& oRect) const;
    virtual int GetVisibleBarCount() const;
    // The bars' lengths summed along, their largest size across (plus the extra thickness).
    virtual CSize CalcRowSize(BOOL iStretch, BOOL iHorizontal) const;
    // Places a bar of the size it asks for at the rectangle's start (dock bar client
    // coordinates), or at the row's start or after its last bar without one.
    virtual void PlaceBarAt(CGTControlBar* iBar, int iMethod, LPCRECT iRect, BOOL iAfterLast = FALSE);
    // At the cursor (the bar's hot point under it) for a drag, else where the bar is.
    virtual void PlaceBarByMouse(CGTControlBar* iBar, int iMethod);
    virtual void RemoveBar(CGTControlBar* iBar);
    // The bars one after another from the row's start plus iStart, iGap apart.
    virtual void ArrangeWithSpacing(int iStart, int iGap);
    virtual BOOL IsExclusiveRow() const;
    virtual void GrowThickness(int iDelta);
    virtual void MoveRow(int iDelta);
    // Resolves overlaps and overhangs, starting at the bar (null: the first).
    virtual void ArrangeBars(CGTControlBar* iBar);
    // iSide: 2 the width changed, 6 the height, -1 none.
    virtual void OnDockBarResized(const CRect& iNewRect, int iSide, BOOL iStretch, int iDelta);
    virtual BOOL IsEmpty() const;
    virtual void UpdateVisibility(BOOL iDelay);
    virtual void ShowRow(BOOL iShow, BOOL iDelay);
    // FALSE when the old bar is not in the row.
    virtual BOOL ReplaceBar(CGTControlBar* iOld, CGTControlBar* iNew);
    virtual void ShowBarInRow(CGTControlBar* iBar, BOOL iShow, BOOL iDelay);
    virtual void OnBarResized(CGTControlBar* iBar);
    virtual BOOL IsRowVisible() const;
    // The row's length minus the counted bars' lengths; negative when they do not fit.
    virtual int GetFreeLength(BOOL iUseVirtualRects) const;
    virtual BOOL HasRestrictedBar() const;
    // Puts the bar in order by its place along the row, then arranges the row.
    virtual void AddBar(CGTControlBar* iBar);

    // Slides a bar dragged along the row by the part of the delta along it.
    void SlideBar(CGTControlBar* iBar, int iDx, int iDy);
    // Stores each counted bar's rectangle as its virtual one, or with iMoveBack moves the bars
    // back to their virtual places.
    void RefreshBarRects(BOOL iMoveBack, CGTControlBar* iExcluded = nullptr);
    // Each counted bar takes what it can of the free length until none is left.
    void StretchBarsIntoFreeLength();
    // The row's rectangle in the dock bar's client coordinates.
    void GetRectInDockBar(CRect& oRect) const;
    void GetScreenRect(CRect& oRect) const;
    const CObList& GetBars() const { return m_Bars; }
    BOOL HasBar(const CGTControlBar* iBar) const;
    int GetOffset() const { return m_Offset; }
    int GetThickness() const { return m_Thickness; }
    BOOL IsHorizontal() const;
    // The largest thickness across among the counted bars, plus the extra thickness.
    int GetMaxBarThickness() const;
    void SetExtraThickness(int iExtra, int iMode)
    {
        m_ExtraThickness = iExtra;
        m_ExtraMode = iMode;
    }
    // Hidden bars count too, for the time of DockBarBefore.
    void SetIncludeHidden(BOOL iInclude) { m_IncludeHidden = iInclude; }
    CGTDockBar& GetDockBar() const { return m_DockBar; }

private:
    // A bar's rectangle in the dock bar's client coordinates.
    CRect BarRect(const CGTControlBar& iBar) const;
    BOOL Counts(const CGTControlBar& iBar) const;
    CGTControlBar* BarAt(POSITION iPosition) const;
    int RowLength() const;
    // The extent of a rectangle along the row, and its start and end.
    int Length(const CRect& iRect) const;
    int Start(const CRect& iRect) const;
    int End(const CRect& iRect) const;
    // Moves a bar along the row by a delta.
    void MoveAlong(CGTControlBar& ioBar, int iDelta) const;
    // Moves the bars after (iForward) or before the one at iPosition out of its way.
    void PushApart(POSITION iPosition, BOOL iForward);
    void ShiftFrom(POSITION iPosition, int iDelta);
    void ShrinkFromLast(int iDeficit);
    // The room a bar has to slide in a direction: from it to the row's end, less the bars there.
    int RoomToSlide(const CGTControlBar& iBar, BOOL iForward) const;

    BOOL m_IncludeHidden;
    BOOL m_Visible;
    int m_Thickness;
    int m_Offset;
    CObList m_Bars;
    DWORD m_Alignment;
    CGTDockBar& m_DockBar;
    int m_ExtraThickness;
    // 1: bars are placed past the extra thickness.
    int m_ExtraMode;
};
