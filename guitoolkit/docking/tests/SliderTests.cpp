#include <gtest/gtest.h>
#include "PaneTestSupport.h"

namespace {
// Two panes of at least 50 pixels side by side, split by a slider of their group.
struct SplitPanes {
    SplitPanes()
        : left(group.NewPane(CRect(0, 0, 300, 200), CSize(50, 0))),
          right(group.NewPane(CRect(0, 0, 400, 200), CSize(50, 0)))
    {
        group.manager.AddControlBar(&left);
        group.manager.InsertControlBar(&right, &left, GTSideRight);
        BOOL onLeft = FALSE;
        slider = group.manager.FindContainerByBar(&right, onLeft)->m_Slider;
    }
    CRect SliderPlace() const { return PlaceInParent(*slider); }
    // Presses the slider and moves the cursor by dx (slider client coordinates).
    void Drag(int iDx)
    {
        slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 10));
        slider->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<short>(2 + iDx), 10));
    }

    PaneGroup group;
    TestPane& left;
    TestPane& right;
    CGTSlider* slider = nullptr;
    FakeScreenDrawing screen;
};
}  // namespace

TEST(Slider, DragStaysInItsLimitsAndMovesBothSides)
{
    SplitPanes panes;
    ASSERT_EQ(CRect(146, 0, 150, 200), panes.SliderPlace());
    for (int dx : {-1000, 1000}) {
        panes.Drag(dx);
        ASSERT_FALSE(panes.screen.m_Calls.empty());
        const CRect drawn = panes.screen.m_Calls.back().first;
        panes.slider->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(static_cast<short>(2 + dx), 10));
        CRect placed;
        panes.slider->GetWindowRect(&placed);
        EXPECT_EQ(drawn, placed);
        EXPECT_EQ(panes.left.Place().right, panes.SliderPlace().left);
        EXPECT_EQ(panes.SliderPlace().right, panes.right.Place().left);
        EXPECT_EQ(300, panes.right.Place().right);
    }
    // Far right the right pane keeps its 50 pixels and one more.
    EXPECT_EQ(51, panes.right.Place().Width());
    panes.Drag(-1000);
    panes.slider->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, 10));
    EXPECT_EQ(50, panes.left.Place().Width());
}

TEST(Slider, CancelAndEscapeEndTheDragWithoutAMove)
{
    SplitPanes panes;
    const CRect before = panes.left.Place();
    panes.Drag(-40);
    EXPECT_EQ(panes.slider, CWnd::GetCapture());
    panes.slider->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(panes.slider->IsTracking());
    EXPECT_NE(panes.slider, CWnd::GetCapture());

    panes.Drag(-40);
    MSG escape{panes.slider->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(panes.group.frame.PreTranslateMessage(&escape));
    EXPECT_FALSE(panes.slider->IsTracking());
    panes.slider->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, 10));
    EXPECT_EQ(before, panes.left.Place());
    EXPECT_EQ(CRect(146, 0, 150, 200), panes.SliderPlace());
    EXPECT_TRUE(panes.screen.m_Calls.back().first.IsRectEmpty());
}

// Offsets come in screen coordinates; in a right-to-left parent the client x runs the other
// way, so the slider still lands where the cursor is.
TEST(Slider, RightToLeftParentMovesAgainstTheClientAxis)
{
    SplitPanes panes;
    panes.group.frame.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    const CRect before = panes.SliderPlace();
    panes.slider->Move(20);
    EXPECT_EQ(before.left - 20, panes.SliderPlace().left);
}

TEST(Slider, DefaultSliderHidesWithItsLastVisiblePane)
{
    PaneFrame frame;
    TestPane pane(frame, CRect(0, 0, 100, 200), 300);
    ASSERT_TRUE(pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE));
    CGTSlider* slider = pane.GetDefaultSliderObject();
    ASSERT_NE(nullptr, slider);
    EXPECT_TRUE(slider->IsDefaultSlider());
    EXPECT_TRUE(slider->GetStyle() & WS_VISIBLE);
    pane.ShowBar(FALSE, TRUE, FALSE);
    EXPECT_FALSE(slider->GetStyle() & WS_VISIBLE);
    pane.ShowBar(TRUE, TRUE, FALSE);
    EXPECT_TRUE(slider->GetStyle() & WS_VISIBLE);
}

TEST(Slider, RecordRoundTripsWithItsVisibility)
{
    for (BOOL visible : {TRUE, FALSE}) {
        SplitPanes panes;
        panes.group.frame.ShowWindow(SW_SHOWNA);
        panes.slider->ShowWindow(visible ? SW_SHOW : SW_HIDE);
        CMemFile file;
        {
            CArchive store(&file, CArchive::store);
            panes.slider->Serialize(store);
        }
        EXPECT_EQ(56u, file.GetLength());
        file.SeekToBegin();
        auto* loaded = new CGTSlider;
        loaded->Init(FALSE, &panes.group.frame);
        {
            CArchive load(&file, CArchive::load);
            loaded->Serialize(load);
        }
        CRect place;
        loaded->GetWindowRect(&place);
        panes.group.frame.ScreenToClient(&place);
        EXPECT_EQ(panes.SliderPlace(), place);
        EXPECT_EQ(panes.slider->GetDlgCtrlID(), loaded->GetDlgCtrlID());
        EXPECT_FALSE(loaded->IsHorizontal());
        EXPECT_EQ(visible, (loaded->GetStyle() & WS_VISIBLE) != 0);
        loaded->DestroyWindow();
    }
}

TEST(Slider, ALoadedRecordKeepsOnlyItsOrientationAndVisibilityAndABoundedThickness)
{
    SplitPanes panes;
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        panes.slider->CGTBaseControlBar::Serialize(store);
        store << 7 << 1 << CRect(10, 20, 5010, 320) << TRUE << DWORD(WS_POPUP | WS_CAPTION | CGTSlider::verticalStyle)
              << 5000 << FALSE << 0 << 0;
    }
    file.SeekToBegin();
    auto* loaded = new CGTSlider;
    loaded->Init(FALSE, &panes.group.frame);
    {
        CArchive load(&file, CArchive::load);
        loaded->Serialize(load);
    }
    EXPECT_EQ(DWORD(CGTSlider::verticalStyle | WS_VISIBLE), loaded->GetSliderStyle());
    EXPECT_EQ(DWORD(WS_CHILD), loaded->GetStyle() & (WS_CHILD | WS_POPUP | WS_CAPTION));
    EXPECT_EQ(CGTSlider::s_MaxThickness, loaded->GetThickness());
    EXPECT_EQ(300, PlaceInParent(*loaded).Height());
    loaded->DestroyWindow();
}

TEST(Slider, AllowsInsertBeforeWhenAPaneOfItsGroupMayFloat)
{
    PaneFrame frame;
    CGTSlider plain;
    EXPECT_TRUE(plain.AllowsInsertBefore());
    for (DWORD behaviour : {DWORD(GTBehaviourAll), DWORD(GTBehaviourAll & ~GTBehaviourCanFloat)}) {
        TestPane pane(frame, CRect(0, 0, 100, 200), 300, CSize(), behaviour);
        ASSERT_TRUE(pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE));
        EXPECT_EQ((behaviour & GTBehaviourCanFloat) != 0, pane.GetDefaultSliderObject()->AllowsInsertBefore());
    }
}
