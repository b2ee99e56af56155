// A page of the customization sheet: the options of all toolbars and menus.
#pragma once
#include <afxdlgs.h>

class CGTOptionsPage : public CPropertyPage {
    DECLARE_DYNAMIC(CGTOptionsPage)
public:
    explicit CGTOptionsPage(BOOL iFrameHasMenuBar);

protected:
    BOOL m_FrameHasMenuBar;
};
