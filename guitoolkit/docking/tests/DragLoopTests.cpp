#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <windowsx.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
// A bar that no dock target claims: an outline dropped anywhere floats it.
class LooseBar : public FixedBar {
public:
    using FixedBar::FixedBar;
    CGTBaseControlBar* FindDockTarget(int, int& oHitCode, BOOL& oHandled) override
    {
        oHitCode = 0;
        oHandled = FALSE;
        return nullptr;
    }
};

// A frame with dock bars on every side and a bar docked at the top, dragged by a fake cursor
// in the standard (outline) docking mode.
struct DraggedBar {
    DraggedBar() : manager(frame.m_DockManager), bar(frame, CSize(100, 24), 500), mode(CGTDockManager::s_nDockingMode)
    {
        CGTDockManager::s_nDockingMode = GTDockingStandard;
        manager.CreateDockBars(GTSideAny);
        manager.DockBar(&bar, GTDockBarTopId);
        manager.RecalcLayout();
        dockBar = bar.GetParentDockBar();
    }
    ~DraggedBar() { CGTDockManager::s_nDockingMode = mode; }
    // Presses at the bar's centre and moves the mouse by a distance; the press point.
    CPoint PressAndMove(CSize iMove)
    {
        const CPoint press = WindowRect(bar).CenterPoint();
        Post(WM_LBUTTONDOWN, press);
        Post(WM_MOUSEMOVE, press + iMove);
        return press;
    }
    // Puts the cursor at a screen point and posts the mouse message there to the bar.
    void Post(UINT iMessage, CPoint iScreen, WPARAM iFlags = MK_LBUTTON)
    {
        cursor.m_Position = iScreen;
        bar.ScreenToClient(&iScreen);
        bar.PostMessage(iMessage, iFlags, MAKELPARAM(iScreen.x, iScreen.y));
        PumpMessages();
    }

    TestDockingFrame frame;
    CGTDockManager& manager;
    LooseBar bar;
    int mode;
    CGTDockBar* dockBar = nullptr;
    FakeCursor cursor;
    FakeScreenDrawing drawing;
};
}  // namespace

TEST(DragLoop, AReleaseBeforeTheOutlineMovedDocksAndFloatsNothing)
{
    DraggedBar drag;
    const CRect before = WindowRect(drag.bar);
    const CPoint press = drag.PressAndMove(CSize(1, 1));
    EXPECT_TRUE(drag.bar.IsBeingDragged());
    drag.Post(WM_LBUTTONUP, press + CSize(1, 1), 0);
    EXPECT_FALSE(drag.bar.IsBeingDragged());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(drag.drawing.m_Calls.empty());
    EXPECT_EQ(drag.dockBar, drag.bar.GetParentDockBar());
    EXPECT_EQ(before, WindowRect(drag.bar));
}

TEST(DragLoop, TheOutlineFollowsTheMouseAndTheDropFloatsTheBarThere)
{
    DraggedBar drag;
    const CRect before = WindowRect(drag.bar);
    const CPoint press = drag.PressAndMove(CSize(40, 100));
    drag.Post(WM_MOUSEMOVE, press + CSize(50, 120));
    CRect first = before + CPoint(40, 100);
    CRect second = before + CPoint(50, 120);
    ASSERT_EQ(2u, drag.drawing.m_Calls.size());
    EXPECT_EQ(std::make_pair(first, CRect()), drag.drawing.m_Calls[0]);
    EXPECT_EQ(std::make_pair(second, first), drag.drawing.m_Calls[1]);

    drag.Post(WM_LBUTTONUP, press + CSize(50, 120), 0);
    ASSERT_EQ(3u, drag.drawing.m_Calls.size());
    EXPECT_EQ(std::make_pair(CRect(), second), drag.drawing.m_Calls[2]);
    CGTMiniFrameWnd* mini = drag.bar.GetParentMiniFrame();
    ASSERT_NE(nullptr, mini);
    EXPECT_EQ(second, WindowRect(*mini));
    EXPECT_EQ(nullptr, drag.bar.GetParentDockBar());
    EXPECT_EQ(&drag.bar, drag.manager.FindBarById(500, TRUE));
    EXPECT_EQ(mini, drag.manager.FindMiniFrameAtPoint(second.CenterPoint()));
}

TEST(DragLoop, EscapeEndsTheDragWithTheBarUnmoved)
{
    DraggedBar drag;
    const CRect before = WindowRect(drag.bar);
    const CPoint press = drag.PressAndMove(CSize(40, 100));
    drag.bar.PostMessage(WM_CHAR, VK_ESCAPE, 1);
    PumpMessages();
    EXPECT_FALSE(drag.bar.IsBeingDragged());
    EXPECT_EQ(nullptr, ::GetCapture());
    ASSERT_EQ(2u, drag.drawing.m_Calls.size());
    EXPECT_EQ(std::make_pair(CRect(), before + CPoint(40, 100)), drag.drawing.m_Calls[1]);
    drag.Post(WM_LBUTTONUP, press + CSize(40, 100), 0);
    EXPECT_EQ(drag.dockBar, drag.bar.GetParentDockBar());
    EXPECT_EQ(before, WindowRect(drag.bar));
}

TEST(DragLoop, ADoubleClickFloatsTheBarAtItsRecentFloatingPlaceOnTheWorkArea)
{
    DraggedBar drag;
    const RECT work = CGTGlobalUtils::WorkAreaAt(CPoint(0, 0));
    drag.bar.GetRecentDockInfo().m_rectRecentFloat =
        CRect(work.left - 300, work.top + 50, work.left - 200, work.top + 80);
    drag.Post(WM_LBUTTONDBLCLK, WindowRect(drag.bar).CenterPoint());
    CGTMiniFrameWnd* mini = drag.bar.GetParentMiniFrame();
    ASSERT_NE(nullptr, mini);
    EXPECT_EQ(CRect(work.left + 16 - 100, work.top + 50, work.left + 16, work.top + 80), WindowRect(*mini));
    EXPECT_TRUE(drag.bar.GetStyleWord() & GTStyleFloating);
}

namespace {
// A mini frame holding one bar that records the presses and releases it gets.
class RecordingMiniFrame : public CountingMiniFrame {
public:
    explicit RecordingMiniFrame(CWnd& iOwner) : CountingMiniFrame(iOwner, 1) {}
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_LBUTTONDOWN || iMessage == WM_LBUTTONUP)
            m_Mouse.push_back({iMessage, CPoint(GET_X_LPARAM(iLParam), GET_Y_LPARAM(iLParam))});
        return CountingMiniFrame::WindowProc(iMessage, iWParam, iLParam);
    }
    std::vector<std::pair<UINT, CPoint>> m_Mouse;
};
}  // namespace

TEST(DragLoop, APressAndAReleaseOnABarAloneInAMiniFrameGoToTheMiniFrame)
{
    TestDockingFrame frame;
    auto* mini = new RecordingMiniFrame(frame);
    FixedBar bar(*mini, CSize(60, 20));
    bar.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    FakeCursor cursor;
    bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    PumpMessages();
    CPoint down(5, 5), up(5, 6);
    bar.MapWindowPoints(mini, &down, 1);
    bar.MapWindowPoints(mini, &up, 1);
    const std::vector<std::pair<UINT, CPoint>> expected = {{WM_LBUTTONDOWN, down}, {WM_LBUTTONUP, up}};
    EXPECT_EQ(expected, mini->m_Mouse);
    EXPECT_FALSE(bar.IsBeingDragged());
    bar.DestroyWindow();
    mini->DestroyWindow();
}

TEST(DragLoop, ADraggedBarLeavesOrEntersADockBarByItsRectangleAndTheCursor)
{
    DraggedBar drag;
    const CRect dock = WindowRect(*drag.dockBar);
    const CPoint outside(dock.left + 300, dock.bottom + 100);
    const struct {
        CSize offset;
        CPoint cursor;
        BOOL tearsOff;
    } docked[] = {
        {{0, 0}, outside, FALSE},
        {{0, 100}, outside, TRUE},
        {{-20, 0}, outside, FALSE},
        {{-90, 0}, outside, TRUE},
        {{-90, 0}, dock.TopLeft() + CSize(300, 5), FALSE},
        {{-300, 0}, dock.TopLeft() + CSize(300, 5), TRUE},
    };
    for (const auto& c : docked) {
        drag.bar.StoreCurrentRect();
        drag.bar.OffsetVirtualRect(c.offset);
        drag.cursor.m_Position = c.cursor;
        CGTDockBar* under = nullptr;
        EXPECT_EQ(c.tearsOff, drag.bar.AttachToBar(15, under)) << c.offset.cx << "," << c.offset.cy;
    }

    FixedBar floating(drag.frame, CSize(80, 20), 501);
    ASSERT_TRUE(floating.FloatAtRect(CRect(200, 200, 280, 220), GTDockByRect, TRUE));
    ASSERT_NE(nullptr, floating.GetParentMiniFrame());
    const struct {
        CPoint cursor;
        BOOL attaches;
        CGTDockBar* under;
    } floatingCases[] = {
        {outside, FALSE, nullptr},
        {dock.TopLeft() + CSize(300, 5), TRUE, drag.dockBar},
    };
    for (const auto& c : floatingCases) {
        drag.cursor.m_Position = c.cursor;
        CGTDockBar* under = reinterpret_cast<CGTDockBar*>(1);
        EXPECT_EQ(c.attaches, floating.AttachToBar(15, under)) << c.cursor.x << "," << c.cursor.y;
        EXPECT_EQ(c.under, under);
    }
}

TEST(DragFrame, MovesWithinTheDragDistanceDrawNoOutline)
{
    DraggedBar drag;
    const SIZE threshold = CGTDockingValues::DragThreshold();
    const struct {
        CSize move;
        BOOL draws;
    } cases[] = {
        {{threshold.cx - 1, threshold.cy - 1}, FALSE},
        {{threshold.cx, 0}, TRUE},
        {{0, -threshold.cy}, TRUE},
    };
    for (const auto& c : cases) {
        CGTDragFrameImpl outline;
        outline.Init(&drag.bar);
        outline.m_ptLast = CPoint(300, 300);
        drag.drawing.m_Calls.clear();
        drag.cursor.m_Position = CPoint(300, 300) + c.move;
        outline.MoveDragFrame();
        EXPECT_EQ(c.draws, !drag.drawing.m_Calls.empty()) << c.move.cx << "," << c.move.cy;
        outline.EndDrawDragFrame();
    }
}

TEST(DragFrame, TheTabOutlineSitsUnderThePaneAndFitsANarrowOne)
{
    DraggedBar drag;
    for (int width : {40, 50, 51, 200}) {
        PlainPane pane(drag.frame, CRect(100, 100, 100 + width, 300), 701);
        CGTDragFrameImpl outline;
        outline.Init(&drag.bar);
        drag.drawing.m_Calls.clear();
        outline.DrawFrameTab(&pane, FALSE);
        ASSERT_EQ(3u, drag.drawing.m_Calls.size());
        const CRect rect = WindowRect(pane);
        const int tabRight = width <= 50 ? rect.right - outline.m_nFrameWidth - 4 : rect.left + 50;
        const CRect tab(rect.left + 10, rect.bottom - theGuiToolkitGlobals.textHeightRegular, tabRight, rect.bottom);
        EXPECT_EQ(CRect(rect.left, rect.top, rect.right, tab.top), drag.drawing.m_Calls[0].first) << width;
        EXPECT_EQ(tab, drag.drawing.m_Calls[1].first) << width;
    }
}

TEST(DragLoop, InTheImmediateModeABarDraggedOffItsDockBarFloatsUnderTheCursor)
{
    DraggedBar drag;
    CGTDockManager::s_nDockingMode = GTDockingImmediate;
    const CRect before = WindowRect(drag.bar);
    const CPoint press = drag.PressAndMove(CSize(0, 10));
    EXPECT_EQ(drag.dockBar, drag.bar.GetParentDockBar());
    drag.Post(WM_MOUSEMOVE, press + CSize(0, 150));
    CGTMiniFrameWnd* mini = drag.bar.GetParentMiniFrame();
    ASSERT_NE(nullptr, mini);
    EXPECT_FALSE(drag.bar.IsBeingDragged());
    // The press point lies above the new frame: the middle of its caption comes under the cursor.
    const CRect floating = WindowRect(*mini);
    EXPECT_EQ(before.left, floating.left);
    EXPECT_EQ(press.y + 150 - mini->GetCaptionHeight() / 2, floating.top);
}
