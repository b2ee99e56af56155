// The frame's menu as a dockable toolbar: each top-level item of a Windows menu becomes a
// menu button that opens a popup. The bar switches its buttons whenever the frame switches
// menus (its default menu, each document type's shared menu), keeps the user's version of
// every menu in the menu hash and in the registry, carries a maximized MDI child's system
// menu and caption buttons, can hold a help combo box, and gives the keyboard access to the
// menus.
//
// The menus are their frame's and their templates': the bar destroys only a default menu
// it loaded itself for want of a frame to give it to.
//
// Stored state: the toolbar's, under the profile's "RIRMenuBar" section: one key per
// document template's menu (the template's resource id in the key) and one for the default
// menu (id 0).
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>

class CGTMenuPage;
class CGTToolbarSystemMenuButton;
class CHelpComboBoxButton;

class CGTMenuBar : public CGTToolBar {
    DECLARE_SERIAL(CGTMenuBar)
public:
    CGTMenuBar();
    ~CGTMenuBar() override;

    BOOL Create(CWnd* iParent, DWORD iStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT iId = s_DefaultId) override;
    BOOL CreateEx(CWnd* iParent, DWORD iToolbarStyle = TBSTYLE_FLAT,
                  DWORD iStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect iBorders = CRect(1, 1, 1, 1),
                  UINT iId = s_DefaultId) override;

    // The resource of the frame's own menu.
    void SetFrameMenu(UINT iResourceId) { m_FrameMenuId = iResourceId; }
    UINT GetFrameMenu() const { return m_FrameMenuId; }
    // Shows the menu's items: the user's version from the menu hash when it holds one
    // (unless iForce), else buttons made from the menu. iDefault: the frame's own menu.
    virtual void CreateFromMenu(HMENU iMenu, BOOL iDefault = FALSE, BOOL iForce = FALSE);
    // A default menu the bar loaded again from its resource.
    virtual void OnDefaultMenuLoaded(HMENU) {}
    // The child's system menu and caption buttons come (a child is needed) or go.
    void SetMaximizeMode(BOOL iMaximized, CWnd* iChild = nullptr, BOOL iRecalc = TRUE);
    // The maximized state the bar left for a while, for the MDI frame's active child.
    void RestoreMaximizeMode(BOOL iRecalc = TRUE);
    // Null unless maximized.
    CGTToolbarSystemMenuButton* GetSystemMenuButton() const;
    // A help search box at the bar's right end (command 0: none).
    void EnableHelpCombobox(UINT iCommandId, LPCWSTR iPrompt = nullptr, int iWidth = 150);
    HMENU GetCurrentMenu() const { return m_CurrentMenu; }
    // The customization sheet's menu page while it edits the bar's menus: a menu the frame
    // switches to while customizing is shown through it, and a reset tells it the new menus.
    void SetMenuPage(CGTMenuPage* iPage) { m_MenuPage = iPage; }
    CGTMenuPage* GetMenuPage() const { return m_MenuPage; }
    HMENU GetDefaultMenu() const { return m_DefaultMenu; }
    BOOL IsMaximized() const { return m_Maximized; }
    int GetCaptionButtonCount() const { return m_CaptionButtonCount; }
    CSize GetSystemButtonSize() const { return m_SystemButtonSize; }

    // The open menus show every command, not only the recently used ones.
    static void SetShowAllCommands(BOOL iShowAll);
    static BOOL IsShowAllCommands();
    // Personalised menus (the "RecentlyUsedMenus" toolbar parameter).
    static void SetRecentlyUsedMenus(BOOL iOn);
    static BOOL IsRecentlyUsedMenus();
    // The font the looks write the bar's items in.
    static CFont& GetMenuFont(BOOL iHorizontal);

    BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iId = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iId = static_cast<UINT>(-1)) override;
    // Every menu loaded again from its resource, given to its owner and shown afresh.
    BOOL RestoreOriginalState() override;
    // Every stored menu's buttons back to their default images.
    void ResetImagesToDefault() override;
    // The command's text in the current menu, else the toolbar's.
    BOOL LoadButtonText(CGTToolbarButton& ioButton) override;
    INT_PTR OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    // A stretched menu bar wants the whole length of its dock bar.
    int GetShrinkDeficit() const override;
    CSize CalcSize(DWORD iMode, int iLength) override;
    void RecalcButtonLayout() override;
    int GetRowHeight() const override;
    int GetColumnWidth() const override;
    void SetHot(int iIndex) override;
    // A caption button's click goes to the active child as its system command.
    BOOL TakesButtonCommand(CGTToolbarButton* iButton) override;
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::MenuBar; }

    // The state also covers every document template's shared menu.
    BOOL m_KeepDocumentMenus;
    // The class made for items with a sub-menu.
    CRuntimeClass* m_MenuButtonClass;

    static const UINT s_DefaultId = 0xE81A;
    // The show-all timer: resting on an open menu's title this long shows all its commands.
    static const UINT_PTR s_ShowAllTimer = 1;
    static const UINT s_ShowAllDelay = 5000;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSetFocus(CWnd* iPrevious);
    afx_msg void OnTimer(UINT_PTR iTimer);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg LRESULT OnGetObject(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnAccHitTest(WPARAM, LPARAM iScreenPoint);
    DECLARE_MESSAGE_MAP()

    LPCWSTR StateSection() const override { return L"RIRMenuBar"; }
    // The button for one item of a menu; null when it cannot be made.
    CGTToolbarButton* MakeItem(HMENU iMenu, int iIndex) const;
    // The buttons as the menu resource defines them, as the bar's original items; FALSE
    // without a workspace that lets menus be customized, or without the resource.
    BOOL BuildOriginalItems(UINT iResourceId);
    // Shows the menu made afresh; the buttons shown so far are kept for no menu.
    void RebuildFromMenu(HMENU iMenu, BOOL iDefault);
    // Loads each stored menu in turn (the template's shared menus, then the default menu),
    // with its resource id and its key's id.
    template <class Visit>
    void ForEachStoredMenu(Visit iVisit);
    void AddMaximizeButtons(CWnd* iChild);
    void RemoveMaximizeButtons();
    void UpdateItemsHaveImages();
    void UpdateSystemButtonSize();
    // The last index the keyboard walks to: caption buttons, the help box and the customize
    // button are not items.
    int LastItemIndex() const;
    CHelpComboBoxButton* GetHelpCombobox() const;
    CFrameWnd* Frame() const;
    void AfterMenuChange(BOOL iWasMaximized);
    // The menu page shows the menu of its document type (or the default menu); FALSE when
    // the page does not list it.
    BOOL ShowInMenuPage(HMENU iMenu);

    CWnd* m_Frame;
    BOOL m_Maximized;
    HMENU m_CurrentMenu;
    CGTMenuPage* m_MenuPage;
    HMENU m_DefaultMenu;
    // A default menu the bar loaded without a frame to take it.
    HMENU m_OwnDefaultMenu;
    HMENU m_ChildSystemMenu;
    HICON m_ChildIcon;
    UINT m_FrameMenuId;
    int m_CaptionButtonCount;
    int m_SavedCaptionButtonCount;
    BOOL m_ItemsHaveImages;
    CSize m_SystemButtonSize;
    UINT m_HelpComboId;
    int m_HelpComboWidth;
    CString m_HelpComboPrompt;
    // The docked bar spans its whole row.
    BOOL m_Stretched;
    // The stored state is being read: a damaged menu is made afresh, not every menu reset.
    BOOL m_Loading;
};
