// The grid window's data and the part of its behaviour that rows and cells rely on: the
// colour theme and the brushes made from it, options, fonts, image lists, the current
// cell, the selection ranges, the texts of boolean cells and the factories of rows and
// cells. The window itself (creation, layout, painting, mouse and keyboard) builds on it.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>
#include <guitoolkit/controls/CGTGridColumnsInfo.h>

class CGTGridItem;
class CGTGridRow;
class CImageList;

// One look of the colour theme: painted only when its fill is set.
struct CGTGridLook {
    COLORREF m_Fill;
    COLORREF m_Text;
    COLORREF m_GradientFill;  // -1: a solid fill
    int m_GradientAngle;
    COLORREF m_Border;  // -1: no frame
};

// The grid's 45 theme words: -1 leaves the visual manager's or the system colour.
struct CGTGridColorTheme {
    CGTGridColorTheme();

    COLORREF m_Background;
    COLORREF m_Text;
    COLORREF m_Extra;
    CGTGridLook m_EvenRows;
    CGTGridLook m_OddRows;
    CGTGridLook m_GroupRows;
    CGTGridLook m_GroupCaptions;
    CGTGridLook m_SelectedCells;
    CGTGridLook m_Header;
    CGTGridLook m_SelectedHeader;
    CGTGridLook m_RowMargin;
    COLORREF m_LineColor;
    COLORREF m_GroupLineColor;
};
static_assert(sizeof(CGTGridColorTheme) == 45 * sizeof(DWORD), "the theme is 45 words");

// A block of selected cells: columns and row ids, inclusive.
struct CGTGridRange {
    int m_Left;
    int m_Top;
    int m_Right;
    int m_Bottom;
};

// What the grid tells its owner with GTM_GRID_ITEM_CHANGED (lParam points to it).
struct CGTGridItemChange {
    CGTGridItem* m_Item;
    int m_Row;
    int m_Column;
};

class CGTGridCtrl : public CWnd {
    DECLARE_DYNAMIC(CGTGridCtrl)
public:
    CGTGridCtrl();
    ~CGTGridCtrl() override;

    virtual CGTGridColumnsInfo& GetColumnsInfo();
    virtual BOOL IsSortingActive() const;
    // Sends GTM_GRID_ITEM_CHANGED to the owner, else the parent.
    virtual void OnItemChanged(CGTGridItem* iItem, int iRow, int iColumn);
    // A row of one disabled text cell holding the caption, for the rows grouping makes.
    virtual CGTGridRow* CreateCaptionRow(const CString& iCaption);
    virtual CGTGridRow* CreateRow(int iColumns);
    virtual CGTGridRow* CreateRowObject();
    // A cell of the column's class, else the default cell class, else a plain cell; null
    // when the cell refuses its place.
    virtual CGTGridItem* CreateItem(int iRow, int iColumn);
    virtual void FillBackground(CDC* iDc, const CRect& iRect);
    // Paints a selected cell; returns the text colour to use.
    virtual COLORREF FillSelectedCell(CDC* iDc, const CRect& iRect, CGTGridItem* iItem);
    virtual void DrawSortMark(CDC* iDc, const CRect& iRect, BOOL iAscending);
    virtual void DrawHeaderItemBorder(CDC* iDc, const CRect& iRect, BOOL iPressed);
    virtual BOOL IsEditOnFirstClick() const;
    virtual BOOL IsEditable() const;
    virtual BOOL IsSelectionFrameShown() const;
    virtual int GetRowHeight() const;
    virtual int GetGroupIndent() const;
    // A row opened or closed its sub-rows: the rows from its top down are shown again.
    virtual void OnRowExpanded(CGTGridRow* iRow);

    // Rebuilds the brushes and the sorted-column tint from the theme.
    void UpdateColors();
    void SetColorTheme(const CGTGridColorTheme& iTheme, BOOL iRedraw = TRUE);
    const CGTGridColorTheme& GetColorTheme() const { return m_Theme; }
    // Paints one look; FALSE when its fill is not set.
    BOOL PaintLook(CDC* iDc, const CRect& iRect, const CGTGridLook& iLook, BOOL iBorder = TRUE) const;

    void SetReadOnly(BOOL iReadOnly = TRUE);
    BOOL IsReadOnly() const { return m_ReadOnly; }
    void SetWholeRowSelection(BOOL iOn = TRUE) { m_WholeRowSelection = iOn; }
    BOOL IsWholeRowSelection() const { return m_WholeRowSelection; }
    void SetSingleSelection(BOOL iOn = TRUE) { m_SingleSelection = iOn; }
    void EnableSortedColumnHighlight(BOOL iEnable = TRUE, BOOL iRedraw = TRUE);
    BOOL IsSortedColumnHighlight() const { return m_SortedColumnHighlight; }
    void SetSelectionFrame(BOOL iShow) { m_SelectionFrame = iShow; }
    // The look of expand boxes and buttons: FALSE the visual manager's, TRUE the grid's own.
    void SetAlternativeLook(BOOL iOn) { m_AlternativeLook = iOn; }
    BOOL IsAlternativeLook() const { return m_AlternativeLook; }

    void SetBoolTexts(const CString& iTrue, const CString& iFalse);
    const CString& GetTrueText() const { return m_TrueText; }
    const CString& GetFalseText() const { return m_FalseText; }
    void SetListSeparator(WCHAR iSeparator) { m_ListSeparator = iSeparator; }
    WCHAR GetListSeparator() const { return m_ListSeparator; }

    // The font cells paint with: the one WM_SETFONT gave, else the toolkit's regular font.
    CFont* GetCellFont() const;
    void SetFontHandle(HFONT iFont) { m_Font = iFont; }
    void SetImageList(CImageList* iImages) { m_Images = iImages; }
    CImageList* GetImageList() const { return m_Images; }
    void SetHeaderImageList(CImageList* iImages) { m_HeaderImages = iImages; }
    CImageList* GetHeaderImageList() const { return m_HeaderImages; }
    void SetRowHeight(int iHeight) { m_RowHeight = iHeight; }
    // Left margin of an edit control in the grid's font.
    int GetTextIndent() const { return m_EditMargin; }

    // The current cell; null when none.
    CGTGridItem* GetCurSelItem() const { return m_CurrentItem; }
    CGTGridRow* GetCurrentRow() const { return m_CurrentRow; }
    void SetCurrentItem(CGTGridRow* iRow, CGTGridItem* iItem);
    BOOL IsItemSelected(const CGTGridItem& iItem) const;
    void AddSelectionRange(const CGTGridRange& iRange);
    int GetSelectionRangeCount() const { return (int)m_Selection.GetCount(); }
    void ClearSelection() { m_Selection.RemoveAll(); }
    BOOL IsGrouping() const { return m_Columns.GetGroupColumnCount() > 0; }

    // Header item state that the window's mouse handling sets.
    void SetPressedColumn(int iColumn) { m_PressedColumn = iColumn; }
    int GetPressedColumn() const { return m_PressedColumn; }
    void SetDragging(BOOL iDragging) { m_Dragging = iDragging; }
    BOOL IsDragging() const { return m_Dragging; }

    // While held, changes repaint nothing at once.
    void HoldRedraw(BOOL iHold) { m_RedrawHeld = iHold; }
    BOOL IsRedrawHeld() const { return m_RedrawHeld; }
    void SetLastChangedRow(int iRow) { m_LastChangedRow = iRow; }
    int GetLastChangedRow() const { return m_LastChangedRow; }

    void SetColumnItemClass(int iColumn, CRuntimeClass* iClass) { m_ColumnItemClasses.SetAt(iColumn, iClass); }
    void SetDefaultItemClass(CRuntimeClass* iClass) { m_DefaultItemClass = iClass; }

    CBrush* GetBackgroundBrush() { return m_BackgroundBrush.GetSafeHandle() ? &m_BackgroundBrush : nullptr; }
    CBrush* GetGroupBrush() { return m_GroupBrush.GetSafeHandle() ? &m_GroupBrush : nullptr; }
    COLORREF GetSortedColumnColor() const { return m_SortedBackground; }
    COLORREF GetTextColor() const;
    COLORREF GetHeaderTextColor() const { return m_Theme.m_Header.m_Text; }

protected:
    CGTGridColumnsInfo m_Columns;
    CGTGridColorTheme m_Theme;
    CBrush m_BackgroundBrush;
    CBrush m_GroupBrush;
    CBrush m_SelectedBrush;
    COLORREF m_SortedBackground;
    CString m_TrueText;
    CString m_FalseText;
    WCHAR m_ListSeparator;
    HFONT m_Font;
    CImageList* m_Images;
    CImageList* m_HeaderImages;
    int m_RowHeight;
    int m_EditMargin;
    BOOL m_ReadOnly;
    BOOL m_WholeRowSelection;
    BOOL m_SingleSelection;
    BOOL m_SelectionFrame;
    BOOL m_EditOnFirstClick;
    BOOL m_SortedColumnHighlight;
    BOOL m_AlternativeLook;
    BOOL m_RedrawHeld;
    BOOL m_Dragging;
    int m_PressedColumn;
    int m_LastChangedRow;
    CList<CGTGridRange> m_Selection;
    CGTGridRow* m_CurrentRow;
    CGTGridItem* m_CurrentItem;
    CMap<int, int, CRuntimeClass*, CRuntimeClass*> m_ColumnItemClasses;
    CRuntimeClass* m_DefaultItemClass;
};
