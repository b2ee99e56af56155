// The grid window: rows of typed cells under a column header, an optional grouping area,
// sorting by columns, grouping into caption rows, cell and row selection, in-place
// editing, column resizing and dragging, and the column chooser. It owns its rows, the
// caption rows that grouping makes and the colour theme's brushes; the looks read it
// through IGTLookGrid.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>
#include <afxctrls.h>
#include <guitoolkit/controls/CGTGridCache.h>
#include <guitoolkit/controls/CGTGridColumnsInfo.h>
#include <guitoolkit/controls/CGTInplaceToolTipCtrl.h>
#include <guitoolkit/core/GTLookTargets.h>
#include <unordered_set>

class CGTGridItem;
class CGTGridRow;
class CGTGridColumnChooser;
class CGTHeaderItemDragWnd;
class CGTHeaderItemDropWnd;
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

// A block of selected cells: columns and row ids, inclusive. Columns -1 to -1 stand for
// whole rows, rows -1 to -1 for whole columns.
struct CGTGridRange {
    int m_Left;
    int m_Top;
    int m_Right;
    int m_Bottom;

    BOOL Contains(int iRow, int iColumn) const
    {
        return iRow >= m_Top && iRow <= m_Bottom && iColumn >= m_Left && iColumn <= m_Right;
    }
    void Normalize();
};

// A cell by (row id, column index); -1 for none.
struct CGTGridItemId {
    int m_Row;
    int m_Column;

    BOOL IsNull() const { return m_Row < 0 && m_Column < 0; }
    BOOL IsRow() const { return m_Row >= 0 && m_Column == -1; }
    bool operator==(const CGTGridItemId& iOther) const { return m_Row == iOther.m_Row && m_Column == iOther.m_Column; }
};

// What the grid tells its owner with GTM_GRID_ITEM_CHANGED (lParam points to it).
struct CGTGridItemChange {
    CGTGridItem* m_Item;
    int m_Row;
    int m_Column;
};

// What WM_NOTIFY carries for the selection notifications (-100 changing, -101 changed).
struct CGTGridSelectionNotify {
    NMHDR m_Header;
    CGTGridRange m_Range;
    BOOL m_Select;
};

// What a virtual grid asks for a row (column -1) or a cell, and the answer: the value, the
// row's user data and colours. It goes to the data callback, else to the owner as WM_NOTIFY
// GTGridGetVirtualData.
struct CGTGridVirtualRequest {
    NMHDR m_Header;
    int m_Row;
    int m_Column;
    VARIANT m_Value;
    int m_Number;
    DWORD_PTR m_UserData;
    COLORREF m_Background;
    COLORREF m_Text;
    BYTE m_Answer[92];
};

// Answers a virtual grid's request; FALSE refuses the row or the cell.
typedef BOOL(CALLBACK* GTGridVirtualDataCallback)(CGTGridVirtualRequest* ioRequest, DWORD_PTR iUserValue);

// One printed page: its first shown row and how many data, group and all rows it holds.
struct CGTGridPrintPage {
    int m_First;
    int m_Rows;
    int m_Groups;
    int m_Total;
};

// The state of one print job, kept by the printing view in the print info's user data.
struct CGTGridPrintRecord {
    int m_FirstRow;
    int m_LastRow;
    int m_RowsBefore;    // data rows on the pages before the current one
    int m_GroupsBefore;  // group rows on them
};

// The uses of the print colours, in their order.
enum GTGridPrintColor {
    GTGridPrintFrame,         // frames of printed header items
    GTGridPrintHeaderFrame,   // the header band's frame and the grouping connectors
    GTGridPrintHeaderFill,    // the header and the grouping band
    GTGridPrintGroupCaption,  // text of group captions
    GTGridPrintRowFill,       // data rows
    GTGridPrintGroupFill,     // group rows
    GTGridPrintGroupBoxFill,  // group boxes of the grouping band
    GTGridPrintLine,          // grid lines
    GTGridPrintText,          // text of printed pages
    GTGridPrintColorCount
};

// Header flags.
enum : DWORD {
    GTGridHeaderDrag = 1,       // a caption can be dragged
    GTGridHeaderGroupDrop = 2,  // a dragged caption groups on the grouping area
    GTGridHeaderSortClick = 4,  // a caption click sorts
};

// SetCurSel flags.
enum : DWORD {
    GTGridSelectAll = 0x001,
    GTGridSelectRow = 0x002,
    GTGridSelectColumn = 0x004,
    GTGridSelectKeyboard = 0x008,
    GTGridSelectAnchorInRange = 0x010,
    GTGridSelectClick = 0x020,
    GTGridSelectExtendLast = 0x040,
    GTGridSelectNew = 0x080,
    GTGridSelectExtend = 0x100,
    GTGridSelectAdd = 0x200,
};

// Row flag of the caption rows that grouping makes.
const DWORD GTGridGroupCaptionFlag = 0x100;

// WM_NOTIFY codes.
const UINT GTGridSelChanging = (UINT)-100;
const UINT GTGridSelChanged = (UINT)-101;
const UINT GTGridGetVirtualData = (UINT)-177;

class CGTGridCtrl : public CWnd, public IGTLookGrid {
    DECLARE_DYNAMIC(CGTGridCtrl)
public:
    CGTGridCtrl();
    ~CGTGridCtrl() override;

    // --- Virtual operations, in their order.
    virtual void Sort(int iColumn, BOOL iAscending = TRUE, BOOL iAdd = FALSE);
    virtual BOOL IsSortingActive() const;
    virtual CGTGridColumnsInfo& GetColumnsInfo();
    virtual void SetEditFocus();
    virtual void SetCurItemCheck(int iState);
    // Sends GTM_GRID_ITEM_CHANGED to the owner, else the parent.
    virtual void OnItemChanged(CGTGridItem* iItem, int iRow, int iColumn);
    virtual BOOL Create(DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId);
    // A row of one disabled text cell holding the caption, for the rows grouping makes.
    virtual CGTGridRow* CreateCaptionRow(const CString& iCaption);
    virtual CGTGridRow* CreateRow(int iColumns);
    virtual CGTGridRow* CreateRowObject();
    // A cell of the column's class, else the default cell class, else a plain cell; null
    // when the cell refuses its place.
    virtual CGTGridItem* CreateItem(int iRow, int iColumn);
    virtual void OnChangeSelection(CGTGridItem* iNewItem, CGTGridItem* iOldItem);
    virtual BOOL EditItem(CGTGridRow* iRow, LPPOINT iPoint = nullptr);
    virtual BOOL OnClickCurItem(CPoint iPoint);
    virtual BOOL EndEditItem(BOOL iStore = TRUE);
    // FALSE once the row lies below the band being painted.
    virtual BOOL DrawRow(CDC* iDc, CGTGridRow* iRow);
    virtual void AdjustLayout();
    // Print fonts scaled to the printer from the grid's font; none for the system font.
    virtual void CreatePrintFonts(CDC* iPrinter);
    // Deletes only the print fonts the grid made.
    virtual void DeletePrintFonts();
    // Prints the print info's current page; clears its continue flag after the last one.
    virtual void PrintPage(CDC* iDc, CPrintInfo* iInfo);
    // Scale, row heights and bands for the page's drawing rectangle, then the pages.
    virtual void PreparePrintPage(CDC* iDc, CPrintInfo* iInfo);
    virtual const CArray<CGTGridPrintPage, const CGTGridPrintPage&>& Paginate(CDC* iDc, CPrintInfo* iInfo);
    virtual BOOL IsGroupDropEnabled() const;
    // The column layout stored by SaveState; FALSE, changing nothing, when there is none or
    // it was saved for another number of columns.
    virtual BOOL LoadState(LPCWSTR iProfile, int iIndex);
    virtual BOOL SaveState(LPCWSTR iProfile, int iIndex);
    virtual void OnCreateInit();
    virtual void UpdateColors();
    virtual void CalcRowHeights();
    virtual void FillBackground(CDC* iDc, const CRect& iRect);
    // Paints a selected cell; returns the text colour to use.
    virtual COLORREF FillSelectedCell(CDC* iDc, const CRect& iRect, CGTGridItem* iItem);
    virtual void FillRowMargin(CDC* iDc, CRect iRect, CGTGridRow* iRow, BOOL iLine);
    virtual void DrawGridLinesAndRows(CDC* iDc);
    virtual void DrawGroupArea(CDC* iDc, CRect iRect);
    virtual void DrawHeader(CDC* iDc);
    virtual void DrawSortMark(CDC* iDc, const CRect& iRect, BOOL iAscending);
    virtual void FillHeaderBackground(CDC* iDc, const CRect& iRect);
    // A caption cell's background: the selected-header look for a column that a range
    // covers, else the header look, else the visual manager's item.
    virtual void FillHeaderItem(CDC* iDc, const CRect& iRect, int iColumn);
    virtual void DrawSelectionFrame(CDC* iDc);
    virtual CRect GetSelectionRect();
    virtual void GetGroupAreaRect(CRect& oRect, CDC* iDc, const CRect& iClient);
    virtual void GetHeaderRect(CRect& oRect, CDC* iDc, const CRect& iClient);
    virtual void SetPrintColors();
    virtual void PrintHeader(CDC* iDc);
    virtual void PrintRows(CDC* iDc, const CGTGridPrintPage& iPage);
    virtual BOOL OnEditClipboardKey(UINT iKey);
    virtual int CompareItems(CGTGridItem* iItem1, CGTGridItem* iItem2);
    virtual int CompareRows(CGTGridRow* iRow1, CGTGridRow* iRow2, int iColumn);
    virtual int CompareGroups(CGTGridRow* iRow1, CGTGridRow* iRow2, int iColumn);
    virtual void GetGroupName(CString& oCaption, int iColumn, CGTGridItem* iItem);
    // -1: the rows group by the cell's value.
    virtual int GetGroupNumber(CGTGridRow* iRow, int iColumn);
    virtual CString GetGroupNameByNumber(int iNumber, int iColumn);
    virtual BOOL GetGroupRowText(CGTGridRow* iRow, CString& oText);
    virtual void ReleaseMouseCapture();
    virtual BOOL IsEditOnFirstClick() const;
    virtual BOOL IsEditable() const;
    virtual BOOL IsSelectionFrameShown() const;
    virtual int GetRowHeight() const;
    virtual int GetGroupIndent() const;
    virtual void OnSelChanging(const CGTGridRange& iRange, BOOL iSelect);
    virtual void OnSelChanged(const CGTGridRange& iRange, BOOL iSelect);
    virtual void OnHideColumnChooser();
    virtual int HitTestGroupBox(int iX, int iY, CRect* oRect = nullptr);
    virtual int HitTestGroupInsertPos(int iX, int iY, CPoint* oPoint = nullptr);
    virtual void TrackResize(int iX);
    virtual BOOL StartDragColumn(int iColumn, CRect iRect, BOOL iFromGroupArea, BOOL iFromChooser);
    virtual void TrackDragColumn(CPoint iPoint);
    // Ends a column drag with a drop at the point; (-1, -1) lies over no target.
    virtual void StopDragColumn(CPoint iPoint);
    // FALSE when the row or cell is refused, or nobody answers.
    virtual BOOL GetVirtualRowInfo(CGTGridVirtualRequest* ioRequest);
    // Builds the row of an id from the answers, cell by cell up to the first refused one.
    virtual CGTGridRow* GetVirtualRow(int iId);
    virtual CGTGridRow* CreateVirtualRow(CGTGridVirtualRequest* iRequest);
    virtual CGTGridItem* CreateVirtualItem(CGTGridRow* iRow, CGTGridVirtualRequest* iRequest);
    // A row opened or closed its sub-rows or its group.
    virtual void OnRowExpanded(CGTGridRow* iRow);

    // --- IGTLookGrid
    BOOL UsesDialogColors() const override { return FALSE; }
    CWnd* GetControlWindow() const override { return const_cast<CGTGridCtrl*>(this); }
    COLORREF GetMarkerColor() const override { return m_MarkerColor; }
    int GetMarkerMode() const override { return m_MarkerMode; }
    COLORREF GetItemColor() const override { return m_ItemColor; }
    BOOL KeepsLineColor() const override { return m_KeepLineColor; }
    BOOL DrawsDarkLines() const override { return m_DarkLines; }
    void SetMarker(COLORREF iColor, int iMode);
    void SetItemColor(COLORREF iColor) { m_ItemColor = iColor; }
    void SetLineShades(BOOL iKeepColor, BOOL iDark);

    // --- Set-up
    void EnableHeader(BOOL iShow = TRUE, DWORD iFlags = (DWORD)-1);
    BOOL IsHeaderShown() const { return m_HeaderShown; }
    DWORD GetHeaderFlags() const { return m_HeaderFlags; }
    void ShowGroupArea(BOOL iShow = TRUE);
    BOOL IsGroupAreaShown() const { return m_GroupAreaShown; }
    void SetSortColumn(int iColumn, BOOL iAscending = TRUE, BOOL iAdd = FALSE);
    void SetColorTheme(const CGTGridColorTheme& iTheme, BOOL iRedraw = TRUE);
    const CGTGridColorTheme& GetColorTheme() const { return m_Theme; }
    // Paints one look; FALSE when its fill is not set.
    BOOL PaintLook(CDC* iDc, const CRect& iRect, const CGTGridLook& iLook, BOOL iBorder = TRUE) const;

    void SetReadOnly(BOOL iReadOnly = TRUE);
    BOOL IsReadOnly() const { return m_ReadOnly; }
    void SetWholeRowSelection(BOOL iOn = TRUE) { m_WholeRowSelection = iOn; }
    BOOL IsWholeRowSelection() const { return m_WholeRowSelection; }
    void SetSingleSelection(BOOL iOn = TRUE) { m_SingleSelection = iOn; }
    BOOL IsSingleSelection() const { return m_SingleSelection; }
    void EnableSortedColumnHighlight(BOOL iEnable = TRUE, BOOL iRedraw = TRUE);
    BOOL IsSortedColumnHighlight() const { return m_SortedColumnHighlight; }
    void SetSelectionFrame(BOOL iShow) { m_SelectionFrame = iShow; }
    void EnableFocusRect(BOOL iOn) { m_FocusRect = iOn; }
    void EnableCellTooltips(BOOL iOn) { m_CellTooltips = iOn; }
    void EnableLiveResize(BOOL iOn) { m_LiveResize = iOn; }
    // The look of expand boxes and buttons: FALSE the visual manager's, TRUE the grid's own.
    void SetAlternativeLook(BOOL iOn) { m_AlternativeLook = iOn; }
    BOOL IsAlternativeLook() const { return m_AlternativeLook; }

    void SetBoolTexts(const CString& iTrue, const CString& iFalse);
    const CString& GetTrueText() const { return m_TrueText; }
    const CString& GetFalseText() const { return m_FalseText; }
    void SetListSeparator(WCHAR iSeparator) { m_ListSeparator = iSeparator; }
    WCHAR GetListSeparator() const { return m_ListSeparator; }

    // --- Columns
    int InsertColumn(int iPosition, const CString& iCaption, int iWidth, int iImage = -1);
    void DeleteAllColumns();
    int GetColumnCount() const { return m_Columns.GetColumnCount(); }
    CString GetColumnName(int iColumn) const;
    // Groups by one more column; the position, or -1.
    int InsertGroupColumn(int iPosition, int iColumn);
    void SortByHeaderClick(int iColumn);
    // Header rectangle of a column, empty for a hidden one.
    CRect GetColumnRect(int iColumn) const;
    // The visible column under x in the header, -1 outside it.
    int HitTestColumn(int iX, int iY) const;

    // --- Rows
    int AddRow(CGTGridRow* iRow, BOOL iRedraw = TRUE);
    void RemoveAll();
    CGTGridRow* GetRow(int iId) const;
    int GetRowCount(BOOL iShownOnly = FALSE) const;
    CGTGridRow* GetCurSelRow() const;
    void SelectRow(CGTGridRow* iRow, BOOL iRedraw = TRUE);
    void EnsureVisible(CGTGridRow* iRow, BOOL iExpandParents = FALSE);
    // Rebuilds the shown list when the rows changed, then gives every shown row its
    // rectangle and its id (its shown position).
    void PositionRows();
    // The rows in the order they are shown, caption rows included.
    int GetShownCount() const { return (int)m_Shown.GetSize(); }
    CGTGridRow* GetShownRow(int iIndex) const { return m_Shown[iIndex]; }
    int GetGroupRowCount() const { return (int)m_GroupRows.GetSize(); }
    // Null when the point lies on no row.
    CGTGridRow* HitTestRow(CPoint iPoint, int& oColumn, CGTGridItem*& oItem, int& oArea) const;

    // --- Selection
    BOOL SetCurSel(int iRow, int iColumn, DWORD iFlags, BOOL iRedraw = TRUE);
    CGTGridItemId GetAnchor() const { return m_Anchor; }
    CGTGridItemId GetCurrentCell() const { return m_Current; }
    const CList<CGTGridRange>& GetSelection() const { return m_Selection; }
    // The current cell; null when none.
    CGTGridItem* GetCurSelItem() const { return m_CurrentItem; }
    CGTGridRow* GetCurrentRow() const { return m_CurrentRow; }
    void SetCurrentItem(CGTGridRow* iRow, CGTGridItem* iItem);
    BOOL IsItemSelected(const CGTGridItem& iItem) const;
    BOOL IsRowSelected(const CGTGridRow& iRow) const;
    void AddSelectionRange(const CGTGridRange& iRange);
    int GetSelectionRangeCount() const { return (int)m_Selection.GetCount(); }
    void ClearSelection() { m_Selection.RemoveAll(); }
    BOOL IsGrouping() const { return m_Columns.GetGroupColumnCount() > 0; }
    BOOL IsVirtualMode() const { return m_VirtualMode; }
    // Rows on demand: the grid asks for the rows it shows and keeps a few pages of them.
    // Refuses a count whose total height would not fit an int.
    BOOL SetVirtualMode(BOOL iOn, int iRows);
    void SetVirtualDataCallback(GTGridVirtualDataCallback iCallback, DWORD_PTR iUserValue);
    const CGTGridCache& GetCache() const { return m_Cache; }

    // --- The column chooser
    void ShowColumnChooser(BOOL iShow = TRUE);
    BOOL IsColumnChooserShown() const { return m_ChooserShown; }
    CGTGridColumnChooser* GetColumnChooser() const { return m_Chooser; }
    void OnColumnChooserGone() { m_Chooser = nullptr; }
    void OnColumnChooserClosed() { m_ChooserShown = FALSE; }
    void SetColumnChooserRect(const CRect& iRect) { m_ChooserRect = iRect; }
    const CRect& GetColumnChooserRect() const { return m_ChooserRect; }
    int GetDraggedColumn() const { return m_DragColumn; }
    // Where the press that starts the next column drag happened (client coordinates).
    void SetDragPoint(CPoint iPoint) { m_DragPoint = iPoint; }
    BOOL IsDraggedFromGroupArea() const { return m_DragFromGroupArea; }
    BOOL IsDraggedFromChooser() const { return m_DragFromChooser; }
    void ShowDropMarker(int iX, int iY);
    int GetHeaderHeight() const { return m_HeaderRect.Height(); }

    // --- Printing
    BOOL IsPrinting() const { return m_Printing; }
    // The printer DC of a print job; null ends printing.
    void SetPrinting(CDC* iPrinter);
    // A screen length on the printer: MulDiv by the printer's over the screen's resolution.
    int PrintScaleX(int iLength) const;
    int PrintScaleY(int iLength) const;
    // A print colour, or the screen colour of that use when the grid set none.
    COLORREF GetPrintColor(GTGridPrintColor iUse, COLORREF iScreen) const;
    const CArray<CGTGridPrintPage, const CGTGridPrintPage&>& GetPrintPages() const { return m_PrintPages; }
    HFONT GetPrintFont() const { return m_PrintFont; }

    // --- Fonts and paint
    // The font cells paint with: the one WM_SETFONT gave, else the toolkit's regular font.
    CFont* GetCellFont() const;
    // Selects the painting font; returns the one it replaced.
    CFont* SelectPaintFont(CDC* iDc) const;
    CFont* GetBoldFont() { return &m_BoldFont; }
    // Paints the client area into a DC whose clip box is the part to paint.
    void Paint(CDC& iDc);
    void SetImageList(CImageList* iImages) { m_Images = iImages; }
    CImageList* GetImageList() const { return m_Images; }
    void SetHeaderImageList(CImageList* iImages) { m_HeaderImages = iImages; }
    CImageList* GetHeaderImageList() const { return m_HeaderImages; }
    void SetRowHeight(int iHeight) { m_RowHeight = iHeight; }
    int GetGroupRowHeight() const { return m_GroupRowHeight > 0 ? m_GroupRowHeight : GetRowHeight(); }
    // Left margin of an edit control in the grid's font.
    int GetTextIndent() const { return m_EditMargin; }

    // --- Geometry of the last layout
    const CRect& GetRowsArea() const { return m_RowsArea; }
    const CRect& GetHeaderBand() const { return m_HeaderRect; }
    int GetGroupAreaHeight() const { return m_GroupAreaHeight; }
    int GetVertOffset() const { return m_VertOffset; }
    int GetHorzOffset() const { return m_HorzOffset; }
    int GetFirstVisibleIndex() const { return m_FirstVisible; }
    CScrollBar& GetVertScrollBar() { return m_VertScroll; }
    CScrollBar& GetHorzScrollBar() { return m_HorzScroll; }
    CGTInplaceToolTipCtrl& GetToolTip() { return m_ToolTip; }
    // The group box of the index-th grouping level (skipping -1 entries), measured in the
    // DC's font; its column, or -1 with an empty rectangle.
    int GetGroupBoxRect(int iIndex, CRect& oRect, CDC* iDc) const;

    // Header item state that the window's mouse handling sets.
    void SetPressedColumn(int iColumn) { m_PressedColumn = iColumn; }
    int GetPressedColumn() const { return m_PressedColumn; }
    void SetDragging(BOOL iDragging) { m_Dragging = iDragging; }
    BOOL IsDragging() const { return m_Dragging; }
    BOOL IsFocused() const { return m_Focused; }

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
    // The grid lines' colour of the paint that runs; the tint of row margins.
    COLORREF GetLineColor() const;

    BOOL PreTranslateMessage(MSG* iMessage) override;
    BOOL CreateEx(DWORD iExStyle, LPCWSTR iClass, LPCWSTR iName, DWORD iStyle, int iX, int iY, int iWidth, int iHeight,
                  HWND iParent, HMENU iMenu, LPVOID iParam) override;
    using CWnd::CreateEx;

    // Process-wide cursors: split left-right, split up-down, no drop and a dragged column.
    static HCURSOR s_SplitCursor;
    static HCURSOR s_SplitVertCursor;
    static HCURSOR s_NoDropCursor;
    static HCURSOR s_DragCursor;

protected:
    // --- Sorting and grouping
    void RebuildShownList();
    void CollectRows(CGTGridRow* iRow, CArray<CGTGridRow*, CGTGridRow*>& oRows) const;
    // The shown list from the sorted rows, with a caption row wherever a group begins.
    void MakeGroupRows(const CArray<CGTGridRow*, CGTGridRow*>& iRows, const CArray<int, int>& iKeys, int iGroups);
    CGTGridRow* CreateGroupRow(CGTGridRow* iRow, int iColumn, CGTGridRow* iOuter);
    // 1 moves the group rows aside, 2 frees the moved ones, 0 frees both.
    void FreeGroupRows(int iMode);
    void MarkRowsChanged() { m_RowsChanged = TRUE; }
    BOOL IsRowListShown() const { return !IsSortingActive() && !IsGrouping(); }
    void PositionRow(CGTGridRow* iRow, int iY, int iIndex);
    void SetCellRects(CGTGridRow* iRow) const;

    // --- Layout and scrolling
    void SetScrollRanges();
    void OffsetRows(int iDeltaX, int iDeltaY);
    int ClampOffset(int iOffset, int iTotal, int iPage) const;
    // The grouping band and the header from the top of the area, the rows below them.
    void PlaceBands(const CRect& iArea, CDC* iDc);
    // A virtual grid scrolls by whole rows: an offset inside a row rounds up to the next.
    int WholeRowOffset(int iOffset) const;
    // Where a scroll-bar code takes an offset.
    int ScrolledOffset(int iBar, UINT iCode, int iOffset, int iLine, int iPage, int iTotal);
    void ScrollVert(UINT iCode);
    void ScrollHorz(UINT iCode);
    void SetVertOffset(int iOffset);
    void SetHorzOffset(int iOffset);
    void MoveInPlaceControl();
    void RedrawAll();
    void CreateBoldFont();
    void MeasureEditMargin();
    CWnd* GetNotifyTarget() const;

    // --- Selection
    void SelectRange(const CGTGridRange& iRange, BOOL iSelect, BOOL iRedraw);
    void NotifySelection(UINT iCode, const CGTGridRange& iRange, BOOL iSelect);
    void ClearRanges(BOOL iRedraw);
    CGTGridRange RangeOf(int iRow, int iColumn, DWORD iFlags) const;
    CGTGridRange RangeBetween(const CGTGridItemId& iFrom, const CGTGridItemId& iTo, DWORD iFlags) const;
    BOOL RangeCoversColumn(const CGTGridRange& iRange, int iColumn) const;
    BOOL IsColumnSelected(int iColumn) const;
    void LookUpCurrent();
    void InvalidateRowsOf(const CGTGridRange& iRange);
    CGTGridItem* ItemAt(const CGTGridItemId& iId) const;

    // --- Mouse and keys
    void OnHeaderPress(CPoint iPoint);
    BOOL StartResize(CPoint iPoint);
    void EndResize(int iX, BOOL iApply);
    void OnRowsPress(UINT iFlags, CPoint iPoint);
    void StartPendingPress(CPoint iPoint);
    void CancelPendingPress();
    void ExtendDragSelection(CPoint iPoint);
    // A drop on the header: reorders, shows a hidden column, ungroups, or sorts for a click.
    void DropColumn(CPoint iPoint, int iColumn, BOOL iFromGroupArea, BOOL iFromChooser, BOOL iMoved);
    BOOL IsPointerBusy() const;
    // Ends a column drag without effect, a resize and a pending press.
    void CancelPointerStates();
    void MoveCurrentTo(CGTGridRow* iRow, int iColumn, BOOL iExtend);
    CGTGridRow* RowNextTo(CGTGridRow* iRow, BOOL iBelow) const;
    // -1 toggles; FALSE when the row is no group row that may open or close now.
    BOOL ToggleGroupRow(CGTGridRow* iRow, int iExpand);
    void OnPageKey(BOOL iDown, BOOL iExtend);
    void OnHomeEndKey(BOOL iEnd, BOOL iExtend);
    void OnLeftRightKey(BOOL iRight, BOOL iExtend, BOOL iCtrl);
    void TrackToolTip(CPoint iPoint);

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnKillFocus(CWnd* iNewFocus);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnVScroll(UINT iCode, UINT iPosition, CScrollBar* iBar);
    afx_msg void OnHScroll(UINT iCode, UINT iPosition, CScrollBar* iBar);
    afx_msg BOOL OnMouseWheel(UINT iFlags, short iDelta, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg BOOL OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage);
    afx_msg void OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags);
    afx_msg void OnChar(UINT iChar, UINT iRepeat, UINT iFlags);
    afx_msg void OnSetFocus(CWnd* iOldFocus);
    afx_msg HBRUSH OnCtlColor(CDC* iDc, CWnd* iWnd, UINT iCtlColor);
    afx_msg void OnDestroy();
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnNcCalcSize(BOOL iValidate, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg void OnRButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnRButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg void OnTimer(UINT_PTR iId);
    afx_msg LRESULT OnSetFont(WPARAM iFont, LPARAM iRedraw);
    afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
    afx_msg void OnStyleChanged(int iType, LPSTYLESTRUCT iStyle);
    afx_msg void OnSelEndOk();
    afx_msg void OnCloseUp();
    afx_msg void OnEditKillFocus();
    DECLARE_MESSAGE_MAP()

    void PreSubclassWindow() override;
    CScrollBar* GetScrollBarCtrl(int iBar) const override;

    // --- Virtual mode
    // The row of a shown position: a shown-list entry, or a virtual row.
    CGTGridRow* ShownRowAt(int iIndex) const;
    int ShownRowCount() const;
    // The row of an id in the cache, built and cached when missing.
    CGTGridRow* CachedVirtualRow(int iId);
    // The virtual row and column under a point, (-1, -1) for none.
    int HitTestVirtual(CPoint iPoint, int& oColumn, int& oArea) const;

    // --- Printing
    // The width a column spans on the device painted: scaled on paper.
    int ColumnSpan(int iColumn, BOOL iFirst) const;
    int TotalColumnSpan() const;
    // The vertical lines between the shown columns, down to the bottom.
    void DrawColumnLines(CDC* iDc, int iBottom);

    BOOL m_Printing;
    CDC* m_PrintDc;
    COLORREF m_PrintColors[GTGridPrintColorCount];
    HFONT m_PrintFont;
    HFONT m_PrintBoldFont;
    HFONT m_MadePrintFont;
    HFONT m_MadePrintBoldFont;
    CSize m_PrinterDpi;
    CSize m_ScreenDpi;
    CArray<CGTGridPrintPage, const CGTGridPrintPage&> m_PrintPages;

    BOOL m_VirtualMode;
    int m_VirtualRows;
    GTGridVirtualDataCallback m_VirtualCallback;
    DWORD_PTR m_VirtualUserValue;
    CGTGridVirtualRequest m_Request;
    CGTGridCache m_Cache;
    CGTGridColumnsInfo m_Columns;
    CGTGridColorTheme m_Theme;
    CBrush m_BackgroundBrush;
    CBrush m_GroupBrush;
    CBrush m_SelectedBrush;
    CPen m_LinePen;
    CPen m_GroupLinePen;
    COLORREF m_SortedBackground;
    CString m_TrueText;
    CString m_FalseText;
    WCHAR m_ListSeparator;
    HFONT m_Font;
    CFont m_BoldFont;
    CImageList* m_Images;
    CImageList* m_HeaderImages;
    CScrollBar m_VertScroll;
    CScrollBar m_HorzScroll;
    CGTInplaceToolTipCtrl m_ToolTip;

    BOOL m_HeaderShown;
    DWORD m_HeaderFlags;
    BOOL m_GroupAreaShown;
    BOOL m_ReadOnly;
    BOOL m_WholeRowSelection;
    BOOL m_SingleSelection;
    BOOL m_SelectionFrame;
    BOOL m_EditOnFirstClick;
    BOOL m_LiveResize;
    BOOL m_CellTooltips;
    BOOL m_FocusRect;
    BOOL m_SortedColumnHighlight;
    BOOL m_AlternativeLook;
    BOOL m_RedrawHeld;
    BOOL m_RowsChanged;
    BOOL m_InLayout;
    BOOL m_Initialized;
    BOOL m_Creating;
    BOOL m_Focused;
    BOOL m_InDialog;

    // Geometry.
    int m_RowHeight;
    int m_GroupRowHeight;
    int m_EditMargin;
    int m_GroupAreaHeight;
    CRect m_HeaderRect;
    CRect m_RowsArea;
    int m_VertOffset;
    int m_VertTotal;
    int m_VertPage;
    int m_HorzOffset;
    int m_HorzTotal;
    int m_HorzPage;
    int m_FirstVisible;
    CRect m_InvalidBand;
    COLORREF m_PaintLineColor;

    // Rows: the row list in the order of adding, a set of them, the shown list and the
    // caption rows of grouping.
    CArray<CGTGridRow*, CGTGridRow*> m_Rows;
    std::unordered_set<const CGTGridRow*> m_RowSet;
    CArray<CGTGridRow*, CGTGridRow*> m_Shown;
    CArray<CGTGridRow*, CGTGridRow*> m_GroupRows;
    CArray<CGTGridRow*, CGTGridRow*> m_OldGroupRows;

    // Selection.
    CList<CGTGridRange> m_Selection;
    CGTGridItemId m_Anchor;
    CGTGridItemId m_Current;
    CGTGridRow* m_CurrentRow;
    CGTGridItem* m_CurrentItem;
    CRect m_SelectionRect;

    // Pointer states: a column drag, a column resize, a press in the rows area.
    BOOL m_Dragging;
    int m_PressedColumn;
    int m_DragColumn;
    BOOL m_DragFromGroupArea;
    BOOL m_DragFromChooser;
    CPoint m_DragPoint;
    CRect m_DragRect;
    int m_ResizeColumn;
    int m_ResizeLeft;
    int m_ResizeWidth;
    int m_TrackX;
    BOOL m_PressPending;
    BOOL m_PressIsClick;
    CPoint m_PressPoint;
    BOOL m_DragSelecting;
    CGTHeaderItemDragWnd* m_DragWnd;
    CGTHeaderItemDropWnd* m_DropWnd;

    CGTGridColumnChooser* m_Chooser;
    CRect m_ChooserRect;
    BOOL m_ChooserShown;

    COLORREF m_MarkerColor;
    int m_MarkerMode;
    COLORREF m_ItemColor;
    BOOL m_KeepLineColor;
    BOOL m_DarkLines;

    int m_LastChangedRow;
    CMap<int, int, CRuntimeClass*, CRuntimeClass*> m_ColumnItemClasses;
    CRuntimeClass* m_DefaultItemClass;
};
