#include <gtest/gtest.h>
#include "MiniFrameSupport.h"
#include "PaneTestSupport.h"

namespace {
// A pane floating over a frame with dock bars on every side, dragged in the immediate mode
// with the fake cursor, keys and clock.
struct FloatingPane {
    FloatingPane() : pane(frame, CRect(0, 0, 120, 200), 660), mode(CGTDockManager::s_nDockingMode)
    {
        CGTDockManager::s_nDockingMode = GTDockingImmediate;
        frame.m_DockManager.CreateDockBars(GTSideAny);
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        frame.m_DockManager.RecalcLayout();
        pane.FloatAtRect(CRect(250, 150, 370, 350), GTDockByRect, TRUE);
        mini = pane.GetParentMiniFrame();
        frame.m_DockManager.GetClientAreaBounds(free);
        frame.ClientToScreen(&free);
    }
    ~FloatingPane() { CGTDockManager::s_nDockingMode = mode; }
    BOOL MoveTo(CPoint iCursor)
    {
        cursor.m_Position = iCursor;
        return frame.m_DockManager.ProcessFloatingFrameMove(mini);
    }
    CPoint RightEdge() const { return CPoint(free.right - 3, free.CenterPoint().y); }
    CPoint LeftEdge() const { return CPoint(free.left + 3, free.CenterPoint().y); }

    FakeCursor cursor;
    FakeKeyState keys;
    FakeClock clock;
    TestDockingFrame frame;
    TestPane pane;
    int mode;
    CGTMiniFrameWnd* mini = nullptr;
    CRect free;
};
}  // namespace

TEST(FloatingDockDecision, AFrameAtTheFrameEdgeDocksAfterThePaneDelayAndNotBefore)
{
    FloatingPane drag;
    ASSERT_NE(nullptr, drag.mini);
    EXPECT_TRUE(drag.MoveTo(drag.RightEdge()));
    drag.clock.Advance(219);
    EXPECT_TRUE(drag.MoveTo(drag.RightEdge()));
    EXPECT_EQ(drag.mini, drag.pane.GetParentMiniFrame());
    drag.clock.Advance(2);
    EXPECT_FALSE(drag.MoveTo(drag.RightEdge()));
    EXPECT_EQ(nullptr, drag.pane.GetParentMiniFrame());
    EXPECT_EQ(DWORD(GTSideRight), drag.pane.GetCurrentAlignment());
}

TEST(FloatingDockDecision, CtrlNeverDocksAndANewTargetRestartsTheTime)
{
    FloatingPane drag;
    drag.keys.Press(VK_CONTROL);
    EXPECT_TRUE(drag.MoveTo(drag.RightEdge()));
    drag.clock.Advance(1000);
    EXPECT_TRUE(drag.MoveTo(drag.RightEdge()));
    EXPECT_EQ(drag.mini, drag.pane.GetParentMiniFrame());
    drag.keys.Release(VK_CONTROL);

    TestPane docked(drag.frame, CRect(0, 0, 120, 200), 662);
    docked.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
    drag.frame.m_DockManager.RecalcLayout();
    const CRect besides = WindowRect(docked);
    const CPoint overPane(besides.right - 3, besides.CenterPoint().y);
    EXPECT_TRUE(drag.MoveTo(drag.RightEdge()));
    drag.clock.Advance(150);
    EXPECT_TRUE(drag.MoveTo(overPane));
    drag.clock.Advance(150);
    EXPECT_TRUE(drag.MoveTo(overPane));
    EXPECT_EQ(drag.mini, drag.pane.GetParentMiniFrame());
    drag.clock.Advance(80);
    EXPECT_FALSE(drag.MoveTo(overPane));
    EXPECT_EQ(docked.GetDefaultSlider(), drag.pane.GetDefaultSlider());
}

TEST(FloatingDockDecision, ABarOverADockBarDocksIntoItAfterTheToolbarDelay)
{
    FloatingBar floating;
    CGTDockManager::s_nDockingMode = GTDockingImmediate;
    FixedBar other(floating.frame, CSize(100, 24), 661);
    floating.frame.m_DockManager.DockBar(&other, GTDockBarTopId);
    floating.frame.m_DockManager.RecalcLayout();
    CGTDockBar* top = other.GetParentDockBar();
    const CRect dock = WindowRect(*top);
    FakeClock clock;
    const auto moveTo = [&](CPoint iCursor) {
        floating.cursor.m_Position = iCursor;
        return floating.frame.m_DockManager.ProcessFloatingFrameMove(floating.mini);
    };
    const CPoint over(dock.left + 300, dock.CenterPoint().y);
    EXPECT_TRUE(moveTo(over));
    clock.Advance(199);
    EXPECT_TRUE(moveTo(over));
    EXPECT_NE(nullptr, floating.bar.GetParentMiniFrame());
    clock.Advance(2);
    EXPECT_FALSE(moveTo(over));
    EXPECT_EQ(top, floating.bar.GetParentDockBar());
}
