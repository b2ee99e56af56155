// Tool boxes: a picked tool is posted to the owner as the tool box's command, and the bar's
// scroll buttons follow the rows of the active page that lie out of sight.
#include <guitoolkit/docking/CGTToolBox.h>
#include <gtest/gtest.h>
#include <vector>
#include "PaneTestSupport.h"

namespace {
const UINT toolBoxId = 0xE820;

// A frame that notes the commands it is sent.
class CommandFrame : public PaneFrame {
public:
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override
    {
        m_Commands.push_back({LOWORD(iWParam), iLParam});
        return TRUE;
    }
    std::vector<std::pair<UINT, LPARAM>> m_Commands;
};

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
