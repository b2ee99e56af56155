#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <vector>
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

// A group's record brings back its tree and its panes, found by id through the frame's dock
// manager, in their order.
TEST(BarContainerManager, RecordRoundTripsThroughTheDockManager)
{
    PaneGroup group;
    CGTSlider* source = CGTSlider::CreateDefaultSlider(GTSideLeft, &group.frame);
    CGTSlider* target = CGTSlider::CreateDefaultSlider(GTSideLeft, &group.frame);
    CGTBarContainerManager& saved = *source->GetContainerManager();
    TestPane& a = group.NewPane(CRect(0, 0, 300, 200));
    TestPane& b = group.NewPane(CRect(0, 0, 300, 200));
    TestPane& c = group.NewPane(CRect(0, 0, 300, 200));
    saved.AddControlBar(&a);
    saved.InsertControlBar(&b, &a, GTSideRight);
    saved.InsertControlBar(&c, &b, GTSideBottom);
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        saved.Serialize(store);
    }
    file.SeekToBegin();
    CGTBarContainerManager& loaded = *target->GetContainerManager();
    {
        CArchive load(&file, CArchive::load);
        loaded.Serialize(load);
    }
    std::vector<CObject*> order;
    for (POSITION at = loaded.GetBars().GetHeadPosition(); at != nullptr;)
        order.push_back(loaded.GetBars().GetNext(at));
    EXPECT_EQ((std::vector<CObject*>{&a, &b, &c}), order);
    EXPECT_EQ(saved.GetNodeCount(), loaded.GetNodeCount());
    BOOL left = TRUE;
    CGTBarContainer* node = loaded.FindContainerByBar(&c, left);
    ASSERT_NE(nullptr, node);
    EXPECT_FALSE(left);
    EXPECT_EQ(&b, node->m_LeftBar);
    ASSERT_NE(nullptr, node->m_Slider);
    EXPECT_TRUE(node->m_Slider->IsHorizontal());
}

TEST(BarContainerManager, RecordNeedsAFrameWithADockManager)
{
    PaneGroup group;
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        group.manager.Serialize(store);
    }
    file.SeekToBegin();
    CGTBarContainerManager loaded;
    loaded.Create(&group.frame, nullptr);
    CArchive load(&file, CArchive::load);
    try {
        loaded.Serialize(load);
        ADD_FAILURE() << "loaded";
    } catch (CArchiveException* error) {
        EXPECT_EQ(CArchiveException::genericException, error->m_cause);
        error->Delete();
    }
}

namespace {
// Two panes side by side in a group of their own, in a second frame.
struct FloatingGroup {
    FloatingGroup() : site(CRect(300, 200, 700, 500))
    {
        manager.Create(&site, nullptr);
        panes.push_back(std::make_unique<TestPane>(site, CRect(0, 0, 200, 150), 400));
        panes.push_back(std::make_unique<TestPane>(site, CRect(0, 0, 200, 150), 401));
        manager.AddControlBar(panes[0].get());
        manager.InsertControlBar(panes[1].get(), panes[0].get(), GTSideRight);
    }
    TestDockingFrame site;
    CGTBarContainerManager manager;
    std::vector<std::unique_ptr<TestPane>> panes;
};
}  // namespace

// A floating group docked beside a pane: its visible panes and sliders move over with a copy
// of its tree, beside the pane, after it in the list.
TEST(BarContainerManager, GroupDocksBesideAPane)
{
    PaneGroup group;
    TestPane& target = group.NewPane(CRect(0, 0, 300, 300));
    group.manager.AddControlBar(&target);
    FloatingGroup floating;
    ASSERT_TRUE(group.manager.AddContainerManager(&target, GTSideRight, &floating.manager, TRUE));
    std::vector<CObject*> order;
    for (POSITION at = group.manager.GetBars().GetHeadPosition(); at != nullptr;)
        order.push_back(group.manager.GetBars().GetNext(at));
    EXPECT_EQ((std::vector<CObject*>{&target, floating.panes[0].get(), floating.panes[1].get()}), order);
    EXPECT_TRUE(floating.manager.IsEmpty());
    for (auto& pane : floating.panes)
        EXPECT_EQ(&group.frame, pane->GetParent());
    EXPECT_EQ(2, group.manager.GetSliders().GetCount());
    EXPECT_EQ(target.Place().right + 4, floating.panes[0]->Place().left);
    EXPECT_EQ(floating.panes[0]->Place().right + 4, floating.panes[1]->Place().left);
    EXPECT_EQ(300, floating.panes[1]->Place().right);
}

TEST(BarContainerManager, EmptyGroupTakesAnotherGroupOver)
{
    PaneGroup group;
    CGTSlider* slider = CGTSlider::CreateDefaultSlider(GTSideLeft, &group.frame);
    CGTBarContainerManager& manager = *slider->GetContainerManager();
    FloatingGroup floating;
    CRect before;
    floating.panes[1]->GetWindowRect(&before);
    ASSERT_TRUE(manager.AddContainerManager(&floating.manager, TRUE));
    EXPECT_EQ(2, manager.GetBars().GetCount());
    EXPECT_EQ(1, manager.GetSliders().GetCount());
    EXPECT_TRUE(floating.manager.IsEmpty());
    CRect after;
    floating.panes[1]->GetWindowRect(&after);
    EXPECT_EQ(before, after);
    EXPECT_EQ(slider->GetSafeHwnd(), floating.panes[0]->GetDefaultSlider());
    EXPECT_FALSE(manager.AddContainerManager(&floating.manager, TRUE));
}
