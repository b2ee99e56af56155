// What a user sees, on a real X display: the pane demo's two panes floated, each in a
// multi-pane frame; the second frame dragged by its caption with real mouse input and held over
// the first pane joins the first frame, and a double click on that frame's caption docks both
// panes back at the frame's left edge under one slider. The screenshots are kept as
// multi-pane-joined.bmp and multi-pane-docked.bmp beside the test.
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
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

CPoint CaptionPoint(const CGTMiniFrameWnd& iMini)
{
    CRect caption;
    iMini.CaptionRectangle(caption);
    return ScreenRect(iMini).TopLeft() + CPoint(caption.left + 20, caption.CenterPoint().y);
}

// The pointer moved in steps with the button held, the program drawing in between.
void MoveInSteps(CWinApp& ioApp, CPoint iFrom, CPoint iTo, int iSteps)
{
    for (int step = 1; step <= iSteps; ++step) {
        SendMouse(0, iFrom + CSize((iTo.x - iFrom.x) * step / iSteps, (iTo.y - iFrom.y) * step / iSteps));
        LetItDraw(ioApp, 100);
    }
}
}  // namespace

TEST(MultiPaneDemo, AFrameHeldOverAnotherJoinsItAndADoubleClickDocksBothPanesBack)
{
    CWinApp app(L"MultiPaneDemo");
    PaneDemoFrame frame(CRect(40, 40, 640, 440));
    const int mode = CGTDockManager::s_nDockingMode;
    CGTDockManager::s_nDockingMode = GTDockingImmediate;
    ASSERT_TRUE(frame.m_DockManager.CreateDockBars(GTSideAny) && frame.CreateDemo());
    app.m_pMainWnd = &frame;
    LetItDraw(app, 500);
    CGTDockingControlBar& first = frame.First();
    CGTDockingControlBar& second = frame.Second();
    const CRect firstDocked = ScreenRect(first);
    const CRect secondDocked = ScreenRect(second);
    for (CGTDockingControlBar* pane : {&first, &second}) {
        pane->SetFloatingFrameClass(RUNTIME_CLASS(CGTMultiMiniFrameWnd));
        pane->SetStyleWord(pane->GetStyleWord() | 0x40);
    }
    first.FloatAtRect(CRect(220, 160, 420, 360), GTDockByRect, TRUE);
    second.FloatAtRect(CRect(480, 160, 680, 360), GTDockByRect, TRUE);
    LetItDraw(app, 500);
    auto* joined = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, first.GetParentMiniFrame());
    CGTMiniFrameWnd* held = second.GetParentMiniFrame();
    ASSERT_NE(nullptr, joined);
    ASSERT_NE(nullptr, held);

    const CPoint press = CaptionPoint(*held);
    SendMouse(0, press);
    LetItDraw(app, 300);
    SendMouse(MOUSEEVENTF_LEFTDOWN, press);
    LetItDraw(app, 300);
    const CRect target = ScreenRect(first);
    const CPoint over(target.right - 6, target.CenterPoint().y);
    MoveInSteps(app, press, over, 6);
    LetItDraw(app, 400);
    MoveInSteps(app, over, over + CSize(1, 0), 1);
    LetItDraw(app, 300);
    SendMouse(MOUSEEVENTF_LEFTUP, over + CSize(1, 0));
    LetItDraw(app, 500);
    ASSERT_EQ(joined, second.GetParentMiniFrame());
    EXPECT_EQ(2, joined->GetBarCount());
    LetItDraw(app, 500);
    Screenshot(ScreenRect(frame) | ScreenRect(*joined)).Save(L"multi-pane-joined.bmp");

    const CPoint caption = CaptionPoint(*joined);
    SendMouse(0, caption);
    LetItDraw(app, 300);
    for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
        SendMouse(flags, caption);
    LetItDraw(app, 800);
    EXPECT_EQ(nullptr, first.GetParentMiniFrame());
    EXPECT_EQ(nullptr, second.GetParentMiniFrame());
    EXPECT_NE(nullptr, first.GetDefaultSlider());
    EXPECT_EQ(first.GetDefaultSlider(), second.GetDefaultSlider());
    EXPECT_EQ(firstDocked.TopLeft(), ScreenRect(first).TopLeft());
    EXPECT_EQ(secondDocked.bottom, ScreenRect(second).bottom);
    EXPECT_LT(ScreenRect(first).right, ScreenRect(second).left);
    Screenshot(ScreenRect(frame)).Save(L"multi-pane-docked.bmp");
    app.m_pMainWnd = nullptr;
    CGTDockManager::s_nDockingMode = mode;
}
