// The menu page of the customization sheet: shows the menu of a chosen kind of document (or
// the default menu) in the frame's menu bar for editing by drag and drop and resets it,
// opens a registered context menu in a floating popup for the same, and holds the menu
// animation and shadow options. The frame's menu bar is left as it was found; the edits
// stay in the menu hash, from which the bar loads its menus.
#pragma once
#include <afxdlgs.h>
#include <afxdoctempl.h>

class CGTMenuBar;
class CGTPopupMenu;

class CGTMenuPage : public CPropertyPage {
    DECLARE_DYNCREATE(CGTMenuPage)
public:
    // iSheetFlags: the sheet's flags; 0x01 shows "Menu shadows", 0x08 the menu animations.
    explicit CGTMenuPage(CFrameWnd* iParentFrame = nullptr, BOOL iAutoSetFromMenus = FALSE, UINT iSheetFlags = 0);
    ~CGTMenuPage() override;
    // Shows the template's menu (null: the default menu); FALSE when it is not listed.
    BOOL SelectMenuOf(CDocTemplate* iTemplate, BOOL iKeepEditedMenu = FALSE);
    // The menu bar's reset put a fresh copy in the place of a menu the page remembers.
    void OnMenuReplaced(HMENU iOld, HMENU iNew);
    // The editing popup closes: its place is kept for the next one.
    void OnContextMenuClosed();
    CGTPopupMenu* GetContextMenuPopup() const { return m_ContextMenuPopup; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* ioExchange) override;
    afx_msg void OnFrameMenuChanged();
    afx_msg void OnResetFrameMenu();
    afx_msg void OnContextMenuChanged();
    afx_msg void OnResetContextMenu();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void InitFrameMenus();
    void InitContextMenus();
    void HideControl(UINT iControlId);
    // The editing popup's place and menu are kept and the page lets go of it; the popup, or
    // null when none was open.
    CGTPopupMenu* ForgetContextMenu();
    // The editing popup, kept, closes.
    void CloseContextMenu();
    BOOL OpenContextMenu(const CString& iName);
    // The menu bar's menu now goes to the menu hash.
    void StoreEditedMenu();
    // The menu bar builds the menu for the page: it does not hand it back to the page.
    void ShowInMenuBar(HMENU iMenu, BOOL iDefault, BOOL iForce);
    CMultiDocTemplate* ChosenTemplate() const;

    CComboBox m_FrameMenus;
    CComboBox m_ContextMenus;
    CComboBox m_Animations;
    CStatic m_Icon;
    CString m_Description;
    CString m_ContextMenuName;
    CString m_FrameMenuName;
    int m_Animation;
    BOOL m_Shadows;
    CFrameWnd* m_ParentFrame;
    BOOL m_AutoSetFromMenus;
    UINT m_SheetFlags;
    CGTMenuBar* m_MenuBar;
    HMENU m_OriginalMenu;
    HMENU m_EditedMenu;
    BOOL m_DefaultMenuFirst;
    CGTPopupMenu* m_ContextMenuPopup;
    UINT m_ContextMenuId;
};
