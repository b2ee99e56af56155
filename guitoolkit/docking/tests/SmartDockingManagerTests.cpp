#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/GTDockingTargets.h>
#include <gtest/gtest.h>
#include "PaneTestSupport.h"

namespace {
// The mini frame a pane is dragged in: it holds the pane it is given and counts the cancel
// requests it gets.
class DraggedFrame : public CGTMiniFrameWnd {
public:
    explicit DraggedFrame(CWnd& iOwner, CWnd* iBar = nullptr) : m_Bar(iBar)
    {
        CWnd::CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 100, 100), &iOwner, 0);
    }
    ~DraggedFrame() override { DestroyWindow(); }
    CWnd* GetBar() const override { return m_Bar; }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_CANCELMODE)
            ++m_Cancels;
        return CGTMiniFrameWnd::WindowProc(iMessage, iWParam, iLParam);
    }

    CWnd* m_Bar;
    int m_Cancels = 0;
};

// The layered-window entry taken away for a while, and the screen's colour depth set.
class ScreenKind {
public:
    ScreenKind(BOOL iLayered, int iBitsPerPixel)
        : m_Entry(theGuiToolkitGlobals.pfnSetLayeredWindowAttributes), m_Bits(theGuiToolkitGlobals.bitsPerPixel)
    {
        if (!iLayered)
            theGuiToolkitGlobals.pfnSetLayeredWindowAttributes = nullptr;
        theGuiToolkitGlobals.bitsPerPixel = iBitsPerPixel;
    }
    ~ScreenKind()
    {
        theGuiToolkitGlobals.pfnSetLayeredWindowAttributes = m_Entry;
        theGuiToolkitGlobals.bitsPerPixel = m_Bits;
    }

private:
    GuiToolkitGlobals::SetLayeredWindowAttributesFunction m_Entry;
    int m_Bits;
};

// A frame with dock bars on every side, a pane docked at its left edge and a second pane
// that is dragged; the markers are made for the frame.
struct SmartDrag {
    explicit SmartDrag(CRect iFrameRect = CRect(100, 100, 700, 500), DWORD iDraggedSides = GTSideAny)
        : frame(iFrameRect), target(frame, CRect(0, 0, 150, 300), 300), dragged(frame, CRect(0, 0, 150, 300), 301),
          miniFrame(frame, &dragged)
    {
        frame.m_DockManager.CreateDockBars(GTSideAny);
        target.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        dragged.ShowWindow(SW_HIDE);
        dragged.EnableDocking(iDraggedSides);
        smart = frame.m_DockManager.GetSmartDockingManager();
    }
    CGTSmartDockingMarker& Marker(int iId) const { return *smart->GetMarker(iId); }
    BOOL SideMarkerShown(int iId) const { return Marker(iId).m_BitmapWnd.IsWindowVisible(); }
    CRect GroupRect() const { return WindowRect(smart->GetCentralGroup()->m_Wnd); }
    // The middle of a central marker on the screen.
    CPoint CentralMarkerPoint(int iId) const
    {
        const auto& marker = static_cast<const CGTSDCentralGroupMarker&>(Marker(iId));
        return GroupRect().TopLeft() + marker.m_PositionInGroup + CSize(marker.m_Width / 2, marker.m_Height / 2);
    }
    CPoint FreeAreaCentre() const
    {
        CRect free;
        frame.m_DockManager.GetClientAreaBounds(free);
        frame.ClientToScreen(&free);
        return free.CenterPoint();
    }

    TestDockingFrame frame;
    TestPane target;
    TestPane dragged;
    DraggedFrame miniFrame;
    CGTSmartDockingManager* smart = nullptr;
};
}  // namespace

TEST(SmartDocking, ShowsOnlyTheMarkersOfTheSidesTheDraggedPaneAllows)
{
    SmartDrag drag(CRect(100, 100, 700, 500), GTSideLeft | GTSideRight);
    ASSERT_NE(nullptr, drag.smart);
    drag.smart->Start(&drag.miniFrame);
    ASSERT_TRUE(drag.smart->IsStarted());
    for (int id = 0; id < 4; ++id)
        EXPECT_EQ(id < 2, drag.SideMarkerShown(id)) << id;

    drag.smart->OnMouseMove(drag.FreeAreaCentre());
    EXPECT_TRUE(drag.smart->GetCentralGroup()->m_Wnd.IsWindowVisible());
    for (int id = 4; id < 8; ++id)
        EXPECT_EQ(id < 6, static_cast<CGTSDCentralGroupMarker&>(drag.Marker(id)).m_Visible) << id;

    drag.smart->Stop();
    for (int id = 0; id < 4; ++id)
        EXPECT_FALSE(drag.SideMarkerShown(id)) << id;
    EXPECT_FALSE(drag.smart->GetCentralGroup()->m_Wnd.IsWindowVisible());
}

// Over a pane that takes the dragged one as a tab the centre marker is on; over the frame's
// free area it is off, and the point where it would be hovers nothing. Moving the group
// elsewhere forgets the hovered marker, and the place shows only while one is hovered.
TEST(SmartDocking, TheCentreMarkerOnlyStandsOverAPaneThatTakesATab)
{
    SmartDrag drag;
    drag.smart->Start(&drag.miniFrame);
    const CPoint overTarget = WindowRect(drag.target).CenterPoint();
    drag.smart->OnMouseMove(overTarget);
    EXPECT_EQ(overTarget, drag.GroupRect().CenterPoint());
    EXPECT_EQ(8, drag.smart->GetHoveredMarker());
    EXPECT_TRUE(drag.Marker(8).IsHighlighted());

    drag.smart->MoveCentralGroup(CRect(400, 200, 600, 400), TRUE, GTSideAny);
    EXPECT_EQ(-1, drag.smart->GetHoveredMarker());
    drag.smart->ShowPlace(CRect(10, 10, 50, 50));
    EXPECT_FALSE(drag.smart->GetPlaceMarker().m_Shown);

    const CPoint free = drag.FreeAreaCentre();
    drag.smart->OnMouseMove(free);
    EXPECT_EQ(free, drag.GroupRect().CenterPoint());
    EXPECT_FALSE(drag.smart->GetCentralGroup()->m_CentreMarkerOn);
    EXPECT_EQ(-1, drag.smart->GetHoveredMarker());

    drag.smart->OnMouseMove(drag.CentralMarkerPoint(4));
    EXPECT_EQ(4, drag.smart->GetHoveredMarker());
    drag.smart->ShowPlace(CRect(10, 10, 50, 50));
    EXPECT_TRUE(drag.smart->GetPlaceMarker().m_Shown);
}

// In a narrow frame the central group covers the left side marker: the central marker wins
// and only it is highlighted.
TEST(SmartDocking, CentralMarkersWinOverTheSideMarkersTheyCover)
{
    SmartDrag drag(CRect(100, 100, 280, 400));
    drag.target.ShowWindow(SW_HIDE);
    drag.frame.m_DockManager.RecalcLayout();
    drag.smart->Start(&drag.miniFrame);
    drag.smart->OnMouseMove(drag.FreeAreaCentre());
    const CRect side = WindowRect(drag.Marker(0).m_BitmapWnd);
    CPoint both(-1, -1);
    for (int x = side.right - 1; x >= side.left && both.x < 0; --x)
        if (drag.Marker(0).IsPtIn(CPoint(x, side.CenterPoint().y)) &&
            drag.Marker(4).IsPtIn(CPoint(x, side.CenterPoint().y)))
            both = CPoint(x, side.CenterPoint().y);
    ASSERT_GE(both.x, 0);
    drag.smart->OnMouseMove(both);
    EXPECT_EQ(4, drag.smart->GetHoveredMarker());
    EXPECT_TRUE(drag.Marker(4).IsHighlighted());
    EXPECT_FALSE(drag.Marker(0).IsHighlighted());

    drag.smart->OnMouseMove(CPoint(side.left + 4, side.CenterPoint().y));
    EXPECT_EQ(0, drag.smart->GetHoveredMarker());
    EXPECT_FALSE(drag.Marker(4).IsHighlighted());
}

TEST(SmartDocking, TheCentralGroupMovedTwiceToOneRectangleStaysTheSecondTime)
{
    SmartDrag drag;
    CGTSDCentralGroup& group = *drag.smart->GetCentralGroup();
    const CRect over(200, 150, 400, 350);
    EXPECT_TRUE(group.MoveTo(over, 1));
    EXPECT_FALSE(group.MoveTo(over, 0));
    EXPECT_FALSE(group.m_CentreMarkerOn);
    EXPECT_EQ(over.CenterPoint(), WindowRect(group.m_Wnd).CenterPoint());
}

// A marker's transparent corner is off it, whether the window is layered or cut to its shape.
TEST(SmartDocking, ATransparentCornerIsOffTheMarker)
{
    for (BOOL layered : {TRUE, FALSE}) {
        ScreenKind screen(layered, 32);
        SmartDrag drag;
        drag.smart->Start(&drag.miniFrame);
        const CGTSmartDockingMarker& left = drag.Marker(0);
        EXPECT_EQ(layered, left.m_Layered);
        const CRect rect = WindowRect(left.m_BitmapWnd);
        EXPECT_EQ(CSize(31, 29), rect.Size());
        EXPECT_FALSE(left.IsPtIn(rect.TopLeft())) << layered;
        EXPECT_TRUE(left.IsPtIn(rect.TopLeft() + CSize(1, 0))) << layered;
        EXPECT_TRUE(left.IsPtIn(rect.CenterPoint())) << layered;
        EXPECT_FALSE(left.IsPtIn(CPoint(rect.right - 1, rect.bottom - 1))) << layered;
        const CGTSDCentralGroupMarker& centre = static_cast<const CGTSDCentralGroupMarker&>(drag.Marker(8));
        const CPoint corner = drag.GroupRect().TopLeft() + centre.m_PositionInGroup;
        EXPECT_FALSE(centre.IsPtIn(corner)) << layered;
        EXPECT_TRUE(centre.IsPtIn(corner + CSize(1, 1))) << layered;
    }
}

// The preview tints through a layered window when it can; otherwise it inverts.
TEST(SmartDocking, ThePreviewIsLayeredOnlyWithTheEntryAndMoreThan8Bits)
{
    const struct {
        BOOL entry;
        int bits;
        BOOL layered;
    } cases[] = {{TRUE, 32, TRUE}, {TRUE, 8, FALSE}, {FALSE, 32, FALSE}};
    TestDockingFrame frame;
    for (const auto& kind : cases) {
        ScreenKind screen(kind.entry, kind.bits);
        CGTSDPlaceMarkerWnd preview;
        ASSERT_TRUE(preview.Create(&frame));
        EXPECT_EQ(kind.layered, (preview.GetExStyle() & WS_EX_LAYERED) != 0) << kind.bits;
        preview.ShowTabbedAt(CRect(200, 200, 300, 260), CRect(10, 0, 50, 20));
        EXPECT_EQ(CRect(200, 200, 300, 280), WindowRect(preview));
        preview.ShowAt(CRect(200, 200, 300, 260));
        EXPECT_EQ(CRect(200, 200, 300, 260), WindowRect(preview));
        preview.Hide();
        EXPECT_FALSE(preview.IsWindowVisible());
        preview.DestroyWindow();
    }
}

// With the smart mode the hovered marker decides the side: the side markers at the frame's
// outer edge, the central ones beside a pane; Escape sends the dragged frame a cancel.
TEST(SmartDocking, TheHoveredMarkerGivesTheSideAndEscapeCancels)
{
    const int mode = CGTDockManager::s_nDockingMode;
    CGTDockManager::SetDockingMode(GTDockingSmart);
    EXPECT_EQ(0x81, CGTDockManager::s_nDockingMode);
    SmartDrag drag;
    drag.smart->Start(&drag.miniFrame);
    const CPoint right = drag.CentralMarkerPoint(5);
    drag.smart->OnMouseMove(right);
    ASSERT_EQ(5, drag.smart->GetHoveredMarker());
    DWORD side = 0;
    EXPECT_TRUE(HitTestBarDockingTarget(right, &drag.target, 15, nullptr, FALSE, side, 0));
    EXPECT_EQ(GTSideRight, side);
    EXPECT_FALSE(HitTestBarDockingTarget(right, &drag.target, 15, nullptr, TRUE, side, GTSideAny));

    drag.smart->OnMouseMove(WindowRect(drag.Marker(3).m_BitmapWnd).CenterPoint());
    ASSERT_EQ(3, drag.smart->GetHoveredMarker());
    EXPECT_TRUE(HitTestBarDockingTarget(CPoint(0, 0), nullptr, 15, &drag.frame.m_DockManager, TRUE, side, 0,
                                        CRect(0, 0, 1, 1)));
    EXPECT_EQ(GTSideBottom, side);

    drag.smart->OnMouseMove(WindowRect(drag.target).CenterPoint());
    FakeCursor cursor;
    cursor.m_Position = drag.CentralMarkerPoint(5);
    drag.smart->OnMouseMove(cursor.m_Position);
    ASSERT_EQ(5, drag.smart->GetHoveredMarker());
    drag.dragged.ShowWindow(SW_SHOW);
    EXPECT_TRUE(drag.dragged.DockAtTarget(&drag.target, nullptr, GTDockByMouse));
    EXPECT_EQ(drag.target.GetDefaultSlider(), drag.dragged.GetDefaultSlider());
    EXPECT_LT(WindowRect(drag.target).right, WindowRect(drag.dragged).left);

    TestPane floating(drag.miniFrame, CRect(0, 0, 100, 100), 302);
    drag.miniFrame.m_Bar = &floating;
    MSG escape = {floating.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0};
    drag.miniFrame.SetCapture();
    EXPECT_TRUE(floating.PreTranslateMessage(&escape));
    PumpMessages();
    EXPECT_EQ(1, drag.miniFrame.m_Cancels);
    ::ReleaseCapture();
    drag.smart->CauseCancelMode();
    EXPECT_EQ(2, drag.miniFrame.m_Cancels);
    drag.smart->Stop();
    drag.miniFrame.SetCapture();
    floating.PreTranslateMessage(&escape);
    ::ReleaseCapture();
    PumpMessages();
    EXPECT_EQ(2, drag.miniFrame.m_Cancels);
    CGTDockManager::s_nDockingMode = mode;
}

// A new look has the markers made again at the next use, but never in the middle of a drag.
TEST(SmartDocking, ANewLookRemakesTheMarkersOutsideADrag)
{
    SmartDrag drag;
    drag.smart->Start(&drag.miniFrame);
    theToolkitAppearanceChanged = TRUE;
    EXPECT_EQ(drag.smart, drag.frame.m_DockManager.GetSmartDockingManager());
    EXPECT_TRUE(drag.smart->IsStarted());
    EXPECT_TRUE(theToolkitAppearanceChanged);
    drag.smart->Stop();
    CGTSmartDockingManager* remade = drag.frame.m_DockManager.GetSmartDockingManager();
    EXPECT_FALSE(theToolkitAppearanceChanged);
    ASSERT_NE(nullptr, remade);
    EXPECT_FALSE(remade->IsStarted());
    EXPECT_NE(nullptr, remade->GetMarker(0));
}

// In the immediate and smart modes a caption press floats the pane once the cursor has gone
// past the drag distance; a move with the button up drops the pending float.
TEST(SmartDocking, ACaptionDragPastTheDragDistanceFloatsThePane)
{
    for (BOOL buttonDown : {TRUE, FALSE}) {
        TestDockingFrame frame;
        TestPane pane(frame, CRect(0, 0, 150, 300), 300);
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        pane.SetDockingMode(GTDockingSmart | GTDockingImmediate);
        FakeCursor cursor;
        const CRect window = WindowRect(pane);
        auto mouse = [&](UINT iMessage, CSize iFromPress, UINT iFlags) {
            cursor.m_Position = window.TopLeft() + CSize(40, 30) + iFromPress;
            CPoint client = cursor.m_Position;
            pane.ScreenToClient(&client);
            pane.SendMessage(iMessage, iFlags, MAKELPARAM(client.x, client.y));
        };
        mouse(WM_LBUTTONDOWN, CSize(0, 0), MK_LBUTTON);
        ASSERT_TRUE(pane.m_PendingFloat);
        mouse(WM_MOUSEMOVE, CSize(1, 1), MK_LBUTTON);
        EXPECT_TRUE(pane.m_PendingFloat);
        EXPECT_EQ(nullptr, pane.GetParentMiniFrame());

        mouse(WM_MOUSEMOVE, CSize(20, 0), buttonDown ? MK_LBUTTON : 0);
        EXPECT_FALSE(pane.m_PendingFloat);
        EXPECT_EQ(buttonDown, pane.GetParentMiniFrame() != nullptr) << buttonDown;
        if (CGTMiniFrameWnd* miniFrame = pane.GetParentMiniFrame()) {
            // Docked back, the pane leaves the mini frame empty, and the frame deletes itself.
            const HWND floating = miniFrame->GetSafeHwnd();
            pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
            EXPECT_FALSE(::IsWindow(floating));
        }
        ::ReleaseCapture();
    }
}

// Dropped with the markers up, the pane becomes a tab of the pane under the centre marker and
// docks beside it under a central side marker.
TEST(SmartDocking, ADroppedPaneDocksAsTheHoveredMarkerSays)
{
    for (int marker : {8, 5}) {
        SmartDrag drag;
        drag.dragged.SetDockingMode(GTDockingSmart | GTDockingImmediate);
        drag.smart->Start(&drag.miniFrame);
        drag.smart->OnMouseMove(WindowRect(drag.target).CenterPoint());
        FakeCursor cursor;
        cursor.m_Position = drag.CentralMarkerPoint(marker);
        drag.smart->OnMouseMove(cursor.m_Position);
        ASSERT_EQ(marker, drag.smart->GetHoveredMarker());
        drag.dragged.ShowWindow(SW_SHOW);
        int code = 0;
        BOOL handled = FALSE;
        EXPECT_EQ(&drag.target, drag.dragged.FindDockTarget(15, code, handled)) << marker;
        EXPECT_EQ(marker == 8 ? 3 : 2, code);
        EXPECT_TRUE(handled) << marker;
        EXPECT_EQ(marker == 8, drag.dragged.IsTabbed()) << marker;
        if (marker == 5) {
            EXPECT_EQ(drag.target.GetDefaultSlider(), drag.dragged.GetDefaultSlider());
        }
        drag.smart->Stop();
    }
}
