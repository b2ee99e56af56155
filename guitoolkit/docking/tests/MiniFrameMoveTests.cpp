#include <gtest/gtest.h>
#include "MiniFrameSupport.h"

namespace {
CRect WorkArea()
{
    CRect work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}
}  // namespace

TEST(MiniFrameMove, InImmediateModeTheFrameFollowsAndEscapeDocksTheBarBackWithItsFloatingRectangle)
{
    FloatingBar floating;
    CGTDockManager::s_nDockingMode = GTDockingImmediate;
    CGTDockBar* top = floating.frame.m_DockManager.FindDockBarByAlignment(GTSideTop, TRUE);
    const CRect start = WindowRect(*floating.mini);
    const CPoint press = floating.CaptionPoint();
    floating.Send(WM_LBUTTONDOWN, press);
    ASSERT_TRUE(floating.mini->IsInMoveMode());
    floating.Send(WM_MOUSEMOVE, press + CSize(40, 30));
    EXPECT_EQ(start + CPoint(40, 30), WindowRect(*floating.mini));
    EXPECT_TRUE(floating.mini->HasMoved());
    const HWND mini = floating.mini->GetSafeHwnd();
    floating.mini->SendMessage(WM_CHAR, VK_ESCAPE);
    // The emptied frame goes at the next pump and deletes itself; until then it must have let
    // the mouse go.
    EXPECT_NE(mini, ::GetCapture());
    PumpMessages();
    EXPECT_EQ(top, floating.bar.GetParentDockBar());
    EXPECT_EQ(start, floating.bar.GetRecentDockInfo().m_rectRecentFloat);
    EXPECT_FALSE(::IsWindow(mini));
}

TEST(MiniFrameMove, APressWithoutAMoveSetsNoMovedFlagAndLeavesTheFrameWhereItIs)
{
    FloatingBar floating;
    CGTDockManager::s_nDockingMode = GTDockingImmediate;
    const CRect start = WindowRect(*floating.mini);
    const CPoint press = floating.CaptionPoint();
    floating.Send(WM_LBUTTONDOWN, press);
    floating.Send(WM_MOUSEMOVE, press);
    EXPECT_FALSE(floating.mini->HasMoved());
    floating.Send(WM_LBUTTONUP, press, 0);
    EXPECT_FALSE(floating.mini->IsInMoveMode());
    EXPECT_EQ(start, WindowRect(*floating.mini));
    EXPECT_EQ(floating.mini, floating.bar.GetParentMiniFrame());
}

TEST(MiniFrameMove, InStandardModeTheOutlineFollowsAndTheFrameMovesOnlyAtTheRelease)
{
    FloatingBar floating;
    CGTDockManager::s_nDockingMode = GTDockingStandard;
    FakeScreenDrawing drawing;
    const CRect start = WindowRect(*floating.mini);
    const CPoint press = floating.CaptionPoint();
    floating.Send(WM_LBUTTONDOWN, press);
    floating.Send(WM_MOUSEMOVE, press + CSize(60, 20));
    ASSERT_FALSE(drawing.m_Calls.empty());
    EXPECT_EQ(start + CPoint(60, 20), drawing.m_Calls.back().first);
    EXPECT_EQ(start, WindowRect(*floating.mini));
    floating.Send(WM_LBUTTONUP, press + CSize(60, 20), 0);
    EXPECT_EQ(start + CPoint(60, 20), WindowRect(*floating.mini));
    EXPECT_FALSE(floating.mini->IsInMoveMode());
}

TEST(MiniFrameMove, TheFrameKeepsACaptionHeightInsideTheWorkArea)
{
    FloatingBar floating;
    CGTMiniFrameWnd& mini = *floating.mini;
    const CRect work = WorkArea();
    const int caption = mini.GetCaptionHeight();
    mini.SetWindowPos(nullptr, work.left - 5000, work.top + 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(work.left + caption, WindowRect(mini).right);
    mini.SetWindowPos(nullptr, work.left + 50, work.bottom + 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(work.bottom - caption, WindowRect(mini).top);
}

TEST(MiniFrameMove, APinnedFrameNeverRollsUpAndOnePinnedWhileRolledUpStillRollsDown)
{
    FloatingBar floating(CRect(300, 200, 500, 350), GTBehaviourAll | GTBehaviourAutoRollUp);
    CGTMiniFrameWnd& mini = *floating.mini;
    ASSERT_NE(nullptr, mini.FindCaptionButton(GTHitPin));
    const CRect full = WindowRect(mini);
    const CPoint outside(20, 20);
    const CPoint inside = floating.CaptionPoint();
    floating.cursor.m_WindowUnder = mini.GetSafeHwnd();
    const auto tickWithCursorAt = [&](CPoint iCursor) {
        floating.cursor.m_Position = iCursor;
        mini.SendMessage(WM_TIMER, 5);
        return WindowRect(mini);
    };
    mini.SetPinned(TRUE);
    EXPECT_EQ(full, tickWithCursorAt(outside));
    mini.SetPinned(FALSE);
    const CRect rolled = tickWithCursorAt(outside);
    EXPECT_EQ(full.TopLeft(), rolled.TopLeft());
    CRect client;
    mini.GetClientRect(&client);
    EXPECT_EQ(0, client.Height());
    mini.SetPinned(TRUE);
    EXPECT_EQ(full, tickWithCursorAt(inside));
    EXPECT_EQ(full, tickWithCursorAt(outside));
}

namespace {
// A frame that counts the torn-off bars it is told to forget.
class TearOffFrame : public TestDockingFrame {
public:
    void RemoveTearOffBar(CGTBaseControlBar*) override { ++m_Removed; }
    int m_Removed = 0;
};

// A bar on the heap that counts its destructions in a counter that outlives it.
class CountedBar : public FixedBar {
public:
    CountedBar(CWnd& iParent, int& ioDestroyed) : FixedBar(iParent, CSize(120, 24), 650), m_Destroyed(ioDestroyed) {}
    ~CountedBar() override { ++m_Destroyed; }

private:
    int& m_Destroyed;
};
}  // namespace

TEST(MiniFrameTearOff, ACancelledTearOffShowsThePopupAgainAndDestroysTheBarOnce)
{
    const struct {
        UINT message;
        WPARAM wParam;
        BOOL captureTaken;
    } cases[] = {{WM_KEYDOWN, VK_ESCAPE, FALSE}, {WM_RBUTTONDOWN, 0, FALSE}, {0, 0, TRUE}};
    for (const auto& c : cases) {
        TearOffFrame frame;
        frame.m_DockManager.CreateDockBars(GTSideAny);
        int destroyed = 0;
        auto* bar = new CountedBar(frame, destroyed);
        frame.m_DockManager.DockBar(bar, GTDockBarTopId);
        ASSERT_TRUE(bar->FloatAtRect(CRect(300, 200, 420, 240), GTDockByRect, TRUE));
        const HWND barWindow = bar->GetSafeHwnd();
        CWnd popup;
        popup.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(300, 100, 400, 200), &frame, 0);
        CWnd holder;
        holder.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 10, 10), &frame, 0);
        if (c.captureTaken)
            holder.SetCapture();
        else
            bar->PostMessage(c.message, c.wParam);
        EXPECT_EQ(0, bar->GetParentMiniFrame()->TrackTearOff(&popup)) << c.message;
        ::ReleaseCapture();
        PumpMessages();
        EXPECT_TRUE(Shown(popup)) << c.message;
        EXPECT_FALSE(::IsWindow(barWindow)) << c.message;
        EXPECT_EQ(1, destroyed) << c.message;
        EXPECT_EQ(1, frame.m_Removed) << c.message;
        holder.DestroyWindow();
        popup.DestroyWindow();
    }
}

TEST(MiniFrameTearOff, AReleaseKeepsTheBarAndClosesThePopup)
{
    TearOffFrame frame;
    frame.m_DockManager.CreateDockBars(GTSideAny);
    FixedBar bar(frame, CSize(120, 24), 651);
    frame.m_DockManager.DockBar(&bar, GTDockBarTopId);
    ASSERT_TRUE(bar.FloatAtRect(CRect(300, 200, 420, 240), GTDockByRect, TRUE));
    CWnd popup;
    popup.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(300, 100, 400, 200), &frame, 0);
    const HWND popupWindow = popup.GetSafeHwnd();
    bar.PostMessage(WM_LBUTTONUP);
    EXPECT_EQ(1, bar.GetParentMiniFrame()->TrackTearOff(&popup));
    EXPECT_FALSE(::IsWindow(popupWindow));
    EXPECT_TRUE(::IsWindow(bar.GetSafeHwnd()));
    EXPECT_EQ(0, frame.m_Removed);
}
