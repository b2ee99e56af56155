#include <guitoolkit/toolbars/CGTMousePage.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNAMIC(CGTMousePage, CPropertyPage)

CGTMousePage::CGTMousePage() : CPropertyPage(IDD_GT_MOUSE_PAGE) {}
