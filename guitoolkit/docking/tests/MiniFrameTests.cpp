#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include "MiniFrameSupport.h"

TEST(MiniFrame, TheHitTestAnswersCaptionButtonsClientEdgesAndCorners)
{
    FloatingBar floating;
    CGTMiniFrameWnd& mini = *floating.mini;
    const CRect w = WindowRect(mini);
    const CPoint centre = w.CenterPoint();
    CRect client;
    mini.GetClientRect(&client);
    mini.ClientToScreen(&client);
    ASSERT_LT(w.top + 10, client.top);
    const struct {
        CPoint point;
        BOOL detectCaption;
        LRESULT code;
    } cases[] = {
        {floating.CaptionPoint(), TRUE, HTCAPTION},
        {floating.CaptionPoint(), FALSE, HTCLIENT},
        {floating.ButtonCentre(GTHitFrameClose), FALSE, GTHitFrameClose},
        {floating.ButtonCentre(GTHitFrameClose), TRUE, HTCAPTION},
        {client.CenterPoint(), FALSE, HTCLIENT},
        {CPoint(w.left, w.top), FALSE, HTTOPLEFT},
        {CPoint(centre.x, w.top), FALSE, HTTOP},
        {CPoint(w.right - 1, w.top), FALSE, HTTOPRIGHT},
        {CPoint(w.right - 1, centre.y), FALSE, HTRIGHT},
        {CPoint(w.right - 1, w.bottom - 1), FALSE, HTBOTTOMRIGHT},
        {CPoint(centre.x, w.bottom - 1), FALSE, HTBOTTOM},
        {CPoint(w.left, w.bottom - 1), FALSE, HTBOTTOMLEFT},
        {CPoint(w.left, centre.y), FALSE, HTLEFT},
        {CPoint(w.left - 1, centre.y), FALSE, HTNOWHERE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, mini.HitTestFrame(c.point, c.detectCaption)) << c.point.x << "," << c.point.y;
}

TEST(MiniFrame, AToolbarsFrameAndOneEmptiedOfItHaveThreePixelBordersAndEdgeStrips)
{
    TestDockingFrame frame;
    frame.m_DockManager.CreateDockBars(GTSideAny);
    CGTToolBar toolbar;
    toolbar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 641);
    toolbar.SetBehaviourStyle(GTBehaviourAll);
    ASSERT_TRUE(toolbar.FloatAtRect(CRect(300, 200, 400, 240), GTDockByRect, TRUE));
    CGTMiniFrameWnd& mini = *toolbar.GetParentMiniFrame();
    CRect borders;
    mini.GetBorderSize(borders);
    EXPECT_EQ(CRect(3, 3, 3, 3), borders);
    const CRect w = WindowRect(mini);
    EXPECT_EQ(HTTOP, mini.HitTestFrame(w.TopLeft(), FALSE));
    EXPECT_EQ(HTLEFT, mini.HitTestFrame(CPoint(w.left, w.bottom - 1), FALSE));
    EXPECT_EQ(HTBOTTOM, mini.HitTestFrame(CPoint(w.right - 1, w.bottom - 1), FALSE));
    mini.ReleaseBar(&toolbar, FALSE, TRUE);
    mini.GetBorderSize(borders);
    EXPECT_EQ(CRect(3, 3, 3, 3), borders);
    toolbar.DestroyWindow();
}

TEST(MiniFrame, AButtonActsOnlyWhenReleasedOverItselfThePinTogglesAndCloseAsksTheOwner)
{
    FloatingBar floating;
    CGTMiniFrameWnd& mini = *floating.mini;
    mini.ApplyCaptionButtonFlags(0x03);
    ASSERT_NE(nullptr, mini.FindCaptionButton(GTHitPin));
    const CPoint pin = floating.ButtonCentre(GTHitPin);
    const CPoint close = floating.ButtonCentre(GTHitFrameClose);

    floating.Send(WM_MOUSEMOVE, pin, 0);
    floating.Send(WM_LBUTTONDOWN, pin);
    EXPECT_TRUE(mini.FindCaptionButton(GTHitPin)->IsPushed());
    EXPECT_FALSE(mini.IsInMoveMode());
    EXPECT_FALSE(mini.IsPinned());
    floating.Send(WM_LBUTTONUP, close, 0);
    EXPECT_FALSE(mini.IsPinned());
    EXPECT_FALSE(mini.FindCaptionButton(GTHitPin)->IsPushed());
    EXPECT_TRUE(Shown(mini));

    floating.Click(pin);
    EXPECT_TRUE(mini.IsPinned());
    floating.Click(pin);
    EXPECT_FALSE(mini.IsPinned());

    floating.frame.m_AllowClose = FALSE;
    floating.Click(close);
    EXPECT_EQ(1, floating.frame.m_CloseAsks);
    EXPECT_TRUE(Shown(mini));
    floating.frame.m_AllowClose = TRUE;
    mini.SendMessage(WM_CLOSE);
    EXPECT_EQ(2, floating.frame.m_CloseAsks);
    EXPECT_FALSE(Shown(mini));
    EXPECT_FALSE(Shown(floating.bar));
    EXPECT_TRUE(::IsWindow(mini.GetSafeHwnd()));
}

TEST(MiniFrame, TheLastBarReleasedWithoutDestroyPostsTheCheckAndABarAttachedFirstKeepsTheFrame)
{
    FloatingBar floating;
    CGTMiniFrameWnd& mini = *floating.mini;
    const HWND window = mini.GetSafeHwnd();
    mini.ReleaseBar(&floating.bar, FALSE, FALSE);
    EXPECT_TRUE(::IsWindow(window));
    mini.AttachBar(&floating.bar);
    PumpMessages();
    ASSERT_TRUE(::IsWindow(window));
    floating.bar.SetParent(&floating.frame);
    mini.ReleaseBar(&floating.bar, FALSE, FALSE);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(window));
}
