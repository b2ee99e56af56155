#include <gtest/gtest.h>
#include "PaneTestSupport.h"

TEST(RecentDockInfo, FreshRecordFloatsAtItsDefaultAndDocksLeftInRowZero)
{
    PaneGroup group;
    const CGTRecentDockInfo& recent = group.NewPane(CRect()).GetRecentDockInfo();
    EXPECT_EQ(CRect(10, 10, 110, 110), recent.m_rectRecentFloat);
    EXPECT_EQ(static_cast<DWORD>(GTSideLeft), recent.m_dwRecentSide);
    EXPECT_EQ(0, recent.m_nRecentRowIndex);
}

// Every record that names a container holds it once: recording it again, copying the record
// and destroying records keep the count balanced, and the node collapses only when the last
// record lets it go.
TEST(RecentDockInfo, RecordsHoldTheirContainersOnce)
{
    PaneGroup group;
    TestPane& a = group.NewPane(CRect(0, 0, 100, 100));
    TestPane& b = group.NewPane(CRect(104, 0, 200, 100));
    TestPane& c = group.NewPane(CRect(204, 0, 300, 100));
    group.manager.AddControlBar(&a);
    group.manager.InsertControlBar(&b, &a, GTSideRight);
    group.manager.InsertControlBar(&c, &b, GTSideRight);
    BOOL left = FALSE;
    CGTBarContainer* node = group.manager.FindContainerByBar(&c, left);
    ASSERT_NE(nullptr, node->m_Parent->m_Parent);

    auto record = std::make_unique<CGTRecentContainerInfo>();
    record->StoreDockInfo(node, &c);
    record->StoreDockInfo(node, &c);
    EXPECT_EQ(1, node->m_ReferenceCount);
    EXPECT_FALSE(record->m_bFirstInContainer);
    {
        CGTRecentContainerInfo copy;
        copy = *record;
        CGTRecentContainerInfo other;
        other.CopyFrom(copy);
        EXPECT_EQ(3, node->m_ReferenceCount);
    }
    EXPECT_EQ(1, node->m_ReferenceCount);

    group.manager.RemoveControlBarFromContainer(&c);
    EXPECT_FALSE(node->m_QueuedForDeletion);
    record.reset();
    EXPECT_TRUE(node->m_QueuedForDeletion);
    EXPECT_EQ(0, node->m_ReferenceCount);
}

TEST(RecentDockInfo, MovingBetweenMiniFramesAsksTheFirstToCheckIfEmpty)
{
    TestDockingFrame frame;
    CountingMiniFrame first(frame, 0);
    CountingMiniFrame second(frame, 0);
    TestPane pane(first, CRect(0, 0, 50, 50), 300);
    pane.GetRecentDockInfo().StoreDockInfo(nullptr);
    EXPECT_EQ(first.GetSafeHwnd(), pane.GetRecentDockInfo().m_hRecentMiniFrame);
    pane.SetParent(&second);
    pane.GetRecentDockInfo().StoreDockInfo(nullptr);
    PumpMessages();
    EXPECT_EQ(1, first.m_Checks);
    EXPECT_EQ(0, second.m_Checks);
    CRect window;
    second.GetWindowRect(&window);
    EXPECT_EQ(window, pane.GetRecentDockInfo().m_rectRecentFloat);
}
