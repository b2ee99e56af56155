#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include <vector>
#include "ToolbarTestSupport.h"

namespace {
void Send(CWnd& iBar, UINT iMessage, int iX, int iY)
{
    iBar.SendMessage(iMessage, iMessage == WM_LBUTTONUP || iMessage == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                     MAKELPARAM(iX, iY));
}

BOOL PreTranslate(CWnd& iBar, UINT iMessage, WPARAM iWParam)
{
    MSG message = {iBar.GetSafeHwnd(), iMessage, iWParam, 0};
    return iBar.PreTranslateMessage(&message);
}

}  // namespace

TEST(ToolBarWindow, EscapeAndTheFocusGiveTheHotButtonUp)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.RecalcButtonLayout();
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(0, 50, 80, 70), &parent, 1));
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(100, 50, 180, 70), &parent, 2));

    // Escape: the hot button goes and the focus returns to the window that had it.
    edit.SetFocus();
    bar.SetFocus();
    Send(bar, WM_MOUSEMOVE, 25, 5);
    EXPECT_EQ(bar.GetButton(1), bar.GetHotButton());
    EXPECT_TRUE(PreTranslate(bar, WM_KEYDOWN, VK_ESCAPE));
    EXPECT_EQ(nullptr, bar.GetHotButton());
    EXPECT_EQ(edit.GetSafeHwnd(), ::GetFocus());

    // The focus taken away: the hot button goes, and the focus stays where it went.
    bar.SetFocus();
    Send(bar, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(bar.GetButton(0), bar.GetHotButton());
    other.SetFocus();
    EXPECT_EQ(nullptr, bar.GetHotButton());
    EXPECT_EQ(other.GetSafeHwnd(), ::GetFocus());
    // Any other key leaves the focus alone.
    PreTranslate(bar, WM_KEYDOWN, 'A');
    EXPECT_EQ(other.GetSafeHwnd(), ::GetFocus());
}

TEST(ToolBarWindow, CancelModeLetsThePressedButtonUp)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.RecalcButtonLayout();
    Send(bar, WM_LBUTTONDOWN, 5, 5);
    ASSERT_EQ(0, bar.Pressed());
    ASSERT_EQ(bar.GetSafeHwnd(), ::GetCapture());
    bar.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(-1, bar.Pressed());
    EXPECT_FALSE(bar.GetButtonStyle(0) & TBBS_PRESSED);
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ(nullptr, bar.GetHotButton());
}

TEST(ToolBarWindow, ADoubleClickTellsTheButtonThenPressesIt)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.RecalcButtonLayout();
    Send(bar, WM_LBUTTONDBLCLK, 25, 5);
    EXPECT_EQ(1, bar.Button(1)->m_DoubleClicks);
    EXPECT_EQ(1, bar.Pressed());
    Send(bar, WM_LBUTTONUP, 25, 5);
    EXPECT_EQ(0, bar.Button(0)->m_DoubleClicks);
}

TEST(ToolBarWindow, HelpNamesTheButtonsCommand)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.RecalcButtonLayout();
    bar.Button(1)->m_CommandId = 0xF020;
    CountingBeeper beeper;
    const struct {
        int x;
        LRESULT help;
    } cases[] = {{5, HID_BASE_COMMAND + 100}, {25, 0x1EF02}, {250, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(c.help, bar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(c.x, 5))) << c.x;
    EXPECT_EQ(std::vector<UINT>{0xFFFFFFFF}, beeper.m_Beeps);
}

TEST(ToolBarWindow, OneBarHoldsTheButtonChosenForCustomizing)
{
    TestParent parent;
    LayoutBar first(parent, 300, {20, 20});
    LayoutBar second(parent, 300, {20});
    first.RecalcButtonLayout();
    second.RecalcButtonLayout();
    first.Button(1)->m_CommandId = 0xF060;
    CustomizeModeScope customizing;

    Send(second, WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(0, second.Selected());
    // No mouse button is really down: no drag starts, and the button becomes hot.
    EXPECT_EQ(0, second.MenuSelection());
    Send(first, WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(0, first.Selected());
    EXPECT_EQ(-1, second.Selected());
    EXPECT_EQ(2, first.GetButtonCount());

    // The system menu's commands are not customized; a hidden bar gives the selection up.
    Send(first, WM_LBUTTONDOWN, 25, 5);
    EXPECT_EQ(-1, first.Selected());
    Send(first, WM_LBUTTONDOWN, 5, 5);
    first.ShowWindow(SW_HIDE);
    EXPECT_EQ(-1, first.Selected());
}

TEST(ToolBarWindow, ANewWindowSizePlacesTheButtonsAgain)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 20, 20});
    bar.AddCustomizeButton(12);
    bar.RecalcButtonLayout();
    ASSERT_EQ(0, bar.GetOverflowButtons().GetCount());
    CRect window;
    bar.GetWindowRect(&window);
    bar.SetWindowPos(nullptr, 0, 0, window.Width() - bar.ClientWidth() + 45, window.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(2, bar.GetOverflowButtons().GetCount());
}

TEST(ToolBarWindow, ABarInARebarGivesItsBandItsSize)
{
    TestParent parent;
    CGTReBar rebar;
    ASSERT_TRUE(rebar.Create(&parent));
    EXPECT_EQ(&rebar, &rebar.GetReBarControl());
    LayoutBar bar(rebar, 300, {20, 20, 20});
    REBARBANDINFOW band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD;
    band.hwndChild = bar.GetSafeHwnd();
    ASSERT_TRUE(rebar.SendMessage(RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)));
    bar.AdjustLayout();

    band.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
    ASSERT_TRUE(rebar.SendMessage(RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&band)));
    CRect borders(0, 0, 0, 0);
    bar.AdjustClientRectByBorders(borders, TRUE);
    EXPECT_EQ(23u, band.cxMinChild);
    EXPECT_EQ(static_cast<UINT>(bar.GetRowHeight() - borders.Height()), band.cyMinChild);
    EXPECT_EQ(static_cast<UINT>(61 - borders.Width()), band.cxIdeal);
    bar.DestroyWindow();
    rebar.DestroyWindow();
}
