// A grid row: one cell per column, optional sub-rows (a tree the user expands and
// collapses), or a group caption row; it passes painting, mouse and keyboard work on to
// its cells. A row owns its cells and sub-rows.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTGridCtrl;
class CGTGridItem;

class CGTGridRow : public CObject {
    DECLARE_DYNCREATE(CGTGridRow)
public:
    CGTGridRow();
    // A group caption row; the grid's factory adds the cell that shows the caption.
    CGTGridRow(const CString& iName, DWORD_PTR iData);
    CGTGridRow(int iColumns, DWORD_PTR iData);
    ~CGTGridRow() override;
    CGTGridRow(const CGTGridRow&) = delete;
    CGTGridRow& operator=(const CGTGridRow&) = delete;

    virtual CGTGridItem* CreateItem(int iRow, int iColumn);
    // FALSE for an index out of range or no cell (nothing is freed then).
    virtual BOOL ReplaceItem(int iIndex, CGTGridItem* iItem, BOOL iRedraw = FALSE);
    virtual void OnItemChanged(CGTGridItem* iItem, int iRow, int iColumn);
    virtual void OnDrawName(CDC* iDc, CRect iRect);
    virtual void OnDrawExpandBox(CDC* iDc, CRect iRect);
    virtual void OnDrawRowMarker(CDC* iDc, CRect iRect);
    virtual void OnDrawItems(CDC* iDc, CRect iClip);
    // A group row's caption on paper.
    virtual void OnPrintName(CDC* iDc, CRect iRect);
    // Every cell that meets the clip rectangle, on paper.
    virtual void OnPrintItems(CDC* iDc, CRect iClip);
    virtual int GetHierarchyLevel() const;
    virtual CString GetName();
    virtual BOOL OnUpdateValue();
    virtual BOOL OnEdit(LPPOINT iPoint);
    virtual BOOL OnEndEdit();
    virtual BOOL ForwardMouseMessage(UINT iMessage, UINT iFlags, CPoint iPoint);
    virtual BOOL OnDblClk(CPoint iPoint);
    virtual BOOL OnClickValue(CPoint iPoint, UINT iFlags);
    virtual BOOL OnSelectCombo();
    virtual void OnCloseCombo();
    virtual BOOL PushChar(UINT iChar);
    virtual HBRUSH OnCtlColor(CDC* iDc, UINT iCtlColor);
    virtual BOOL OnKillFocus(CWnd* iNewFocus);
    virtual BOOL OnEditKillFocus();
    virtual BOOL HasValueField() const;
    virtual BOOL IsParentExpanded() const;

    // Takes the cell: sets its row and its column (the current count).
    void AddItem(CGTGridItem* iItem);
    CGTGridItem* GetItem(int iColumn) const { return m_Items.GetAt(iColumn); }
    int GetItemCount() const { return (int)m_Items.GetSize(); }
    // Takes the row as a sub-row.
    void AddSubRow(CGTGridRow* iRow);
    const CList<CGTGridRow*, CGTGridRow*>& GetSubRows() const { return m_SubRows; }
    CGTGridRow* GetParent() const { return m_Parent; }
    // The caption row grouping put this row under (for a caption row: the one a level up).
    CGTGridRow* GetGroupRow() const { return m_GroupRow; }
    void SetGroupRow(CGTGridRow* iRow) { m_GroupRow = iRow; }
    BOOL IsGroupCaption() const { return m_Group && (m_Flags & 0x100) != 0; }
    void Expand(BOOL iExpand = TRUE);
    BOOL IsExpanded() const { return m_Expanded; }
    BOOL IsGroup() const { return m_Group; }
    void Redraw();
    void SetOwnerList(CGTGridCtrl* iGrid);
    CGTGridCtrl* GetOwnerList() const { return m_Grid; }
    BOOL IsSubRow(const CGTGridRow* iRow) const;
    CGTGridRow* FindSubRowById(int iId) const;
    // Null when the point lies outside the row; the area is a GTGridHitArea.
    CGTGridRow* HitTest(CPoint iPoint, int& oColumn, CGTGridItem*& oItem, int& oArea) const;
    void RecalcButtons();
    // The open editor's windows: the first cell's that exists while the row is in edit.
    CWnd* GetInPlaceWnd() const;
    CWnd* GetComboWnd() const;
    CWnd* GetSpinWnd() const;

    int GetRowId() const { return m_Id; }
    void SetRowId(int iId) { m_Id = iId; }
    DWORD_PTR GetData() const { return m_Data; }
    void SetData(DWORD_PTR iData) { m_Data = iData; }
    const CRect& GetRect() const { return m_Rect; }
    void SetRect(const CRect& iRect) { m_Rect = iRect; }
    BOOL IsInEdit() const { return m_InEdit; }
    DWORD GetFlags() const { return m_Flags; }
    void SetFlags(DWORD iFlags) { m_Flags = iFlags; }

protected:
    // The expand box of a group row: a square of the row height after the indentation.
    CRect GetExpandBoxRect() const;
    CGTGridItem* CurrentItemOfThisRow() const;
    // The caption a group row shows: its cell's text, else "Group".
    CString CaptionText() const;
    // A square scaled to the printer, in the print text colour, with its bars.
    void PrintExpandBox(CDC* iDc, const CRect& iRect, BOOL iOpen) const;

    CArray<CGTGridItem*, CGTGridItem*> m_Items;
    CGTGridCtrl* m_Grid;
    DWORD_PTR m_Data;
    CRect m_Rect;
    BOOL m_InEdit;
    BOOL m_Group;
    BOOL m_Expanded;
    DWORD m_Flags;
    CGTGridRow* m_Parent;
    CGTGridRow* m_GroupRow;
    CList<CGTGridRow*, CGTGridRow*> m_SubRows;
    int m_Id;
};
