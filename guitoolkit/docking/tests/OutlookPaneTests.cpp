// Outlook panes: the column of large buttons, the scroll buttons and their timers, growing
// while scrolled, label measurement and the customize menu of a page button.
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTOutlookBarPane.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include "DockingTestSupport.h"

namespace {
class Pane : public CGTOutlookBarPane {
public:
    using CGTOutlookBarPane::OnTimer;
    CRect Client() const
    {
        CRect client;
        GetClientRect(client);
        return client;
    }
    BOOL Forward(UINT iMessage, CPoint iClientPoint)
    {
        MSG message = {m_hWnd, iMessage, iMessage == WM_LBUTTONUP ? 0u : static_cast<WPARAM>(MK_LBUTTON),
                       MAKELPARAM(iClientPoint.x, iClientPoint.y)};
        return PreTranslateMessage(&message);
    }
    CPoint CentreOf(CWnd& iButton) const
    {
        CRect rect;
        iButton.GetWindowRect(rect);
        ScreenToClient(rect);
        return rect.CenterPoint();
    }
};

// What a scroll button is sent, by window.
std::map<HWND, std::pair<WNDPROC, LPARAM>> s_Received;

LRESULT CALLBACK RecordingProc(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    auto& entry = s_Received[iWindow];
    if (iMessage == WM_LBUTTONDOWN)
        entry.second = iLParam;
    return ::CallWindowProcW(entry.first, iWindow, iMessage, iWParam, iLParam);
}

class OutlookPane : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Host.CreateEx(0, AfxRegisterWndClass(0), L"Host", WS_POPUP | WS_VISIBLE, CRect(40, 40, 400, 600), nullptr, 0);
        ASSERT_TRUE(m_Pane.CreatePane(&m_Host, WS_CHILD | WS_VISIBLE, 0xE800));
        Resize(100, 150);
    }
    void TearDown() override
    {
        m_Pane.DestroyWindow();
        m_Host.DestroyWindow();
    }
    void Resize(int iWidth, int iHeight)
    {
        m_Pane.SetWindowPos(nullptr, 0, 0, iWidth, iHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void AddButtons(int iCount)
    {
        CWindowDC screen(nullptr);
        for (int button = 0; button < iCount; ++button) {
            CBitmap bitmap;
            bitmap.CreateCompatibleBitmap(&screen, 32, 32);
            ASSERT_TRUE(
                m_Pane.InsertBitmapButton(static_cast<HBITMAP>(bitmap.GetSafeHandle()), L"Users", 100 + button));
        }
    }
    int StepHeight() const { return m_Pane.GetButton(0)->Rect().Height(); }

    CWnd m_Host;
    Pane m_Pane;
};
}  // namespace

TEST_F(OutlookPane, ButtonsStandInOneCentredColumn)
{
    AddButtons(2);
    const CRect first = m_Pane.GetButton(0)->Rect();
    const CRect second = m_Pane.GetButton(1)->Rect();
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(second.top, first.bottom);
    EXPECT_EQ(first.left, (m_Pane.Client().Width() - 1 - first.Width()) / 2);
    EXPECT_EQ(CGTOutlookBarPane::GetSharedImageSize(), CSize(32, 32));
    EXPECT_GT(first.Height(), 32 + 10);
    EXPECT_FALSE(m_Pane.DeleteCommandButton(999));
    EXPECT_TRUE(m_Pane.DeleteCommandButton(100));
    EXPECT_EQ(m_Pane.GetButtonCount(), 1);
    EXPECT_EQ(m_Pane.GetItemID(0), 101u);
}

TEST_F(OutlookPane, ScrollButtonsShowOnlyWithSomethingToScrollAndRoomForThem)
{
    struct Case {
        int buttons;
        CSize size;
        int stepsDown;
        BOOL up;
        BOOL down;
    };
    const Case cases[] = {
        {0, {100, 150}, 0, FALSE, FALSE},
        {5, {100, 150}, 0, FALSE, TRUE},
        {5, {100, 150}, 1, TRUE, TRUE},
        // Lower or narrower than a glyph, its margins and the inset: never a scroll button.
        {5, {100, 19}, 1, FALSE, FALSE},
        {5, {19, 150}, 1, FALSE, FALSE},
    };
    for (const Case& test : cases) {
        m_Pane.RemoveAllButtons();
        AddButtons(test.buttons);
        Resize(test.size.cx, test.size.cy);
        for (int step = 0; step < test.stepsDown; ++step)
            m_Pane.ScrollDown();
        EXPECT_EQ(Shown(m_Pane.GetScrollUpButton()), test.up) << test.buttons << " " << test.size.cy;
        EXPECT_EQ(Shown(m_Pane.GetScrollDownButton()), test.down) << test.buttons << " " << test.size.cy;
    }
    m_Pane.RemoveAllButtons();
    EXPECT_EQ(m_Pane.GetScrollOffset(), 0);
    EXPECT_EQ(m_Pane.GetFirstVisible(), 0);
}

TEST_F(OutlookPane, ScrollingBackToTheTopLeavesNoOffset)
{
    AddButtons(6);
    const int step = StepHeight();
    EXPECT_TRUE(m_Pane.ScrollDown());
    EXPECT_TRUE(m_Pane.ScrollDown());
    EXPECT_EQ(m_Pane.GetScrollOffset(), 2 * step);
    EXPECT_EQ(m_Pane.GetButton(2)->Rect().top, 0);
    EXPECT_TRUE(m_Pane.ScrollUp());
    EXPECT_TRUE(m_Pane.ScrollUp());
    EXPECT_FALSE(m_Pane.ScrollUp());
    EXPECT_EQ(m_Pane.GetScrollOffset(), 0);
    EXPECT_EQ(m_Pane.GetButton(0)->Rect().top, 0);
    // Down stops once the last button has come into view.
    while (m_Pane.ScrollDown()) {}
    EXPECT_LE(m_Pane.GetButton(5)->Rect().bottom, m_Pane.Client().bottom);
}

TEST_F(OutlookPane, GrowingWhileScrolledScrollsBack)
{
    AddButtons(6);
    while (m_Pane.ScrollDown()) {}
    const int offset = m_Pane.GetScrollOffset();
    ASSERT_GT(offset, 0);
    const int step = StepHeight();
    // Scrolled to the end, the last button may stand above the bottom; growing takes
    // buttons back in until none of the new room stays empty.
    Resize(100, 150 + step);
    EXPECT_LT(m_Pane.GetScrollOffset(), offset);
    EXPECT_GE(m_Pane.GetButton(5)->Rect().bottom, m_Pane.Client().bottom);
    EXPECT_LT(m_Pane.GetButton(5)->Rect().bottom - step, m_Pane.Client().bottom);
    Resize(100, 6 * step + 40);
    EXPECT_EQ(m_Pane.GetScrollOffset(), 0);
}

TEST_F(OutlookPane, AHeldScrollButtonRepeatsUntilReleased)
{
    AddButtons(6);
    CGTButton& down = m_Pane.GetScrollDownButton();
    auto& record = s_Received[down.m_hWnd];
    record.first = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(down.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    const int step = StepHeight();
    const CPoint centre = m_Pane.CentreOf(down);

    m_Pane.Forward(WM_LBUTTONDOWN, centre);
    EXPECT_EQ(m_Pane.GetScrollOffset(), step);
    // The button is told where the cursor is on it.
    CPoint onButton = centre;
    m_Pane.ClientToScreen(&onButton);
    down.ScreenToClient(&onButton);
    EXPECT_EQ(record.second, MAKELPARAM(onButton.x, onButton.y));
    ASSERT_TRUE(down.IsPushed());
    m_Pane.OnTimer(CGTOutlookBarPane::scrollDownTimer);
    EXPECT_EQ(m_Pane.GetScrollOffset(), 2 * step);

    m_Pane.Forward(WM_LBUTTONUP, m_Pane.CentreOf(down));
    EXPECT_FALSE(down.IsPushed());
    m_Pane.OnTimer(CGTOutlookBarPane::scrollDownTimer);
    EXPECT_EQ(m_Pane.GetScrollOffset(), 2 * step);
    ::SetWindowLongPtrW(down.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.first));
    s_Received.clear();
}

TEST_F(OutlookPane, ALabelThatDoesNotFitIsMeasuredAsCut)
{
    CGTOutlookButton button;
    button.m_ShowText = TRUE;
    CClientDC dc(&m_Pane);
    CFont* previous = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    button.m_Text = L"Users";
    const CSize fits = button.CalcSize(&dc, CSize(98, 32), FALSE);
    EXPECT_TRUE(button.m_WholeText);
    button.m_Text = L"Applicationsandcomputersofthewholenetwork";
    const CSize cut = button.CalcSize(&dc, CSize(98, 32), FALSE);
    EXPECT_FALSE(button.m_WholeText);
    EXPECT_LE(cut.cx, 98);
    EXPECT_EQ(fits.cy, cut.cy);
    dc.SelectObject(previous);
}

TEST_F(OutlookPane, InCustomizeModeOnlyDeleteStaysInTheButtonMenu)
{
    AddButtons(1);
    CGTToolBar::SetCustomizeMode(TRUE);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_GT_CUSTOMIZE_MENU));
    CMenu* popup = menu.GetSubMenu(0);
    m_Pane.UpdateMenuItemState(m_Pane.GetButton(0), popup);
    CGTToolBar::SetCustomizeMode(FALSE);
    for (UINT id = ID_GT_CUSTOMIZE_RESET; id <= ID_GT_CUSTOMIZE_START_GROUP; ++id)
        EXPECT_EQ((popup->GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) == 0, id == ID_GT_CUSTOMIZE_DELETE) << id;
}
