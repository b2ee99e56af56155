#include <guitoolkit/docking/CGTReBar.h>

IMPLEMENT_DYNAMIC(CGTReBar, CGTControlBar)

CGTReBar::CGTReBar() = default;

CGTReBar::~CGTReBar() = default;

BOOL CGTReBar::Create(CWnd* iParent, DWORD iControlStyle, DWORD iStyle, UINT iId)
{
    const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&classes);
    return CreateWithBarStyle(REBARCLASSNAMEW, (iStyle & ~CBRS_ALL) | iControlStyle, iParent, iId, iStyle & CBRS_ALL);
}
