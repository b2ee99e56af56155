#include <guitoolkit/toolbars/CGTKeyboardPage.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNAMIC(CGTKeyboardPage, CPropertyPage)

CGTKeyboardPage::CGTKeyboardPage(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus)
    : CPropertyPage(IDD_GT_KEYBOARD_PAGE), m_ParentFrame(iParentFrame), m_AutoSetFromMenus(iAutoSetFromMenus)
{
}
