// A caption bar over a list, with small image buttons at its right end (New, Delete, Move
// Up, Move Down, or the owner's own), each with a key. It subclasses a static control of a
// dialog, whose text becomes the caption; CGTEditListBox supplies the list. The list
// operations answer -1, 0, FALSE or an empty text while there is no list.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>
#include <memory>
#include <vector>

class CGTButton;

class CGTEditListBase : public CStatic {
public:
    // The standard buttons' mask bits, in the order they are added.
    enum StandardButton {
        ButtonNew = 1,
        ButtonDelete = 2,
        ButtonMoveUp = 4,
        ButtonMoveDown = 8
    };
    // The commands of the standard buttons.
    enum StandardCommand : UINT {
        CommandNew = static_cast<UINT>(-11),
        CommandDelete = static_cast<UINT>(-12),
        CommandMoveUp = static_cast<UINT>(-13),
        CommandMoveDown = static_cast<UINT>(-14),
    };

    CGTEditListBase();
    ~CGTEditListBase() override;

    // The control of a dialog becomes one by SubclassDlgItem; this makes one anew.
    BOOL Create(LPCWSTR iCaption, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId = 0xFFFF);

    // The buttons of the set bits, in the table order.
    BOOL AddStandardButtons(UINT iMask = ButtonNew | ButtonDelete | ButtonMoveUp | ButtonMoveDown);
    // iModifiers: FCONTROL, FSHIFT, FALT; a key of 0 gives the button no key.
    BOOL AddCaptionButton(UINT iImageId, LPCWSTR iTooltip = nullptr, WORD iKey = 0, BYTE iModifiers = 0,
                          UINT iCommandId = 0);
    int GetButtonCount() const { return static_cast<int>(m_Buttons.size()); }
    // Null for a bad index.
    CGTButton* GetButton(int iIndex) const;
    // 0 for a bad index.
    UINT GetButtonCommand(int iIndex) const;
    UINT GetStandardButtons() const { return m_StandardButtons; }
    // The editor of a renamed item gets a browse button.
    void EnableBrowseButton(BOOL iEnable = TRUE) { m_BrowseButton = iEnable; }
    // The buttons look grey even while enabled.
    void SetGrayDisabledButtons(BOOL iOn = TRUE);
    const CRect& GetCaptionRect() const { return m_CaptionRect; }

    // -1 appends; an item inserted at index 0 becomes selected. The index, -1 on failure.
    virtual int AddItem(const CString& iText, DWORD_PTR iData = 0, int iIndex = -1) = 0;
    virtual BOOL RemoveItem(int iIndex) = 0;
    virtual int GetCount() const = 0;
    // -1 for none.
    virtual int GetSelItem() const = 0;
    // Selected, focused and scrolled into view.
    virtual BOOL SelectItem(int iIndex) = 0;
    virtual CString GetItemText(int iIndex) const = 0;
    virtual BOOL SetItemText(int iIndex, const CString& iText) = 0;
    virtual DWORD_PTR GetItemData(int iIndex) const = 0;
    virtual BOOL SetItemData(int iIndex, DWORD_PTR iData) = 0;
    // Starts renaming the item in place.
    virtual BOOL EditItem(int iIndex) = 0;
    virtual void OnClickButton(int iButton) = 0;
    // A key pressed in the list with the modifiers held (FCONTROL, FSHIFT, FALT); TRUE when
    // it was used.
    virtual BOOL OnKey(WORD iKey, BYTE iModifiers) = 0;
    // Renaming ended with the text, or null when it was cancelled.
    virtual void OnEndEditLabel(LPCWSTR iText) = 0;
    // -1: no image.
    virtual int OnGetImage(const LVITEMW& iItem);

    // What the owner learns.
    virtual void OnSelectionChanged() {}
    // FALSE keeps the item.
    virtual BOOL OnBeforeRemoveItem(int) { return TRUE; }
    virtual void OnAfterAddItem(int) {}
    virtual void OnAfterRenameItem(int) {}
    virtual void OnAfterMoveItemUp(int) {}
    virtual void OnAfterMoveItemDown(int) {}
    // The browse button of the item being renamed was pressed.
    virtual void OnBrowse() {}

    virtual void CreateNewItem() = 0;
    virtual CWnd* GetListWnd() const = 0;

protected:
    virtual BOOL CreateList() = 0;
    // Fits the list's column to its width.
    virtual void OnSizeList() = 0;
    void AdjustLayout();
    // Enables or disables every button (the grey-out switch still shows them grey).
    void EnableButtons(BOOL iEnable);
    // The control's font, else its parent's.
    CFont* TextFont() const;

    void PreSubclassWindow() override;
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnEnable(BOOL iEnable);
    afx_msg void OnSetFocus(CWnd* iPrevious);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnSetFont(WPARAM iFont, LPARAM iRedraw);
    afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    std::vector<std::unique_ptr<CGTButton>> m_Buttons;
    // Per button: the modifiers in the high word, the key in the low word; 0 for none.
    std::vector<DWORD> m_ButtonKeys;
    CMap<int, int, UINT, UINT> m_ButtonCommands;
    CFont m_Font;
    CSize m_ButtonSize;
    CRect m_CaptionRect;
    UINT m_StandardButtons;
    BOOL m_BrowseButton;
    BOOL m_GrayDisabledButtons;
    BOOL m_Enabled;

private:
    void Initialize();

    BOOL m_Creating;
};
