// One cell of a grid row: a typed value shown as text, painted by the cell itself, and
// edited in place with an edit, masked edit, drop-down list or spin control that the cell
// creates for the time of the edit.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>
#include <oleauto.h>

class CGTGridCtrl;
class CGTGridRow;
class CComboBox;
class CSpinButtonCtrl;

// Where a point lies in a row.
enum GTGridHitArea {
    GTGridHitExpandBox = 0,
    GTGridHitRow = 1,
    GTGridHitValue = 2,
};

// Edit flags: what the cell's editor offers.
enum : DWORD {
    GTGridEditList = 1,
    GTGridEditBrowse = 2,
    GTGridEditSpin = 4,
};

class CGTGridItem : public CObject {
    DECLARE_DYNCREATE(CGTGridItem)
    friend class CGTGridRow;

public:
    CGTGridItem();
    // Null texts are empty; a failing copy of the value raises a COM error.
    explicit CGTGridItem(const VARIANT& iValue, DWORD_PTR iData = 0, LPCWSTR iEditMask = nullptr,
                         LPCWSTR iInputTemplate = nullptr, LPCWSTR iValidChars = nullptr);
    ~CGTGridItem() override;
    CGTGridItem(const CGTGridItem&) = delete;
    CGTGridItem& operator=(const CGTGridItem&) = delete;

    virtual void OnDrawValue(CDC* iDc, CRect iRect);
    // The value on paper, in the grid's print text colour.
    virtual void OnPrintValue(CDC* iDc, CRect iRect);
    // Moves the rectangle's left edge past the icon.
    virtual void OnDrawIcon(CDC* iDc, CRect& ioRect);
    // Returns the text colour to use, -1 to keep the DC's.
    virtual COLORREF OnFillBackground(CDC* iDc, CRect iRect);
    virtual void OnDrawButton(CDC* iDc, CRect iRect);
    // The grid's cell factory asks it; FALSE makes the factory delete the cell.
    virtual BOOL OnCreated(int iRow, int iColumn);
    virtual CString FormatItem();
    // Takes the editor's text into the value; FALSE keeps the old value.
    virtual BOOL OnUpdateValue();
    virtual BOOL OnEdit(LPPOINT iPoint);
    virtual CWnd* CreateInPlaceEdit(CRect iRect, BOOL& oDefaultFormat);
    virtual CSpinButtonCtrl* CreateSpinControl(CRect iRect);
    virtual BOOL OnEndEdit();
    virtual void DoClickButton(CPoint iPoint);
    virtual void OnClickButton(CPoint iPoint);
    // Grid client coordinates.
    virtual BOOL ForwardMouseMessage(UINT iMessage, UINT iFlags, CPoint iPoint);
    virtual BOOL OnDblClk(CPoint iPoint);
    virtual BOOL OnSelectCombo();
    virtual void OnCloseCombo();
    virtual BOOL OnSetCursor() const;
    // A character typed on the selected cell after the grid opened its editor.
    virtual BOOL PushChar(UINT iChar);
    virtual CString GetValueTooltip();
    virtual BOOL OnClickValue(CPoint iPoint, UINT iFlags);
    virtual void AdjustButtonRect();
    virtual void AdjustInPlaceEditRect(CRect& oEdit, CRect& oSpin);
    virtual HBRUSH OnCtlColor(CDC* iDc, UINT iCtlColor);
    virtual CComboBox* CreateCombo(CWnd* iParent, CRect iRect);
    virtual void OnDestroyWindow();
    virtual BOOL OnKillFocus(CWnd* iNewFocus);
    virtual BOOL OnEditKillFocus();
    virtual BOOL HasButton() const;
    virtual BOOL TextToVar(const CString& iText);

    void SetOwnerRow(CGTGridRow* iRow) { m_Row = iRow; }
    CGTGridRow* GetParentRow() const { return m_Row; }
    CGTGridCtrl* GetOwnerGrid() const;
    // (row id or -1, column index)
    void GetItemId(int& oRow, int& oColumn) const;
    int GetColumnId() const { return m_Column; }
    void Redraw();
    void ShowButton(BOOL iShow);
    // This cell when the point lies in it (one pixel beyond its right edge counts too).
    CGTGridItem* HitTest(CPoint iPoint, int* oArea = nullptr) const;

    const VARIANT& GetValue() const { return m_Value; }
    // Stores a copy in place of the value; a value that cannot be copied raises a COM
    // error and keeps the old one.
    void SetValue(const VARIANT& iValue);
    DWORD_PTR GetData() const { return m_Data; }
    void SetData(DWORD_PTR iData) { m_Data = iData; }
    BOOL IsEnabled() const { return m_Enabled; }
    void Enable(BOOL iEnable = TRUE) { m_Enabled = iEnable; }
    BOOL IsAllowEdit() const { return m_AllowEdit; }
    void AllowEdit(BOOL iAllow = TRUE) { m_AllowEdit = iAllow; }
    DWORD GetEditFlags() const { return m_EditFlags; }
    BOOL IsInEdit() const { return m_InEdit; }
    BOOL IsValueTruncated() const { return m_ValueTruncated; }
    void SetBackgroundColor(COLORREF iColor) { m_BackgroundColor = iColor; }
    COLORREF GetBackgroundColor() const { return m_BackgroundColor; }
    void SetTextColor(COLORREF iColor) { m_TextColor = iColor; }
    COLORREF GetTextColor() const { return m_TextColor; }
    void SetImage(int iImage) { m_Image = iImage; }
    int GetImage() const { return m_Image; }
    void SetSpinRange(int iMinimum, int iMaximum);
    void AddOption(const CString& iOption) { m_Options.AddTail(iOption); }
    const CRect& GetRect() const { return m_Rect; }
    void SetRect(const CRect& iRect) { m_Rect = iRect; }
    const CRect& GetButtonRect() const { return m_ButtonRect; }
    BOOL IsButtonPressed() const { return m_ButtonPressed; }
    CWnd* GetInPlaceWnd() const { return m_InPlaceEdit; }
    CComboBox* GetComboWnd() const { return m_Combo; }
    CSpinButtonCtrl* GetSpinWnd() const { return m_Spin; }

    // The types a user can type a value for.
    static BOOL IsTypedValue(VARTYPE iType);

protected:
    void SetColumn(int iColumn) { m_Column = iColumn; }
    BOOL ReportIfChanged(const CString& iBefore);

    CGTGridRow* m_Row;
    VARIANT m_Value;
    DWORD_PTR m_Data;
    CString m_EditMask;
    CString m_InputTemplate;
    CString m_ValidChars;
    CList<CString> m_Options;
    BOOL m_InEdit;
    CWnd* m_InPlaceEdit;
    CComboBox* m_Combo;
    CSpinButtonCtrl* m_Spin;
    CRect m_Rect;
    CRect m_ButtonRect;
    BOOL m_ButtonPressed;
    BOOL m_ButtonShown;
    BOOL m_Enabled;
    BOOL m_AllowEdit;
    DWORD m_EditFlags;
    BOOL m_ValueTruncated;
    int m_SpinMinimum;
    int m_SpinMaximum;
    int m_Column;
    COLORREF m_BackgroundColor;
    COLORREF m_TextColor;
    int m_Image;
};
