// A page of the customization sheet: the frame's menus and the registered context menus, edited by drag and drop, and
// the menu animation and shadow options.
#pragma once
#include <afxdlgs.h>

class CGTMenuPage : public CPropertyPage {
    DECLARE_DYNAMIC(CGTMenuPage)
public:
    CGTMenuPage(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus);

protected:
    CFrameWnd* m_ParentFrame;
    BOOL m_AutoSetFromMenus;
};
