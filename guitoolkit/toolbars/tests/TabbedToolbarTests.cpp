#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/toolbars/CGTTabbedToolbar.h>
#include <gtest/gtest.h>
#include "ToolbarTestSupport.h"

TEST(TabbedToolbar, ItGrowsToItsLargestToolbarAndKeepsAHiddenTabHidden)
{
    StackFrame frame;
    frame.Create(nullptr, L"Tabbed toolbar");
    CGTTabbedToolbar tabbed;
    ASSERT_TRUE(tabbed.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 500, 1));
    LayoutBar narrow(frame, 100, {20, 20});
    narrow.SetWindowText(L"Narrow");
    LayoutBar wide(frame, 300, {60, 60, 60});
    wide.SetWindowText(L"Wide");

    EXPECT_TRUE(tabbed.AddTab(&narrow, TRUE, TRUE, FALSE));
    EXPECT_TRUE(tabbed.AddTab(&wide, FALSE, FALSE, FALSE));

    CGTTabWnd* tabs = tabbed.GetTabWnd();
    ASSERT_NE(nullptr, tabs);
    EXPECT_EQ(2, tabs->GetTabCount());
    EXPECT_EQ(0, tabs->GetActiveTab());
    EXPECT_FALSE(tabs->IsTabVisible(1));
    EXPECT_EQ(tabs, narrow.GetParent());
    EXPECT_EQ(0u, narrow.GetStyleWord() & CBRS_GRIPPER);
    const CSize largest = tabs->GetMaxWindowSize();
    EXPECT_EQ(wide.CalcFixedLayout(FALSE, TRUE), largest);
    CRect window;
    tabs->GetWindowRect(window);
    EXPECT_EQ(largest.cx + 2 * tabs->GetTabBorderSize(), window.Width());
    EXPECT_EQ(tabs->GetTabsHeight() + 2 * tabs->GetTabBorderSize() + largest.cy + 2, window.Height());
    CString label;
    tabs->GetTabLabel(1, label);
    EXPECT_EQ(CString(L"Wide"), label);
    frame.DestroyWindow();
}

TEST(TabbedToolbar, WithoutItsWindowItTakesNoTab)
{
    TestParent parent;
    LayoutBar bar(parent, 100, {20});
    CGTTabbedToolbar tabbed;
    EXPECT_FALSE(tabbed.AddTab(&bar, TRUE, TRUE, FALSE));
    EXPECT_EQ(nullptr, tabbed.GetTabWnd());
}
