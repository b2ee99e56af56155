#include <gtest/gtest.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <string>

namespace {
class TestLook : public CGTVisualManager {
    DECLARE_DYNCREATE(TestLook)
public:
    TestLook() = default;
    int colorUpdates = 0;
    void UpdateColors() override
    {
        CGTVisualManager::UpdateColors();
        ++colorUpdates;
    }
};
IMPLEMENT_DYNCREATE(TestLook, CGTVisualManager)

std::string calls;

class VisualManagerSelection : public ::testing::Test {
protected:
    void SetUp() override
    {
        CGTVisualManager::DestroyInstance();
        CGTVisualManager::SelectManagerClass(nullptr);
        calls.clear();
    }
    void TearDown() override
    {
        CGTVisualManager::ClientHooks() = GTLookClientHooks{};
        CGTVisualManager::SelectManagerClass(nullptr);
    }
};

TEST_F(VisualManagerSelection, GetCurrentMakesTheChosenLookOnceAndMarksItForAutoDelete)
{
    CGTVisualManager* first = CGTVisualManager::GetCurrent();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetRuntimeClass(), RUNTIME_CLASS(CGTVisualManager));
    EXPECT_TRUE(first->AutoDelete);
    EXPECT_EQ(CGTVisualManager::GetCurrent(), first);

    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(TestLook));
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    ASSERT_EQ(look->GetRuntimeClass(), RUNTIME_CLASS(TestLook));
    // The look's own colour update runs once, from GetCurrent.
    EXPECT_EQ(static_cast<TestLook*>(look)->colorUpdates, 1);
    EXPECT_EQ(CGTVisualManager::GetCurrent(), look);

    CGTVisualManager::SelectManagerClass(nullptr);
    EXPECT_EQ(CGTVisualManager::GetCurrent()->GetRuntimeClass(), RUNTIME_CLASS(CGTVisualManager));
}

TEST_F(VisualManagerSelection, AClassThatIsNotALookChangesNothing)
{
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(TestLook));
    CGTVisualManager* current = CGTVisualManager::GetCurrent();
    CGTVisualManager::ClientHooks().applyTabStyleToAll = [] { calls += "tabs "; };

    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CDC));

    EXPECT_EQ(CGTVisualManager::GetCurrent(), current);
    EXPECT_EQ(CGTVisualManager::GetManagerClass(), RUNTIME_CLASS(TestLook));
    EXPECT_EQ(calls, "");
}

TEST_F(VisualManagerSelection, SelectingALookTellsTheModulesInOrder)
{
    GTLookClientHooks& hooks = CGTVisualManager::ClientHooks();
    hooks.setDockingMode = [](int mode) { calls += "docking" + std::to_string(mode) + " "; };
    hooks.applyTabStyleToAll = [] { calls += "tabs "; };
    hooks.reapplyToolbarLook = [] { calls += "layout "; };
    hooks.redrawAllToolbars = [](UINT flags) { calls += "toolbars" + std::to_string(flags) + " "; };
    hooks.redrawAllMiniFrames = [] { calls += "miniframes"; };

    CGTVisualManager::SelectManagerClass(nullptr);

    EXPECT_EQ(calls, "docking2 tabs layout toolbars" + std::to_string(0x185) + " miniframes");
}

TEST_F(VisualManagerSelection, TemporaryManagersNeverTouchTheCurrentOne)
{
    CGTVisualManager* current = CGTVisualManager::GetCurrent();
    CGTVisualManager::ClientHooks().setDockingLookSwitches = [](BOOL, BOOL, BOOL) { calls += "switches "; };
    {
        CGTVisualManager temporary(TRUE);
        EXPECT_EQ(CGTVisualManager::GetCurrent(), current);
    }
    EXPECT_EQ(CGTVisualManager::GetCurrent(), current);
    EXPECT_EQ(calls, "");
}

TEST_F(VisualManagerSelection, AnotherNonTemporaryManagerLeavesTheCurrentOneInPlace)
{
    CGTVisualManager* current = CGTVisualManager::GetCurrent();
    {
        CGTVisualManager other;
        EXPECT_EQ(CGTVisualManager::GetCurrent(), current);
    }
    EXPECT_EQ(CGTVisualManager::GetCurrent(), current);
}

TEST_F(VisualManagerSelection, AnApplicationsOwnManagerIsCurrentAndSurvivesTheCleanUp)
{
    auto* own = new CGTVisualManager;
    EXPECT_EQ(CGTVisualManager::GetCurrent(), own);
    EXPECT_FALSE(own->AutoDelete);

    // The step of the toolkit's clean-up at exit.
    RunGuiToolkitHook(GTModuleHook::VisualManagerCleanUp);
    EXPECT_EQ(CGTVisualManager::GetCurrent(), own);

    delete own;
    CGTVisualManager* made = CGTVisualManager::GetCurrent();
    made->MenuShadowDepth = 99;
    RunGuiToolkitHook(GTModuleHook::VisualManagerCleanUp);
    // A fresh manager (the address may well be reused).
    EXPECT_EQ(CGTVisualManager::GetCurrent()->MenuShadowDepth, 6);
}

TEST(VisualManagerDefaults, FieldsAndQueriesOfTheClassicLook)
{
    CGTVisualManager look(TRUE);
    EXPECT_EQ(look.MenuShadowDepth, 6);
    EXPECT_TRUE(look.EmbossDisabled);
    EXPECT_TRUE(look.FillCheckedButtons);
    const int metrics[9] = {12, 12, 15, 25, 13, 7, 12, 5, 4};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(look.TasksPaneMetrics[i], metrics[i]) << i;
    EXPECT_EQ(look.GetGridLineColor(nullptr), RGB(128, 128, 128));
    EXPECT_EQ(look.GetMenuScrollPadding(), 2);
    EXPECT_EQ(look.GetShowAllButtonHeight(nullptr, CSize(0, 0)), 9 + 6);
    EXPECT_EQ(look.GetTabBorderSize(), -1);
    EXPECT_TRUE(look.UsesTabAutoColors());
    COLORREF colors[5];
    look.GetCalendarColors(colors[0], colors[1], colors[2], colors[3], colors[4]);
    EXPECT_EQ(colors[4], RGB(187, 85, 3));
}
}  // namespace
