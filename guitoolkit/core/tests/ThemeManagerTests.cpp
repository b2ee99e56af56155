#include <gtest/gtest.h>
#include <guitoolkit/core/CGTWinXPThemeManager.h>
#include <climits>
#include <vsstyle.h>
#include "FakeThemeApi.h"
#include "LookTestSupport.h"

TEST(ThemeManager, ColorSchemeFollowsTheStyleFileAndItsColourName)
{
    struct Case {
        const wchar_t* file;
        const wchar_t* color;
        BOOL hasNameEntry;
        COLORREF accent;
        int scheme;
    } cases[] = {
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", TRUE, RGB(0, 60, 200), 1},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"HomeStead", TRUE, RGB(0, 60, 200), 2},
        {L"C:\\Themes\\LUNA.msstyles", L"MeTaLLiC", TRUE, RGB(0, 60, 200), 3},
        {L"C:\\Themes\\Luna.msstyles", L"Royale", TRUE, RGB(0, 60, 200), 0},
        {L"C:\\Themes\\Other.msstyles", L"NormalColor", TRUE, RGB(0, 60, 200), 0},
        {L"C:\\Themes\\Luna.msstyles", L"NormalColor", FALSE, RGB(0, 60, 200), -1},
        // A copy of the style whose buttons give no real accent is not a standard scheme.
        {L"C:\\Themes\\Luna.msstyles", L"NormalColor", TRUE, 1, 0},
    };
    for (const Case& c : cases) {
        FakeThemeApi api;
        api.fileName = c.file;
        api.colorName = c.color;
        api.colors[{L"BUTTON", 1, 0, 3823}] = c.accent;
        if (!c.hasNameEntry)
            api.missing.insert(CGTThemeApi::GetCurrentThemeNameEntry);
        CGTWinXPThemeManager manager(api);
        EXPECT_EQ(manager.GetXPColorScheme(), c.scheme) << c.file << " " << c.color;
    }
}

TEST(ThemeManager, ButtonStatesFollowTheButton)
{
    struct Case {
        BOOL enabled, pushed, highlighted, checked, focused;
        int pushState, checkState;
    } cases[] = {
        {TRUE, FALSE, FALSE, FALSE, FALSE, PBS_NORMAL, CBS_UNCHECKEDNORMAL},
        {TRUE, FALSE, FALSE, FALSE, TRUE, PBS_DEFAULTED, CBS_UNCHECKEDNORMAL},
        {TRUE, FALSE, TRUE, FALSE, FALSE, PBS_HOT, CBS_UNCHECKEDHOT},
        {TRUE, TRUE, TRUE, FALSE, FALSE, PBS_PRESSED, CBS_UNCHECKEDHOT},
        // Pushed while the mouse is elsewhere is not pressed.
        {TRUE, TRUE, FALSE, FALSE, FALSE, PBS_NORMAL, CBS_UNCHECKEDNORMAL},
        {TRUE, FALSE, FALSE, TRUE, FALSE, PBS_PRESSED, CBS_CHECKEDNORMAL},
        {FALSE, FALSE, TRUE, TRUE, FALSE, PBS_DISABLED, CBS_CHECKEDDISABLED},
        {FALSE, FALSE, FALSE, FALSE, FALSE, PBS_DISABLED, CBS_UNCHECKEDDISABLED},
    };
    TestCanvas canvas(20, 20);
    for (const Case& c : cases) {
        FakeThemeApi api;
        CGTWinXPThemeManager manager(api);
        FakePushButton button;
        button.enabled = c.enabled;
        button.pushed = c.pushed;
        button.highlighted = c.highlighted;
        button.checked = c.checked;
        button.focused = c.focused;
        ASSERT_TRUE(manager.ThemeDrawPushButton(&canvas.dc(), CRect(0, 0, 20, 20), &button));
        ASSERT_TRUE(manager.ThemeDrawCheckBox(&canvas.dc(), CRect(0, 0, 13, 13), c.highlighted, c.checked, c.enabled));
        const auto drawn = api.DrawingsOf(L"BUTTON");
        ASSERT_EQ(drawn.size(), 2u);
        EXPECT_EQ(drawn[0].part, BP_PUSHBUTTON);
        EXPECT_EQ(drawn[0].state, c.pushState) << c.enabled << c.pushed << c.highlighted << c.checked;
        EXPECT_EQ(drawn[1].part, BP_CHECKBOX);
        EXPECT_EQ(drawn[1].state, c.checkState) << c.enabled << c.highlighted << c.checked;
    }
}

TEST(ThemeManager, ProgressChunkStaysWithinTheBar)
{
    FakeThemeApi api;
    CGTWinXPThemeManager manager(api);
    TestCanvas canvas(120, 20);
    struct Case {
        int total, current;
        size_t drawings;
        int chunkWidth;
    } cases[] = {{10, 5, 2, 50}, {10, 25, 2, 100}, {10, -3, 2, 0}, {0, 5, 1, 0}, {-4, 5, 1, 0}};
    for (const Case& c : cases) {
        api.drawings.clear();
        ASSERT_TRUE(manager.ThemeDrawProgress(&canvas.dc(), CRect(0, 0, 106, 20), c.total, c.current, FALSE));
        ASSERT_EQ(api.drawings.size(), c.drawings) << c.total << " " << c.current;
        EXPECT_EQ(api.drawings[0].part, PP_BAR);
        EXPECT_EQ(api.drawings[0].rect, CRect(0, 0, 106, 20));
        if (c.drawings == 2) {
            EXPECT_EQ(api.drawings[1].part, PP_CHUNK);
            EXPECT_EQ(api.drawings[1].rect, CRect(3, 3, 3 + c.chunkWidth, 17)) << c.total << " " << c.current;
        }
    }
}

TEST(ThemeManager, ProgressShareDoesNotOverflowNearTheLargestTotal)
{
    EXPECT_EQ(CGTWinXPThemeManager::ProgressWidth(100, INT_MAX, INT_MAX - 1), 99);
    EXPECT_EQ(CGTWinXPThemeManager::ProgressWidth(100, INT_MAX, INT_MAX), 100);
    EXPECT_EQ(CGTWinXPThemeManager::ProgressWidth(1000, 3, 1), 333);
}

TEST(ThemeManager, WithoutAStyleNothingIsThemed)
{
    FakeThemeApi api;
    api.styleActive = FALSE;
    CGTWinXPThemeManager manager(api);
    TestCanvas canvas(20, 20);
    FakePushButton button;
    EXPECT_FALSE(manager.ThemeDrawPushButton(&canvas.dc(), CRect(0, 0, 20, 20), &button));
    EXPECT_FALSE(manager.ThemeDrawProgress(&canvas.dc(), CRect(0, 0, 20, 20), 4, 2, TRUE));
    EXPECT_FALSE(manager.ThemeDrawComboBorder(&canvas.dc(), CRect(0, 0, 20, 20), TRUE, FALSE));
    EXPECT_EQ(manager.GetXPColorScheme(), -1);
    EXPECT_TRUE(api.drawings.empty());
}

TEST(ThemeManager, TheSystemTableFindsEveryEntryPoint)
{
    CGTUxThemeLibrary library;
    ASSERT_TRUE(library.IsLoaded());
    for (int entry = 0; entry < CGTThemeApi::EntryCount; ++entry)
        EXPECT_TRUE(library.HasEntry(static_cast<CGTThemeApi::Entry>(entry))) << entry;
}
