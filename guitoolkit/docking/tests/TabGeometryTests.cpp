#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"
#include "TabWndSupport.h"

namespace {
const wchar_t* const longLabels[] = {L"Users of the network", L"Computers and devices", L"Applications used",
                                     L"Activity by the hour", L"Summary of the week",   L"Another long label"};

void AddTabs(TabHost& ioHost, int iCount)
{
    for (int i = 0; i < iCount; ++i)
        ioHost.AddWindowTab(longLabels[i]);
}

CRect TabRect(const CGTBaseTabWnd& iTabs, int iIndex)
{
    CRect rect;
    iTabs.GetTabRect(iIndex, rect);
    return rect;
}

// A context-menu manager that answers the tab list by the item with the given label, and
// keeps the labels it was shown.
class ListChooser : public CGTContextMenuManager {
public:
    explicit ListChooser(LPCWSTR iChoice) : m_Choice(iChoice) {}
    UINT TrackPopupMenu(HMENU iMenu, int, int, CWnd*, BOOL) override
    {
        UINT chosen = 0;
        for (int i = 0; i < ::GetMenuItemCount(iMenu); ++i) {
            wchar_t text[64] = L"";
            ::GetMenuStringW(iMenu, i, text, 64, MF_BYPOSITION);
            m_Shown.push_back(text);
            if (m_Shown.back() == m_Choice)
                chosen = ::GetMenuItemID(iMenu, i);
        }
        return chosen;
    }
    CString m_Choice;
    std::vector<CString> m_Shown;
};
}  // namespace

TEST(TabGeometry, EachStyleLaysItsTabsOutInARow)
{
    struct Case {
        int style;
        bool scrollButtons;
        int overlap;  // in tab heights' terms: -1 half the height, -2 the height less 5
    };
    const Case cases[] = {{0, false, 0}, {1, true, 0},  {2, true, 0},   {3, true, 0},
                          {4, true, -2}, {5, true, -2}, {6, false, -1}, {7, true, -1}};
    for (const Case& test : cases) {
        TabHost host(test.style, CSize(700, 150));
        AddTabs(host, 3);
        const CRect area = host.m_Tabs.GetTabsAreaRect();
        const int overlap = test.overlap == -1 ? area.Height() / 2 : test.overlap == -2 ? area.Height() - 5 : 0;
        EXPECT_EQ(test.scrollButtons, host.m_Tabs.HasScrollButtons() != FALSE) << test.style;
        EXPECT_EQ(area.bottom, host.m_Tabs.GetTabsAreaRect().bottom);
        for (int i = 0; i < 3; ++i) {
            const CRect rect = TabRect(host.m_Tabs, i);
            EXPECT_FALSE(rect.IsRectEmpty()) << test.style;
            EXPECT_EQ(area.top, rect.top) << test.style;
            EXPECT_EQ(area.bottom - 2, rect.bottom) << test.style;
            if (i > 0) {
                EXPECT_EQ(TabRect(host.m_Tabs, i - 1).right + 1 - overlap, rect.left) << test.style << " tab " << i;
            }
        }
        CRect window;
        host.m_Tabs.GetWndArea(window);
        EXPECT_EQ(area.top, window.bottom) << test.style;
    }
}

TEST(TabGeometry, WithoutScrollButtonsOverrunningTabsShareTheWidth)
{
    for (int style : {0, 6}) {
        TabHost host(style, CSize(300, 150));
        AddTabs(host, 6);
        const CRect area = host.m_Tabs.GetTabsAreaRect();
        for (int i = 0; i < 6; ++i) {
            const CRect rect = TabRect(host.m_Tabs, i);
            EXPECT_GE(rect.left, area.left) << style;
            EXPECT_LE(rect.right, area.right + area.Height()) << style;
        }
        EXPECT_EQ(CPoint(0, 0), CPoint(host.m_Tabs.GetScrollOffset(), 0));
    }
    for (int style : {3, 7}) {
        TabHost host(style, CSize(300, 150));
        AddTabs(host, 6);
        EXPECT_GT(TabRect(host.m_Tabs, 5).right, host.m_Tabs.GetTabsAreaRect().right) << style;
    }
}

TEST(TabGeometry, HidingASingleTabGivesTheWindowTheWholeClient)
{
    TabHost host(3);
    host.m_Tabs.HideSingleTab();
    host.AddWindowTab(L"Alone");

    EXPECT_EQ(0, host.m_Tabs.GetTabsHeight());
    EXPECT_EQ(0, host.m_Tabs.GetTabsAreaRect().Height());
    CRect window, client;
    host.m_Tabs.GetWndArea(window);
    host.m_Tabs.GetClientRect(client);
    EXPECT_EQ(client, window);
    EXPECT_TRUE(TabRect(host.m_Tabs, 0).IsRectEmpty());

    host.AddWindowTab(L"Second");
    EXPECT_GT(host.m_Tabs.GetTabsHeight(), 0);
}

TEST(TabGeometry, APointInTheActiveTabsSlantedCornerBelongsToTheTabBefore)
{
    TabHost host(6, CSize(700, 150));
    AddTabs(host, 3);
    host.m_Tabs.SetActiveTab(1);
    const CRect active = TabRect(host.m_Tabs, 1);

    // Tabs at the bottom: the corner is measured from the active tab's bottom-left.
    EXPECT_EQ(0, host.m_Tabs.GetTabFromPoint(CPoint(active.left + 1, active.bottom - 2)));
    EXPECT_EQ(1, host.m_Tabs.GetTabFromPoint(CPoint(active.left + active.Height() - 1, active.top + 1)));
    EXPECT_EQ(1, host.m_Tabs.GetTabFromPoint(active.CenterPoint()));
    EXPECT_EQ(-1, host.m_Tabs.GetTabFromPoint(CPoint(active.left, 5)));
}

TEST(TabGeometry, ScrollButtonsFollowTheScrollOffsetAndEnsureVisibleBringsATabIn)
{
    TabHost host(3, CSize(300, 150));
    AddTabs(host, 6);
    CWnd* left = host.m_Tabs.GetButton(0);
    CWnd* right = host.m_Tabs.GetButton(1);
    EXPECT_FALSE(left->IsWindowEnabled());
    EXPECT_TRUE(right->IsWindowEnabled());

    host.m_Tabs.SetActiveTab(5);

    const CRect area = host.m_Tabs.GetTabsAreaRect();
    const CRect last = TabRect(host.m_Tabs, 5);
    EXPECT_LE(last.right, area.right);
    EXPECT_GE(last.left, area.left);
    EXPECT_TRUE(left->IsWindowEnabled());
    EXPECT_FALSE(right->IsWindowEnabled());
    EXPECT_EQ(host.m_Tabs.MaxScrollOffset(), host.m_Tabs.GetScrollOffset());

    host.m_Tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), reinterpret_cast<LPARAM>(left->m_hWnd));
    EXPECT_EQ(host.m_Tabs.MaxScrollOffset() - 20, host.m_Tabs.GetScrollOffset());
    EXPECT_TRUE(right->IsWindowEnabled());
}

TEST(TabGeometry, CtrlPageKeysWalkTheVisibleTabsRound)
{
    FakeKeyState keys;
    keys.Press(VK_CONTROL);
    TabHost host(3, CSize(700, 150));
    AddTabs(host, 4);
    host.m_Tabs.ShowTab(3, FALSE);
    MSG next = {host.m_Tabs.m_hWnd, WM_KEYDOWN, VK_NEXT, 0};
    MSG previous = {host.m_Tabs.m_hWnd, WM_KEYDOWN, VK_PRIOR, 0};

    EXPECT_TRUE(host.m_Tabs.PreTranslateMessage(&previous));
    EXPECT_EQ(2, host.m_Tabs.GetActiveTab());
    EXPECT_TRUE(host.m_Tabs.PreTranslateMessage(&next));
    EXPECT_EQ(0, host.m_Tabs.GetActiveTab());

    keys.Release(VK_CONTROL);
    EXPECT_FALSE(host.m_Tabs.PreTranslateMessage(&next));
    EXPECT_EQ(0, host.m_Tabs.GetActiveTab());
}

TEST(TabGeometry, TheTabListIsSortedShowsNoAccessKeysAndActivatesTheChoice)
{
    ListChooser chooser(L"b&&c");
    TabHost host(3, CSize(700, 150));
    for (LPCWSTR label : {L"Zeta", L"b&c", L"alpha", L"R&&D"})
        host.AddWindowTab(label);
    host.m_Tabs.ShowTab(0, FALSE);

    host.m_Tabs.ShowTabsList(CPoint(10, 10));

    const std::vector<CString> expected = {L"alpha", L"b&&c", L"R&&D"};
    EXPECT_EQ(expected, chooser.m_Shown);
    EXPECT_EQ(1, host.m_Tabs.GetActiveTab());
    EXPECT_TRUE(CGTDockingValues::TabCommandIcons().IsEmpty());
}

TEST(TabGeometry, TheActiveTabIsDrawnOverItsNeighbours)
{
    TabHost host(6, CSize(700, 150));
    AddTabs(host, 3);
    const CRect before = TabRect(host.m_Tabs, 0);
    const CRect after = TabRect(host.m_Tabs, 1);
    // Where tab 0's right end and tab 1's left end overlap, one pixel in from the page edge.
    const CPoint shared((after.left + before.right) / 2, before.top + 2);
    CRect client;
    host.m_Tabs.GetClientRect(client);
    CClientDC screen(&host.m_Tabs);
    auto pixelWithActive = [&](int iActive) {
        host.m_Tabs.SetActiveTab(iActive);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
        CBitmap* old = memory.SelectObject(&bitmap);
        memory.FillSolidRect(client, RGB(0, 0, 255));
        host.m_Tabs.PaintTabs(memory);
        const COLORREF pixel = memory.GetPixel(shared);
        memory.SelectObject(old);
        return pixel;
    };
    EXPECT_EQ(RGB(255, 255, 255), pixelWithActive(1));
    EXPECT_EQ(RGB(255, 255, 255), pixelWithActive(0));
    EXPECT_NE(RGB(255, 255, 255), pixelWithActive(2));
}

TEST(TabGeometry, TheCloseButtonFollowsTheActiveWindowsCloseCommand)
{
    TabHost host(3, CSize(400, 150), 0, TRUE);
    CWnd* plain = host.AddWindowTab(L"Plain");
    CWnd framed;
    framed.CreateEx(0, AfxRegisterWndClass(0), L"Framed", WS_CHILD | WS_CAPTION | WS_SYSMENU, CRect(0, 0, 50, 50),
                    &host.m_Tabs, 200);
    host.m_Tabs.AddTab(&framed, L"Framed", static_cast<UINT>(-1), FALSE);
    host.m_Tabs.SetAutoDestroyWindows(FALSE);
    CMenu* menu = framed.GetSystemMenu(FALSE);
    ASSERT_NE(nullptr, menu);
    menu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    CWnd* close = host.m_Tabs.GetButton(4);

    host.m_Tabs.SetActiveTab(1);
    EXPECT_FALSE(close->IsWindowEnabled());
    host.m_Tabs.SetActiveTab(0);
    EXPECT_TRUE(close->IsWindowEnabled());
    EXPECT_NE(nullptr, plain);
    host.m_Tabs.RemoveTab(1);
    framed.DestroyWindow();
}

TEST(TabGeometry, AResizeStripStartsOnlyWithBoundsFromTheOwner)
{
    FakeScreenDrawing drawing;
    struct Case {
        LRESULT answer;
        CRect bounds;
        bool starts;
    };
    const Case cases[] = {
        {0, CRect(0, 0, 900, 900), false}, {1, CRect(0, 0, 0, 0), false}, {1, CRect(0, 0, 900, 900), true}};
    for (const Case& test : cases) {
        TabHost host(3, CSize(400, 150));
        AddTabs(host, 2);
        host.m_Tabs.SetResizeMode(1);
        host.m_BoundsAnswer = test.answer;
        host.m_Bounds = test.bounds;
        drawing.m_Calls.clear();
        const CPoint strip = host.m_Tabs.ResizeStrip().CenterPoint();

        host.m_Tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(strip.x, strip.y));

        EXPECT_EQ(1u, host.Received(GTM_GETDRAGBOUNDS).size());
        EXPECT_EQ(test.starts, CWnd::GetCapture() == &host.m_Tabs);
        EXPECT_EQ(test.starts, !drawing.m_Calls.empty());
        host.m_Tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(strip.x - 30, strip.y));
        EXPECT_EQ(test.starts, host.Received(GTM_ON_DRAGCOMPLETE).size() == 1u);
        EXPECT_EQ(nullptr, CWnd::GetCapture());
    }
}

TEST(TabGeometry, TheSharedScrollBarTakesHalfTheRoomLeftOrAllOfItWhenThatIsSmall)
{
    TabHost host(2, CSize(600, 150));
    AddTabs(host, 2);
    const int scroll = ::GetSystemMetrics(SM_CXHSCROLL);
    const int reserved = 2 * (host.m_Tabs.GetTabsHeight() + 2 * ::GetSystemMetrics(SM_CXVSCROLL));
    struct Case {
        int room;
        int width;
    };
    const Case cases[] = {{2 * scroll, 0},
                          {2 * scroll + 1, 2 * scroll + 1},
                          {4 * scroll, 4 * scroll},
                          {4 * scroll + 2, 2 * scroll + 1},
                          {400, 200}};
    for (const Case& test : cases) {
        host.m_Tabs.SetWindowPos(nullptr, 0, 0, reserved + test.room, 150, SWP_NOZORDER | SWP_NOMOVE);
        EXPECT_EQ(test.width, host.m_Tabs.ScrollBarWidth()) << test.room;
    }
}

TEST(TabGeometry, TheFlatFontStopsShrinkingAtHeightOne)
{
    TabHost host(1);
    host.m_Tabs.ForceTabsHeight(0);
    host.m_Tabs.BuildFlatFonts();
    LOGFONT font = {};
    host.m_Tabs.FlatFont().GetLogFont(&font);
    EXPECT_EQ(1, abs(font.lfHeight));
}
