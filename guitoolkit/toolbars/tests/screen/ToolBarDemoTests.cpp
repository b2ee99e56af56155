// What a user sees, on a real X display: the toolbar demo clicked with real mouse input, then
// the mouse left resting on the clicked button. The screenshot is checked and kept as
// toolbar-demo.bmp beside the test for people to look at.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <gtest/gtest.h>
#include "ScreenTestSupport.h"
#include "ToolBarDemoFrame.h"

namespace {
// The middle of a rectangle's edges, inside the rectangle.
struct Edges {
    CPoint left, top, right, bottom;
    explicit Edges(const CRect& iRect)
        : left(iRect.left, iRect.CenterPoint().y), top(iRect.CenterPoint().x, iRect.top),
          right(iRect.right - 1, iRect.CenterPoint().y), bottom(iRect.CenterPoint().x, iRect.bottom - 1)
    {
    }
};

CRect OnScreen(CGTToolBar& iBar, int iIndex)
{
    CRect rect = iBar.GetButton(iIndex)->Rect();
    iBar.ClientToScreen(&rect);
    return rect;
}
}  // namespace

TEST(ToolBarDemo, AClickRunsTheCommandOnceAndTheButtonUnderTheMouseStandsOut)
{
    CWinApp app(L"ToolBarDemo");
    auto* frame = new ToolBarDemoFrame;
    ASSERT_TRUE(frame->CreateDemo(CRect(40, 40, 440, 200)));
    app.m_pMainWnd = frame;
    LetItDraw(app, 500);

    DemoToolBar& bar = frame->m_ToolBar;
    const int clicked = bar.CommandToIndex(ID_GT_TEST_SECOND);
    const CRect button = OnScreen(bar, clicked);
    const CRect neighbour = OnScreen(bar, clicked + 1);
    SendMouse(0, button.CenterPoint());
    LetItDraw(app, 300);
    SendMouse(MOUSEEVENTF_LEFTDOWN, button.CenterPoint());
    LetItDraw(app, 200);
    SendMouse(MOUSEEVENTF_LEFTUP, button.CenterPoint());
    // The mouse rests on the button: the tooltip comes after a pause.
    LetItDraw(app, 1500);

    EXPECT_EQ(1, frame->CommandCount(ID_GT_TEST_SECOND));
    EXPECT_EQ(0, frame->CommandCount(ID_GT_TEST_FIRST) + frame->CommandCount(ID_GT_TEST_THIRD));
    const HWND tooltip = bar.TooltipWindow();
    ASSERT_NE(nullptr, tooltip);
    EXPECT_TRUE(::IsWindowVisible(tooltip));
    wchar_t tip[32] = {};
    ::GetWindowTextW(tooltip, tip, 32);
    EXPECT_STREQ(L"Week", tip);

    CRect shown;
    frame->GetWindowRect(&shown);
    CRect tipRect;
    ::GetWindowRect(tooltip, &tipRect);
    shown.UnionRect(&shown, &tipRect);
    Screenshot shot(shown);
    shot.Save(L"toolbar-demo.bmp");

    // The button under the mouse is raised in the classic look's colours; its neighbour is flat.
    const DWORD highlight = ToPixel(theGuiToolkitGlobals.colorBarHighlight);
    const DWORD shadow = ToPixel(theGuiToolkitGlobals.colorBarShadow);
    const DWORD face = ToPixel(theGuiToolkitGlobals.colorBarFace);
    const Edges raised(button);
    EXPECT_EQ(highlight, shot.Pixel(raised.left.x, raised.left.y));
    EXPECT_EQ(highlight, shot.Pixel(raised.top.x, raised.top.y));
    EXPECT_EQ(shadow, shot.Pixel(raised.right.x, raised.right.y));
    EXPECT_EQ(shadow, shot.Pixel(raised.bottom.x, raised.bottom.y));
    const Edges flat(neighbour);
    for (const CPoint& point : {flat.left, flat.top, flat.right, flat.bottom})
        EXPECT_EQ(face, shot.Pixel(point.x, point.y)) << point.x << "," << point.y;

    frame->DestroyWindow();
}
