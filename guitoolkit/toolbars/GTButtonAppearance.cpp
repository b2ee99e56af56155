#include <guitoolkit/toolbars/GTButtonAppearance.h>
#include <guitoolkit/toolbars/CButtonAppearanceDlg.h>

BOOL CGTButtonAppearance::Edit(CGTToolbarButton& ioButton, CGTToolBarImages* iUserImages, CWnd* iParent,
                               BOOL iMenuMode) const
{
    CButtonAppearanceDlg dialog(&ioButton, iUserImages, iParent, 0, iMenuMode);
    return dialog.DoModal() == IDOK;
}
