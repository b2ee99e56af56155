#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <gtest/gtest.h>
#include "PaneTestSupport.h"

namespace {
struct ShareCase {
    const char* name;
    CRect left;
    CRect right;
    int rightShare;
    int newWidth;
    int leftWidth;
    int rightWidth;
};

void Layout(CGTBarContainer& ioNode, CRect iRect)
{
    HDWP defer = ::BeginDeferWindowPos(4);
    ioNode.ResizeContainer(iRect, defer, TRUE);
    ::EndDeferWindowPos(defer);
}
}  // namespace

// Growth goes mostly to the smaller side, shrinkage comes mostly from the larger one; a
// broken split is re-derived from the remembered share, 0 and 100 % counting as 50.
TEST(BarContainerLayout, SharesSpaceByTheShareRule)
{
    const ShareCase cases[] = {
        {"70/30 grown by 100", CRect(0, 0, 140, 100), CRect(144, 0, 200, 100), 50, 300, 170, 126},
        {"70/30 shrunk by 100", CRect(0, 0, 140, 100), CRect(144, 0, 200, 100), 50, 100, 70, 26},
        {"no extent yet", CRect(0, 0, 0, 100), CRect(0, 0, 0, 100), 100, 200, 100, 96},
        {"overlapping, right share 30", CRect(0, 0, 200, 100), CRect(0, 0, 200, 100), 30, 200, 140, 56},
        {"overlapping, right share 100", CRect(0, 0, 200, 100), CRect(0, 0, 200, 100), 100, 200, 100, 96},
        {"overlapping, right share 0", CRect(0, 0, 200, 100), CRect(0, 0, 200, 100), 0, 200, 100, 96},
    };
    for (const ShareCase& each : cases) {
        PaneGroup group;
        TestPane& left = group.NewPane(each.left);
        TestPane& right = group.NewPane(each.right);
        right.SetContainerShare(each.rightShare);
        CGTBarContainer& node = group.Node(left, right);
        Layout(node, CRect(0, 0, each.newWidth, 100));
        EXPECT_EQ(each.leftWidth, left.Place().Width()) << each.name;
        EXPECT_EQ(each.rightWidth, right.Place().Width()) << each.name;
        EXPECT_EQ(left.Place().right + 4, right.Place().left) << each.name;
        EXPECT_EQ(each.newWidth, right.Place().right) << each.name;
    }
}

TEST(BarContainerLayout, MinimumSizesHoldAndTheLeftSideWins)
{
    struct {
        CSize leftMinimum, rightMinimum;
        int leftWidth, rightWidth;
    } const cases[] = {
        {CSize(0, 0), CSize(100, 0), 96, 100},
        {CSize(150, 0), CSize(0, 0), 150, 46},
        {CSize(150, 0), CSize(100, 0), 150, 46},
    };
    for (const auto& each : cases) {
        PaneGroup group;
        TestPane& left = group.NewPane(CRect(0, 0, 140, 100), each.leftMinimum);
        TestPane& right = group.NewPane(CRect(144, 0, 200, 100), each.rightMinimum);
        Layout(group.Node(left, right), CRect(0, 0, 200, 100));
        EXPECT_EQ(each.leftWidth, left.Place().Width());
        EXPECT_EQ(each.rightWidth, right.Place().Width());
    }
}

TEST(BarContainerLayout, HiddenSideGivesAllToTheOtherAndHidesTheSlider)
{
    PaneGroup group;
    TestPane& left = group.NewPane(CRect(0, 0, 140, 100));
    TestPane& right = group.NewPane(CRect(144, 0, 200, 100));
    CGTBarContainer& node = group.Node(left, right);
    left.ShowWindow(SW_HIDE);
    Layout(node, CRect(0, 0, 300, 100));
    node.CheckSliderVisibility();
    EXPECT_EQ(CRect(0, 0, 300, 100), right.Place());
    EXPECT_FALSE(node.m_Slider->GetStyle() & WS_VISIBLE);
    left.ShowWindow(SW_SHOW);
    node.CheckSliderVisibility();
    EXPECT_TRUE(node.m_Slider->GetStyle() & WS_VISIBLE);
}

TEST(BarContainerLayout, ZeroSizeBarCountsAsItsMinimum)
{
    PaneGroup group;
    TestPane& pane = group.NewPane(CRect(10, 10, 10, 10), CSize(30, 40));
    CGTBarContainer node(&group.manager, &pane);
    CRect rect;
    node.GetContainerRect(rect);
    EXPECT_EQ(CSize(30, 40), rect.Size());
}

// A root with A on the left and, on the right, a node of B beside a node of C and D.
struct ThreeLevels {
    ThreeLevels()
        : a(group.NewPane(CRect(0, 0, 100, 100))), b(group.NewPane(CRect(104, 0, 200, 100))),
          c(group.NewPane(CRect(204, 0, 300, 100))), d(group.NewPane(CRect(304, 0, 400, 100)))
    {
        CGTBarContainerManager& manager = group.manager;
        manager.AddControlBar(&a);
        manager.InsertControlBar(&b, &a, GTSideRight);
        manager.InsertControlBar(&c, &b, GTSideRight);
        manager.InsertControlBar(&d, &c, GTSideRight);
    }
    CGTBarContainer& NodeOf(TestPane& iPane)
    {
        BOOL left = FALSE;
        return *group.manager.FindContainerByBar(&iPane, left);
    }

    PaneGroup group;
    TestPane &a, &b, &c, &d;
};

TEST(BarContainerTree, ReferencedNodeIsNotCollapsed)
{
    ThreeLevels tree;
    CGTBarContainer& deepest = tree.NodeOf(tree.d);
    CGTBarContainer* above = deepest.m_Parent;
    ASSERT_NE(nullptr, above);
    ASSERT_NE(nullptr, above->m_Parent);
    deepest.AddRef();
    ASSERT_TRUE(tree.group.manager.RemoveControlBarFromContainer(&tree.d));
    deepest.CollapseNode();
    EXPECT_FALSE(deepest.m_QueuedForDeletion);
    EXPECT_EQ(&deepest, above->m_RightContainer);
    EXPECT_EQ(0, deepest.Release());
    EXPECT_TRUE(deepest.m_QueuedForDeletion);
    EXPECT_EQ(&tree.c, above->m_RightBar);
    EXPECT_EQ(nullptr, above->m_RightContainer);
}

TEST(BarContainerTree, CopyTreeTakesTheVisibleBarsAndTheSlider)
{
    PaneGroup group;
    TestPane& shown = group.NewPane(CRect(0, 0, 100, 100));
    TestPane& hidden = group.NewPane(CRect(104, 0, 200, 100));
    CGTBarContainer& node = group.Node(shown, hidden);
    hidden.ShowWindow(SW_HIDE);
    CGTSlider* slider = node.m_Slider;
    std::unique_ptr<CGTBarContainer> copy(node.CopyTree(nullptr));
    EXPECT_EQ(&shown, copy->m_LeftBar);
    EXPECT_EQ(nullptr, copy->m_RightBar);
    EXPECT_EQ(nullptr, node.m_LeftBar);
    EXPECT_EQ(&hidden, node.m_RightBar);
    EXPECT_EQ(slider, copy->m_Slider);
    EXPECT_EQ(nullptr, node.m_Slider);
    EXPECT_EQ(static_cast<int>(CGTSlider::verticalStyle), node.m_SavedSliderStyle & 3);
    EXPECT_EQ(CRect(100, 0, 104, 100), node.m_SavedSliderRect);
}

// Removing the last bar of a node gives its space, and the slider's beside it, to what the
// nearest non-empty ancestor still holds: the panes tile the area without gap or overlap.
TEST(BarContainerTree, RemovedPaneSpaceGoesToTheNearestAncestor)
{
    ThreeLevels tree;
    CRect before;
    tree.group.manager.GetWindowRect(before);
    tree.group.manager.RemoveControlBarFromContainer(&tree.d);
    tree.group.manager.RemoveControlBarFromContainer(&tree.c);
    CRect after;
    tree.group.manager.GetWindowRect(after);
    EXPECT_EQ(before, after);
    EXPECT_EQ(tree.a.Place().right + 4, tree.b.Place().left);
    EXPECT_EQ(before.Width(), tree.a.Place().Width() + 4 + tree.b.Place().Width());
}

TEST(BarContainerTree, ThreeLevelTreeRoundTrips)
{
    ThreeLevels tree;
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        tree.group.manager.GetRoot()->Serialize(store);
    }
    file.SeekToBegin();
    CGTBarContainerManager loaded;
    loaded.Create(&tree.group.frame, nullptr);
    {
        CArchive load(&file, CArchive::load);
        loaded.GetRoot()->Serialize(load);
    }
    EXPECT_EQ(tree.group.manager.GetNodeCount(), loaded.GetNodeCount());
    for (TestPane* pane : {&tree.a, &tree.b, &tree.c, &tree.d})
        EXPECT_TRUE(loaded.GetRoot()->SetUpByID(pane->GetDlgCtrlID(), pane));
    BOOL left = FALSE;
    CGTBarContainer* node = loaded.FindContainerByBar(&tree.d, left);
    ASSERT_NE(nullptr, node);
    EXPECT_FALSE(left);
    EXPECT_EQ(&tree.c, node->m_LeftBar);
    ASSERT_NE(nullptr, node->m_Slider);
    EXPECT_EQ(tree.NodeOf(tree.d).m_Slider->GetDlgCtrlID(), node->m_Slider->GetDlgCtrlID());
    EXPECT_EQ(3, loaded.GetSliders().GetCount());
}

namespace {
// A serializable object that is no tabbed pane.
class NotATabbedPane : public CObject {
    DECLARE_SERIAL(NotATabbedPane)
public:
    void Serialize(CArchive&) override {}
};
IMPLEMENT_SERIAL(NotATabbedPane, CObject, 1)
}  // namespace

// A tabbed pane without tabs is written as no bar, and the group counts only the entries it
// writes; an object of another class where a tabbed pane must stand is refused unmade.
TEST(BarContainerRecord, TabbedPanesAreWrittenOnlyWithTabsAndReadOnlyAsTabbedPanes)
{
    PaneGroup group;
    TestPane& pane = group.NewPane(CRect(0, 0, 100, 100));
    auto* tabbed = new CGTTabbedControlBar;
    ASSERT_TRUE(
        tabbed->Create(L"", &group.frame, CRect(104, 0, 200, 100), TRUE, static_cast<UINT>(-1), WS_CHILD | WS_VISIBLE));
    ASSERT_EQ(0, tabbed->CountTabs());
    group.manager.AddControlBar(&pane);
    group.manager.AddToBarList(tabbed);
    group.manager.GetRoot()->SetBar(tabbed, FALSE);
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        group.manager.Serialize(store);
    }
    file.SeekToBegin();
    {
        CArchive load(&file, CArchive::load);
        int left = 0, right = -2, slider = -1, leftChild = -1, rightChild = -1, count = 0, id = 0;
        load >> left >> right >> slider >> leftChild >> rightChild >> count >> id;
        EXPECT_EQ(pane.GetDlgCtrlID(), left);
        EXPECT_EQ(0, right);
        EXPECT_EQ(0, slider);
        EXPECT_EQ(1, count);
        EXPECT_EQ(pane.GetDlgCtrlID(), id);
        EXPECT_THROW(load >> id, CArchiveException*);
    }
    tabbed->DestroyWindow();

    CMemFile wrong;
    {
        CArchive store(&wrong, CArchive::store);
        NotATabbedPane other;
        store << -1 << 0;
        store.WriteObject(&other);
        store << DWORD(WS_CHILD);
    }
    wrong.SeekToBegin();
    CWnd* before = group.frame.GetWindow(GW_CHILD);
    CArchive load(&wrong, CArchive::load);
    CGTBarContainer node(&group.manager);
    try {
        node.Serialize(load);
        ADD_FAILURE() << "read";
    } catch (CException* any) {
        CArchiveException* error = dynamic_cast<CArchiveException*>(any);
        ASSERT_NE(nullptr, error);
        EXPECT_EQ(CArchiveException::badClass, error->m_cause);
        error->Delete();
    }
    EXPECT_EQ(before, group.frame.GetWindow(GW_CHILD));
    EXPECT_EQ(nullptr, node.m_LeftBar);
}

// A positive offset grows a node at the edge that moves, on both axes; a slider across the
// stretch leaves it all to the side at that edge.
TEST(BarContainerLayout, StretchGrowsAtTheMovingEdgeOnBothAxes)
{
    struct {
        BOOL horizontal, farEdge;
        CRect single, left, right;
    } const cases[] = {
        {TRUE, TRUE, CRect(0, 0, 130, 100), CRect(0, 0, 100, 100), CRect(104, 0, 230, 100)},
        {TRUE, FALSE, CRect(-30, 0, 100, 100), CRect(-30, 0, 100, 100), CRect(104, 0, 200, 100)},
        {FALSE, TRUE, CRect(0, 0, 100, 130), CRect(0, 0, 100, 130), CRect(104, 0, 200, 130)},
        {FALSE, FALSE, CRect(0, -30, 100, 100), CRect(0, -30, 100, 100), CRect(104, -30, 200, 100)},
    };
    for (const auto& each : cases) {
        PaneGroup group;
        TestPane& single = group.NewPane(CRect(0, 0, 100, 100));
        CGTBarContainer alone(&group.manager, &single);
        HDWP none = nullptr;
        EXPECT_EQ(30, alone.StretchContainer(30, each.horizontal, each.farEdge, TRUE, none));
        EXPECT_EQ(each.single, single.Place());

        TestPane& left = group.NewPane(CRect(0, 0, 100, 100));
        TestPane& right = group.NewPane(CRect(104, 0, 200, 100));
        CGTBarContainer& node = group.Node(left, right);
        node.StretchContainer(30, each.horizontal, each.farEdge, TRUE, none);
        EXPECT_EQ(each.left, left.Place()) << each.horizontal << each.farEdge;
        EXPECT_EQ(each.right, right.Place()) << each.horizontal << each.farEdge;
    }
}

TEST(BarContainerManager, StretchIsHorizontalForDirectionsOneAndTwoOnly)
{
    for (const auto& [direction, expected] :
         {std::pair{1, CRect(0, 0, 120, 100)}, std::pair{2, CRect(0, 0, 120, 100)}, std::pair{3, CRect(0, 0, 100, 120)},
          std::pair{0, CRect(0, 0, 100, 120)}}) {
        PaneGroup group;
        TestPane& pane = group.NewPane(CRect(0, 0, 100, 100));
        group.manager.AddControlBar(&pane);
        HDWP none = nullptr;
        group.manager.StretchBarContainers(direction, TRUE, 20, none);
        EXPECT_EQ(expected, pane.Place()) << direction;
    }
}

// Taken to another parent, panes stay where they are on the screen; sliders only change parent.
TEST(BarContainerManager, ReparentedPanesKeepTheirPlaceOnTheScreen)
{
    PaneGroup group;
    TestDockingFrame other(CRect(200, 150, 700, 500));
    TestPane& shown = group.NewPane(CRect(10, 20, 110, 120));
    TestPane& hidden = group.NewPane(CRect(120, 20, 220, 120));
    hidden.ShowWindow(SW_HIDE);
    CGTSlider* slider = group.manager.CreateSlider(CRect(110, 20, 114, 120), CGTSlider::verticalStyle);
    CObList windows;
    windows.AddTail(&shown);
    windows.AddTail(&hidden);
    windows.AddTail(slider);
    CRect before;
    shown.GetWindowRect(&before);
    CGTBarContainerManager::ReparentBars(windows, &other, TRUE);
    CRect after;
    shown.GetWindowRect(&after);
    EXPECT_EQ(&other, shown.GetParent());
    EXPECT_EQ(before, after);
    EXPECT_TRUE(shown.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(&group.frame, hidden.GetParent());
    EXPECT_EQ(&other, slider->GetParent());
    CRect sliderPlace;
    slider->GetWindowRect(&sliderPlace);
    other.ScreenToClient(&sliderPlace);
    EXPECT_EQ(CRect(110, 20, 114, 120), sliderPlace);
    shown.SetParent(&group.frame);
    slider->SetParent(&group.frame);
}
