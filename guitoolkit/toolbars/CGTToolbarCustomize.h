// The customization sheet, in which the user rearranges toolbars, menus, shortcut keys,
// mouse commands and tools. While it is open every toolbar is in customize mode; its pages
// change the live bars, menus and managers at once, and the workspace stores the changes
// with its state. The sheet keeps the catalogue of the commands the user may place: named
// categories of buttons, and "All Commands" with every command once.
#pragma once
#include <afxdlgs.h>
#include <afxtempl.h>
#include <guitoolkit/controls/CGTButton.h>

class CGTToolbarButton;
class CGTToolBar;
class CGTCustomizePage;
class CGTToolbarsPage;
class CGTKeyboardPage;
class CGTMenuPage;
class CGTMousePage;
class CGTOptionsPage;
class CGTToolsPage;

// Flags of the sheet.
enum GTCustomizeFlags : UINT {
    GTCustomizeMenuShadows = 0x01,
    GTCustomizeTextLabels = 0x02,
    GTCustomizeLook2000 = 0x04,
    GTCustomizeMenuAnimations = 0x08,
    GTCustomizeNoHelp = 0x10,
    GTCustomizeContextHelp = 0x20,
    GTCustomizeUnused = 0x40,
    GTCustomizeNoTools = 0x80,
    GTCustomizeKeepAmpersands = 0x100,
    GTCustomizeNoLargeIcons = 0x200,
};

class CGTToolbarCustomize : public CPropertySheet {
    DECLARE_DYNAMIC(CGTToolbarCustomize)
public:
    // iExtraPages: run-time classes of further pages, shown before the options page.
    CGTToolbarCustomize(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus, UINT iFlags,
                        CList<CRuntimeClass*, CRuntimeClass*>* iExtraPages = nullptr);
    ~CGTToolbarCustomize() override;

    virtual void ListAllCommands(CListBox& ioList) const;
    virtual void NotifyToolsPageOpened() {}
    virtual void NotifyToolLeaving(class CGTUserTool*) {}
    virtual void NotifyToolEntered(class CGTUserTool*) {}
    virtual BOOL ConfirmToolsBeforeClose(const CObList&) { return TRUE; }
    virtual BOOL ConfirmKeyAssignment(const ACCEL&) { return TRUE; }
    // Opens the sheet beside the frame and puts the toolbars in customize mode.
    virtual BOOL OpenModeless();
    // Runs the button image editor on the bitmap; TRUE when the user chose OK.
    virtual BOOL EditButtonImage(CWnd* iParent, CBitmap& ioBitmap, int iBitsPerPixel);

    // A copy of the button in the category and in "All Commands"; iInsertAt -1 appends.
    void AddCatalogueButton(LPCWSTR iCategory, const CGTToolbarButton& iButton, int iInsertAt = -1);
    void AddMenuTree(CMenu* iMenu, BOOL iPopups, LPCWSTR iCategory = nullptr, LPCWSTR iPath = nullptr);
    void BuildCatalogueFromMenus();
    void AddUserToolButtons(LPCWSTR iCategory);
    // The categories in the order they came, "All Commands" last; without iAddEmpty only
    // those with a command. Each item's data is the category's button list.
    void ListCategoriesInListBox(CListBox& ioList, BOOL iAddEmpty) const;
    void ListCategoriesInComboBox(CComboBox& ioList, BOOL iAddEmpty) const;
    // The text of the command in "All Commands"; null when it is not there.
    LPCWSTR GetCommandName(UINT iCommandId) const;
    // The category's buttons; null for an unknown category.
    const CObList* GetCategoryButtons(LPCWSTR iCategory) const;
    const CString& GetAllCommandsName() const { return m_AllCommandsName; }
    const CStringList& GetCategoryNames() const { return m_CategoryNames; }
    // Before OpenModeless: the toolbars page offers New, Rename and Delete.
    void EnableToolbarsPageOption(BOOL iEnable = TRUE);
    // The toolbars page's check follows a bar shown or hidden elsewhere.
    void ReflectToolbarVisibility(CGTToolBar* iBar, BOOL iShow);
    UINT GetFlags() const { return m_Flags; }
    CFrameWnd* GetParentFrame() const { return m_ParentFrame; }
    CGTCustomizePage* GetCommandsPage() const { return m_CommandsPage; }
    CGTToolbarsPage* GetToolbarsPage() const { return m_ToolbarsPage; }

    // Every child of the frame but its bars takes no input while customizing; the toolbars
    // go into customize mode and the frame is told.
    void SwitchFrameCustomizeMode(BOOL iEnable);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg BOOL OnHelpInfo(HELPINFO* iInfo);
    afx_msg void OnContextMenu(CWnd* iWindow, CPoint iPoint);
    DECLARE_MESSAGE_MAP()

    // Asks the frame to show help for the active page.
    void SendHelpRequest();
    void PlaceCloseAndHelpButtons();
    // Adds the button's copy to the category's list unless one stands for it already.
    void AddToCategory(const CString& iCategory, const CGTToolbarButton& iButton, const CString& iText, BOOL iUserTool,
                       int iInsertAt);
    // Adds the name of every category (all when iAddEmpty) with its list through iAdd.
    template <class Add>
    void ListCategories(BOOL iAddEmpty, Add iAdd) const;

    CMap<CString, LPCWSTR, CObList*, CObList*> m_ButtonsByCategory;
    CStringList m_CategoryNames;
    CGTCustomizePage* m_CommandsPage;
    CGTToolbarsPage* m_ToolbarsPage;
    CGTKeyboardPage* m_KeyboardPage;
    CGTMenuPage* m_MenuPage;
    CGTMousePage* m_MousePage;
    CGTOptionsPage* m_OptionsPage;
    CGTToolsPage* m_ToolsPage;
    CList<CPropertyPage*, CPropertyPage*> m_ExtraPages;
    CString m_AllCommandsName;
    CFrameWnd* m_ParentFrame;
    BOOL m_AutoSetFromMenus;
    UINT m_Flags;
    BOOL m_KeepAmpersands;
    CGTButton m_HelpButton;
};

// The sheet while it is open, else null: toolbars, menus and the button appearance dialog
// behave differently while the user customizes through it.
extern CGTToolbarCustomize* theActiveCustomizeSheet;
