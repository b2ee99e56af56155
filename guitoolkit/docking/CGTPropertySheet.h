// The toolkit's property sheet and page: besides the platform's row of tabs, the sheet can
// choose its pages through an outlook bar of page buttons, a tree of categories and pages, or
// a tab window, and both give the toolkit's dialog look through a CGTDlgImpl.
#pragma once
#include <afxcmn.h>
#include <afxdlgs.h>
#include <guitoolkit/controls/CGTDlgImpl.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTTabWnd.h>

class CGTPropertySheet;
class CGTPropSheetCategory;

class CGTPropertyPage : public CPropertyPage {
    DECLARE_DYNCREATE(CGTPropertyPage)
public:
    CGTPropertyPage();
    explicit CGTPropertyPage(UINT iTemplateId, UINT iCaptionId = 0);
    ~CGTPropertyPage() override;

    CGTDlgImpl m_DlgImpl;
    CGTPropSheetCategory* m_Category;
    int m_Icon;
    int m_SelectedIcon;
    HTREEITEM m_TreeItem;
};

class CGTPropSheetCategory : public CObject {
    DECLARE_DYNAMIC(CGTPropSheetCategory)
public:
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
    HTREEITEM m_LastSelectedItem;
    CGTPropertySheet& m_Sheet;
};

class CGTPropSheetTab : public CGTTabWnd {
    DECLARE_DYNAMIC(CGTPropSheetTab)
public:
    CGTPropSheetTab();

    CGTPropertySheet* m_Sheet;
};

class CGTPropSheetPane : public CGTOutlookBarPane {
    DECLARE_DYNAMIC(CGTPropSheetPane)
public:
    CGTPropSheetPane();

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

    CGTPropertySheet();
    explicit CGTPropertySheet(UINT iCaptionId, CWnd* iParent = nullptr, UINT iSelectPage = 0);
    ~CGTPropertySheet() override;

    // Null for the platform's tabs.
    virtual CWnd* CreateNavigation();
    virtual void OnActivatePage(CPropertyPage* iPage);
    virtual void OnRemoveTreePage(CPropertyPage* iPage);

protected:
    int m_NavigationStyle;
    CGTOutlookBar m_OutlookBar;
    CGTPropSheetPane* m_PageButtons;
    CGTPropSheetTab m_TabWnd;
    CTreeCtrl m_Tree;
    int m_NavigationWidth;
    int m_HighlightedPage;
    CImageList m_Icons;
    BOOL m_IconsHaveAlpha;
    // Owned.
    CObList m_Categories;
    BOOL m_TreeChangesPage;
    CGTDlgImpl m_DlgImpl;
};
