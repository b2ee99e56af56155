// The property-sheet issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTPropertySheet.h>

IMPLEMENT_DYNCREATE(CGTPropertyPage, CPropertyPage)
IMPLEMENT_DYNAMIC(CGTPropSheetCategory, CObject)
IMPLEMENT_DYNAMIC(CGTPropSheetTab, CGTTabWnd)
IMPLEMENT_DYNAMIC(CGTPropSheetPane, CGTOutlookBarPane)
IMPLEMENT_DYNAMIC(CGTPropertySheet, CPropertySheet)

CGTPropertyPage::CGTPropertyPage()
    : m_DlgImpl(*this), m_Category(nullptr), m_Icon(-1), m_SelectedIcon(-1), m_TreeItem(nullptr)
{
}

CGTPropertyPage::CGTPropertyPage(UINT iTemplateId, UINT iCaptionId)
    : CPropertyPage(iTemplateId, iCaptionId), m_DlgImpl(*this), m_Category(nullptr), m_Icon(-1), m_SelectedIcon(-1),
      m_TreeItem(nullptr)
{
}

CGTPropertyPage::~CGTPropertyPage() = default;

CGTPropSheetCategory::CGTPropSheetCategory(const CString& iName, int iIcon, int iSelectedIcon,
                                           CGTPropSheetCategory* iParent, CGTPropertySheet& iSheet)
    : m_Name(iName), m_Icon(iIcon), m_SelectedIcon(iSelectedIcon == -1 ? iIcon : iSelectedIcon), m_Parent(iParent),
      m_TreeItem(nullptr), m_SubCategories(10), m_Pages(10), m_LastSelectedItem(nullptr), m_Sheet(iSheet)
{
}

CGTPropSheetCategory::~CGTPropSheetCategory()
{
    while (!m_SubCategories.IsEmpty())
        delete m_SubCategories.RemoveHead();
}

CGTPropSheetTab::CGTPropSheetTab() : m_Sheet(nullptr) {}

CGTPropSheetPane::CGTPropSheetPane() : m_Sheet(nullptr) {}

CGTPropertySheet::CGTPropertySheet()
    : m_NavigationStyle(platformTabs), m_PageButtons(nullptr), m_NavigationWidth(100), m_HighlightedPage(-1),
      m_IconsHaveAlpha(FALSE), m_Categories(10), m_TreeChangesPage(FALSE), m_DlgImpl(*this)
{
}

CGTPropertySheet::CGTPropertySheet(UINT iCaptionId, CWnd* iParent, UINT iSelectPage)
    : CPropertySheet(iCaptionId, iParent, iSelectPage), m_NavigationStyle(platformTabs), m_PageButtons(nullptr),
      m_NavigationWidth(100), m_HighlightedPage(-1), m_IconsHaveAlpha(FALSE), m_Categories(10),
      m_TreeChangesPage(FALSE), m_DlgImpl(*this)
{
}

CGTPropertySheet::~CGTPropertySheet()
{
    while (!m_Categories.IsEmpty())
        delete m_Categories.RemoveHead();
}

CWnd* CGTPropertySheet::CreateNavigation()
{
    return nullptr;
}

void CGTPropertySheet::OnActivatePage(CPropertyPage*) {}

void CGTPropertySheet::OnRemoveTreePage(CPropertyPage*) {}
