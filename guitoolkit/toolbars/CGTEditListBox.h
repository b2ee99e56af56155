// An editable list: a list view under the caption and buttons of CGTEditListBase, whose
// items are renamed in place. New appends an item and renames it (the owner learns of it
// only when it gets a name); Delete asks the owner first; Move Up and Move Down exchange an
// item with its neighbour. The buttons' keys, Space and F2 (rename) and a second click on
// the selected item (rename) are taken from the list's key and mouse messages before the
// list handles them.
#pragma once
#include <guitoolkit/toolbars/CGTEditListBase.h>
#include <guitoolkit/toolbars/CGTEditListEdit.h>

class CGTEditListBox : public CGTEditListBase {
public:
    CGTEditListBox();
    ~CGTEditListBox() override;

    int AddItem(const CString& iText, DWORD_PTR iData = 0, int iIndex = -1) override;
    BOOL RemoveItem(int iIndex) override;
    int GetCount() const override;
    int GetSelItem() const override;
    BOOL SelectItem(int iIndex) override;
    CString GetItemText(int iIndex) const override;
    BOOL SetItemText(int iIndex, const CString& iText) override;
    DWORD_PTR GetItemData(int iIndex) const override;
    BOOL SetItemData(int iIndex, DWORD_PTR iData) override;
    BOOL EditItem(int iIndex) override;
    void OnClickButton(int iButton) override;
    BOOL OnKey(WORD iKey, BYTE iModifiers) override;
    void OnEndEditLabel(LPCWSTR iText) override;
    void CreateNewItem() override;
    CWnd* GetListWnd() const override { return m_List.get(); }
    // Null while the control has no window.
    CGTEditListEdit* GetEditor() { return m_Edit.GetSafeHwnd() != nullptr ? &m_Edit : nullptr; }

    BOOL PreTranslateMessage(MSG* ioMessage) override;

protected:
    BOOL CreateList() override;
    void OnSizeList() override;

    afx_msg void OnListDblClk(NMHDR* iHeader, LRESULT* oResult);
    afx_msg void OnListGetDispInfo(NMHDR* iHeader, LRESULT* oResult);
    afx_msg void OnListItemChanged(NMHDR* iHeader, LRESULT* oResult);
    afx_msg void OnListEndLabelEdit(NMHDR* iHeader, LRESULT* oResult);
    DECLARE_MESSAGE_MAP()

private:
    BOOL HasList() const { return m_List != nullptr && m_List->GetSafeHwnd() != nullptr; }
    BOOL IsValidIndex(int iIndex) const { return iIndex >= 0 && iIndex < GetCount(); }
    // Exchanges the selected item with its neighbour above (-1) or below (1).
    void MoveSelectedItem(int iDirection);
    // TRUE when the message was taken.
    BOOL TrackRenameClick(const MSG& iMessage);

    std::unique_ptr<CListCtrl> m_List;
    // Where a click on the selected item went down; (-1, -1) for none.
    CPoint m_RenamePoint;
    CGTEditListEdit m_Edit;
    // The item being renamed was just made by New.
    BOOL m_NewItem;
};
