// The toolbar demo: a frame with a toolbar along its top, loaded from the test resources'
// toolbar and its images. The frame places the bar by the bar's fixed layout and counts the
// commands it gets.
#pragma once
#include <guitoolkit/toolbars/tests/TopToolBarFrame.h>
#include <map>
#include "GtToolbarsTestIds.h"

// The demo's bar; shows its tooltip window.
class DemoToolBar : public CGTToolBar {
public:
    HWND TooltipWindow() const { return m_Tooltip.GetSafeHwnd(); }
};

class ToolBarDemoFrame : public TopToolBarFrame<DemoToolBar> {
public:
    // The window and its bar, shown at the given place of the screen.
    BOOL CreateDemo(const CRect& iRect);
    int CommandCount(UINT iCommandId) const;

protected:
    afx_msg void OnDay() { Count(ID_GT_TEST_FIRST); }
    afx_msg void OnWeek() { Count(ID_GT_TEST_SECOND); }
    afx_msg void OnMonth() { Count(ID_GT_TEST_THIRD); }
    DECLARE_MESSAGE_MAP()

private:
    void Count(UINT iCommandId) { ++m_Commands[iCommandId]; }

    std::map<UINT, int> m_Commands;
};
