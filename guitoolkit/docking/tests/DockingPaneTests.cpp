#include <guitoolkit/core/tests/TestSupport.h>
#include <guitoolkit/core/CGTVisualManagerVS2005.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/GTDockingTargets.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "PaneTestSupport.h"

namespace {
// A pane docked at the left edge of its own frame.
struct DockedPane {
    explicit DockedPane(DWORD iBehaviour = GTBehaviourAll)
        : pane(frame, CRect(0, 0, 150, 300), 300, CSize(), iBehaviour)
    {
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
    }
    // The screen point at the centre of a caption button.
    CPoint ButtonCentre(UINT iHitCode) const
    {
        CRect window;
        pane.GetWindowRect(&window);
        CRect rect = pane.FindCaptionButton(iHitCode)->GetRect();
        rect.OffsetRect(window.TopLeft());
        return rect.CenterPoint();
    }
    // A mouse message at a screen point, in the pane's client coordinates.
    void Mouse(UINT iMessage, CPoint iScreen)
    {
        pane.ScreenToClient(&iScreen);
        pane.SendMessage(iMessage, 0, MAKELPARAM(static_cast<short>(iScreen.x), static_cast<short>(iScreen.y)));
    }
    // The visible buttons' hit codes from the right edge leftwards.
    std::vector<UINT> VisibleFromTheRight() const
    {
        std::vector<const CGTCaptionButton*> shown;
        for (int i = 0; i < pane.GetCaptionButtonCount(); ++i) {
            if (!pane.GetCaptionButton(i)->m_Hidden)
                shown.push_back(pane.GetCaptionButton(i));
        }
        std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->m_Position.x > b->m_Position.x; });
        std::vector<UINT> codes;
        for (auto* button : shown)
            codes.push_back(button->m_HitCode);
        return codes;
    }

    PaneFrame frame;
    TestPane pane;
};

// Class-wide switches put back after a test.
struct CaptionSwitches {
    ~CaptionSwitches()
    {
        CGTDockingControlBar::s_HideUnusableButtons = m_Hide;
        CGTDockingControlBar::s_ShowWindowPositionButton = m_Show;
    }
    BOOL m_Hide = CGTDockingControlBar::s_HideUnusableButtons;
    BOOL m_Show = CGTDockingControlBar::s_ShowWindowPositionButton;
};
}  // namespace

TEST(DockingPaneCaption, HeightFollowsTheCaptionFont)
{
    PaneFrame frame;
    TestPane captioned(frame, CRect(0, 0, 100, 100), 300);
    EXPECT_EQ(theGuiToolkitGlobals.textHeightRegular + 5, captioned.GetCaptionHeight());
    CGTDockingControlBar plain;
    ASSERT_TRUE(plain.Create(L"Plain", &frame, CRect(0, 0, 100, 100), FALSE, 301, WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(0, plain.GetCaptionHeight());
    CRect window, client;
    plain.GetWindowRect(&window);
    plain.GetClientRect(&client);
    EXPECT_EQ(window.Size(), client.Size());
    plain.DestroyWindow();
}

TEST(DockingPaneCaption, ButtonLayout)
{
    CaptionSwitches switches;
    struct {
        const char* name;
        DWORD behaviour;
        BOOL canAutoHide;
        BOOL showPosition;
        std::vector<UINT> expected;
    } const cases[] = {
        {"default look", GTBehaviourAll, TRUE, FALSE, {GTHitPaneClose, GTHitPin}},
        {"cannot close", GTBehaviourAll & ~GTBehaviourCanHide, TRUE, FALSE, {GTHitPin}},
        {"cannot auto-hide", GTBehaviourAll, FALSE, FALSE, {GTHitPaneClose}},
        {"position button", GTBehaviourAll, TRUE, TRUE, {GTHitPaneClose, GTHitPin, GTHitWindowPosition}},
    };
    for (const auto& each : cases) {
        CGTDockingControlBar::s_ShowWindowPositionButton = each.showPosition;
        DockedPane docked(each.behaviour);
        docked.pane.m_CanAutoHide = each.canAutoHide;
        docked.pane.EnableGripper(TRUE);
        EXPECT_EQ(each.expected, docked.VisibleFromTheRight()) << each.name;
        CRect window;
        docked.pane.GetWindowRect(&window);
        const CGTCaptionButton* rightmost = docked.pane.FindCaptionButton(each.expected.front());
        EXPECT_EQ(window.Width() - 2, rightmost->GetRect().right) << each.name;
    }
    EXPECT_EQ(nullptr, DockedPane().pane.GetCaptionButton(3));
    EXPECT_EQ(nullptr, DockedPane().pane.GetCaptionButton(-1));
}

TEST(DockingPaneCaption, FloatingPaneHidesItsButtonsAndKeepsItsWholeClient)
{
    TestDockingFrame frame;
    CountingMiniFrame mini(frame, 1);
    TestPane pane(mini, CRect(0, 0, 100, 80), 300);
    pane.m_CanAutoHide = TRUE;
    pane.EnableGripper(TRUE);
    for (int i = 0; i < pane.GetCaptionButtonCount(); ++i)
        EXPECT_TRUE(pane.GetCaptionButton(i)->m_Hidden);
    CRect client;
    pane.GetClientRect(&client);
    EXPECT_EQ(CSize(100, 80), client.Size());
    EXPECT_EQ(0, pane.GetCaptionHeight());
}

TEST(CaptionButton, GlyphsByHitCode)
{
    struct {
        UINT code;
        BOOL first, second;
        int glyph;
    } const cases[] = {
        {GTHitWindowPosition, FALSE, FALSE, 7}, {GTHitWindowPosition, FALSE, TRUE, 13},
        {GTHitWindowPosition, TRUE, FALSE, 1},  {GTHitWindowPosition, TRUE, TRUE, 9},
        {GTHitPin, FALSE, FALSE, 16},           {GTHitPin, FALSE, TRUE, 15},
        {GTHitPaneClose, FALSE, FALSE, 5},      {GTHitFrameClose, TRUE, TRUE, 5},
        {GTHitBack, FALSE, FALSE, 27},          {GTHitForward, FALSE, FALSE, 28},
        {GTHitMenu, FALSE, FALSE, 13},          {42, FALSE, FALSE, -1},
    };
    for (const auto& each : cases)
        EXPECT_EQ(each.glyph, CGTCaptionButton(each.code).GetIconID(each.first, each.second)) << each.code;
}

TEST(DockingPaneCaption, HitTest)
{
    DockedPane docked;
    CRect window, client;
    docked.pane.GetWindowRect(&window);
    docked.pane.GetClientRect(&client);
    docked.pane.ClientToScreen(&client);
    const CPoint caption(window.left + 5, window.top + 3);
    struct {
        CPoint point;
        BOOL detect;
        int answer;
    } const cases[] = {
        {CPoint(window.right + 5, window.top + 3), TRUE, HTNOWHERE},
        {docked.ButtonCentre(GTHitPaneClose), TRUE, static_cast<int>(GTHitPaneClose)},
        {client.CenterPoint(), TRUE, HTCLIENT},
        {caption, TRUE, HTCAPTION},
        {caption, FALSE, HTCLIENT},
    };
    for (const auto& each : cases)
        EXPECT_EQ(each.answer, docked.pane.HitTestCaption(each.point, each.detect));
    docked.pane.UnDockControlBar(TRUE);
    EXPECT_EQ(-2, docked.pane.HitTestCaption(caption, TRUE));
}

// A press on a button only presses it; a release over another button does nothing; leaving
// every button with none pressed gives the mouse back.
TEST(DockingPaneCaption, ButtonsTrackPressAndRelease)
{
    CaptionSwitches switches;
    CGTDockingControlBar::s_HideUnusableButtons = FALSE;
    DockedPane docked;
    docked.pane.EnableGripper(TRUE);
    const CPoint close = docked.ButtonCentre(GTHitPaneClose);
    const CPoint pin = docked.ButtonCentre(GTHitPin);

    docked.Mouse(WM_MOUSEMOVE, close);
    EXPECT_EQ(&docked.pane, CWnd::GetCapture());
    EXPECT_TRUE(docked.pane.FindCaptionButton(GTHitPaneClose)->m_Focused);
    docked.Mouse(WM_LBUTTONDOWN, close);
    EXPECT_TRUE(docked.pane.FindCaptionButton(GTHitPaneClose)->m_Pushed);
    EXPECT_FALSE(docked.pane.m_PendingFloat);
    docked.Mouse(WM_MOUSEMOVE, pin);
    EXPECT_FALSE(docked.pane.FindCaptionButton(GTHitPin)->m_Focused);
    docked.Mouse(WM_LBUTTONUP, pin);
    EXPECT_EQ(0, docked.frame.m_CloseRequests);
    EXPECT_TRUE(docked.pane.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(docked.pane.FindCaptionButton(GTHitPaneClose)->m_Pushed);

    docked.Mouse(WM_MOUSEMOVE, pin);
    EXPECT_EQ(&docked.pane, CWnd::GetCapture());
    CRect client;
    docked.pane.GetClientRect(&client);
    docked.pane.ClientToScreen(&client);
    docked.Mouse(WM_MOUSEMOVE, client.CenterPoint());
    EXPECT_NE(&docked.pane, CWnd::GetCapture());
}

TEST(DockingPaneCaption, FrameMayKeepAPaneFromClosing)
{
    for (LRESULT keep : {1, 0}) {
        DockedPane docked;
        docked.frame.m_KeepPanes = keep;
        const CPoint close = docked.ButtonCentre(GTHitPaneClose);
        docked.Mouse(WM_MOUSEMOVE, close);
        docked.Mouse(WM_LBUTTONDOWN, close);
        docked.Mouse(WM_LBUTTONUP, close);
        EXPECT_EQ(1, docked.frame.m_CloseRequests);
        EXPECT_EQ(keep != 0, (docked.pane.GetStyle() & WS_VISIBLE) != 0);
    }
}

// The band takes the look's caption colour; a long title ends before the buttons.
TEST(DockingPaneCaption, CaptionBandAndTitle)
{
    DockedPane docked;
    docked.pane.SetWindowText(L"A title far too long to fit beside the caption buttons of this pane");
    const CRect caption = docked.pane.GetCaptionRect();
    PixelSurface surface(caption.right, caption.bottom + 2);
    docked.pane.DrawCaption(&surface.Dc(), caption);
    const COLORREF band = theGuiToolkitGlobals.colorInactiveCaption;
    EXPECT_EQ(band, surface.At(1, caption.top + 1));
    const int buttonsLeft = docked.pane.FindCaptionButton(GTHitPaneClose)->GetRect().left;
    int textRight = -1;
    for (int x = 0; x < caption.right; ++x) {
        for (int y = caption.top; y < caption.bottom; ++y) {
            if (surface.At(x, y) != band)
                textRight = x;
        }
    }
    EXPECT_LT(textRight, buttonsLeft - 4);
    EXPECT_GT(textRight, buttonsLeft - 30);
}

// Making a look resets the docking switches: caption buttons are rebuilt, the window-position
// button is off unless the look turns it on, auto-hide buttons get borders and the
// smart-docking markers are remade.
TEST(DockingPaneCaption, NewLookResetsTheDockingSwitches)
{
    CaptionSwitches switches;
    const BOOL borders = CGTAutoHideButton::s_DrawBorder;
    CGTVisualManager::GetCurrent();
    CGTDockingControlBar::s_RebuildCaptionButtons = FALSE;
    CGTDockingControlBar::s_ShowWindowPositionButton = TRUE;
    CGTAutoHideButton::s_DrawBorder = FALSE;
    theToolkitAppearanceChanged = FALSE;
    {
        CGTVisualManager look;
        EXPECT_TRUE(CGTDockingControlBar::s_RebuildCaptionButtons);
        EXPECT_FALSE(CGTDockingControlBar::s_ShowWindowPositionButton);
        EXPECT_TRUE(CGTAutoHideButton::s_DrawBorder);
        EXPECT_TRUE(theToolkitAppearanceChanged);
    }
    {
        CGTVisualManagerVS2005 look;
        EXPECT_TRUE(CGTDockingControlBar::s_ShowWindowPositionButton);
    }
    CGTAutoHideButton::s_DrawBorder = borders;
}

// The inner top strip of a pane reaches below its caption.
TEST(DockingPaneCaption, DockingStripsMakeRoomForTheCaption)
{
    DockedPane docked;
    CRect window;
    docked.pane.GetWindowRect(&window);
    const int caption = docked.pane.GetCaptionHeight();
    const int s = 15;
    const CPoint inside(window.left + 50, window.top + caption + s - 1);
    const CPoint below(window.left + 50, window.top + caption + s + 1);
    DWORD side = 0;
    EXPECT_TRUE(HitTestBarDockingTarget(inside, &docked.pane, s, nullptr, FALSE, side, GTSideAny));
    EXPECT_EQ(static_cast<DWORD>(GTSideTop), side);
    EXPECT_FALSE(HitTestBarDockingTarget(below, &docked.pane, s, nullptr, FALSE, side, GTSideAny));
    EXPECT_FALSE(HitTestBarDockingTarget(inside, nullptr, s, nullptr, FALSE, side, GTSideAny, &window));
    EXPECT_FALSE(HitTestBarDockingTarget(inside, nullptr, s, nullptr, FALSE, side, GTSideAny));
}

TEST(DockingPaneCaption, TooltipsNameTheButtons)
{
    DockedPane docked;
    FakeKeyState keys;
    ASSERT_NE(nullptr, docked.pane.CaptionToolTip());
    struct {
        UINT_PTR tool;
        BOOL control;
        const wchar_t* text;
    } const cases[] = {
        {1, FALSE, L"Close"},
        {2, FALSE, L"Auto Hide"},
        {2, TRUE, L"Auto Hide All"},
        {3, FALSE, L"Window Position"},
    };
    for (const auto& each : cases) {
        each.control ? keys.Press(VK_CONTROL) : keys.Release(VK_CONTROL);
        NMTTDISPINFOW info = {};
        info.hdr.hwndFrom = docked.pane.CaptionToolTip();
        info.hdr.idFrom = each.tool;
        info.hdr.code = TTN_NEEDTEXTW;
        docked.pane.SendMessage(WM_NOTIFY, each.tool, reinterpret_cast<LPARAM>(&info));
        ASSERT_NE(nullptr, info.lpszText);
        EXPECT_STREQ(each.text, info.lpszText);
    }
}

TEST(DockingPaneCaption, DockTargetCodes)
{
    DockedPane docked;
    CRect window;
    docked.pane.GetWindowRect(&window);
    const int caption = docked.pane.GetCaptionHeight();
    struct {
        CPoint point;
        int sensitivity;
        int code;
    } const cases[] = {
        {CPoint(window.left + 20, window.top + 3), 15, 3},
        {CPoint(window.left + 5, window.top + caption + 50), 15, 2},
        {window.CenterPoint(), 15, 0},
        {window.CenterPoint(), -1, 2},
        {CPoint(window.right + 5, window.top + 50), 15, 0},
    };
    for (const auto& each : cases)
        EXPECT_EQ(each.code, docked.pane.HitTestDockTarget(each.point, each.sensitivity));
}

// Escape during a pending caption drag of the standard mode cancels it.
TEST(DockingPaneCaption, EscapeCancelsAPendingFloat)
{
    DockedPane docked;
    docked.pane.SetDockingMode(GTDockingStandard);
    docked.pane.m_PendingFloat = TRUE;
    MSG escape{docked.pane.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(docked.pane.PreTranslateMessage(&escape));
    PumpMessages();
    EXPECT_FALSE(docked.pane.m_PendingFloat);
}
