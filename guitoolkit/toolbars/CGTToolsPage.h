// A page of the customization sheet: the user's external tools.
#pragma once
#include <afxdlgs.h>

class CGTToolsPage : public CPropertyPage {
    DECLARE_DYNAMIC(CGTToolsPage)
public:
    CGTToolsPage();
};
