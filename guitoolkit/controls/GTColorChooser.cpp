#include <guitoolkit/controls/GTColorChooser.h>
#include <afxdlgs.h>

BOOL CGTColorChooser::Choose(COLORREF iInitial, BOOL, CWnd* iParent, COLORREF& oColor) const
{
    CColorDialog dialog(iInitial, CC_FULLOPEN | CC_ANYCOLOR, iParent);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    oColor = dialog.GetColor();
    return TRUE;
}
