#include <guitoolkit/toolbars/CGTMenuPage.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNAMIC(CGTMenuPage, CPropertyPage)

CGTMenuPage::CGTMenuPage(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus)
    : CPropertyPage(IDD_GT_MENU_PAGE), m_ParentFrame(iParentFrame), m_AutoSetFromMenus(iAutoSetFromMenus)
{
}
