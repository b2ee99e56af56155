// The toolbar button that carries a combo box. The button keeps the items (texts and data)
// itself, so that they survive when its windows are made again on another bar. The combo
// window stays hidden and serves for its drop-down list: the button draws the field flat
// through the look, and an editable combo shows its own edit window over the field. Buttons
// of one command on different bars show the same text and selection.
//
// Stored format, after the button's own: width, combo style, selected index, edit text,
// drop-down height, the context menu id (while the menu hash is busy, or from data version
// 0x60410 on), the item texts as a string list, then one 32-bit data word per item.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <vector>

class CGTComboEdit;

class CGTToolbarComboBoxButton : public CGTToolbarButton {
    DECLARE_SERIAL(CGTToolbarComboBoxButton)
public:
    CGTToolbarComboBoxButton();
    // The style gets the child, visible and vertical-scroll window styles; width 0 is 150.
    CGTToolbarComboBoxButton(UINT iCommandId, int iImage, DWORD iStyle = CBS_DROPDOWNLIST, int iWidth = 0);
    ~CGTToolbarComboBoxButton() override;

    void Serialize(CArchive& ioArchive) override;
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    BOOL OnClick(CWnd* iOwner, BOOL iDelay) override;
    void OnChangeParent(CWnd* iOwner) override;
    // The menu item that stands for the button takes the command's short name.
    BOOL ExportTo(CGTToolbarButton& oTarget) override;
    void OnMove() override;
    void OnSize(int iWidth) override;
    HWND GetHwnd() override;
    BOOL IsControlButton() const override { return TRUE; }
    BOOL NotifyCommand(int iNotifyCode) override;
    void OnAddToCustomizePage() override;
    HBRUSH OnCtlColor(CDC* iDc, UINT iCtlColor) override;
    void OnGlobalFontsChanged() override;
    int DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected) override;
    void OnShow(BOOL iShow) override;
    void SetStyle(UINT iStyle) override;
    void EnableControl(BOOL iEnable = TRUE) override;
    BOOL IsControlVisible() override;
    BOOL IsControlOrChild(HWND iWindow) override;
    BOOL ControlHasFocus() override;
    BOOL OnUpdateToolTip(CWnd* iOwner, int iIndex, CToolTipCtrl& ioTooltip, CString& ioText) override;

    // The index of the item; an item of a text already there (in any case) only takes the
    // new data: the result is then the count - 1.
    virtual int AddItem(LPCWSTR iText, DWORD_PTR iData = 0);
    // In Compare order; the position, or the count - 1 when appended or already there.
    virtual int AddSortedItem(LPCWSTR iText, DWORD_PTR iData = 0);
    // Null when the window cannot be made.
    virtual CComboBox* CreateCombo(CWnd* iParent, const CRect& iRect);
    virtual CGTComboEdit* CreateEdit(CWnd* iParent, const CRect& iRect, DWORD iStyle);
    // Null for a drop-down list.
    virtual CGTComboEdit* GetEditCtrl() { return m_Edit; }
    // After the item data was copied or read; a derived class that owns what its data
    // points to duplicates it here.
    virtual void DuplicateData() {}
    // Before the item data is emptied.
    virtual void ClearData() {}
    virtual int Compare(LPCWSTR iFirst, LPCWSTR iSecond) const;
    // Shown grey in an empty edit field without the focus.
    virtual CString GetPrompt() const { return CString(); }

    // -1 for none; the case is ignored.
    int FindItem(LPCWSTR iText) const;
    // FALSE for an index past the items, and when the window refuses it.
    BOOL SelectItem(int iIndex, BOOL iNotify = TRUE);
    void ResetState();

    int GetCount() const { return static_cast<int>(m_Texts.GetCount()); }
    // Empty and 0 for a bad index.
    CString GetItem(int iIndex) const;
    DWORD_PTR GetItemData(int iIndex) const;
    int GetCurSel() const { return m_SelectedIndex; }
    // The field's text: the selected item's, or what was typed.
    const CString& GetText() const { return m_EditText; }
    CComboBox* GetComboBox() const { return m_Combo; }
    DWORD GetComboStyle() const { return m_ComboStyle; }
    int GetWidth() const { return m_Width; }
    BOOL IsHot() const { return m_Hot; }
    // The field is drawn highlighted while the mouse is over it or it has the focus.
    void SetHot(BOOL iHot);
    // The edit window's text, set by the button: the change is not taken as typing.
    void SetEditWindowText(const CString& iText);
    BOOL IsSettingText() const { return m_SettingText; }
    // What was typed, as Enter hands it to the command.
    void TakeEditText(const CString& iText) { m_EditText = iText; }
    // The field is painted again on the bar.
    void InvalidateField();
    UINT GetContextMenuId() const { return m_ContextMenuId; }
    void SetContextMenuId(UINT iMenuId) { m_ContextMenuId = iMenuId; }
    int GetDropDownHeight() const { return m_DropDownHeight; }

protected:
    BOOL IsDropDown() const { return (m_ComboStyle & 3) == CBS_DROPDOWN; }
    BOOL IsDisabledLook() const;
    void DestroyWindows();
    void PlaceWindows();
    // The lists again from what the combo window holds.
    void TakeItemsFromWindow();
    void PutItemsIntoWindow();
    void DrawLabelBelow(CDC* iDc, COLORREF iColor);

    DWORD m_ComboStyle;
    CComboBox* m_Combo;
    CGTComboEdit* m_Edit;
    CStringList m_Texts;
    std::vector<DWORD_PTR> m_Data;
    int m_Width;
    int m_SelectedIndex;
    CString m_EditText;
    CRect m_ComboRect;
    CRect m_DropRect;
    int m_DropDownHeight;
    BOOL m_Hot;
    UINT m_ContextMenuId;
    BOOL m_SettingText;
};
