// What the grid knows of its columns: captions, widths, alignment, header images,
// visibility, the display order, the sort state and the grouping columns; it also paints
// one header item (and the boxes of the grouping area).
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTGridCtrl;

class CGTGridColumnsItem : public CObject {
    DECLARE_DYNAMIC(CGTGridColumnsItem)
public:
    CGTGridColumnsItem(const CString& iCaption, int iWidth, int iImage);

    int m_Width;
    CString m_Caption;
    // 0 left, 1 right, 2 centre: painting tests bit 2 first, then bit 1.
    int m_Align;
    BOOL m_Visible;
    int m_Image;  // below 0: none
    BOOL m_FixedWidth;
    int m_StretchedWidth;
};

// DrawText flags of a header caption or a cell text by the column's alignment.
UINT GridAlignFlags(int iAlign);

class CGTGridColumnsInfo : public CObject {
    DECLARE_DYNAMIC(CGTGridColumnsInfo)
public:
    CGTGridColumnsInfo();
    ~CGTGridColumnsInfo() override;
    CGTGridColumnsInfo(const CGTGridColumnsInfo&) = delete;
    CGTGridColumnsInfo& operator=(const CGTGridColumnsInfo&) = delete;

    // Paints a header item, a printed header item or a box of the grouping area.
    virtual void DrawColumn(CDC* iDc, int iColumn, CRect iRect, int iTextMargin, int iArrowMargin, BOOL iPrinting,
                            BOOL iNoSortArrow, BOOL iGroupBox);

    void SetOwnerGrid(CGTGridCtrl* iGrid) { m_Owner = iGrid; }
    CGTGridCtrl* GetOwnerGrid() const { return m_Owner; }

    int GetColumnCount(BOOL iVisibleOnly = FALSE) const;
    LPCWSTR GetColumnName(int iColumn) const;
    int GetColumnAlign(int iColumn) const;
    int GetColumnImage(int iColumn) const;
    int GetColumnDefaultWidth(int iColumn) const;
    BOOL IsColumnVisible(int iColumn) const;
    BOOL IsFixedWidthColumn(int iColumn) const;
    BOOL IsStretchableColumn(int iColumn) const { return !IsFixedWidthColumn(iColumn); }
    int GetColumnWidth(int iColumn) const;
    BOOL GetColumnWidthLimits(int iColumn, int& oMinimum, int& oMaximum) const;
    BOOL SetColumnAlign(int iColumn, int iAlign);
    BOOL SetColumnWidth(int iColumn, int iWidth);
    BOOL SetFixedWidth(int iColumn, BOOL iFixed);
    BOOL SetStretchedWidth(int iColumn, int iWidth);

    int GetSortColumnCount() const;
    int GetSortColumn() const;
    // +1 ascending, -1 descending, 0 not sorted.
    int GetColumnSortDirection(int iColumn) const;
    void SetSortDirection(int iColumn, int iDirection);
    void RemoveSortColumn(int iColumn);
    void RemoveAllSortColumns() { m_Sort.RemoveAll(); }

    int GetGroupColumnCount() const { return (int)m_Groups.GetCount(); }
    int GetGroupColumn(int iPosition) const;
    int GetGroupColumnPos(int iColumn) const;
    BOOL IsGroupColumn(int iColumn) const { return GetGroupColumnPos(iColumn) >= 0; }
    void AddGroupColumn(int iColumn) { m_Groups.AddTail(iColumn); }
    BOOL RemoveGroupColumn(int iColumn);
    // Appends at the group count, else inserts before the entry at the position (-1 when
    // there is none); a column stands in the list at most once.
    int InsertGroupColumn(int iPosition, int iColumn);
    // The keys of sorting: the group columns in group order, then the sorted columns in
    // display order (index order without one). Fills the count when it is -1.
    BOOL GetSortKeyColumns(CArray<int, int>& oKeys, int iCount = -1) const;

    BOOL GetColumnOrderArray(CArray<int, int>& oOrder, int iCount = -1) const;
    // A stored display order: entries naming no visible column, or one named before, are
    // dropped; visible columns it lacks follow in index order.
    void SetColumnOrderArray(const CArray<int, int>& iOrder);
    // A stored group list: entries naming no column, or one named before, are dropped; -1
    // stays, as a gap in the grouping area.
    void SetGroupColumns(const CList<int, int>& iGroups);
    BOOL SetColumnVisible(int iColumn, BOOL iVisible);
    BOOL ChangeColumnOrder(int iPosition, int iColumn);
    // Visible columns in display order: start at 0; -1 at the end.
    int GetNextColumn(int& ioPosition) const;
    int GetEndPosition() const;
    int IndexToOrder(int iColumn) const;
    int OrderToIndex(int iPosition) const;
    int GetFirstVisibleColumn() const;
    int GetLastVisibleColumn() const;

    // Appends at the count, inserts before the column at the position; -1 when no column
    // stands there.
    int InsertColumn(int iPosition, const CString& iCaption, int iWidth, int iImage = -1);
    void DeleteAllColumns();
    // Display widths for the width available to the columns: their own widths, or
    // stretched to fill it exactly in stretch mode; columns at or left of the fixed one
    // keep theirs. Sets the total width, the indent of the first column included.
    void RecalcWidths(int iAvailable, int iFixedColumn = -1);

    BOOL m_StretchMode;
    int m_TotalWidth;
    BOOL m_MultiSort;
    BOOL m_GroupBoxImages;

private:
    CGTGridColumnsItem* Column(int iColumn) const;
    // Order, sort map and group list after a column was inserted at the index.
    void ShiftIndexesFrom(int iColumn);
    // Its own width, or its caption's when it has none.
    int NaturalWidth(int iColumn) const;
    void DrawBorder(CDC* iDc, int iColumn, const CRect& iRect, BOOL iPrinting, BOOL iGroupBox);
    int DrawImage(CDC* iDc, int iColumn, const CRect& iRect, BOOL iGroupBox);
    CRect DrawArrow(CDC* iDc, int iColumn, const CRect& iRect, int iArrowMargin);

    CArray<CGTGridColumnsItem*, CGTGridColumnsItem*> m_Items;
    CMap<int, int, int, int> m_Sort;
    CList<int, int> m_Groups;
    CArray<int, int> m_Order;
    CGTGridCtrl* m_Owner;
};
