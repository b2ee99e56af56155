#include <gtest/gtest.h>
#include "PaneTestSupport.h"

namespace {
CGTBarContainerManager* GroupOf(const CGTDockingControlBar& iPane)
{
    CGTSlider* slider = iPane.GetDefaultSliderObject();
    return slider != nullptr ? slider->GetContainerManager() : nullptr;
}
}  // namespace

TEST(DockingPaneDock, DocksOnEachSideAndLeaves)
{
    for (DWORD side : {GTSideLeft, GTSideTop, GTSideRight, GTSideBottom}) {
        PaneFrame frame;
        TestPane pane(frame, CRect(0, 0, 120, 120), 300);
        ASSERT_TRUE(pane.DockToFrameWindow(side, nullptr, GTDockByMouse, nullptr, -1, FALSE)) << side;
        CGTSlider* slider = pane.GetDefaultSliderObject();
        ASSERT_NE(nullptr, slider);
        EXPECT_EQ(side, slider->GetCurrentAlignment());
        EXPECT_EQ(side, pane.GetCurrentAlignment());
        EXPECT_EQ(side, pane.GetRecentDockInfo().m_dwRecentSide);
        EXPECT_EQ(IsHorizontalSide(side), slider->IsHorizontal());
        EXPECT_EQ(&pane, GroupOf(pane)->GetFirstControlBar());
        CGTBarContainerManager* group = GroupOf(pane);
        pane.UnDockControlBar(TRUE);
        EXPECT_EQ(nullptr, pane.GetDefaultSliderObject());
        EXPECT_TRUE(group->IsEmpty());
    }
}

// A pane that left its group comes back into the same node beside the same neighbour.
TEST(DockingPaneDock, ReturnsToItsRecentSliderAndNode)
{
    PaneFrame frame;
    TestPane first(frame, CRect(0, 0, 200, 300), 300);
    TestPane second(frame, CRect(0, 0, 200, 300), 301);
    ASSERT_TRUE(first.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE));
    ASSERT_TRUE(second.DockBesidePane(&first, GTSideBottom, nullptr));
    CGTBarContainerManager* group = GroupOf(first);
    ASSERT_EQ(group, GroupOf(second));
    BOOL left = TRUE;
    CGTBarContainer* node = group->FindContainerByBar(&second, left);
    ASSERT_NE(nullptr, node);
    EXPECT_FALSE(left);

    second.StoreRecentDockInfo();
    EXPECT_EQ(first.GetDefaultSlider(), second.GetRecentDockInfo().m_hRecentSlider);
    second.UnDockControlBar(TRUE);
    EXPECT_EQ(1, group->GetBars().GetCount());
    EXPECT_FALSE(node->m_QueuedForDeletion);

    EXPECT_TRUE(second.DockAtTarget(nullptr, nullptr, GTDockToRecentPlace));
    EXPECT_EQ(first.GetDefaultSlider(), second.GetDefaultSlider());
    EXPECT_EQ(node, group->FindContainerByBar(&second, left));
    EXPECT_FALSE(left);
    EXPECT_EQ(2, group->GetBars().GetCount());
    EXPECT_EQ(first.Place().bottom + 4, second.Place().top);
}

TEST(DockingPaneDock, ShownPaneTakesHalfItsShareAtMost)
{
    for (const auto& [share, shown] : {std::pair{100, 50}, std::pair{30, 31}}) {
        PaneFrame frame;
        TestPane pane(frame, CRect(0, 0, 120, 120), 300);
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        pane.ShowBar(FALSE, TRUE, FALSE);
        pane.SetContainerShare(share);
        pane.ShowBar(TRUE, TRUE, FALSE);
        EXPECT_EQ(shown, pane.GetContainerShare());
    }
}

TEST(DockingPaneDock, RecordHoldsBothRecentRectanglesAndTheFloatingFlag)
{
    PaneFrame frame;
    TestPane pane(frame, CRect(10, 20, 130, 220), 300);
    pane.GetRecentDockInfo().m_rectRecentFloat = CRect(40, 50, 240, 350);
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        pane.Serialize(store);
    }
    EXPECT_EQ(44u, file.GetLength());
    file.SeekToBegin();
    TestPane loaded(frame, CRect(), 301);
    {
        CArchive load(&file, CArchive::load);
        loaded.Serialize(load);
    }
    EXPECT_EQ(CRect(40, 50, 240, 350), loaded.GetRecentDockInfo().m_rectRecentFloat);
    EXPECT_EQ(CRect(10, 20, 130, 220), loaded.GetRecentDockInfo().m_docked.m_rectPane);

    CMemFile shortFile;
    {
        CArchive store(&shortFile, CArchive::store);
        store << DWORD(GTSideLeft) << TRUE << 1 << 2;
    }
    shortFile.SeekToBegin();
    CArchive load(&shortFile, CArchive::load);
    EXPECT_THROW(loaded.Serialize(load), CArchiveException*);
}

TEST(DockingPaneDock, CopyStateTakesTheShareAndRestoredRectangle)
{
    PaneFrame frame;
    TestPane source(frame, CRect(5, 6, 105, 206), 300);
    source.SetContainerShare(37);
    source.GetRecentDockInfo().m_rectRecentFloat = CRect(1, 2, 3, 4);
    TestPane copy(frame, CRect(), 301);
    copy.CopyState(source);
    EXPECT_EQ(37, copy.GetContainerShare());
    EXPECT_EQ(CRect(1, 2, 3, 4), copy.GetRecentDockInfo().m_rectRecentFloat);
    EXPECT_EQ(source.GetSlideMode(), copy.GetSlideMode());
    EXPECT_EQ(source.CanAutoHideAll(), copy.CanAutoHideAll());
}
