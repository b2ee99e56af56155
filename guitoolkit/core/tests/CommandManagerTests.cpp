#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <gtest/gtest.h>
#include <functional>
#include "ScratchRegistryKey.h"

namespace {
const UINT command = 7;

struct ImageRule {
    const char* rule;
    std::function<void(CGTCommandManager&)> steps;
    UINT command;
    int standard;
    int user;
    BOOL withoutImage;
    int menuImage;
};
}  // namespace

TEST(CommandManager, ImageRules)
{
    const ImageRule rules[] = {
        {"a standard image stays off a command with a user image",
         [](CGTCommandManager& m) {
             m.SetCommandImage(command, 3, TRUE);
             m.SetCommandImage(command, 1, FALSE);
         },
         command, -1, 3, FALSE, -1},
        {"a user image stays off a command with a standard image",
         [](CGTCommandManager& m) {
             m.SetCommandImage(command, 1, FALSE);
             m.SetCommandImage(command, 3, TRUE);
         },
         command, 1, -1, FALSE, -1},
        {"an image of the same kind replaces the first",
         [](CGTCommandManager& m) {
             m.SetCommandImage(command, 1, FALSE);
             m.SetCommandImage(command, 4, FALSE);
         },
         command, 4, -1, FALSE, -1},
        {"separators get no image", [](CGTCommandManager& m) { m.SetCommandImage(0, 2, FALSE); }, 0, -1, -1, FALSE, -1},
        {"sub-menu items get no image", [](CGTCommandManager& m) { m.SetCommandImage(0xFFFFFFFF, 2, TRUE); },
         0xFFFFFFFF, -1, -1, FALSE, -1},
        {"disabling twice lists the command once",
         [](CGTCommandManager& m) {
             m.EnableMenuItemImage(command, FALSE);
             m.EnableMenuItemImage(command, FALSE);
             m.EnableMenuItemImage(command, TRUE);
         },
         command, -1, -1, FALSE, -1},
        {"disabling drops the menu image",
         [](CGTCommandManager& m) {
             m.EnableMenuItemImage(command, TRUE, 5);
             m.EnableMenuItemImage(command, FALSE);
         },
         command, -1, -1, TRUE, -1},
        {"enabling with -1 removes the menu image",
         [](CGTCommandManager& m) {
             m.EnableMenuItemImage(command, TRUE, 5);
             m.EnableMenuItemImage(command, TRUE, -1);
         },
         command, -1, -1, FALSE, -1},
        {"enabling with 5 stores 5",
         [](CGTCommandManager& m) {
             m.EnableMenuItemImage(command, FALSE);
             m.EnableMenuItemImage(command, TRUE, 5);
         },
         command, -1, -1, FALSE, 5},
    };
    for (const ImageRule& rule : rules) {
        SCOPED_TRACE(rule.rule);
        CGTCommandManager manager;
        rule.steps(manager);
        EXPECT_EQ(rule.standard, manager.GetCommandImage(rule.command, FALSE));
        EXPECT_EQ(rule.user, manager.GetCommandImage(rule.command, TRUE));
        EXPECT_EQ(rule.withoutImage, manager.IsMenuItemWithoutImage(rule.command));
        EXPECT_EQ(rule.menuImage, manager.GetMenuUserImage(rule.command));
    }
}

TEST(CommandManager, StoresTheMenuChoicesAsCollectionArchives)
{
    ScratchRegistryKey scratch(L"GtCommandManager");
    CGTCommandManager saved;
    saved.EnableMenuItemImage(7, FALSE);
    saved.EnableMenuItemImage(0x10009, FALSE);
    saved.EnableMenuItemImage(5, TRUE, 3);
    saved.SetCommandImage(8, 2, FALSE);
    ASSERT_TRUE(saved.SaveState(scratch.Path()));

    const std::vector<BYTE> withoutImages = {2, 0, 7, 0, 0, 0, 9, 0, 1, 0};
    EXPECT_EQ(withoutImages, scratch.Bytes(L"RIRCommandManager", L"CommandsWithoutImages"));
    const std::vector<BYTE> menuImages = {1, 0, 5, 0, 0, 0, 3, 0, 0, 0};
    EXPECT_EQ(menuImages, scratch.Bytes(L"RIRCommandManager", L"MenuUserImages"));

    CGTCommandManager loaded;
    loaded.EnableMenuItemImage(4, FALSE);
    ASSERT_TRUE(loaded.LoadState(scratch.Path()));
    EXPECT_FALSE(loaded.IsMenuItemWithoutImage(4));
    EXPECT_TRUE(loaded.IsMenuItemWithoutImage(7));
    EXPECT_TRUE(loaded.IsMenuItemWithoutImage(0x10009));
    EXPECT_EQ(3, loaded.GetMenuUserImage(5));
    EXPECT_EQ(-1, loaded.GetCommandImage(8, FALSE));  // toolbars load their images themselves
}

TEST(CommandManager, ALoadThatFindsNothingChangesNothing)
{
    ScratchRegistryKey scratch(L"GtCommandManager");
    CGTCommandManager manager;
    manager.EnableMenuItemImage(7, FALSE);
    manager.EnableMenuItemImage(5, TRUE, 3);
    EXPECT_FALSE(manager.LoadState(scratch.Path()));

    scratch.StoreBinary(L"RIRCommandManager", L"CommandsWithoutImages", {2, 0, 9, 0, 0, 0});
    EXPECT_FALSE(manager.LoadState(scratch.Path()));
    EXPECT_TRUE(manager.IsMenuItemWithoutImage(7));
    EXPECT_FALSE(manager.IsMenuItemWithoutImage(9));
    EXPECT_EQ(3, manager.GetMenuUserImage(5));

    // A sound first value with a cut second one applies neither.
    scratch.StoreBinary(L"RIRCommandManager", L"CommandsWithoutImages", {1, 0, 9, 0, 0, 0});
    scratch.StoreBinary(L"RIRCommandManager", L"MenuUserImages", {1, 0, 5, 0});
    EXPECT_FALSE(manager.LoadState(scratch.Path()));
    EXPECT_TRUE(manager.IsMenuItemWithoutImage(7));
    EXPECT_FALSE(manager.IsMenuItemWithoutImage(9));
    EXPECT_EQ(3, manager.GetMenuUserImage(5));
}

TEST(CommandManager, TheToolkitCleanUpEmptiesTheProcessManager)
{
    GetCommandManager().SetCommandImage(command, 4, FALSE);
    GetCommandManager().EnableMenuItemImage(command, FALSE);
    CleanUpGuiToolkit();
    EXPECT_EQ(-1, GetCommandManager().GetCommandImage(command, FALSE));
    EXPECT_FALSE(GetCommandManager().IsMenuItemWithoutImage(command));
}
