// What a user sees, on a real X display: a pane of the demo frame pinned to the auto-hide
// strip of the left edge. Resting the mouse on its button slides the pane out over the client
// window; moving the mouse away slides it back. The screenshot of the pane out is kept as
// autohide-demo.bmp beside the test for people to look at.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <gtest/gtest.h>
#include "PaneDemoFrame.h"
#include "ScreenTestSupport.h"

TEST(AutoHideDemo, RestingOnTheButtonSlidesThePaneOutAndLeavingSlidesItIn)
{
    CWinApp app(L"AutoHideDemo");
    PaneDemoFrame demo(CRect(40, 40, 640, 440));
    demo.m_DockManager.CreateDockBars(GTSideAny);
    demo.m_DockManager.CreateAutoHideDockBars(GTSideAny);
    ASSERT_TRUE(demo.CreateDemo());
    app.m_pMainWnd = &demo;
    CGTDockingControlBar& pane = demo.First();
    CGTAutoHideToolBar* toolBar = pane.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
    ASSERT_NE(nullptr, toolBar);
    demo.AdjustDockingLayout();
    LetItDraw(app);
    ASSERT_FALSE(pane.IsWindowVisible());

    // The strip button sits against the frame's left edge, the other pane beside the strip.
    CRect client;
    demo.GetClientRect(&client);
    demo.ClientToScreen(&client);
    const CRect strip = WindowRect(*toolBar->GetParentDockBar());
    EXPECT_EQ(client.left, strip.left);
    EXPECT_EQ(strip.right, WindowRect(demo.Second()).left);

    CRect button = pane.GetAutoHideButton()->GetRect();
    toolBar->ClientToScreen(&button);
    SendMouse(0, button.CenterPoint() + CSize(0, -3));
    LetItDraw(app, 200);
    SendMouse(0, button.CenterPoint());
    LetItDraw(app, 1200);
    ASSERT_TRUE(pane.IsSlidOut());
    const CRect out = WindowRect(pane);
    EXPECT_EQ(strip.right, out.left);
    EXPECT_GT(out.Width(), 100);
    // The pane lies over the other pane and the client window.
    EXPECT_GT(out.right, WindowRect(demo.Second()).left);

    CRect shown;
    demo.GetWindowRect(&shown);
    Screenshot shot(shown);
    shot.Save(L"autohide-demo.bmp");
    const int caption = pane.GetCaptionHeight();
    ASSERT_GT(caption, 0);
    const CRect band(out.left + 2, out.top + 2, out.left + out.Width() / 3, out.top + caption - 1);
    EXPECT_GT(CaptionPercent(shot, band), 60);

    // Away over the client window: the check slides the pane back in.
    SendMouse(0, WindowRect(demo.ClientWindow()).BottomRight() - CSize(20, 20));
    LetItDraw(app, 2000);
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_TRUE(pane.IsAutoHideMode());
    app.m_pMainWnd = nullptr;
}
