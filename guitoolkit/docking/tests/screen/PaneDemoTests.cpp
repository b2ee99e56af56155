// What a user sees, on a real X display: two captioned panes at the left edge of a frame,
// the slider between them dragged with real mouse input. The panes change width by the drag
// and still tile the edge; the screenshot (kept as pane-demo.bmp beside the test for
// people to look at) shows both caption bands.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <gtest/gtest.h>
#include "PaneDemoFrame.h"
#include "ScreenTestSupport.h"

TEST(PaneDemo, DraggingTheSliderResizesBothPanesAndTheyStillTileTheEdge)
{
    CWinApp app(L"PaneDemo");
    PaneDemoFrame demo(CRect(40, 40, 640, 440));
    PaneDemoFrame* frame = &demo;
    ASSERT_TRUE(frame->CreateDemo());
    app.m_pMainWnd = frame;
    LetItDraw(app);

    CGTDockingControlBar& first = frame->First();
    CGTDockingControlBar& second = frame->Second();
    BOOL left = FALSE;
    CGTBarContainer* node = first.GetDefaultSliderObject()->GetContainerManager()->FindContainerByBar(&second, left);
    ASSERT_NE(nullptr, node);
    ASSERT_NE(nullptr, node->m_Slider);
    const CRect firstBefore = WindowRect(first);
    const CRect secondBefore = WindowRect(second);
    const CPoint grip = WindowRect(*node->m_Slider).CenterPoint();
    SendMouse(0, grip);
    LetItDraw(app, 300);
    SendMouse(MOUSEEVENTF_LEFTDOWN, grip);
    LetItDraw(app, 300);
    for (int dx = 10; dx <= 40; dx += 10) {
        SendMouse(0, grip + CSize(dx, 0));
        LetItDraw(app, 200);
    }
    SendMouse(MOUSEEVENTF_LEFTUP, grip + CSize(40, 0));
    LetItDraw(app);

    const CRect firstAfter = WindowRect(first);
    const CRect secondAfter = WindowRect(second);
    EXPECT_EQ(firstBefore.Width() + 40, firstAfter.Width());
    EXPECT_EQ(secondBefore.Width() - 40, secondAfter.Width());
    CRect client;
    frame->GetClientRect(&client);
    frame->ClientToScreen(&client);
    EXPECT_EQ(client.left, firstAfter.left);
    EXPECT_EQ(firstAfter.right, WindowRect(*node->m_Slider).left);
    EXPECT_EQ(WindowRect(*node->m_Slider).right, secondAfter.left);
    EXPECT_EQ(secondAfter.right, WindowRect(*first.GetDefaultSliderObject()).left);
    EXPECT_EQ(WindowRect(*first.GetDefaultSliderObject()).right, WindowRect(frame->ClientWindow()).left);
    for (const CRect& pane : {firstAfter, secondAfter}) {
        EXPECT_EQ(client.top, pane.top);
        EXPECT_EQ(client.bottom, pane.bottom);
    }

    CRect shown;
    frame->GetWindowRect(&shown);
    Screenshot shot(shown);
    shot.Save(L"pane-demo.bmp");
    const int caption = first.GetCaptionHeight();
    ASSERT_GT(caption, 0);
    for (const CRect& pane : {firstAfter, secondAfter}) {
        const CRect band(pane.left + 2, pane.top + 2, pane.left + pane.Width() / 3, pane.top + caption - 1);
        EXPECT_GT(CaptionPercent(shot, band), 60) << band.left;
        const CRect body(pane.left + 4, pane.top + caption + 10, pane.right - 4, pane.bottom - 10);
        EXPECT_LT(CaptionPercent(shot, body), 5) << body.left;
    }
    app.m_pMainWnd = nullptr;
}
