#include <guitoolkit/toolbars/CGTOptionsPage.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNAMIC(CGTOptionsPage, CPropertyPage)

CGTOptionsPage::CGTOptionsPage(BOOL iFrameHasMenuBar)
    : CPropertyPage(IDD_GT_OPTIONS_PAGE), m_FrameHasMenuBar(iFrameHasMenuBar)
{
}
