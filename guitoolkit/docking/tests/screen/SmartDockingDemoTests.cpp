// What a user sees, on a real X display: the smart-docking markers while a pane is dragged by
// its caption with real mouse input. The pane floats once the cursor passes the drag distance;
// the side markers stand at the frame's edges, the central group over the pane under the
// cursor, the hovered marker is framed in the highlight colour and the tinted preview shows
// where the pane would land. The screenshot is kept as smart-docking-demo.bmp beside the test
// for people to look at. Until floating frames follow the mouse themselves, the test starts
// the markers for the floating frame and hands them each cursor position, as that move loop
// will.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <gtest/gtest.h>
#include "PaneDemoFrame.h"
#include "ScreenTestSupport.h"

namespace {
CPoint CursorNow()
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    return cursor;
}

// Real moves from one point to another in a few steps, each one told to the markers.
void MoveThrough(CWinApp& ioApp, CGTSmartDockingManager& ioSmart, CPoint iFrom, CPoint iTo)
{
    const int steps = 5;
    for (int step = 1; step <= steps; ++step) {
        SendMouse(0, iFrom + CSize((iTo.x - iFrom.x) * step / steps, (iTo.y - iFrom.y) * step / steps));
        LetItDraw(ioApp, 150);
        ioSmart.OnMouseMove(CursorNow());
    }
}
}  // namespace

TEST(SmartDockingDemo, DraggingAPaneShowsTheMarkersAndTheHoveredOneHighlights)
{
    CWinApp app(L"SmartDockingDemo");
    const int mode = CGTDockManager::s_nDockingMode;
    CGTDockManager::SetDockingMode(GTDockingSmart);
    PaneDemoFrame demo(CRect(40, 40, 760, 560));
    ASSERT_TRUE(demo.CreateDemo(TRUE));
    app.m_pMainWnd = &demo;
    LetItDraw(app);

    CGTDockingControlBar& dragged = demo.Second();
    const CRect start = WindowRect(dragged);
    const CPoint press(start.left + 40, start.top + dragged.GetCaptionHeight() / 2);
    SendMouse(0, press);
    LetItDraw(app, 300);
    SendMouse(MOUSEEVENTF_LEFTDOWN, press);
    LetItDraw(app, 300);
    for (int dx = 10; dx <= 30; dx += 10) {
        SendMouse(MOUSEEVENTF_MOVE, press + CSize(dx, 0));
        LetItDraw(app, 200);
    }
    CGTMiniFrameWnd* floating = dragged.GetParentMiniFrame();
    ASSERT_NE(nullptr, floating);

    CGTSmartDockingManager* smart = demo.GetDockManager()->GetSmartDockingManager();
    ASSERT_NE(nullptr, smart);
    smart->Start(floating);
    const CPoint overFirst = WindowRect(demo.First()).CenterPoint();
    MoveThrough(app, *smart, CursorNow(), overFirst);
    CGTSDCentralGroup& group = *smart->GetCentralGroup();
    EXPECT_TRUE(group.m_Wnd.IsWindowVisible());
    EXPECT_EQ(overFirst, WindowRect(group.m_Wnd).CenterPoint());

    const auto& right = static_cast<const CGTSDCentralGroupMarker&>(*smart->GetMarker(5));
    const CRect rightRect(WindowRect(group.m_Wnd).TopLeft() + right.m_PositionInGroup,
                          CSize(right.m_Width, right.m_Height));
    MoveThrough(app, *smart, overFirst, rightRect.CenterPoint());
    ASSERT_EQ(5, smart->GetHoveredMarker());
    // Beside the first pane, on its right, is where the pane would land.
    CRect place = WindowRect(demo.First());
    place.left = place.CenterPoint().x;
    smart->ShowPlace(place);
    LetItDraw(app, 800);

    CRect shown;
    demo.GetWindowRect(&shown);
    Screenshot shot(shown);
    shot.Save(L"smart-docking-demo.bmp");
    // The hovered marker's outer edge in the highlight colour, the others' in their base colour.
    const DWORD highlight = ToPixel(CGTSmartDockingMarker::s_HighlightColor);
    EXPECT_EQ(highlight, shot.Pixel(rightRect.right - 1, rightRect.CenterPoint().y));
    EXPECT_EQ(highlight, shot.Pixel(rightRect.CenterPoint().x, rightRect.top));
    const CRect leftSide = WindowRect(smart->GetMarker(0)->m_BitmapWnd);
    EXPECT_NE(highlight, shot.Pixel(leftSide.left, leftSide.CenterPoint().y));
    EXPECT_TRUE(smart->GetMarker(0)->m_BitmapWnd.IsWindowVisible());
    EXPECT_TRUE(smart->GetPlaceMarker().m_Shown);

    SendMouse(MOUSEEVENTF_LEFTUP, CursorNow());
    smart->Stop();
    LetItDraw(app, 300);
    EXPECT_FALSE(group.m_Wnd.IsWindowVisible());
    EXPECT_FALSE(smart->GetPlaceMarker().IsWindowVisible());
    CGTDockManager::s_nDockingMode = mode;
    app.m_pMainWnd = nullptr;
}
