#include <guitoolkit/toolbars/GTButtonAppearance.h>

// The dialog comes with the appearance module; until then every edit is cancelled.
BOOL CGTButtonAppearance::Edit(CGTToolbarButton&, CGTToolBarImages*, CWnd*, BOOL) const
{
    return FALSE;
}
