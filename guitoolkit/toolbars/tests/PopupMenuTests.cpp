#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <gtest/gtest.h>
#include <afxrecent.h>
#include "PopupTestSupport.h"

namespace {
const std::vector<MenuEntry> fileMenu = {
    {L"&Open", 100},
    {L"&More", 0, 0, {{L"&Daily", 201}, {L"&Weekly", 202}}},
    {L"", 0},
    {L"E&xit", 101},
};

void Key(CWnd* iPopup, UINT iKey)
{
    iPopup->SendMessage(WM_KEYDOWN, iKey);
}

// A frame with a menu toolbar whose "More" sub-menu is open by keyboard.
struct OpenChain {
    PlainMenuOptions options;
    MenuFrame frame;
    MenuToolBar bar{frame, fileMenu};
    CGTPopupMenu* popup = nullptr;
    CGTPopupMenu* subMenu = nullptr;

    OpenChain()
    {
        popup = bar.Open();
        Key(popup, VK_DOWN);
        Key(popup, VK_DOWN);
        Key(popup, VK_RIGHT);
        subMenu = CGTPopupMenu::GetActiveMenu();
    }
};
}  // namespace

TEST(PopupMenu, EscapeClosesOneLevelAndTheParentKeepsItsHighlight)
{
    OpenChain chain;
    ASSERT_NE(nullptr, chain.subMenu);
    ASSERT_NE(chain.popup, chain.subMenu);
    EXPECT_EQ(chain.popup, chain.subMenu->GetParentPopup());
    EXPECT_EQ(0, chain.subMenu->GetMenuBar()->GetHotIndex()) << "Right opened the sub-menu at its first item";

    Key(chain.subMenu, VK_ESCAPE);
    PumpMessages();
    EXPECT_EQ(chain.popup, CGTPopupMenu::GetActiveMenu());
    EXPECT_EQ(1, chain.popup->GetMenuBar()->GetHotIndex());
    EXPECT_FALSE(static_cast<CGTToolbarMenuButton*>(chain.popup->GetMenuItem(1))->IsDroppedDown());
    EXPECT_TRUE(chain.bar.MenuButton().IsDroppedDown());

    Key(chain.popup, VK_ESCAPE);
    PumpMessages();
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());
    EXPECT_FALSE(chain.bar.MenuButton().IsDroppedDown());
}

TEST(PopupMenu, InALookWithJoinedPopupsASubMenuOfAFullMenuMovesOntoItsEdge)
{
    // The sub-menu's place as a look without joined popups puts it, then as one with them.
    std::vector<CRect> places;
    for (const BOOL joined : {FALSE, TRUE}) {
        CGTVisualManager::GetCurrent()->JoinedPopups = joined;
        PlainMenuOptions options;
        MenuFrame frame;
        MenuToolBar bar(frame, fileMenu);
        CGTPopupMenu* popup = bar.Open();
        ASSERT_NE(nullptr, popup);
        popup->ResetDisplayOptions();
        static_cast<CGTToolbarMenuButton*>(popup->GetMenuItem(1))->m_RightArrow = TRUE;
        Key(popup, VK_DOWN);
        Key(popup, VK_DOWN);
        Key(popup, VK_RIGHT);
        CGTPopupMenu* subMenu = CGTPopupMenu::GetActiveMenu();
        ASSERT_NE(popup, subMenu);
        places.push_back(subMenu->GetScreenRect());
        Key(subMenu, VK_ESCAPE);
        Key(popup, VK_ESCAPE);
        PumpMessages();
    }
    CGTVisualManager::GetCurrent()->JoinedPopups = FALSE;
    EXPECT_EQ(places[0].TopLeft() + CSize(-4, 1), places[1].TopLeft());
}

TEST(PopupMenu, LeftAndRightWithoutASubMenuMoveAlongTheBar)
{
    OpenChain chain;
    // Right on an item without a sub-menu climbs the chain to the bar.
    Key(chain.subMenu, VK_RIGHT);
    EXPECT_EQ((std::vector<std::string>{"next"}), chain.bar.m_Moves);
    // Left in a sub-menu closes only it; in the top menu it goes to the bar.
    Key(chain.subMenu, VK_LEFT);
    PumpMessages();
    EXPECT_EQ(chain.popup, CGTPopupMenu::GetActiveMenu());
    Key(chain.popup, VK_LEFT);
    EXPECT_EQ((std::vector<std::string>{"next", "previous"}), chain.bar.m_Moves);
}

TEST(PopupMenu, AChosenCommandReachesTheFrameOnceAndClosesTheChain)
{
    OpenChain chain;
    const HWND popup = chain.popup->GetSafeHwnd();
    Key(chain.subMenu, VK_DOWN);
    Key(chain.subMenu, VK_RETURN);
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{202}), chain.frame.m_Commands);
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());
    EXPECT_FALSE(chain.bar.MenuButton().IsDroppedDown());
}

TEST(PopupMenu, SwitchingToAnotherProgramClosesTheMenuUnlessACommandRuns)
{
    PlainMenuOptions options;
    MenuFrame frame;
    MenuToolBar bar(frame, fileMenu);
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    popup->GetMenuBar()->SetCommandRunning(TRUE);
    popup->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    PumpMessages();
    ASSERT_TRUE(bar.MenuButton().IsDroppedDown());
    popup->GetMenuBar()->SetCommandRunning(FALSE);
    popup->SendMessage(WM_ACTIVATEAPP, TRUE, 0);
    PumpMessages();
    ASSERT_TRUE(bar.MenuButton().IsDroppedDown());
    popup->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    PumpMessages();
    EXPECT_FALSE(bar.MenuButton().IsDroppedDown());
}

TEST(PopupMenu, CtrlDownShowsEveryItemInPlace)
{
    PlainMenuOptions options;
    GTMenuOptions::s_RecentlyUsed = TRUE;
    CList<UINT, UINT> basic;
    basic.AddTail(100);
    CGTToolBar::SetCoreCommands(basic);
    CGTToolBar::GetCommandUsage().Reset();
    {
        MenuFrame frame;
        MenuToolBar bar(frame, {{L"&Open", 100}, {L"&Rare", 102}, {L"&Other", 103}});
        CGTPopupMenu* popup = bar.Open();
        ASSERT_NE(nullptr, popup);
        ASSERT_EQ(2, popup->GetMenuItemCount());
        EXPECT_TRUE(popup->GetMenuItem(1)->IsShowAllButton());
        EXPECT_TRUE(popup->HasHiddenItems());
        const CPoint corner = popup->GetScreenRect().TopLeft();

        FakeKeyState keys;
        Key(popup, VK_DOWN);
        EXPECT_EQ(2, popup->GetMenuItemCount()) << "Down alone only moves";
        keys.Press(VK_CONTROL);
        Key(popup, VK_DOWN);
        EXPECT_EQ(3, popup->GetMenuItemCount());
        EXPECT_FALSE(popup->HasHiddenItems());
        EXPECT_EQ(corner, popup->GetScreenRect().TopLeft());
        EXPECT_TRUE(popup->IsWindowVisible());
        popup->DestroyWindow();
        EXPECT_FALSE(GTMenuOptions::s_ShowAllCommands) << "the expansion lasts while the menu is open";
    }
    CGTToolBar::SetCoreCommands(CList<UINT, UINT>());
}

TEST(PopupMenu, TheRecentFilePlaceholderBecomesTheFiles)
{
    PlainMenuOptions options;
    CWinApp app(L"Menus");
    app.m_pRecentFileList = new CRecentFileList(0xE110, L"Recent File List", L"File%d", 4);
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    const std::vector<MenuEntry> menu = {
        {L"&Open", 100}, {L"", 0}, {L"Recent File", 0xE110}, {L"", 0}, {L"E&xit", 101}};
    MenuFrame frame;
    {
        MenuToolBar bar(frame, menu);
        CGTPopupMenu* popup = bar.Open();
        ASSERT_NE(nullptr, popup);
        EXPECT_EQ(3, popup->GetMenuItemCount()) << "no files: neither the placeholder nor a second separator";
        popup->DestroyWindow();
    }
    app.m_pRecentFileList->Add(L"C:\\reports\\june.zvr");
    app.m_pRecentFileList->Add(CString(folder) + L"\\week.zvr");
    MenuToolBar bar(frame, menu);
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(6, popup->GetMenuItemCount());
    EXPECT_EQ(CString(L"&1 week.zvr"), popup->GetMenuItem(2)->m_Text);
    EXPECT_EQ(0xE110u, popup->GetMenuItem(2)->m_CommandId);
    EXPECT_EQ(CString(L"&2 C:\\reports\\june.zvr"), popup->GetMenuItem(3)->m_Text);
    EXPECT_EQ(0xE111u, popup->GetMenuItem(3)->m_CommandId);
    EXPECT_TRUE(popup->GetMenuItem(4)->IsSeparator());
    popup->DestroyWindow();
}

namespace {
// A frame with the toolbar hooks that keeps one torn-off bar and accepts every popup.
class TearOffFrame : public MenuFrame, public IGTToolbarFrame {
public:
    BOOL OnShowPopupMenu(CGTPopupMenu* iPopup) override
    {
        CGTActivePopupMenu::Set(iPopup);
        return TRUE;
    }
    void OnPopupMenuClosed(CGTPopupMenu*) override {}
    void OnDrawMenuLogo(CDC*, CGTPopupMenu*, const CRect&) override {}
    CGTToolBar* FindTearOffBar(UINT iTearOffId) override
    {
        m_Asked.push_back(iTearOffId);
        return m_TornOff;
    }
    int OnButtonTooltip(CGTToolbarButton*, TOOLINFO*) override { return 0; }
    LRESULT OnToolbarNotify(WPARAM, LPARAM) override { return 0; }
    BOOL GetCommandDescription(UINT, CString&) override { return FALSE; }
    BOOL IsUserDefinedToolbar(const CGTToolBar*) override { return FALSE; }
    void SetMenuBar(CGTMenuBar*) override {}
    std::vector<UINT> m_Asked;
    CGTToolBar* m_TornOff = nullptr;
};
}  // namespace

TEST(PopupMenu, ATearOffBarHoldsTheMenusItems)
{
    PlainMenuOptions options;
    MenuFrame frame;
    MenuToolBar bar(frame,
                    {{L"&Open\tCtrl+O", 100},
                     {L"", 0},
                     {L"&More\tF2", 0, 0, {{L"&Daily", 201}}},
                     {L"&Restore", SC_RESTORE},
                     {L"", 0},
                     {L"E&xit", 101}});
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    CGTToolBar* tornOff = popup->CreateTearOffBar(&frame, 0xE900, L"Report");
    ASSERT_NE(nullptr, tornOff);
    EXPECT_EQ(0xE900, tornOff->GetDlgCtrlID());
    CString name;
    tornOff->GetWindowText(name);
    EXPECT_EQ(CString(L"Report"), name);
    ASSERT_EQ(5, tornOff->GetButtonCount());
    EXPECT_EQ(CString(L"&Open"), tornOff->GetButton(0)->m_Text);
    EXPECT_TRUE(tornOff->GetButton(0)->m_ShowText);
    EXPECT_TRUE(tornOff->GetButton(1)->IsSeparator());
    auto* more = dynamic_cast<CGTToolbarMenuButton*>(tornOff->GetButton(2));
    ASSERT_NE(nullptr, more);
    EXPECT_EQ(CString(L"&More"), more->m_Text);
    EXPECT_EQ(1, more->GetSubItems().GetCount());
    EXPECT_TRUE(tornOff->GetButton(3)->IsSeparator()) << "the system command is left out";
    EXPECT_EQ(101u, tornOff->GetButton(4)->m_CommandId);
    const DWORD wanted = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    EXPECT_EQ(wanted, tornOff->GetBarStyle() & wanted);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_ANY), tornOff->GetEnabledAlignment());
    tornOff->DestroyWindow();
    delete tornOff;
    popup->DestroyWindow();
}

TEST(PopupMenu, TearingOffShowsTheFramesBarForTheMenu)
{
    PlainMenuOptions options;
    TearOffFrame frame;
    MenuToolBar bar(frame, {{L"&Open", 100}});
    CGTToolBar tornOff;
    tornOff.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP);
    frame.m_TornOff = &tornOff;

    // Without a tear-off id nothing is asked.
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    popup->TearOff(CPoint(5, 5));
    EXPECT_TRUE(frame.m_Asked.empty());
    popup->DestroyWindow();

    bar.MenuButton().SetTearOff(9);
    popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    const HWND window = popup->GetSafeHwnd();
    popup->TearOff(CPoint(5, 5));
    EXPECT_EQ((std::vector<UINT>{9}), frame.m_Asked);
    EXPECT_TRUE(tornOff.IsWindowVisible());
    EXPECT_FALSE(::IsWindow(window));
    tornOff.DestroyWindow();
}

TEST(PopupMenu, SubMenusOpenAndCloseAfterTheDelayAndStayWhenTheMouseComesBack)
{
    PlainMenuOptions options;
    MenuFrame frame;
    MenuToolBar bar(frame, fileMenu);
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    CGTPopupMenuBar& menu = *popup->GetMenuBar();
    auto& more = static_cast<CGTToolbarMenuButton&>(*popup->GetMenuItem(1));
    FakeCursor cursor;
    const auto pointAt = [&](int iItem) {
        CPoint point = popup->GetMenuItem(iItem)->Rect().CenterPoint();
        menu.ClientToScreen(&point);
        cursor.m_Position = point;
        menu.SetHot(iItem);
    };
    pointAt(1);
    EXPECT_FALSE(more.IsDroppedDown()) << "not before the delay";
    menu.SendMessage(WM_TIMER, 1);
    ASSERT_TRUE(more.IsDroppedDown());

    pointAt(0);
    EXPECT_TRUE(more.IsDroppedDown()) << "the sub-menu waits before it closes";
    pointAt(1);
    menu.SendMessage(WM_TIMER, 2);
    EXPECT_TRUE(more.IsDroppedDown()) << "back in time, it stays";
    EXPECT_EQ(1, menu.GetHotIndex());

    pointAt(3);
    menu.SendMessage(WM_TIMER, 2);
    EXPECT_FALSE(more.IsDroppedDown());
    EXPECT_EQ(popup, CGTPopupMenu::GetActiveMenu());

    // Keys close an open sub-menu at once.
    pointAt(1);
    menu.SendMessage(WM_TIMER, 1);
    ASSERT_TRUE(more.IsDroppedDown());
    Key(popup, VK_UP);
    EXPECT_FALSE(more.IsDroppedDown());
    popup->DestroyWindow();
}
