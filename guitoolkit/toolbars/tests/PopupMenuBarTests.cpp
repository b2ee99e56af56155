#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <gtest/gtest.h>
#include <memory>
#include "PopupTestSupport.h"

namespace {
// A popup menu bar in a window of its own, laid out over a given height.
class StandingMenuBar : public CGTPopupMenuBar {
public:
    explicit StandingMenuBar(CWnd& iParent)
    {
        Create(&iParent, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 1);
        SetOwner(&iParent);
    }
    ~StandingMenuBar() override { DestroyWindow(); }
    void Import(const std::vector<MenuEntry>& iEntries, BOOL iShowAll = TRUE)
    {
        HMENU menu = MakeMenu(iEntries);
        ImportFromMenu(menu, iShowAll);
        ::DestroyMenu(menu);
        const CSize size = CalcFixedLayout(FALSE, TRUE);
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        RecalcButtonLayout();
    }
    std::string Items() const
    {
        std::string text;
        for (int index = 0; index < GetButtonCount(); ++index) {
            const CGTToolbarButton* item = GetButton(index);
            text += index > 0 ? " " : "";
            text += item->IsSeparator() ? std::string("-") : std::to_string(item->m_CommandId);
            if (item->m_Style & TBBS_DISABLED)
                text += "d";
            if (item->m_Style & TBBS_CHECKED)
                text += "c";
            if (item->m_Style & GTMenuColumnBreak)
                text += "|";
        }
        return text;
    }
};

// Commands 100 and 101 are the basic set, 102 is used often, the others never.
class PersonalisedMenus {
public:
    PersonalisedMenus()
    {
        GTMenuOptions::s_RecentlyUsed = TRUE;
        CList<UINT, UINT> basic;
        basic.AddTail(100);
        basic.AddTail(101);
        CGTToolBar::SetCoreCommands(basic);
        CGTToolBar::GetCommandUsage().Reset();
        for (int use = 0; use < 10; ++use)
            CGTToolBar::AddCommandUsage(102);
    }
    ~PersonalisedMenus()
    {
        CGTToolBar::SetCoreCommands(CList<UINT, UINT>());
        CGTToolBar::GetCommandUsage().Reset();
    }

private:
    PlainMenuOptions m_Options;
};

// Sets "MenuShowDelay" of the current user, and puts the old value back when it goes.
class MenuShowDelaySetting {
public:
    MenuShowDelaySetting()
    {
        ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_READ | KEY_WRITE, &m_Key);
        DWORD size = sizeof(m_Saved);
        m_HadValue =
            ::RegQueryValueExW(m_Key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(m_Saved), &size) == ERROR_SUCCESS;
    }
    ~MenuShowDelaySetting()
    {
        if (m_HadValue)
            Set(m_Saved);
        else
            ::RegDeleteValueW(m_Key, name);
        ::RegCloseKey(m_Key);
        CGTPopupMenuBar::ForgetSubMenuDelay();
    }
    void Set(LPCWSTR iText)
    {
        if (iText == nullptr) {
            ::RegDeleteValueW(m_Key, name);
            return;
        }
        ::RegSetValueExW(m_Key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(iText),
                         static_cast<DWORD>((wcslen(iText) + 1) * sizeof(wchar_t)));
    }

private:
    static constexpr LPCWSTR name = L"MenuShowDelay";
    HKEY m_Key = nullptr;
    wchar_t m_Saved[64] = {};
    BOOL m_HadValue = FALSE;
};
}  // namespace

TEST(PopupMenuBar, ImportKeepsTheMenusStatesAndCollapsesSeparators)
{
    PlainMenuOptions options;
    TestParent parent;
    CGTUserToolsManager tools(32768, 32780);
    const UINT tool = tools.CreateNewTool()->m_CommandId;
    StandingMenuBar bar(parent);
    bar.Import({{L"", 0},
                {L"&A", 100},
                {L"", 0},
                {L"", 0},
                {L"&B", 101, MF_GRAYED},
                {L"&Tool", tool, MF_GRAYED},
                {L"&C", 102, MF_MENUBREAK},
                {L"&D", 103, MF_CHECKED},
                {L"&Sub", 0, 0, {{L"E", 104}}},
                {L"", 0}});
    EXPECT_EQ("100 - 101d " + std::to_string(tool) + " 102| 103c 4294967295", bar.Items());
    EXPECT_TRUE(bar.AreAllCommandsShown());
}

TEST(PopupMenuBar, PersonalisedMenusHideRarelyUsedCommandsButKeepTheirAccessKeys)
{
    PersonalisedMenus personalised;
    TestParent parent;
    CommandRecorder recorder;
    StandingMenuBar bar(parent);
    bar.SetOwner(&recorder);
    const std::vector<MenuEntry> menu = {{L"&New", 100}, {L"&Open", 101}, {L"&Export", 102},
                                         {L"", 0},       {L"&Xtra", 103}, {L"&Rare", 104}};
    bar.Import(menu, FALSE);
    EXPECT_EQ("100 101 102", bar.Items());
    EXPECT_FALSE(bar.AreAllCommandsShown());
    EXPECT_EQ(103u, bar.FindHiddenAccessKey('X'));

    EXPECT_TRUE(bar.OnKeyDown('X'));
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{103}), recorder.m_Commands);

    // Shown in full, every item is there.
    bar.Import(menu, TRUE);
    EXPECT_EQ("100 101 102 - 103 104", bar.Items());
    EXPECT_TRUE(bar.AreAllCommandsShown());
}

TEST(PopupMenuBar, ExportGivesBackTheMenuItWasMadeFrom)
{
    PlainMenuOptions options;
    TestParent parent;
    StandingMenuBar bar(parent);
    HMENU menu = MakeMenu({{L"&Open\tCtrl+O", 100},
                           {L"&Print", 101, MF_GRAYED},
                           {L"", 0},
                           {L"Other", 102, MF_MENUBREAK},
                           {L"&More", 0, 0, {{L"Daily", 201}, {L"Weekly", 202, MF_GRAYED}}},
                           {L"\x01"
                            L"7\x01"
                            L"Tools",
                            0,
                            MF_MENUBARBREAK,
                            {{L"Options", 203}}}});
    ::SetMenuDefaultItem(menu, 102, FALSE);
    ASSERT_TRUE(bar.ImportFromMenu(menu, TRUE));
    HMENU exported = bar.ExportToMenu();
    ASSERT_NE(nullptr, exported);
    EXPECT_EQ(DescribeMenu(menu), DescribeMenu(exported));
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index)
        EXPECT_EQ(::GetMenuState(menu, index, MF_BYPOSITION) & (MF_GRAYED | MF_MENUBREAK | MF_MENUBARBREAK),
                  ::GetMenuState(exported, index, MF_BYPOSITION) & (MF_GRAYED | MF_MENUBREAK | MF_MENUBARBREAK))
            << index;
    EXPECT_EQ(102u, ::GetMenuDefaultItem(exported, FALSE, 0));
    ::DestroyMenu(exported);
    ::DestroyMenu(menu);
}

TEST(PopupMenuBar, MenusMeasureTheirColumnsRowsAndShortcuts)
{
    PlainMenuOptions options;
    TestParent parent;
    StandingMenuBar empty(parent);
    EXPECT_EQ(CSize(50, 20), empty.CalcFixedLayout(FALSE, TRUE));

    StandingMenuBar bar(parent);
    bar.Import({{L"One", 100}, {L"", 0}, {L"Two\tF2", 101}, {L"Three", 102, MF_MENUBREAK}});
    const int row = bar.GetRowHeight();
    ASSERT_EQ(2, bar.GetColumnWidths().GetSize());
    const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(static_cast<LONG>(bar.GetColumnWidths()[0] + bar.GetColumnWidths()[1] + 1), size.cx);
    EXPECT_EQ(2 * row + CGTPopupMenuBar::s_SeparatorHeight + 2, size.cy);
    // The second column starts one pixel after the first and back at the top.
    EXPECT_EQ(bar.GetButton(0)->Rect().top, bar.GetButton(3)->Rect().top);
    EXPECT_EQ(static_cast<LONG>(bar.GetColumnWidths()[0] + 1), bar.GetButton(3)->Rect().left);

    // An item with a shortcut is 10 pixels wider than it measures.
    StandingMenuBar single(parent);
    single.Import({{L"Two\tF2", 101}});
    CClientDC dc(&single);
    CFont* previous = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    const int measured = single.GetButton(0)->CalcSize(&dc, CSize(single.GetImageSize().cx + 2, row), TRUE).cx;
    dc.SelectObject(previous);
    EXPECT_EQ(measured + 10 + 2, single.CalcFixedLayout(FALSE, TRUE).cx);
}

TEST(PopupMenuBar, ArrowKeysWrapRoundAndSkipSeparators)
{
    PlainMenuOptions options;
    TestParent parent;
    StandingMenuBar bar(parent);
    bar.Import({{L"A", 100}, {L"", 0}, {L"B", 101}, {L"", 0}, {L"C", 102}});
    const struct {
        UINT key;
        int from;
        int to;
    } moves[] = {{VK_DOWN, 4, 0}, {VK_DOWN, 0, 2}, {VK_UP, 0, 4},  {VK_UP, 2, 0},
                 {VK_HOME, 4, 0}, {VK_END, 0, 4},  {VK_TAB, 2, 4}, {VK_DOWN, -1, 0}};
    for (const auto& move : moves) {
        bar.SetHot(move.from);
        EXPECT_TRUE(bar.OnKeyDown(move.key));
        EXPECT_EQ(move.to, bar.GetHotIndex()) << move.key << " from " << move.from;
    }
}

TEST(PopupMenuBar, TheSubMenuDelayIsTheUsersSettingInBounds)
{
    MenuShowDelaySetting setting;
    const struct {
        LPCWSTR text;
        int delay;
    } cases[] = {{nullptr, 500}, {L"8000", 5000}, {L"-5", 0}, {L"x", 500}, {L"120", 120}, {L"", 500}};
    for (const auto& c : cases) {
        setting.Set(c.text);
        CGTPopupMenuBar::ForgetSubMenuDelay();
        EXPECT_EQ(c.delay, CGTPopupMenuBar::GetSubMenuDelay()) << (c.text != nullptr ? c.text : L"absent");
    }
    // Read once: a later change waits for the next process.
    setting.Set(L"300");
    EXPECT_EQ(500, CGTPopupMenuBar::GetSubMenuDelay());
}

TEST(PopupMenuBar, AChosenItemIsPostedToTheMenusTarget)
{
    PlainMenuOptions options;
    MenuFrame frame;
    CommandRecorder target;
    HMENU menu = MakeMenu({{L"&Daily", 201}, {L"&Weekly", 202}});
    auto* popup = new CGTPopupMenu;
    ASSERT_TRUE(popup->Create(&target, 10, 10, menu, FALSE, TRUE));
    const HWND window = popup->GetSafeHwnd();
    popup->GetMenuBar()->InvokeItem(202, popup->GetMenuItem(1));
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(1, CGTPopupMenuBar::GetLastInvokedItem());
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{202}), target.m_Commands);
    EXPECT_TRUE(frame.m_Commands.empty());
}
