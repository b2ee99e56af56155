#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTOptionsPage.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <guitoolkit/toolbars/GTPageResources.h>
#include <gtest/gtest.h>
#include "EditorTestSupport.h"

namespace {
// The options the page changes, put back after each test.
class OptionsPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        CGTToolBar::s_ShowTooltips = TRUE;
        CGTToolBar::s_ShowShortcutKeys = FALSE;
        GTMenuOptions::s_RecentlyUsed = TRUE;
        GTMenuOptions::s_ShowAllAfterDelay = FALSE;
        CGTToolBar::AddCoreCommand(100);
    }
    void TearDown() override
    {
        CGTToolBar::s_ShowTooltips = TRUE;
        CGTToolBar::s_ShowShortcutKeys = TRUE;
        GTMenuOptions::s_RecentlyUsed = TRUE;
        GTMenuOptions::s_ShowAllAfterDelay = TRUE;
        CGTToolBar::ApplyLargeIcons(FALSE);
        CGTToolBar::SetCoreCommands(CList<UINT, UINT>());
        CGTToolBar::GetCommandUsage().Reset();
    }
    static BOOL Shown(CWnd& iPage, UINT iId) { return iPage.GetDlgItem(iId)->IsWindowVisible(); }
    static BOOL Enabled(CWnd& iPage, UINT iId) { return iPage.GetDlgItem(iId)->IsWindowEnabled(); }
};
}  // namespace

TEST_F(OptionsPage, EachClickChangesItsOptionAtOnceAndEnablesWhatDependsOnIt)
{
    CGTOptionsPage page(TRUE, 0x04);
    PageHost host(page);
    ASSERT_TRUE(Enabled(page, IDC_GT_OPTIONS_SHORTCUT_KEYS));
    ASSERT_TRUE(Enabled(page, IDC_GT_OPTIONS_SHOW_ALL_DELAY));

    host.Click(IDC_GT_OPTIONS_SHORTCUT_KEYS);
    EXPECT_TRUE(CGTToolBar::s_ShowShortcutKeys);
    host.Click(IDC_GT_OPTIONS_TOOLTIPS);
    EXPECT_FALSE(CGTToolBar::s_ShowTooltips);
    EXPECT_FALSE(Enabled(page, IDC_GT_OPTIONS_SHORTCUT_KEYS));
    host.Click(IDC_GT_OPTIONS_SHOW_ALL_DELAY);
    EXPECT_TRUE(GTMenuOptions::s_ShowAllAfterDelay);
    host.Click(IDC_GT_OPTIONS_RECENTLY_USED);
    EXPECT_FALSE(GTMenuOptions::s_RecentlyUsed);
    EXPECT_FALSE(Enabled(page, IDC_GT_OPTIONS_SHOW_ALL_DELAY));
    host.Click(IDC_GT_OPTIONS_LARGE_ICONS);
    EXPECT_TRUE(CGTToolBar::IsLargeIcons());
    host.Click(IDC_GT_OPTIONS_LOOK_2000);
    EXPECT_TRUE(CGTVisualManager::GetCurrent()->IsLook2000);
    host.Click(IDC_GT_OPTIONS_LOOK_2000);
    EXPECT_FALSE(CGTVisualManager::GetCurrent()->IsLook2000);
    EXPECT_FALSE(Shown(page, IDC_GT_OPTIONS_VISUALIZATIONS));
}

TEST_F(OptionsPage, TheSheetFlagsAndTheMenuBarDecideWhatIsShown)
{
    CGTToolBar::ApplyLargeIcons(TRUE);
    {
        CGTOptionsPage page(TRUE, 0x200);
        PageHost host(page);
        EXPECT_FALSE(Shown(page, IDC_GT_OPTIONS_LARGE_ICONS));
        EXPECT_FALSE(Enabled(page, IDC_GT_OPTIONS_LARGE_ICONS));
        EXPECT_EQ(BST_UNCHECKED, page.IsDlgButtonChecked(IDC_GT_OPTIONS_LARGE_ICONS));
        EXPECT_FALSE(Shown(page, IDC_GT_OPTIONS_LOOK_2000));
        EXPECT_TRUE(Shown(page, IDC_GT_OPTIONS_RECENTLY_USED));
    }
    CGTToolBar::SetCoreCommands(CList<UINT, UINT>());
    for (BOOL hasMenuBar : {FALSE, TRUE}) {
        CGTOptionsPage page(hasMenuBar, 0);
        PageHost host(page);
        for (UINT id : {IDC_GT_OPTIONS_RECENTLY_USED, IDC_GT_OPTIONS_SHOW_ALL_DELAY, IDC_GT_OPTIONS_RESET_USAGE,
                        IDC_GT_OPTIONS_PERSONALIZED, IDC_GT_OPTIONS_PERSONALIZED_LINE})
            EXPECT_FALSE(Shown(page, id)) << id;
        EXPECT_TRUE(Shown(page, IDC_GT_OPTIONS_LARGE_ICONS));
        EXPECT_EQ(BST_CHECKED, page.IsDlgButtonChecked(IDC_GT_OPTIONS_LARGE_ICONS));
    }
}

TEST_F(OptionsPage, ResettingTheUsageDataAsksFirst)
{
    for (int answer : {IDNO, IDYES}) {
        PromptRecordingApp app(answer);
        CGTToolBar::AddCommandUsage(200);
        CGTOptionsPage page(TRUE, 0);
        PageHost host(page);
        host.Click(IDC_GT_OPTIONS_RESET_USAGE);
        ASSERT_EQ(1u, app.m_Prompts.size());
        EXPECT_NE(std::wstring::npos, app.m_Prompts[0].find(L"record of commands you've used"));
        EXPECT_EQ(MB_YESNO | MB_ICONQUESTION, app.m_Types[0] & (MB_TYPEMASK | MB_ICONMASK));
        EXPECT_EQ(answer == IDYES, CGTToolBar::GetCommandUsage().GetCount(200) == 0) << answer;
    }
}
