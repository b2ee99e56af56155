#include <guitoolkit/toolbars/CGTToolsPage.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNAMIC(CGTToolsPage, CPropertyPage)

CGTToolsPage::CGTToolsPage() : CPropertyPage(IDD_GT_TOOLS_PAGE) {}
