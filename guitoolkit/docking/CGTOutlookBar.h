// A tabbed docking bar whose tabs are full-width page buttons stacked in a column around the
// active page. Its pages are usually outlook panes; other windows come wrapped in a
// CGTOutlookBarDockingPane. It keeps the custom pages it creates from its saved state
// ("VADEOutlookCustomPages").
#pragma once
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/docking/CGTOutlookBarPane.h>

class CGTOutlookScrollButton : public CGTButton {
    DECLARE_DYNCREATE(CGTOutlookScrollButton)
};

// The outlook bar's tab window.
class CGTOutlookWnd : public CGTBaseTabWnd {
    DECLARE_DYNCREATE(CGTOutlookWnd)
public:
    CGTOutlookWnd();

    BOOL Create(const RECT& iRect, CWnd* iParent, UINT iId);

protected:
    // -1: all.
    int m_PageButtonsShown;
    BOOL m_InRelayout;
    CGTOutlookScrollButton m_ScrollUp;
    CGTOutlookScrollButton m_ScrollDown;
    BOOL m_ScrollButtonsShown;
    CRect m_PageArea;
    int m_BorderWidth;
};

class CGTOutlookBar : public CGTBaseTabbedBar {
    DECLARE_SERIAL(CGTOutlookBar)
public:
    CGTOutlookBar();
    ~CGTOutlookBar() override;

protected:
    CObList m_CustomPages;
    CString m_Caption;
};

class CGTOutlookBarDockingPane : public CGTDockingCBWrapper {
    DECLARE_DYNCREATE(CGTOutlookBarDockingPane)
public:
    CGTOutlookBarDockingPane();
};
