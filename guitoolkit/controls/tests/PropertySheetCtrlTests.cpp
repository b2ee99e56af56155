#include <guitoolkit/controls/CPropertySheetCtrl.h>
#include <gtest/gtest.h>
#include "ControlsTestSupport.h"

// The sheet fills its place inside a dialog, and its pages follow when it changes size.
TEST(PropertySheetCtrl, PagesFillTheSheet)
{
    ParentWindow parent(CRect(0, 0, 500, 400), WS_POPUP);
    CPropertyPage first(900);
    CPropertyPage second(900);
    CPropertySheetCtrl sheet;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ASSERT_TRUE(sheet.Create(&parent, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0));
    EXPECT_TRUE(sheet.GetExStyle() & WS_EX_CONTROLPARENT);

    const int edgeWidth = ::GetSystemMetrics(SM_CXEDGE);
    const int edgeHeight = ::GetSystemMetrics(SM_CYEDGE);
    for (const CSize size : {CSize(300, 200), CSize(420, 330)}) {
        sheet.SetWindowPos(nullptr, 10, 10, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect client, tabs, page;
        sheet.GetClientRect(client);
        sheet.GetTabControl()->GetWindowRect(tabs);
        sheet.ScreenToClient(tabs);
        EXPECT_EQ(client, tabs);
        first.GetWindowRect(page);
        sheet.ScreenToClient(page);
        EXPECT_EQ(client.Width() - 3 * edgeWidth, page.Width());
        EXPECT_EQ(client.Height() - page.top - edgeHeight, page.Height());
    }
    sheet.DestroyWindow();
}
