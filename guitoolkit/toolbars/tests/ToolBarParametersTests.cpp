#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <gtest/gtest.h>

namespace {
// A look with the 2000 look built in that the user may not switch.
class FixedLook : public CGTVisualManager {
    DECLARE_DYNCREATE(FixedLook)
public:
    FixedLook() { IsLook2000 = TRUE; }
    BOOL IsLook2000Allowed() const override { return FALSE; }
};
IMPLEMENT_DYNCREATE(FixedLook, CGTVisualManager)

// The options as they are at start, given back whatever a test changed.
class ToolBarParameters : public ::testing::Test {
protected:
    ToolBarParameters() : m_Scratch(L"GtToolBarParameters") {}
    ~ToolBarParameters() override
    {
        CGTToolBar::s_ShowTooltips = CGTToolBar::s_ShowShortcutKeys = TRUE;
        CGTToolBar::ApplyLargeIcons(FALSE);
        GTMenuOptions::s_Animation = 0;
        GTMenuOptions::s_RecentlyUsed = GTMenuOptions::s_Shadows = GTMenuOptions::s_ShowAllAfterDelay = TRUE;
        CGTToolBar::GetCommandUsage().Reset();
        CGTToolBar::SetCoreCommands(CList<UINT, UINT>());
        CGTVisualManager::SelectManagerClass(nullptr);
    }
    CString Key() const { return m_Scratch.Path() + L"RIRToolbarParameters"; }

    ScratchRegistryKey m_Scratch;
};
}  // namespace

TEST_F(ToolBarParameters, AFirstStartKeepsTheStartValues)
{
    EXPECT_FALSE(CGTToolBar::LoadParameters(m_Scratch.Path()));
    EXPECT_TRUE(CGTToolBar::s_ShowTooltips);
    EXPECT_FALSE(CGTToolBar::IsLargeIcons());
    EXPECT_TRUE(GTMenuOptions::s_Shadows);
}

TEST_F(ToolBarParameters, ReadingStopsAtTheFirstMissingValue)
{
    GTMenuOptions::s_Animation = 2;
    GTMenuOptions::s_Shadows = FALSE;
    CGTVisualManager::GetCurrent()->IsLook2000 = TRUE;
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    ASSERT_TRUE(registry.CreateKey(Key()));
    ASSERT_TRUE(registry.WriteInt(L"Tooltips", 0));
    EXPECT_FALSE(CGTToolBar::LoadParameters(m_Scratch.Path()));
    EXPECT_FALSE(CGTToolBar::s_ShowTooltips);
    EXPECT_TRUE(CGTToolBar::s_ShowShortcutKeys);
    EXPECT_FALSE(GTMenuOptions::s_Shadows);
    EXPECT_EQ(0, GTMenuOptions::s_Animation);
    EXPECT_FALSE(CGTVisualManager::GetCurrent()->IsLook2000);
}

TEST_F(ToolBarParameters, AllNineComeBack)
{
    CGTToolBar::s_ShowShortcutKeys = FALSE;
    CGTToolBar::ApplyLargeIcons(TRUE);
    GTMenuOptions::s_Animation = 3;
    GTMenuOptions::s_ShowAllAfterDelay = FALSE;
    CGTVisualManager::GetCurrent()->IsLook2000 = TRUE;
    CGTToolBar::AddCommandUsage(0x7F30);
    ASSERT_TRUE(CGTToolBar::SaveParameters(m_Scratch.Path()));

    CGTToolBar::s_ShowShortcutKeys = TRUE;
    CGTToolBar::ApplyLargeIcons(FALSE);
    GTMenuOptions::s_Animation = 0;
    GTMenuOptions::s_ShowAllAfterDelay = TRUE;
    CGTVisualManager::GetCurrent()->IsLook2000 = FALSE;
    CGTToolBar::GetCommandUsage().Reset();
    EXPECT_TRUE(CGTToolBar::LoadParameters(m_Scratch.Path()));
    EXPECT_FALSE(CGTToolBar::s_ShowShortcutKeys);
    EXPECT_TRUE(CGTToolBar::IsLargeIcons());
    EXPECT_EQ(3, GTMenuOptions::s_Animation);
    EXPECT_FALSE(GTMenuOptions::s_ShowAllAfterDelay);
    EXPECT_TRUE(CGTVisualManager::GetCurrent()->IsLook2000);
    EXPECT_EQ(1u, CGTToolBar::GetCommandUsage().GetCount(0x7F30));
}

TEST_F(ToolBarParameters, TheUsageCounterIsStoredWithItsClass)
{
    CGTToolBar::AddCommandUsage(7);
    ASSERT_TRUE(CGTToolBar::SaveParameters(m_Scratch.Path()));
    // A new class tag, schema 1, the class name, then the counter: total 1, one entry 7 -> 1.
    std::vector<BYTE> expected = {0xFF, 0xFF, 1, 0, 14, 0};
    for (char c : std::string("CCmdUsageCount"))
        expected.push_back(static_cast<BYTE>(c));
    expected.insert(expected.end(), {1, 0, 0, 0, 1, 0, 7, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(expected, m_Scratch.Bytes(L"RIRToolbarParameters", L"CommandsUsage"));
    CGTToolBar::GetCommandUsage().Reset();
    EXPECT_TRUE(CGTToolBar::LoadParameters(m_Scratch.Path()));
    EXPECT_EQ(1u, CGTToolBar::GetCommandUsage().GetCount(7));
}

TEST_F(ToolBarParameters, TheLook2000IsTheUsersChoiceWhereTheLookAllowsIt)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    CGTVisualManager::GetCurrent()->IsLook2000 = FALSE;
    ASSERT_TRUE(CGTToolBar::SaveParameters(m_Scratch.Path()));

    // The fixed look keeps its own flag, and stores the user's choice, not its own.
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(FixedLook));
    EXPECT_TRUE(CGTToolBar::LoadParameters(m_Scratch.Path()));
    EXPECT_TRUE(CGTVisualManager::GetCurrent()->IsLook2000);
    ASSERT_TRUE(CGTToolBar::SaveParameters(m_Scratch.Path()));
    int stored = -1;
    ASSERT_TRUE(registry.Open(Key()));
    ASSERT_TRUE(registry.ReadInt(L"Look2000", stored));
    EXPECT_EQ(0, stored);

    // Back in the classic look, the user's choice applies.
    CGTVisualManager::SelectManagerClass(nullptr);
    EXPECT_TRUE(CGTToolBar::LoadParameters(m_Scratch.Path()));
    EXPECT_FALSE(CGTVisualManager::GetCurrent()->IsLook2000);
}

TEST_F(ToolBarParameters, RarelyUsedCommandsNeedABasicSetAndNoCustomizing)
{
    const UINT seldom = 0x7F40;
    EXPECT_FALSE(CGTToolBar::IsCommandRarelyUsed(seldom));
    CGTToolBar::AddCoreCommand(0x7F41);
    CGTToolBar::AddCoreCommand(0x7F41);
    for (int i = 0; i < 3; ++i)
        CGTToolBar::AddCommandUsage(0x7F41);
    EXPECT_EQ(0u, CGTToolBar::GetCommandUsage().GetTotal());
    const struct {
        UINT id;
        BOOL rarelyUsed;
    } cases[] = {{seldom, TRUE},  {0x7F41, FALSE}, {0, FALSE},     {static_cast<UINT>(-1), FALSE},
                 {0xF010, FALSE}, {17020, FALSE},  {17021, FALSE}, {17024, FALSE},
                 {17022, TRUE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.rarelyUsed, CGTToolBar::IsCommandRarelyUsed(c.id)) << c.id;
    CGTToolBar::AddCommandUsage(seldom);
    EXPECT_FALSE(CGTToolBar::IsCommandRarelyUsed(seldom));
    CGTToolBar::SetCustomizeMode(TRUE);
    EXPECT_FALSE(CGTToolBar::IsCommandRarelyUsed(17022));
    CGTToolBar::SetCustomizeMode(FALSE);
}
