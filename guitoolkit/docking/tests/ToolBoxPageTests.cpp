// Tool-box pages: the height a page asks for, the cells of its tools, selection by clicks and
// scrolling by rows.
#include <guitoolkit/docking/CGTToolBox.h>
#include <gtest/gtest.h>
#include <memory>
#include "DockingTestSupport.h"

namespace {
class Page : public CGTToolBoxPage {
public:
    using CGTToolBoxPage::m_ImageSize;
    void Click(CPoint iPoint)
    {
        SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(iPoint.x, iPoint.y));
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(iPoint.x, iPoint.y));
        SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(iPoint.x, iPoint.y));
    }
};

class ToolBoxPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Host.CreateEx(0, AfxRegisterWndClass(0), L"Host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0);
        m_Cursor.m_WindowUnder = nullptr;
    }
    void TearDown() override
    {
        m_Page.reset();
        m_Host.DestroyWindow();
    }
    void MakePage(int iMode, int iTools, CSize iClient)
    {
        m_Page = std::make_unique<Page>();
        ASSERT_TRUE(m_Page->Create(&m_Host, 0xE901, iMode));
        m_Page->m_ImageSize = CSize(16, 16);
        for (int tool = 0; tool < iTools; ++tool)
            m_Page->AddTool(L"Tool", tool % 3);
        // The client area gets the size asked for, whatever borders the bar draws.
        m_Page->SetWindowPos(nullptr, 0, 0, 200, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect client;
        m_Page->GetClientRect(client);
        const CSize frame = CSize(200, 200) - client.Size();
        m_Page->SetWindowPos(nullptr, 0, 0, iClient.cx + frame.cx, iClient.cy + frame.cy,
                             SWP_NOZORDER | SWP_NOACTIVATE);
        m_Cursor.m_WindowUnder = m_Page->m_hWnd;
    }

    FakeCursor m_Cursor;
    CWnd m_Host;
    std::unique_ptr<Page> m_Page;
};
}  // namespace

TEST_F(ToolBoxPage, AsksForTheHeightOfItsRows)
{
    const int listRow = std::max(16, theGuiToolkitGlobals.textHeightRegular) + 4;
    struct Case {
        int mode, tools, width, height;
    } cases[] = {
        {CGTToolBoxPage::gridMode, 7, 100, 92},  // three 28-pixel columns, three rows
        {CGTToolBoxPage::gridMode, 7, 20, 8},    // not one column fits
        {CGTToolBoxPage::gridMode, 6, 100, 64},
        {CGTToolBoxPage::listMode, 3, 100, 3 * listRow + 8},
    };
    for (const Case& c : cases) {
        MakePage(c.mode, c.tools, CSize(c.width, 200));
        EXPECT_EQ(c.height, m_Page->GetPageHeight()) << c.mode << " " << c.tools << " " << c.width;
    }
}

TEST_F(ToolBoxPage, PlacesCellsInRowsAndHidesThoseThatDoNotFit)
{
    MakePage(CGTToolBoxPage::gridMode, 7, CSize(100, 70));
    EXPECT_EQ(CRect(0, 4, 28, 32), m_Page->GetTool(0).m_Rect);
    EXPECT_EQ(CRect(56, 4, 84, 32), m_Page->GetTool(2).m_Rect);
    EXPECT_EQ(CRect(0, 32, 28, 60), m_Page->GetTool(3).m_Rect);
    // The third row reaches below the client area: no cells, and the row counts as hidden.
    EXPECT_TRUE(m_Page->GetTool(6).m_Rect.IsRectEmpty());
    EXPECT_EQ(1, m_Page->GetHiddenRows());

    m_Page->ScrollRows(1);
    EXPECT_TRUE(m_Page->GetTool(0).m_Rect.IsRectEmpty());
    EXPECT_EQ(CRect(0, 4, 28, 32), m_Page->GetTool(3).m_Rect);
    EXPECT_EQ(0, m_Page->GetHiddenRows());

    // Scrolling by pixels goes by whole cells of the page's own mode, rounded up.
    m_Page->ScrollTo(29);
    EXPECT_EQ(2, m_Page->GetScrollRows());
}

TEST_F(ToolBoxPage, ClicksSelectOnlyOnATool)
{
    MakePage(CGTToolBoxPage::gridMode, 7, CSize(100, 100));
    m_Page->Click(CPoint(90, 10));
    EXPECT_EQ(-1, m_Page->GetSelected());

    m_Page->Click(m_Page->GetTool(4).m_Rect.CenterPoint());
    EXPECT_EQ(4, m_Page->GetSelected());
    EXPECT_TRUE(m_Page->GetTool(4).m_Selected);
    EXPECT_EQ(-1, m_Page->GetHighlighted());

    m_Page->Click(m_Page->GetTool(1).m_Rect.CenterPoint());
    EXPECT_FALSE(m_Page->GetTool(4).m_Selected);
    EXPECT_TRUE(m_Page->GetTool(1).m_Selected);

    // Another window over the point takes the click.
    m_Cursor.m_WindowUnder = m_Host.m_hWnd;
    m_Page->Click(m_Page->GetTool(2).m_Rect.CenterPoint());
    EXPECT_EQ(1, m_Page->GetSelected());

    EXPECT_TRUE(m_Page->SetSelected(1));
    EXPECT_FALSE(m_Page->SetSelected(7));
    EXPECT_EQ(1, m_Page->GetSelected());
}

TEST_F(ToolBoxPage, HighlightsTheToolUnderTheMouseAndHoldsTheMouse)
{
    MakePage(CGTToolBoxPage::listMode, 3, CSize(100, 100));
    const CPoint inside = m_Page->GetTool(1).m_Rect.CenterPoint();
    m_Page->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(1, m_Page->GetHighlighted());
    EXPECT_EQ(m_Page.get(), CWnd::GetCapture());
    m_Page->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(50, 95));
    EXPECT_EQ(-1, m_Page->GetHighlighted());
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}
