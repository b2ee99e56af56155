#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <gtest/gtest.h>

namespace {
// A popup item, marked for tearing off or not, in a menu.
HMENU AddPopup(HMENU menu, LPCWSTR text, BOOL tearOff)
{
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuW(popup, MF_STRING, 1, L"Item");
    ::AppendMenuW(menu, MF_POPUP | (tearOff ? MF_MENUBARBREAK : 0), reinterpret_cast<UINT_PTR>(popup), text);
    return popup;
}

CString Text(HMENU menu, int position)
{
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}
}  // namespace

TEST(MenuTearOffIds, TextsGiveTheirIdAndKeepTheVisiblePart)
{
    const struct {
        LPCWSTR text;
        UINT id;
        LPCWSTR visible;
    } cases[] = {
        {L"\u000112\u0001File", 12, L"File"},
        {L"File", 0, L"File"},  // no identifier
        {L"", 0, L""},
        {L"\u00017File", 7, L"7File"},        // a single marker: the number after it
        {L"\u00013\u0001a\u0001b", 3, L"b"},  // what follows the last marker
    };
    for (const auto& c : cases) {
        CString text = c.text;
        SCOPED_TRACE(c.id);
        EXPECT_EQ(c.id, MenuTearOffIdTable::ExtractId(text));
        EXPECT_STREQ(c.visible, text);
    }
    CString encoded = L"Edit";
    MenuTearOffIdTable::EncodeId(101, encoded);
    EXPECT_STREQ(L"\u0001101\u0001Edit", encoded);
    EXPECT_EQ(101u, MenuTearOffIdTable::ExtractId(encoded));
    EXPECT_STREQ(L"Edit", encoded);
}

TEST(MenuTearOffIds, AllocationTakesTheLowestFreeIdOfTheRange)
{
    MenuTearOffIdTable table(100, 102);
    EXPECT_EQ(100u, table.AllocateId());
    EXPECT_EQ(101u, table.AllocateId());
    EXPECT_EQ(102u, table.AllocateId());
    EXPECT_EQ(0u, table.AllocateId());

    table.AddRef(101, FALSE);
    table.AddRef(101, FALSE);  // already free: stays free
    table.AddRef(101, TRUE);
    EXPECT_EQ(0u, table.AllocateId());
    table.AddRef(101, FALSE);
    table.AddRef(99, FALSE);
    EXPECT_EQ(101u, table.AllocateId());

    table.ResetIds();
    EXPECT_EQ(100u, table.AllocateId());
    EXPECT_EQ(0u, MenuTearOffIdTable(0, 0).AllocateId());
    EXPECT_EQ(0u, MenuTearOffIdTable(5, 4).AllocateId());
}

TEST(MenuTearOffIds, MarkedSubMenusGetIdsThroughoutTheMenuUntilNoneIsLeft)
{
    HMENU menu = ::CreateMenu();
    HMENU file = AddPopup(menu, L"File", TRUE);
    AddPopup(file, L"Recent", TRUE);
    AddPopup(menu, L"Edit", FALSE);
    AddPopup(menu, L"\u00019\u0001View", TRUE);
    AddPopup(menu, L"Help", TRUE);

    MenuTearOffIdTable table(100, 102);
    table.AllocateId();  // 100 is in use elsewhere
    EXPECT_FALSE(RewriteSubMenuItems(table, menu));
    EXPECT_STREQ(L"\u0001101\u0001File", Text(menu, 0));
    EXPECT_STREQ(L"\u0001102\u0001Recent", Text(file, 1));
    EXPECT_STREQ(L"Edit", Text(menu, 1));
    EXPECT_STREQ(L"\u00019\u0001View", Text(menu, 2));
    EXPECT_STREQ(L"Help", Text(menu, 3));
    EXPECT_EQ(reinterpret_cast<HMENU>(file), ::GetSubMenu(menu, 0));

    table.ResetIds(file);
    EXPECT_EQ(102u, table.AllocateId());
    table.ResetIds(menu);
    EXPECT_EQ(101u, table.AllocateId());
    ::DestroyMenu(menu);
}
