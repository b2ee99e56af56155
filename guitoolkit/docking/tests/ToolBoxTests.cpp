// Tool boxes: a picked tool is posted to the owner as the tool box's command, and the bar's
// scroll buttons follow the rows of the active page that lie out of sight.
#include <guitoolkit/docking/CGTToolBox.h>
#include <gtest/gtest.h>
#include <vector>
#include "PaneTestSupport.h"

namespace {
const UINT toolBoxId = 0xE820;

struct ToolBoxHost {
    explicit ToolBoxHost(CSize iSize)
    {
        box.Create(L"Tools", &frame, CRect(CPoint(0, 0), iSize), TRUE, toolBoxId, WS_CHILD | WS_VISIBLE | GTSideLeft,
                   0x20, 0);
        CStringArray tools;
        for (LPCWSTR tool : {L"Pointer", L"Button", L"Label", L"Edit", L"List", L"Combo", L"Check"})
            tools.Add(tool);
        page = box.AddToolsPage(L"Controls", 101, CSize(16, 15), tools, CGTToolBoxPage::gridMode);
    }
    ~ToolBoxHost() { box.DestroyWindow(); }
    CGTToolBoxPage& Page() { return *box.GetPage(page); }

    CommandFrame frame;
    CGTToolBox box;
    int page = -1;
};
}  // namespace

TEST(ToolBox, APickedToolIsPostedToTheOwner)
{
    ToolBoxHost host(CSize(120, 300));
    ASSERT_EQ(0, host.page);
    FakeCursor cursor;
    cursor.m_WindowUnder = host.Page().m_hWnd;
    const CPoint tool = host.Page().GetTool(2).m_Rect.CenterPoint();
    host.Page().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(tool.x, tool.y));
    host.Page().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(tool.x, tool.y));
    PumpMessages();
    EXPECT_EQ(2, host.Page().GetSelected());
    ASSERT_EQ(1u, host.frame.m_Commands.size());
    EXPECT_EQ(toolBoxId, host.frame.m_Commands[0].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(host.box.m_hWnd), host.frame.m_Commands[0].second);
}

TEST(ToolBox, ScrollButtonsFollowTheRowsOutOfSight)
{
    ToolBoxHost host(CSize(80, 110));
    CGTOutlookWnd& outlook = *host.box.GetBar().GetOutlookWnd();
    CWnd& up = outlook.GetScrollUpButton();
    CWnd& down = outlook.GetScrollDownButton();
    ASSERT_GT(host.Page().GetHiddenRows(), 0);
    EXPECT_TRUE(Shown(down));
    EXPECT_TRUE(down.IsWindowEnabled());
    EXPECT_FALSE(up.IsWindowEnabled());

    host.box.OnScrollPage(FALSE);
    EXPECT_EQ(1, host.Page().GetScrollRows());
    EXPECT_TRUE(up.IsWindowEnabled());

    // The up button's command goes through the bar back to the tool box.
    outlook.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), reinterpret_cast<LPARAM>(up.m_hWnd));
    EXPECT_EQ(0, host.Page().GetScrollRows());
    EXPECT_FALSE(up.IsWindowEnabled());
    EXPECT_TRUE(down.IsWindowEnabled());
}

TEST(ToolBoxEx, APickedToolClearsTheOtherGroupsChoice)
{
    CommandFrame frame;
    CGTToolBoxEx box;
    box.SetAnimation(FALSE);
    box.Create(L"Tools", &frame, CRect(0, 0, 140, 400), TRUE, toolBoxId, WS_CHILD | WS_VISIBLE | GTSideLeft, 0x20, 0);
    CStringArray tools;
    for (LPCWSTR tool : {L"Pointer", L"Button", L"Label", L"Edit"})
        tools.Add(tool);
    ASSERT_EQ(0, box.AddToolsPage(L"Controls", 101, CSize(16, 15), tools, CGTToolBoxPage::gridMode));
    ASSERT_EQ(1, box.AddToolsPage(L"Shapes", 101, CSize(16, 15), tools, CGTToolBoxPage::listMode));
    ASSERT_EQ(2, box.GetPageCount());
    FakeCursor cursor;
    // Each group's page is as high as its tools need at the width it was given.
    for (int group = 0; group < 2; ++group) {
        CGTToolBoxPage& page = *box.GetPage(group);
        EXPECT_EQ(page.GetPageHeight(), PlaceInParent(page).Height()) << group;
        cursor.m_WindowUnder = page.m_hWnd;
        const CPoint tool = page.GetTool(1 + group).m_Rect.CenterPoint();
        page.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(tool.x, tool.y));
        page.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(tool.x, tool.y));
    }
    PumpMessages();
    EXPECT_EQ(-1, box.GetPage(0)->GetSelected());
    EXPECT_FALSE(box.GetPage(0)->GetTool(1).m_Selected);
    EXPECT_EQ(2, box.GetPage(1)->GetSelected());
    ASSERT_EQ(2u, frame.m_Commands.size());
    EXPECT_EQ(toolBoxId, frame.m_Commands[1].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(box.m_hWnd), frame.m_Commands[1].second);
    box.DestroyWindow();
}
