#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <gtest/gtest.h>
#include "GtToolbarsTestIds.h"

namespace {
// A workspace whose data version and tear-off menus the test sets.
class TestWorkspace : public CGTWorkspace {
public:
    void SetDataVersion(int major, int minor)
    {
        m_DataVersionMajor = major;
        m_DataVersionMinor = minor;
    }
    void KeepTearOffMenus(UINT firstId, UINT lastId) { m_TearOffTable.reset(new MenuTearOffIdTable(firstId, lastId)); }
};

CString FirstItemText(HMENU menu)
{
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    return text;
}
}  // namespace

TEST(Workspace, IsCurrentWhileItLivesWithItsFlagsAndPackedDataVersion)
{
    EXPECT_EQ(nullptr, CGTWorkspace::Current());
    {
        TestWorkspace workspace;
        EXPECT_EQ(&workspace, CGTWorkspace::Current());
        EXPECT_FALSE(workspace.m_KeepOriginalState);
        EXPECT_TRUE(workspace.m_MenusCanBeCustomized);
        EXPECT_EQ(nullptr, workspace.GetTearOffTable());
        const struct {
            int major;
            int minor;
            int version;
        } versions[] = {
            {-1, -1, -1},  // none read
            {8, -1, -1},  {6, 41, 0x60410}, {6, 52, 0x60520}, {7, 0, 0x70000}, {8, 5, 0x80500}, {8, 50, 0x80500},
        };
        for (const auto& v : versions) {
            workspace.SetDataVersion(v.major, v.minor);
            EXPECT_EQ(v.version, workspace.GetDataVersion()) << v.major << "." << v.minor;
        }
    }
    EXPECT_EQ(nullptr, CGTWorkspace::Current());
}

TEST(ContextMenuManager, MenusAreRegisteredOncePerIdAndFoundByName)
{
    CGTContextMenuManager manager;
    EXPECT_EQ(&manager, CGTContextMenuManager::Current());
    ASSERT_TRUE(manager.AddMenu(L"Edit", IDR_GT_TEST_CONTEXT));
    UINT id = 0;
    HMENU edit = manager.LookupMenuByName(L"Edit", &id);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(static_cast<UINT>(IDR_GT_TEST_CONTEXT), id);

    EXPECT_FALSE(manager.AddMenu(L"Again", IDR_GT_TEST_CONTEXT));
    EXPECT_EQ(nullptr, manager.LookupMenuByName(L"Again"));
    EXPECT_EQ(edit, manager.LookupMenuByName(L"Edit"));
    EXPECT_TRUE(::IsMenu(edit));
    EXPECT_FALSE(manager.AddMenu(L"Missing", 999));

    CStringList names;
    names.AddTail(L"stale");
    manager.GetMenuNames(names);
    ASSERT_EQ(1, names.GetCount());
    EXPECT_STREQ(L"Edit", names.GetHead());
}

TEST(ContextMenuManager, MarkedSubMenusGetTearOffIdsWhenTheWorkspaceKeepsTearOffMenus)
{
    TestWorkspace workspace;
    CGTContextMenuManager manager;
    ASSERT_TRUE(manager.AddMenu(L"Other", IDR_GT_TEST_CONTEXT_OTHER));
    EXPECT_STREQ(L"Other", FirstItemText(manager.LookupMenuByName(L"Other")));

    workspace.KeepTearOffMenus(200, 210);
    CGTContextMenuManager tearing;
    ASSERT_TRUE(tearing.AddMenu(L"Other", IDR_GT_TEST_CONTEXT_OTHER));
    EXPECT_STREQ(L"\u0001200\u0001Other", FirstItemText(tearing.LookupMenuByName(L"Other")));
}

TEST(ContextMenuManager, TheRegisteredMenusGoWithTheManager)
{
    HMENU edit = nullptr;
    {
        CGTContextMenuManager manager;
        manager.AddMenu(L"Edit", IDR_GT_TEST_CONTEXT);
        edit = manager.LookupMenuByName(L"Edit");
        EXPECT_TRUE(::IsMenu(edit));
    }
    EXPECT_FALSE(::IsMenu(edit));
    EXPECT_EQ(nullptr, CGTContextMenuManager::Current());
}
