// The toolbars' demo: a frame with a menu bar made from the test resources' menu, a toolbar
// loaded from their toolbar whose first button drops down a menu of reports (with a
// sub-menu of more), and a status bar with a message pane and two indicators. The toolkit's
// frame window lays its bars out through the dock manager; this plain frame stacks them
// itself, by the heights they ask for. Like the toolkit's frames it hands keys to the open
// popup menu; it counts the commands it gets.
#pragma once
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <map>
#include "GtToolbarsTestIds.h"

// The demo's toolbar; shows its tooltip window.
class DemoToolBar : public CGTToolBar {
public:
    HWND TooltipWindow() const { return m_Tooltip.GetSafeHwnd(); }
};

// Where a button of a bar stands on the screen.
CRect OnScreen(CGTToolBar& iBar, int iIndex);

class ToolBarDemoFrame : public CFrameWnd {
public:
    // The window and its bars, shown at the given place of the screen.
    BOOL CreateDemo(const CRect& iRect);
    int CommandCount(UINT iCommandId) const;
    CGTToolbarMenuButton& ReportsButton() const { return *static_cast<CGTToolbarMenuButton*>(m_ToolBar.GetButton(0)); }
    // The customization sheet beside the frame, as the viewer opens it; null when it failed.
    CGTToolbarCustomize* OpenCustomizeSheet();
    // The menu bar and the toolbar along the top, the status bar along the bottom.
    void RecalcLayout(BOOL iNotify = TRUE) override;

    CGTMenuBar m_MenuBar;
    DemoToolBar m_ToolBar;
    CGTStatusBar m_StatusBar;

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override;
    afx_msg void OnDestroy();
    afx_msg void OnDay() { Count(ID_GT_TEST_FIRST); }
    afx_msg void OnWeek() { Count(ID_GT_TEST_SECOND); }
    afx_msg void OnMonth() { Count(ID_GT_TEST_THIRD); }
    afx_msg void OnOpen() { Count(ID_GT_TEST_OPEN); }
    DECLARE_MESSAGE_MAP()

private:
    void Count(UINT iCommandId) { ++m_Commands[iCommandId]; }

    std::map<UINT, int> m_Commands;
    // The frame's menu, which the menu bar shows.
    HMENU m_Menu = nullptr;
};
