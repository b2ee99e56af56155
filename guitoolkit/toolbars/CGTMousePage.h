// A page of the customization sheet: the double-click command of each view the mouse manager knows.
#pragma once
#include <afxdlgs.h>

class CGTMousePage : public CPropertyPage {
    DECLARE_DYNAMIC(CGTMousePage)
public:
    CGTMousePage();
};
