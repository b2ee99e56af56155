#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"
#include "TabWndSupport.h"

namespace {
// Four tabs "A" to "D"; the listed ones hidden.
void AddFourTabs(TabHost& ioHost, std::initializer_list<int> iHidden = {})
{
    for (LPCWSTR label : {L"A", L"B", L"C", L"D"})
        ioHost.AddWindowTab(label);
    for (int hidden : iHidden)
        ioHost.m_Tabs.ShowTab(hidden, FALSE);
}

CString LabelOf(const CGTBaseTabWnd& iTabs, int iIndex)
{
    CString label;
    iTabs.GetTabLabel(iIndex, label);
    return label;
}

CString ActiveLabel(const CGTBaseTabWnd& iTabs)
{
    return LabelOf(iTabs, iTabs.GetActiveTab());
}
}  // namespace

TEST(TabList, RemovingATabPassesTheActivationOnAsTheFlagsSay)
{
    struct Case {
        int active;
        int removed;
        std::initializer_list<int> hidden;
        BOOL lastVisible;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {1, 1, {}, FALSE, L"C"},   // the next tab takes over
        {3, 3, {}, FALSE, L"C"},   // none after it: the nearest before
        {1, 1, {2}, FALSE, L"D"},  // hidden tabs are passed over
        {0, 0, {}, TRUE, L"D"},    // the last visible one
        {0, 0, {3}, TRUE, L"C"},   // ... which may not be the last
        {2, 0, {}, FALSE, L"C"},   // a tab removed before the active one leaves it active
        {1, 3, {}, FALSE, L"B"},   // ... as does one after it
    };
    for (const Case& test : cases) {
        TabHost host;
        AddFourTabs(host, test.hidden);
        host.m_Tabs.EnableActivateLastVisible(test.lastVisible);
        host.m_Tabs.SetActiveTab(test.active);
        host.m_Notices.clear();

        EXPECT_TRUE(host.m_Tabs.RemoveTab(test.removed));

        EXPECT_EQ(CString(test.expected), ActiveLabel(host.m_Tabs)) << test.active << " " << test.removed;
        const auto changes = host.Received(GTM_ONCHANGE_ACTIVE_TAB);
        ASSERT_EQ(1u, changes.size());
        EXPECT_EQ(host.m_Tabs.GetActiveTab(), static_cast<int>(changes[0].wParam));
        ASSERT_NE(nullptr, host.m_Tabs.GetActiveWnd());
        EXPECT_TRUE(host.m_Tabs.GetActiveWnd()->IsWindowVisible());
    }
}

TEST(TabList, RemovingTheOnlyTabEmptiesTheWindowAndSaysNoneIsActive)
{
    TabHost host;
    host.AddWindowTab(L"Only");
    host.m_Notices.clear();

    EXPECT_TRUE(host.m_Tabs.RemoveTab(0));

    EXPECT_EQ(0, host.m_Tabs.GetTabCount());
    EXPECT_EQ(-1, host.m_Tabs.GetActiveTab());
    const auto changes = host.Received(GTM_ONCHANGE_ACTIVE_TAB);
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ(-1, static_cast<int>(changes[0].wParam));
    EXPECT_FALSE(host.m_Tabs.RemoveTab(0));
}

TEST(TabList, TabIdsAreNeverReusedUntilAllTabsGo)
{
    TabHost host;
    host.AddWindowTab(L"A");
    host.AddWindowTab(L"B");
    host.m_Tabs.RemoveTab(1);
    host.AddWindowTab(L"C");
    EXPECT_EQ(1, host.m_Tabs.FindTabByID(3));
    EXPECT_EQ(-1, host.m_Tabs.FindTabByID(2));

    host.m_Tabs.RemoveAllTabs();
    host.AddWindowTab(L"D");
    EXPECT_EQ(0, host.m_Tabs.FindTabByID(1));
}

TEST(TabList, AWindowWithIdMinusOneIsNotAdded)
{
    TabHost host;
    CWnd window;
    window.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 5, 5), &host.m_Tabs, static_cast<UINT>(-1));
    host.m_Tabs.AddTab(&window, L"Lost", static_cast<UINT>(-1), FALSE);
    EXPECT_EQ(0, host.m_Tabs.GetTabCount());
    window.DestroyWindow();
}

TEST(TabList, TabsOrderNeedsOneEntryPerTabAndTheActiveTabFollowsIt)
{
    TabHost host;
    AddFourTabs(host);
    host.m_Tabs.SetActiveTab(1);
    CArray<int, int> order;
    order.Add(3);
    order.Add(1);
    order.Add(0);
    EXPECT_FALSE(host.m_Tabs.SetTabsOrder(order));
    EXPECT_EQ(CString(L"A"), LabelOf(host.m_Tabs, 0));

    order.Add(2);
    EXPECT_TRUE(host.m_Tabs.SetTabsOrder(order));
    const wchar_t* expected[] = {L"D", L"B", L"A", L"C"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(CString(expected[i]), LabelOf(host.m_Tabs, i));
    EXPECT_EQ(1, host.m_Tabs.GetActiveTab());
}

TEST(TabList, TheOwnerMayRefuseAnActivationByAnyWay)
{
    TabHost host;
    AddFourTabs(host);
    host.m_ChangingAnswer = 1;

    EXPECT_FALSE(host.m_Tabs.SetActiveTab(2));
    const CPoint center = host.TabCenter(3);
    host.m_Tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(center.x, center.y));
    host.m_Tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(center.x, center.y));

    EXPECT_EQ(0, host.m_Tabs.GetActiveTab());
    EXPECT_TRUE(host.Received(GTM_ONCHANGE_ACTIVE_TAB).size() == 1u);  // the first tab's, when it was added
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST(TabList, AClickActivatesATabAndTellsTheOwnerOnce)
{
    TabHost host;
    AddFourTabs(host);
    host.m_Notices.clear();
    const CPoint center = host.TabCenter(2);

    host.m_Tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(center.x, center.y));
    host.m_Tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(center.x, center.y));

    EXPECT_EQ(2, host.m_Tabs.GetActiveTab());
    EXPECT_EQ(1u, host.Received(GTM_ONCHANGE_ACTIVE_TAB).size());
    EXPECT_TRUE(host.Received(GTM_ON_MOVE_TAB).empty());
    EXPECT_FALSE(host.m_Windows[0]->IsWindowVisible());
    EXPECT_TRUE(host.m_Windows[2]->IsWindowVisible());
}

TEST(TabList, DraggingTheActiveTabOverAnotherMovesItAndTellsTheOwnerAtTheRelease)
{
    TabHost host;
    AddFourTabs(host);
    const CPoint from = host.TabCenter(0);
    const CPoint over = host.TabCenter(2);
    host.m_Tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    host.m_Tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(host.TabCenter(1).x, from.y));
    host.m_Tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    host.m_Tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));

    EXPECT_EQ(CString(L"A"), ActiveLabel(host.m_Tabs));
    EXPECT_EQ(2, host.m_Tabs.GetActiveTab());
    const auto moves = host.Received(GTM_ON_MOVE_TAB);
    ASSERT_EQ(1u, moves.size());
    EXPECT_EQ(0, static_cast<int>(moves[0].wParam));
    EXPECT_EQ(2, static_cast<int>(moves[0].lParam));
}

TEST(TabList, AutomaticColoursAreFixedOnFirstUseAndMoveWithTheirTabs)
{
    FixedScreenFacts screen;
    TabHost host;
    AddFourTabs(host);
    host.m_Tabs.EnableAutoColor();

    EXPECT_EQ(RGB(255, 219, 117), host.m_Tabs.GetTabBkColor(1));
    host.m_Tabs.MoveTab(1, 3);
    EXPECT_EQ(RGB(255, 219, 117), host.m_Tabs.GetTabBkColor(3));
    EXPECT_EQ(RGB(189, 205, 159), host.m_Tabs.GetTabBkColor(1));

    host.m_Tabs.EnableAutoColor(FALSE);
    EXPECT_EQ(static_cast<COLORREF>(-1), host.m_Tabs.GetTabBkColor(3));
}

TEST(TabList, StoredStateBringsBackOrderVisibilityAndColours)
{
    CMemFile file;
    {
        TabHost host;
        AddFourTabs(host);
        host.m_Tabs.MoveTab(0, 3);  // B C D A
        host.m_Tabs.ShowTab(1, FALSE);
        host.m_Tabs.SetTabBkColor(0, RGB(1, 2, 3));
        host.m_Tabs.SetTabSecondColor(2, RGB(4, 5, 6));
        host.m_Tabs.SetActiveTab(2);
        CArchive archive(&file, CArchive::store);
        host.m_Tabs.Serialize(archive);
    }
    file.SeekToBegin();
    TabHost host;
    AddFourTabs(host);
    {
        CArchive archive(&file, CArchive::load);
        host.m_Tabs.Serialize(archive);
    }
    EXPECT_EQ(CString(L"A"), LabelOf(host.m_Tabs, 0));  // nothing applied at load

    host.m_Tabs.ApplyRestoredTabInfo();

    EXPECT_EQ(CString(L"B"), LabelOf(host.m_Tabs, 0));
    EXPECT_EQ(CString(L"D"), LabelOf(host.m_Tabs, 2));
    EXPECT_EQ(CString(L"A"), LabelOf(host.m_Tabs, 3));
    EXPECT_FALSE(host.m_Tabs.IsTabVisible(host.m_Tabs.GetTabFromHwnd(host.m_Windows[2]->GetSafeHwnd())));
    EXPECT_EQ(RGB(1, 2, 3), host.m_Tabs.GetTabBkColor(0));
    EXPECT_EQ(RGB(4, 5, 6), host.m_Tabs.GetTabSecondColor(2));
    EXPECT_EQ(CString(L"D"), ActiveLabel(host.m_Tabs));
}

TEST(TabList, RenameEndsWithEnterOrEscapeAndRefusesAnEmptyName)
{
    FakeBeeper beeper;
    TabHost host(1);
    AddFourTabs(host);
    host.m_Tabs.EnableRename(TRUE);
    ASSERT_TRUE(host.m_Tabs.StartRenameTab(0));
    CWnd* edit = host.m_Tabs.GetDlgItem(1);
    ASSERT_NE(nullptr, edit);
    MSG enter = {edit->GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0};
    MSG escape = {edit->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};

    edit->SetWindowText(L"");
    EXPECT_TRUE(host.m_Tabs.PreTranslateMessage(&enter));
    EXPECT_TRUE(host.m_Tabs.IsRenaming());
    EXPECT_EQ(1u, beeper.m_Beeps.size());

    edit->SetWindowText(L"Renamed");
    EXPECT_TRUE(host.m_Tabs.PreTranslateMessage(&enter));
    EXPECT_FALSE(host.m_Tabs.IsRenaming());
    EXPECT_EQ(CString(L"Renamed"), LabelOf(host.m_Tabs, 0));
    const auto renames = host.Received(GTM_ON_RENAME_TAB);
    ASSERT_EQ(1u, renames.size());
    EXPECT_EQ(0, static_cast<int>(renames[0].wParam));

    ASSERT_TRUE(host.m_Tabs.StartRenameTab(0));
    host.m_Tabs.GetDlgItem(1)->SetWindowText(L"Dropped");
    escape.hwnd = host.m_Tabs.GetDlgItem(1)->GetSafeHwnd();
    EXPECT_TRUE(host.m_Tabs.PreTranslateMessage(&escape));
    EXPECT_FALSE(host.m_Tabs.IsRenaming());
    EXPECT_EQ(CString(L"Renamed"), LabelOf(host.m_Tabs, 0));
}

TEST(TabList, AnOwnerThatHandlesTheRenameKeepsTheLabel)
{
    TabHost host(1);
    AddFourTabs(host);
    host.m_RenameAnswer = 1;
    host.m_Tabs.EnableRename(TRUE);
    ASSERT_TRUE(host.m_Tabs.StartRenameTab(1));
    host.m_Tabs.GetDlgItem(1)->SetWindowText(L"Elsewhere");
    EXPECT_TRUE(host.m_Tabs.RenameTab());
    EXPECT_EQ(CString(L"B"), LabelOf(host.m_Tabs, 1));
}

TEST(TabList, RenamingIsForTheFlatLooksOnly)
{
    TabHost host(3);
    AddFourTabs(host);
    host.m_Tabs.EnableRename(TRUE);
    EXPECT_FALSE(host.m_Tabs.IsRenameEnabled());
    EXPECT_FALSE(host.m_Tabs.StartRenameTab(0));
}
