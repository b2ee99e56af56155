// What a user sees, on a real X display: the pane demo's second pane floated in a mini frame,
// the frame dragged by its caption with real mouse input onto the frame's right edge, where
// the pane docks: at the release in the standard mode (an outline follows the mouse), and
// after resting over the edge in the immediate mode (the frame itself follows the mouse). The
// screenshots are kept as mini-frame-floating.bmp and mini-frame-docked.bmp beside the test.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <gtest/gtest.h>
#include "PaneDemoFrame.h"
#include "ScreenTestSupport.h"

namespace {
CRect ScreenRect(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect;
}

// The pane demo with its second pane floating beside the frame, in a docking mode.
struct FloatingDemo {
    explicit FloatingDemo(int iMode) : frame(CRect(40, 40, 640, 440)), mode(CGTDockManager::s_nDockingMode)
    {
        CGTDockManager::s_nDockingMode = iMode;
        created = frame.m_DockManager.CreateDockBars(GTSideAny) && frame.CreateDemo() &&
            frame.Second().FloatAtRect(CRect(260, 160, 460, 360), GTDockByRect, TRUE);
        app.m_pMainWnd = &frame;
    }
    ~FloatingDemo()
    {
        app.m_pMainWnd = nullptr;
        CGTDockManager::s_nDockingMode = mode;
    }
    // The floating pane's frame once everything is drawn; null when the demo was not made.
    CGTMiniFrameWnd* ShowFloating()
    {
        if (!created)
            return nullptr;
        LetItDraw(app);
        return frame.Second().GetParentMiniFrame();
    }
    CPoint CaptionPoint(const CGTMiniFrameWnd& iMini) const
    {
        CRect caption;
        iMini.CaptionRectangle(caption);
        return ScreenRect(iMini).TopLeft() + CPoint(caption.left + 20, caption.CenterPoint().y);
    }
    // Inside the strip along the right edge of the area the docked panes leave free.
    CPoint RightEdge()
    {
        CRect free;
        frame.m_DockManager.GetClientAreaBounds(free);
        frame.ClientToScreen(&free);
        return CPoint(free.right - 6, free.CenterPoint().y);
    }
    // Presses on the caption and moves the mouse in steps to a point, the button held.
    void DragCaptionTo(CGTMiniFrameWnd& ioMini, CPoint iTo)
    {
        const CPoint press = CaptionPoint(ioMini);
        SendMouse(0, press);
        LetItDraw(app, 300);
        SendMouse(MOUSEEVENTF_LEFTDOWN, press);
        LetItDraw(app, 300);
        MoveInSteps(press, iTo, 8);
    }
    void MoveInSteps(CPoint iFrom, CPoint iTo, int iSteps)
    {
        for (int step = 1; step <= iSteps; ++step) {
            SendMouse(0, iFrom + CSize((iTo.x - iFrom.x) * step / iSteps, (iTo.y - iFrom.y) * step / iSteps));
            LetItDraw(app, 100);
        }
    }

    CWinApp app{L"MiniFrameDemo"};
    PaneDemoFrame frame;
    int mode;
    BOOL created = FALSE;
};
}  // namespace

TEST(MiniFrameDemo, TheFrameDraggedByItsCaptionOntoTheRightEdgeDocksAtTheReleaseInStandardMode)
{
    FloatingDemo demo(GTDockingStandard);
    CGTMiniFrameWnd* mini = demo.ShowFloating();
    ASSERT_NE(nullptr, mini);
    CGTDockingControlBar& pane = demo.frame.Second();
    const CRect floating = ScreenRect(*mini);
    CRect shown = ScreenRect(demo.frame);
    shown.UnionRect(shown, floating);
    Screenshot(shown).Save(L"mini-frame-floating.bmp");

    const CPoint edge = demo.RightEdge();
    demo.DragCaptionTo(*mini, edge);
    EXPECT_EQ(mini, pane.GetParentMiniFrame());
    EXPECT_EQ(floating, ScreenRect(*mini));
    SendMouse(MOUSEEVENTF_LEFTUP, edge);
    LetItDraw(demo.app);

    EXPECT_EQ(nullptr, pane.GetParentMiniFrame());
    EXPECT_EQ(DWORD(GTSideRight), pane.GetCurrentAlignment());
    CRect client;
    demo.frame.GetClientRect(&client);
    demo.frame.ClientToScreen(&client);
    EXPECT_EQ(client.right, ScreenRect(pane).right);
    Screenshot(ScreenRect(demo.frame)).Save(L"mini-frame-docked.bmp");
}

TEST(MiniFrameDemo, InImmediateModeTheFrameFollowsTheMouseAndDocksAfterRestingOverTheRightEdge)
{
    FloatingDemo demo(GTDockingImmediate);
    CGTMiniFrameWnd* mini = demo.ShowFloating();
    ASSERT_NE(nullptr, mini);
    CGTDockingControlBar& pane = demo.frame.Second();
    const CRect floating = ScreenRect(*mini);
    const CPoint press = demo.CaptionPoint(*mini);
    const CPoint halfway = press + CSize(0, 40);
    demo.DragCaptionTo(*mini, halfway);
    EXPECT_EQ(floating + CPoint(0, 40), ScreenRect(*mini));

    const CPoint edge = demo.RightEdge();
    demo.MoveInSteps(halfway, edge, 4);
    LetItDraw(demo.app, 800);
    EXPECT_EQ(nullptr, pane.GetParentMiniFrame());
    EXPECT_EQ(DWORD(GTSideRight), pane.GetCurrentAlignment());
    SendMouse(MOUSEEVENTF_LEFTUP, edge);
    LetItDraw(demo.app);
    EXPECT_EQ(nullptr, pane.GetParentMiniFrame());
    EXPECT_EQ(DWORD(GTSideRight), pane.GetCurrentAlignment());
}
