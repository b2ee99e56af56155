// The customization sheet a page is shown in; null while the page stands in another sheet.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>

inline CGTToolbarCustomize* OwningCustomizeSheet(const CPropertyPage& iPage)
{
    return dynamic_cast<CGTToolbarCustomize*>(iPage.GetParentSheet());
}
