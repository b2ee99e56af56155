#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/core/CGTKeyHelper.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include <vector>
#include "ToolbarTestSupport.h"

namespace {
void Use(CCmdUsageCount& ioCounter, UINT iCommand, int iTimes)
{
    for (int i = 0; i < iTimes; ++i)
        ioCounter.AddCommand(iCommand);
}

// What the system calls a key by its scan code, with only its first letter in capitals.
CString SystemKeyName(UINT iVirtualKey, BOOL iExtended)
{
    const UINT scanCode = ::MapVirtualKeyExW(iVirtualKey, MAPVK_VK_TO_VSC, ::GetKeyboardLayout(0));
    wchar_t name[64] = {};
    ::GetKeyNameTextW(static_cast<LONG>((scanCode << 16) | 1 | (iExtended ? 1 << 24 : 0)), name, 64);
    CString text(name);
    text.MakeLower();
    if (!text.IsEmpty())
        text.SetAt(0, static_cast<wchar_t>(::towupper(text[0])));
    return text;
}

CString Format(BYTE iFlags, WORD iKey)
{
    const ACCEL accel = {iFlags, iKey, 100};
    CString text = L"unchanged";
    CGTKeyHelper(&accel).Format(text);
    return text;
}
}  // namespace

TEST(CommandUsage, AboveFivePercentIsFrequent)
{
    CCmdUsageCount counter;
    EXPECT_FALSE(counter.IsFrequentlyUsedCmd(1));
    Use(counter, 1, 6);
    Use(counter, 2, 5);
    Use(counter, 3, 89);
    EXPECT_EQ(100u, counter.GetTotal());
    EXPECT_TRUE(counter.IsFrequentlyUsedCmd(1));
    EXPECT_FALSE(counter.IsFrequentlyUsedCmd(2));
    EXPECT_FALSE(counter.IsFrequentlyUsedCmd(4));
    EXPECT_TRUE(counter.HasEnoughInformation());

    // Not counted: separators, sub-menu items, system commands, uses while customizing.
    for (UINT id : {0u, 0xFFFFFFFFu, 0xF060u, 0xE110u})
        counter.AddCommand(id);
    ASSERT_TRUE(CGTToolBar::SetCustomizeMode(TRUE));
    counter.AddCommand(1);
    CGTToolBar::SetCustomizeMode(FALSE);
    EXPECT_EQ(100u, counter.GetTotal());
    EXPECT_EQ(6u, counter.GetCount(1));

    counter.Reset();
    EXPECT_EQ(0u, counter.GetTotal());
    EXPECT_EQ(0u, counter.GetCount(1));
}

TEST(CommandUsage, StoresTheTotalThenTheMap)
{
    CCmdUsageCount counter;
    Use(counter, 7, 2);
    const std::vector<BYTE> expected = {2, 0, 0, 0, 1, 0, 7, 0, 0, 0, 2, 0, 0, 0};
    EXPECT_EQ(expected, Stored(counter));

    CCmdUsageCount loaded;
    Load(loaded, expected);
    EXPECT_EQ(2u, loaded.GetTotal());
    EXPECT_EQ(2u, loaded.GetCount(7));
}

TEST(CommandUsage, CountsNearTheTopOfThirtyTwoBitsKeepTheirShare)
{
    // Total 0xFFFFFFFF; command 1 used 0x7FFFFFFF times (half), command 2 0x0A3D70A3 (4%).
    const std::vector<BYTE> bytes = {0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 1, 0,    0,    0,    0xFF,
                                     0xFF, 0xFF, 0x7F, 2,    0, 0, 0, 0xA3, 0x70, 0x3D, 0x0A};
    CCmdUsageCount counter;
    Load(counter, bytes);
    EXPECT_TRUE(counter.IsFrequentlyUsedCmd(1));
    EXPECT_FALSE(counter.IsFrequentlyUsedCmd(2));
}

TEST(KeyHelper, NamesKeysAsTheKeyboardLayoutDoes)
{
    const CString ctrl = SystemKeyName(VK_CONTROL, FALSE);
    const CString alt = SystemKeyName(VK_MENU, FALSE);
    const CString del = SystemKeyName(VK_DELETE, TRUE);
    ASSERT_NE(del, SystemKeyName(VK_DELETE, FALSE));  // the extended bit names another key
    const struct {
        BYTE flags;
        WORD key;
        CString text;
    } cases[] = {
        {FVIRTKEY, VK_F5, L"F5"},
        {FVIRTKEY, VK_PAUSE, L"Pause"},
        {FVIRTKEY | FALT | FCONTROL, VK_DELETE, ctrl + L"+" + alt + L"+" + del},
        {FCONTROL, 'A', ctrl + L"+A"},
        {0, VK_ESCAPE, L""},
        {FSHIFT, VK_ESCAPE, SystemKeyName(VK_SHIFT, FALSE) + L"+"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, Format(c.flags, c.key)) << c.key;

    CString text = L"unchanged";
    CGTKeyHelper().Format(text);
    EXPECT_EQ(CString(), text);
}
