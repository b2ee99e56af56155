// The popup menu demo: a frame with a toolbar whose first button drops down a menu of
// reports (with a sub-menu of more), over the toolbar buttons of the test resources. Like
// the toolkit's frames it hands keys to the open popup menu; it counts the commands it gets.
#pragma once
#include <guitoolkit/toolbars/tests/TopToolBarFrame.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <map>
#include "GtToolbarsTestIds.h"

class PopupDemoFrame : public TopToolBarFrame<> {
public:
    // The window and its bar, shown at the given place of the screen.
    BOOL CreateDemo(const CRect& iRect);
    int CommandCount(UINT iCommandId) const;
    CGTToolbarMenuButton& ReportsButton() const { return *static_cast<CGTToolbarMenuButton*>(m_ToolBar.GetButton(0)); }

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override;
    afx_msg void OnDay() { Count(ID_GT_TEST_FIRST); }
    afx_msg void OnWeek() { Count(ID_GT_TEST_SECOND); }
    afx_msg void OnMonth() { Count(ID_GT_TEST_THIRD); }
    DECLARE_MESSAGE_MAP()

private:
    void Count(UINT iCommandId) { ++m_Commands[iCommandId]; }

    std::map<UINT, int> m_Commands;
};
