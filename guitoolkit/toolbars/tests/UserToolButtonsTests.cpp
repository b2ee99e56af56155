#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include "ToolbarTestSupport.h"

namespace {
std::vector<UINT> Commands(const CGTToolBar& iBar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < iBar.GetButtonCount(); ++i)
        ids.push_back(iBar.GetButton(i)->m_CommandId);
    return ids;
}

void AddButtons(CGTToolBar& ioBar, const std::vector<UINT>& iCommands)
{
    for (UINT id : iCommands)
        ioBar.InsertButton(new CGTToolbarButton(id, 0, nullptr, FALSE, TRUE));
}
}  // namespace

TEST(UserToolButtons, ARemovedToolTakesItsButtonsOffEveryBar)
{
    TestParent parent;
    CGTUserToolsManager manager(32768, 32770);
    CGTUserTool* removed = manager.CreateNewTool();
    CGTUserTool* kept = manager.CreateNewTool();
    CGTToolBar first;
    CGTToolBar second;
    ASSERT_TRUE(first.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 101));
    ASSERT_TRUE(second.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 102));
    AddButtons(first, {300, 32768, 32769, 32768});
    AddButtons(second, {32768});

    EXPECT_TRUE(manager.RemoveTool(removed));
    EXPECT_EQ((std::vector<UINT>{300, 32769}), Commands(first));
    EXPECT_EQ(std::vector<UINT>{}, Commands(second));
    EXPECT_TRUE(manager.RemoveTool(kept));
    EXPECT_EQ(std::vector<UINT>{300}, Commands(first));
    first.DestroyWindow();
    second.DestroyWindow();
}
