#include <guitoolkit/docking/CGTPropertySheet.h>

IMPLEMENT_DYNAMIC(CGTPropSheetCategory, CObject)

CGTPropSheetCategory::CGTPropSheetCategory(const CString& iName, int iIcon, int iSelectedIcon,
                                           CGTPropSheetCategory* iParent, CGTPropertySheet& iSheet)
    : m_Name(iName), m_Icon(iIcon), m_SelectedIcon(iSelectedIcon == -1 ? iIcon : iSelectedIcon), m_Parent(iParent),
      m_TreeItem(nullptr), m_SubCategories(10), m_Pages(10), m_LastSelectedItem(nullptr), m_Sheet(iSheet)
{
}

CGTPropSheetCategory::~CGTPropSheetCategory()
{
    while (!m_SubCategories.IsEmpty())
        delete m_SubCategories.GetHead();
    m_Sheet.ForgetCategory(*this);
}
