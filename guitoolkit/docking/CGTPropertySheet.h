// The toolkit's property sheet: besides the platform's row of tabs, it can choose its pages
// through an outlook bar of page buttons, a tree of categories and pages, or a tab window, and
// gives the toolkit's dialog look through a CGTDlgImpl.
#pragma once
#include <afxcmn.h>
#include <afxdlgs.h>
#include <guitoolkit/controls/CGTDlgImpl.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTPropertyPage.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <memory>

class CGTPropertySheet;

// A node of the sheet's tree: it owns its sub-categories, and deleting it takes its pages out
// of the sheet.
class CGTPropSheetCategory : public CObject {
    DECLARE_DYNAMIC(CGTPropSheetCategory)
public:
    // A selected icon of -1 is the icon itself.
    CGTPropSheetCategory(const CString& iName, int iIcon, int iSelectedIcon, CGTPropSheetCategory* iParent,
                         CGTPropertySheet& iSheet);
    ~CGTPropSheetCategory() override;

    CString m_Name;
    int m_Icon;
    int m_SelectedIcon;
    CGTPropSheetCategory* m_Parent;
    HTREEITEM m_TreeItem;
    // Owned.
    CObList m_SubCategories;
    CObList m_Pages;
    // The item of the child through which a page under this category was last reached.
    HTREEITEM m_LastSelectedItem;
    CGTPropertySheet& m_Sheet;
};

// The sheet's tab-window navigation: a tab shows its page over the tab window's area.
class CGTPropSheetTab : public CGTTabWnd {
    DECLARE_DYNAMIC(CGTPropSheetTab)
public:
    CGTPropSheetTab();

    BOOL SetActiveTab(int iIndex) override;

    CGTPropertySheet* m_Sheet;
};

// The sheet's outlook navigation: a button per page, in the pages' order.
class CGTPropSheetPane : public CGTOutlookBarPane {
    DECLARE_DYNAMIC(CGTPropSheetPane)
public:
    CGTPropSheetPane();

    BOOL TakesButtonCommand(CGTToolbarButton* iButton) override;

    CGTPropertySheet* m_Sheet;
};

class CGTPropertySheet : public CPropertySheet {
    DECLARE_DYNAMIC(CGTPropertySheet)
public:
    // Navigation styles.
    enum : int {
        platformTabs = 0,
        outlookBar = 1,
        tree = 2,
        tabWindow = 3
    };
    enum : UINT {
        treeId = 101,
        tabWindowId = 102,
        outlookBarId = 0xE800
    };

    CGTPropertySheet();
    explicit CGTPropertySheet(UINT iCaptionId, CWnd* iParent = nullptr, UINT iSelectPage = 0);
    ~CGTPropertySheet() override;

    // Before the sheet window is created.
    void SetNavigationStyle(int iStyle, int iWidth = 100);
    int GetNavigationStyle() const { return m_NavigationStyle; }
    int GetNavigationWidth() const { return m_NavigationWidth; }
    void SetIconsList(HIMAGELIST iImages);
    // FALSE when the bitmap cannot be loaded; a mask colour of -1 means none.
    BOOL LoadNavigationIcons(UINT iBitmapId, int iIconWidth, COLORREF iMask = RGB(255, 0, 255));
    CImageList& GetIconsList() { return m_Icons; }

    void AddPage(CPropertyPage* iPage);
    void RemovePage(CPropertyPage* iPage);
    void RemovePage(int iPage);
    CGTPropSheetCategory* AddTreeCategory(const CString& iName, int iIcon = -1, int iSelectedIcon = -1,
                                          CGTPropSheetCategory* iParent = nullptr);
    void AddPageToCategory(CGTPropSheetCategory* iCategory, CGTPropertyPage* iPage, int iIcon = -1,
                           int iSelectedIcon = -1);

    // Null for the platform's tabs.
    virtual CWnd* CreateNavigation();
    virtual void OnActivatePage(CPropertyPage* iPage);
    virtual void OnRemoveTreePage(CPropertyPage* iPage);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* iMsg) override;

    CTreeCtrl& GetNavigationTree() { return m_Tree; }
    CGTPropSheetTab& GetNavigationTab() { return m_TabWnd; }
    CGTPropSheetPane* GetPageButtons() const { return m_PageButtons.get(); }
    // A category that goes: its pages leave the sheet, its item the tree, itself its parent.
    void ForgetCategory(CGTPropSheetCategory& iCategory);

protected:
    // Posted to highlight the active page's outlook button once the page has changed.
    enum : UINT {
        highlightPageButtonMessage = WM_USER + 1001
    };

    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg BOOL OnNcActivate(BOOL iActive);
    afx_msg LRESULT OnHighlightPageButton(WPARAM iWParam, LPARAM iLParam);
    afx_msg void OnTreeSelChanged(NMHDR* iHeader, LRESULT* oResult);
    afx_msg void OnTreeGetDispInfo(NMHDR* iHeader, LRESULT* oResult);
    DECLARE_MESSAGE_MAP()

    int m_NavigationStyle;
    CGTOutlookBar m_OutlookBar;
    std::unique_ptr<CGTPropSheetPane> m_PageButtons;
    CGTPropSheetTab m_TabWnd;
    CTreeCtrl m_Tree;
    int m_NavigationWidth;
    int m_HighlightedPage;
    CImageList m_Icons;
    BOOL m_IconsHaveAlpha;
    // Owned.
    CObList m_Categories;
    BOOL m_TreeChangesPage;
    // The page whose activation is under way: the platform names it active only afterwards.
    CPropertyPage* m_ActivatingPage;
    CGTDlgImpl m_DlgImpl;

private:
    void AddNavigationItem(int iPage);
    void InsertCategoryItem(CGTPropSheetCategory& iCategory);
    HTREEITEM InsertTreeItem(const CString& iLabel, CObject* iData, CGTPropSheetCategory* iParent);
    CString PageLabel(int iPage) const;
    CPropertyPage* CurrentPage() const;
    CWnd* CreateOutlookNavigation();
    CWnd* CreateTreeNavigation();
    CWnd* CreateTabNavigation();
    void PlaceTabWindow();
    void PlaceNavigationStrip(CWnd& ioNavigation);
    void PlaceButtons();
    // The page a category leads to: the one last reached under it, else the first page of
    // its first leaf category.
    CPropertyPage* PageUnder(const CGTPropSheetCategory& iCategory) const;
    void RememberPath(HTREEITEM iPageItem, CGTPropSheetCategory* iCategory);
    void ExpandCategoryPath(CGTPropSheetCategory* iCategory, UINT iCode);
    void RedrawTreeItem(HTREEITEM iItem);
    void OnTreeSelected(HTREEITEM iItem);
};
