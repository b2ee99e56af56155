#include <gtest/gtest.h>
#include <set>
#include "PaneTestSupport.h"

TEST(BarContainerManager, PaneDockedBesideTakesHalfTheTargetAtMost)
{
    PaneGroup group;
    TestPane& target = group.NewPane(CRect(0, 0, 300, 200));
    TestPane& added = group.NewPane(CRect(0, 0, 400, 200));
    group.manager.AddControlBar(&target);
    ASSERT_TRUE(group.manager.InsertControlBar(&added, &target, GTSideRight));
    EXPECT_EQ(CRect(150, 0, 300, 200), added.Place());
    EXPECT_EQ(CRect(0, 0, 146, 200), target.Place());
    BOOL left = FALSE;
    CGTBarContainer* node = group.manager.FindContainerByBar(&added, left);
    ASSERT_NE(nullptr, node);
    EXPECT_FALSE(left);
    CRect slider;
    node->m_Slider->GetWindowRect(&slider);
    group.frame.ScreenToClient(&slider);
    EXPECT_EQ(CRect(146, 0, 150, 200), slider);
    EXPECT_FALSE(group.manager.InsertControlBar(&added, &group.NewPane(CRect()), GTSideLeft));
}

TEST(BarContainerManager, RightToLeftSwapsTheSides)
{
    PaneGroup group;
    group.frame.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    TestPane& target = group.NewPane(CRect(0, 0, 300, 200));
    TestPane& added = group.NewPane(CRect(0, 0, 100, 200));
    group.manager.AddControlBar(&target);
    ASSERT_TRUE(group.manager.InsertControlBar(&added, &target, GTSideLeft));
    BOOL left = TRUE;
    group.manager.FindContainerByBar(&added, left);
    EXPECT_FALSE(left);
}

TEST(BarContainerManager, SliderIdsNeverRepeat)
{
    PaneGroup group;
    CGTBarContainerManager::s_NextSliderId = 1;
    const CRect rect(0, 0, 4, 100);
    std::set<int> ids;
    for (int asked : {7, -1, 8, -1, 3})
        ids.insert(group.manager.CreateSlider(rect, CGTSlider::verticalStyle, asked)->GetDlgCtrlID());
    EXPECT_EQ((std::set<int>{3, 7, 8, 9, 10}), ids);
}

TEST(BarContainerManager, DefaultSliderOfABottomGroupGrowsItUpwardToItsMinimum)
{
    PaneGroup group;
    CGTSlider* slider = CGTSlider::CreateDefaultSlider(GTSideBottom, &group.frame);
    ASSERT_NE(nullptr, slider);
    CGTBarContainerManager& manager = *slider->GetContainerManager();
    TestPane& pane = group.NewPane(CRect(0, 300, 600, 400), CSize(0, 50));
    manager.AddControlBar(&pane);
    for (const auto& [offset, top] : {std::pair{-50, 250}, std::pair{1000, 350}}) {
        HDWP defer = ::BeginDeferWindowPos(4);
        manager.OnSliderMove(slider, 0, offset, defer);
        ::EndDeferWindowPos(defer);
        EXPECT_EQ(CRect(0, top, 600, 400), pane.Place());
    }
}

TEST(BarContainerManager, PointsFindThePaneByItsEdgeBand)
{
    PaneGroup group;
    TestPane& pane = group.NewPane(CRect(100, 100, 300, 300));
    pane.EnableGripper(FALSE);
    group.manager.AddControlBar(&pane);
    CRect window;
    pane.GetWindowRect(&window);
    struct {
        CPoint point;
        BOOL exact;
        BOOL found;
    } const cases[] = {
        {window.CenterPoint(), TRUE, FALSE},
        {window.CenterPoint(), FALSE, TRUE},
        {window.TopLeft() + CSize(3, 50), TRUE, TRUE},
        {window.TopLeft() + CSize(-5, 50), TRUE, FALSE},
        {window.TopLeft() + CSize(-5, 50), FALSE, TRUE},
        {window.TopLeft() + CSize(-20, 50), FALSE, FALSE},
    };
    for (const auto& each : cases) {
        BOOL tab = TRUE, caption = TRUE;
        CGTDockingControlBar* found = group.manager.ControlBarFromPoint(each.point, 10, each.exact, tab, caption);
        EXPECT_EQ(each.found ? &pane : nullptr, found) << each.point.x << "," << each.point.y << " " << each.exact;
        EXPECT_FALSE(tab);
        EXPECT_FALSE(caption);
    }
}
