#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <gtest/gtest.h>
#include <algorithm>
#include "PaneTestSupport.h"

namespace {
// A pane with an icon on demand.
class IconPane : public TestPane {
public:
    IconPane(CWnd& iParent, CRect iRect, UINT iId) : TestPane(iParent, iRect, iId) {}
    HICON GetBarIcon(BOOL) override { return m_Icon; }
    HICON m_Icon = nullptr;
};

// A pane whose caption buttons the test presses.
class PinPane : public IconPane {
public:
    using IconPane::IconPane;
    using IconPane::OnPressButtons;
};

// A look that pulls auto-hide toolbars back and counts the buttons it fills.
class HalfBackLook : public CGTVisualManager {
    DECLARE_DYNCREATE(HalfBackLook)
public:
    BOOL GetAutoHideLayoutFlag() const override { return TRUE; }
    void FillAutoHideButton(CDC*, CRect, IGTLookAutoHideButton*) override { ++m_Fills; }
    int m_Fills = 0;
};
IMPLEMENT_DYNCREATE(HalfBackLook, CGTVisualManager)

// A frame with dock bars and auto-hide strips on every side, and panes docked at its edges.
struct AutoHideFrame {
    AutoHideFrame()
    {
        frame.m_Ids.CreateDockBars(GTSideAny);
        frame.m_Ids.CreateAutoHideDockBars(GTSideAny);
    }
    PinPane& Dock(DWORD iSide, CRect iRect = CRect(0, 0, 120, 120))
    {
        panes.push_back(std::make_unique<PinPane>(frame, iRect, 300 + UINT(panes.size())));
        PinPane& pane = *panes.back();
        pane.SetWindowText(L"");
        pane.DockToFrameWindow(iSide, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        return pane;
    }
    CGTAutoHideDockBar* Strip(DWORD iSide)
    {
        return DYNAMIC_DOWNCAST(CGTAutoHideDockBar, frame.m_Ids.FindDockBarByAlignment(iSide, FALSE));
    }
    // Puts the fake cursor over the middle of the pane's button.
    void CursorOnButton(CGTDockingControlBar& iPane)
    {
        CRect button = iPane.GetAutoHideButton()->GetRect();
        iPane.GetAutoHideToolBar()->ClientToScreen(&button);
        cursor.m_Position = button.CenterPoint();
    }
    // Runs the pane's slide timer until the slide ends; the number of ticks.
    static int FinishSlide(CGTDockingControlBar& ioPane, UINT_PTR iTimer)
    {
        int ticks = 0;
        while (!ioPane.IsSlideFinished() || (iTimer == 2 && !ioPane.IsSlidOut())) {
            ioPane.SendMessage(WM_TIMER, iTimer);
            if (++ticks > 1000)
                break;
        }
        return ticks;
    }

    FixedScreenFacts screen;
    FakeCursor cursor;
    PaneFrame frame;
    std::vector<std::unique_ptr<PinPane>> panes;
};

int Across(const CRect& iRect, DWORD iSide)
{
    return IsHorizontalSide(iSide) ? iRect.Height() : iRect.Width();
}
}  // namespace

TEST(AutoHide, TheFirstToolbarMakesTheRowAndTheStripThickness)
{
    for (DWORD side : {GTSideLeft, GTSideTop, GTSideRight, GTSideBottom}) {
        AutoHideFrame fixture;
        IconPane& pane = fixture.Dock(side);
        CGTAutoHideToolBar* toolBar = pane.SetAutoHideMode(TRUE, side, nullptr, FALSE);
        ASSERT_NE(nullptr, toolBar) << side;
        CGTAutoHideDockBar* strip = fixture.Strip(side);
        ASSERT_EQ(strip, toolBar->GetParentDockBar());
        ASSERT_EQ(1, strip->GetRows().GetCount());
        const CRect bar = WindowRect(*toolBar), dock = WindowRect(*strip);
        EXPECT_EQ(Across(bar, side) + 2, Across(dock, side)) << side;
        // On the right and bottom the buttons sit past the margin, against the frame edge.
        const BOOL pastMargin = side == GTSideRight || side == GTSideBottom;
        const int offset = IsHorizontalSide(side) ? bar.top - dock.top : bar.left - dock.left;
        EXPECT_EQ(pastMargin ? 2 : 0, offset) << side;
        EXPECT_TRUE(pane.IsAutoHideMode());
        EXPECT_FALSE(Shown(pane));
        EXPECT_FALSE(pane.IsVisible());
        EXPECT_TRUE(pane.GetDefaultSliderObject()->IsAutoHideSlider());
    }
}

TEST(AutoHide, TheStripTakesOnlyAutoHideToolbars)
{
    AutoHideFrame fixture;
    IconPane& pane = fixture.Dock(GTSideLeft);
    EXPECT_FALSE(fixture.Strip(GTSideLeft)->CanAcceptBar(&pane));
    CGTAutoHideToolBar* toolBar = pane.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
    EXPECT_TRUE(fixture.Strip(GTSideLeft)->CanAcceptBar(toolBar));
}

TEST(AutoHide, ButtonSizes)
{
    const CSize icon = theGuiToolkitGlobals.sizeSmallIcon;
    struct Case {
        DWORD side;
        bool hasIcon;
        bool hasText;
        bool active;
        int textLength;  // 1: the label's measured length counts
        CSize expected;  // along, across the strip without the label
    };
    // Start 2 + 2 x 1; without an icon 2 + 20 more; an icon without text 2 + 1 more; an icon
    // and text 10 + the icon's length more.
    const Case cases[] = {
        {GTSideTop, false, false, true, 0, {4 + 22, 4}},
        {GTSideTop, true, false, true, 0, {4 + icon.cx + 3, 4 + icon.cy}},
        {GTSideLeft, true, false, true, 0, {4 + icon.cy + 3, 4 + icon.cx}},
        {GTSideBottom, true, true, true, 1, {4 + 2 * icon.cx + 10, 4 + icon.cy}},
        // An inactive toolbar shows only the icon: the label takes no room.
        {GTSideBottom, true, true, false, 0, {4 + icon.cx + 3, 4 + icon.cy}},
        // Without an icon the label always shows.
        {GTSideRight, false, true, false, 1, {4 + 22, 4}},
    };
    for (const Case& test : cases) {
        AutoHideFrame fixture;
        IconPane& pane = fixture.Dock(test.side);
        pane.m_Icon = test.hasIcon ? ::LoadIcon(nullptr, IDI_APPLICATION) : nullptr;
        pane.SetWindowText(test.hasText ? L"Computers" : L"");
        CGTAutoHideToolBar* toolBar = pane.SetAutoHideMode(TRUE, test.side, nullptr, FALSE);
        ASSERT_NE(nullptr, toolBar);
        toolBar->SetRowActive(test.active);
        CGTAutoHideButton* button = pane.GetAutoHideButton();
        CSize label(0, 0);
        if (test.hasText) {
            CClientDC dc(toolBar);
            CFont* old = dc.SelectObject(IsHorizontalSide(test.side) ? &theGuiToolkitGlobals.fontRegular
                                                                     : &theGuiToolkitGlobals.fontVert);
            label = dc.GetTextExtent(L"Computers") + CSize(2, 2);
            dc.SelectObject(old);
        }
        const CSize size = button->MeasureButton();
        const int along = IsHorizontalSide(test.side) ? size.cx : size.cy;
        const int across = IsHorizontalSide(test.side) ? size.cy : size.cx;
        EXPECT_EQ(test.expected.cx + test.textLength * label.cx, along) << test.side << test.hasIcon << test.active;
        const int labelAcross = test.hasText ? label.cy : 0;
        const int rowOffers = toolBar->GetDockRow()->GetThickness() - 2;
        EXPECT_EQ(std::max<int>({test.expected.cy, 4 + labelAcross, rowOffers}), across);
    }
}

TEST(AutoHide, HoverArmsOnlyOverAHiddenPanesButtonAndShowsItWhileTheCursorStays)
{
    AutoHideFrame fixture;
    IconPane& pane = fixture.Dock(GTSideLeft);
    CGTAutoHideToolBar* toolBar = pane.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
    const CPoint inButton = pane.GetAutoHideButton()->GetRect().CenterPoint();

    toolBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inButton.x, inButton.y));
    EXPECT_TRUE(toolBar->IsHoverArmed());
    // Off the strip when the delay ends: nothing shows.
    fixture.cursor.m_Position = CPoint(-500, -500);
    toolBar->SendMessage(WM_TIMER, 1);
    EXPECT_FALSE(toolBar->IsHoverArmed());
    EXPECT_FALSE(pane.IsSlidOut());

    toolBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inButton.x, inButton.y));
    fixture.CursorOnButton(pane);
    toolBar->SendMessage(WM_TIMER, 1);
    EXPECT_TRUE(pane.IsSlidOut());
    EXPECT_TRUE(toolBar->IsRowActive());

    // Over the button of a pane that is out the hover stays idle.
    toolBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inButton.x, inButton.y));
    EXPECT_FALSE(toolBar->IsHoverArmed());
}

TEST(AutoHide, ASlideTakesTwelveTicksOfAtLeastOnePixel)
{
    struct Case {
        int width;
        int ticks;
    };
    for (const Case test : {Case{120, 12}, Case{5, 5}}) {
        AutoHideFrame fixture;
        IconPane& pane = fixture.Dock(GTSideLeft, CRect(0, 0, test.width, 120));
        pane.SetStoredSize(CSize(1, 1));
        pane.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
        const int width = pane.GetRestoredRect().Width();
        pane.Slide(TRUE, TRUE);
        EXPECT_TRUE(pane.IsSlidOut());
        EXPECT_EQ(0, WindowRect(pane).Width());
        int previous = 0, ticks = 0;
        while (WindowRect(pane).Width() < width && ticks < 100) {
            pane.SendMessage(WM_TIMER, 2);
            const int now = WindowRect(pane).Width();
            EXPECT_GE(now - previous, 1);
            previous = now;
            ++ticks;
        }
        EXPECT_EQ(width == 120 ? 12 : width, ticks) << test.width;
        EXPECT_TRUE(pane.IsSlideFinished());
        // The slider follows the pane's inner side.
        EXPECT_EQ(WindowRect(pane).right, WindowRect(*pane.GetDefaultSliderObject()).left);
    }
}

TEST(AutoHide, InARemoteSessionASlideIsOneStep)
{
    AutoHideFrame fixture;
    theGuiToolkitGlobals.isRemoteSession = TRUE;
    IconPane& pane = fixture.Dock(GTSideTop);
    pane.SetAutoHideMode(TRUE, GTSideTop, nullptr, FALSE);
    pane.Slide(TRUE, TRUE);
    EXPECT_TRUE(pane.IsSlidOut());
    EXPECT_TRUE(pane.IsSlideFinished());
    EXPECT_EQ(pane.GetRestoredRect().Height(), WindowRect(pane).Height());
    pane.Slide(FALSE, TRUE);
    EXPECT_FALSE(Shown(pane));
    EXPECT_FALSE(Shown(*pane.GetDefaultSliderObject()));
}

TEST(AutoHide, TheCheckTimerSlidesThePaneInOnceTheCursorLeaves)
{
    AutoHideFrame fixture;
    IconPane& pane = fixture.Dock(GTSideLeft);
    pane.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
    pane.ShowBar(TRUE, FALSE, FALSE);
    AutoHideFrame::FinishSlide(pane, 2);
    ASSERT_TRUE(pane.IsSlidOut());

    fixture.cursor.m_Position = WindowRect(pane).CenterPoint();
    pane.SendMessage(WM_TIMER, 3);
    EXPECT_TRUE(pane.IsSlidOut());
    fixture.CursorOnButton(pane);
    pane.SendMessage(WM_TIMER, 3);
    EXPECT_TRUE(pane.IsSlidOut());

    fixture.cursor.m_Position = CPoint(-500, -500);
    pane.SendMessage(WM_TIMER, 3);
    EXPECT_FALSE(pane.IsSlidOut());
    AutoHideFrame::FinishSlide(pane, 1);
    EXPECT_FALSE(Shown(pane));
    EXPECT_FALSE(Shown(*pane.GetDefaultSliderObject()));
}

TEST(AutoHide, ShowBarSlidesOutOnShowAndInOnlyWhenOut)
{
    AutoHideFrame fixture;
    CGTDockingControlBar::s_AnimationDisabled = TRUE;
    IconPane& pane = fixture.Dock(GTSideRight);
    pane.SetAutoHideMode(TRUE, GTSideRight, nullptr, FALSE);
    pane.ShowBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(Shown(pane));
    pane.ShowBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(pane.IsSlidOut());
    EXPECT_FALSE(pane.IsVisible());
    pane.ShowBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(pane.IsSlidOut());
    EXPECT_TRUE(pane.IsAutoHideMode());
    CGTDockingControlBar::s_AnimationDisabled = FALSE;
}

TEST(AutoHide, RemovingTheLastButtonTakesTheToolbarOut)
{
    AutoHideFrame fixture;
    IconPane& first = fixture.Dock(GTSideLeft);
    IconPane& second = fixture.Dock(GTSideLeft);
    CGTAutoHideToolBar* toolBar = first.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
    ASSERT_EQ(toolBar, second.SetAutoHideMode(TRUE, GTSideLeft, toolBar, FALSE));
    const HWND window = toolBar->GetSafeHwnd();
    CGTAutoHideDockBar* strip = fixture.Strip(GTSideLeft);

    EXPECT_FALSE(toolBar->RemovePaneButton(nullptr));
    first.LeaveAutoHideMode(nullptr);
    // The toolbar of the group stays while a button is left...
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_EQ(1, strip->GetBars().GetCount());
    second.SetAutoHideMode(FALSE, GTSideLeft);
    // ... and leaves its strip with the last one.
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(0, strip->GetBars().GetCount());
    EXPECT_FALSE(first.IsAutoHideMode());
    EXPECT_TRUE(Shown(first));
    EXPECT_TRUE(Shown(second));
    EXPECT_FALSE(first.GetDefaultSliderObject()->IsAutoHideSlider());
    EXPECT_EQ(0, fixture.frame.m_Ids.GetAutoHideBars().GetCount());
}

TEST(AutoHide, AGroupOfThreeToolbarsGivenBackMakesTheLaterPanesTabsOfTheFirst)
{
    AutoHideFrame fixture;
    IconPane& first = fixture.Dock(GTSideLeft);
    IconPane& second = fixture.Dock(GTSideLeft);
    IconPane& third = fixture.Dock(GTSideLeft);
    CGTAutoHideToolBar* bars[] = {first.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE),
                                  second.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE),
                                  third.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE)};
    bars[0]->SetGroupFlags(TRUE, FALSE);
    bars[1]->SetGroupFlags(FALSE, FALSE);
    bars[2]->SetGroupFlags(FALSE, TRUE);

    second.SetAutoHideMode(FALSE, GTSideLeft);
    for (IconPane* pane : {&first, &second, &third})
        EXPECT_FALSE(pane->IsAutoHideMode());
    // The first pane went back to its place; the others joined it as tabs of one pane.
    ASSERT_TRUE(first.IsTabbed());
    EXPECT_EQ(first.GetParent(), second.GetParent());
    EXPECT_EQ(first.GetParent(), third.GetParent());
    EXPECT_EQ(3, static_cast<CGTBaseTabWnd*>(first.GetParent())->GetTabCount());
    EXPECT_EQ(0, fixture.Strip(GTSideLeft)->GetBars().GetCount());
}

TEST(AutoHide, CtrlWithThePinTakesTheWholeGroupAwayAndBringsEveryGroupBack)
{
    AutoHideFrame fixture;
    FakeKeyState keys;
    PinPane& first = fixture.Dock(GTSideLeft);
    PinPane& second = fixture.Dock(GTSideLeft);
    second.UnDockControlBar(FALSE);
    ASSERT_TRUE(second.DockBesidePane(&first, GTSideBottom, nullptr));
    PinPane& other = fixture.Dock(GTSideRight);
    other.SetAutoHideMode(TRUE, GTSideRight, nullptr, FALSE);

    keys.Press(VK_CONTROL);
    first.OnPressButtons(GTHitPin);
    EXPECT_TRUE(first.IsAutoHideMode());
    EXPECT_TRUE(second.IsAutoHideMode());
    EXPECT_EQ(2, fixture.Strip(GTSideLeft)->GetBars().GetCount());

    second.OnPressButtons(GTHitPin);
    EXPECT_FALSE(first.IsAutoHideMode());
    EXPECT_FALSE(second.IsAutoHideMode());
    EXPECT_EQ(0, fixture.Strip(GTSideLeft)->GetBars().GetCount());
    // Another edge keeps its pane.
    EXPECT_TRUE(other.IsAutoHideMode());
}

TEST(AutoHide, PinningATabbedPaneGivesOneAutoHidePanePerDetachableTab)
{
    AutoHideFrame fixture;
    PinPane& first = fixture.Dock(GTSideLeft);
    PinPane& second = fixture.Dock(GTSideLeft);
    PinPane& third = fixture.Dock(GTSideLeft);
    CGTBaseTabbedBar* tabbed = nullptr;
    second.UnDockControlBar(FALSE);
    ASSERT_EQ(&second, second.AttachToTabWnd(&first, GTDockByMouse, TRUE, &tabbed));
    third.UnDockControlBar(FALSE);
    ASSERT_EQ(&third, third.AttachToTabWnd(&first, GTDockByMouse, TRUE));
    tabbed->GetTabWindow()->EnableTabDetach(2, FALSE);

    CGTAutoHideToolBar* active = tabbed->SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
    ASSERT_NE(nullptr, active);
    EXPECT_TRUE(first.IsAutoHideMode());
    EXPECT_TRUE(second.IsAutoHideMode());
    // A tab that may not leave stays, and with it the tabbed pane.
    EXPECT_FALSE(third.IsAutoHideMode());
    EXPECT_TRUE(third.IsTabbed());
    EXPECT_TRUE(Shown(*tabbed));
    EXPECT_EQ(2, fixture.Strip(GTSideLeft)->GetBars().GetCount());
    EXPECT_TRUE(first.GetAutoHideToolBar()->IsGroupFirst());
    EXPECT_FALSE(first.GetAutoHideToolBar()->IsGroupLast());
    EXPECT_TRUE(second.GetAutoHideToolBar()->IsGroupLast());
    // The last tab was the active one.
    EXPECT_EQ(second.GetAutoHideToolBar(), active);
    EXPECT_TRUE(active->IsRowActive());
    EXPECT_FALSE(first.GetAutoHideToolBar()->IsRowActive());
}

TEST(AutoHide, WithAPullingBackLookTheStripRedrawsItsToolbarsAtOnce)
{
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(HalfBackLook));
    {
        AutoHideFrame fixture;
        PinPane& pane = fixture.Dock(GTSideTop);
        pane.SetAutoHideMode(TRUE, GTSideTop, nullptr, FALSE);
        fixture.frame.ShowWindow(SW_SHOWNA);
        fixture.frame.UpdateWindow();
        auto* look = static_cast<HalfBackLook*>(CGTVisualManager::GetCurrent());
        look->m_Fills = 0;
        fixture.Strip(GTSideTop)->OnDockBarResized(CRect(0, 0, 0, 0));
        // Painted before any message is dispatched.
        EXPECT_GT(look->m_Fills, 0);
    }
    CGTVisualManager::SelectManagerClass(nullptr);
}

TEST(AutoHide, APaneDestroyedWhilePinnedTakesItsButtonAndSliderAlong)
{
    AutoHideFrame fixture;
    PinPane& pane = fixture.Dock(GTSideBottom);
    const HWND toolBar = pane.SetAutoHideMode(TRUE, GTSideBottom, nullptr, FALSE)->GetSafeHwnd();
    const HWND slider = pane.GetDefaultSlider();
    pane.DestroyWindow();
    EXPECT_FALSE(::IsWindow(toolBar));
    EXPECT_FALSE(::IsWindow(slider));
    EXPECT_EQ(0, fixture.frame.m_Ids.GetAutoHideBars().GetCount());
    EXPECT_EQ(0, fixture.Strip(GTSideBottom)->GetBars().GetCount());
}

TEST(AutoHide, AnAutoHideSliderLiesAgainstTheOuterEdgeOfTheDockedBars)
{
    for (DWORD side : {GTSideLeft, GTSideBottom}) {
        AutoHideFrame fixture;
        PinPane& pane = fixture.Dock(side, CRect(0, 0, 90, 70));
        pane.SetAutoHideMode(TRUE, side, nullptr, FALSE);
        CGTSlider* slider = pane.GetDefaultSliderObject();
        const CRect strip = WindowRect(*fixture.Strip(side));
        CGTDockManager& manager = fixture.frame.m_Ids;
        for (BOOL showing : {FALSE, TRUE}) {
            manager.AlignAutoHideBar(slider, showing);
            const CRect rect = WindowRect(pane), band = WindowRect(*slider);
            if (side == GTSideLeft) {
                EXPECT_EQ(strip.right, rect.left) << showing;
                EXPECT_EQ(rect.right, band.left) << showing;
                EXPECT_EQ(90, rect.Width()) << showing;
            } else {
                EXPECT_EQ(strip.top, rect.bottom) << showing;
                EXPECT_EQ(rect.top, band.bottom) << showing;
                EXPECT_EQ(70, rect.Height()) << showing;
            }
        }
    }
}

TEST(AutoHide, SlidingInEveryPaneSparesTheOneExcepted)
{
    AutoHideFrame fixture;
    CGTDockingControlBar::s_AnimationDisabled = TRUE;
    PinPane& left = fixture.Dock(GTSideLeft);
    PinPane& right = fixture.Dock(GTSideRight);
    left.SetAutoHideMode(TRUE, GTSideLeft, nullptr, FALSE);
    right.SetAutoHideMode(TRUE, GTSideRight, nullptr, FALSE);
    left.ShowBar(TRUE, FALSE, FALSE);
    right.ShowBar(TRUE, FALSE, FALSE);
    fixture.frame.m_Ids.SlideInAutoHideBars(&right, TRUE);
    EXPECT_FALSE(left.IsSlidOut());
    EXPECT_TRUE(right.IsSlidOut());
    CGTDockingControlBar::s_AnimationDisabled = FALSE;
}
