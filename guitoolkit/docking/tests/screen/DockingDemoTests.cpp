// What a user sees, on a real X display: a frame with dock bars on its four sides holding
// bars in their own colours, laid out by its dock manager, and one bar floated into a mini
// frame by a double click. The screenshot is checked and kept as docking-demo.bmp beside the
// test for people to look at.
#include <guitoolkit/docking/tests/DockingTestSupport.h>
#include <gtest/gtest.h>
#include "ScreenTestSupport.h"

namespace {
// A bar painted in one colour with its name.
class ColourBar : public FixedBar {
public:
    ColourBar(CWnd& iParent, CSize iSize, UINT iId, COLORREF iColour, LPCWSTR iName)
        : FixedBar(iParent, iSize, iId), m_Colour(iColour)
    {
        SetWindowText(iName);
    }
    void DoPaint(CDC* iDc) override
    {
        CRect client;
        GetClientRect(&client);
        iDc->FillSolidRect(client, m_Colour);
        CString name;
        GetWindowText(name);
        iDc->SetBkMode(TRANSPARENT);
        iDc->DrawText(name, client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    // A point of the client area away from the name.
    CPoint Corner() const
    {
        CPoint corner(2, 2);
        ClientToScreen(&corner);
        return corner;
    }
    CRect Screen() const
    {
        CRect rect;
        GetWindowRect(&rect);
        return rect;
    }

    COLORREF m_Colour;
};
// The demo frame: its view fills what the bars leave free, as a document's view does.
class DemoFrame : public TestDockingFrame {
public:
    explicit DemoFrame(const CRect& iRect) : TestDockingFrame(iRect)
    {
        m_View.CreateEx(WS_EX_CLIENTEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_WHITERECT, CRect(0, 0, 0, 0), this,
                        AFX_IDW_PANE_FIRST);
    }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override
    {
        TestDockingFrame::AdjustDockingLayout(iDefer);
        CRect free;
        m_DockManager.GetClientAreaBounds(free);
        if (m_View.GetSafeHwnd() != nullptr)
            m_View.MoveWindow(&free);
    }

    CWnd m_View;
};
}  // namespace

TEST(DockingDemo, BarsDockOnTheFourSidesAndOneFloatsByADoubleClick)
{
    CWinApp app(L"DockingDemo");
    DemoFrame frame(CRect(40, 40, 560, 400));
    CGTDockManager& manager = frame.m_DockManager;
    ASSERT_TRUE(manager.CreateDockBars(GTSideAny));
    ColourBar standard(frame, CSize(180, 26), 101, RGB(230, 120, 100), L"Standard");
    ColourBar format(frame, CSize(140, 26), 102, RGB(240, 200, 90), L"Format");
    ColourBar status(frame, CSize(260, 22), 103, RGB(120, 190, 120), L"Status");
    ColourBar tree(frame, CSize(160, 60), 104, RGB(120, 160, 230), L"Tree");
    ColourBar tools(frame, CSize(120, 40), 105, RGB(190, 130, 210), L"Tools");
    manager.DockBar(&standard, GTDockBarTopId);
    manager.DockBar(&format, GTDockBarTopId);
    manager.DockBar(&status, GTDockBarBottomId);
    manager.DockBar(&tree, GTDockBarLeftId);
    manager.DockBar(&tools, GTDockBarRightId);
    frame.ShowWindow(SW_SHOW);
    frame.RecalcLayout(TRUE);
    LetItDraw(app, 500);

    CRect client;
    frame.GetClientRect(&client);
    frame.ClientToScreen(&client);
    // Two rows at the top, one at the bottom, the side bars between them.
    EXPECT_EQ(client.TopLeft(), standard.Screen().TopLeft());
    EXPECT_EQ(CPoint(client.left, client.top + 26), format.Screen().TopLeft());
    EXPECT_EQ(client.bottom, status.Screen().bottom);
    EXPECT_EQ(CPoint(client.left, client.top + 52), tree.Screen().TopLeft());
    EXPECT_EQ(client.right, tools.Screen().right);
    EXPECT_EQ(client.top + 52, tools.Screen().top);

    Screenshot docked(client);
    for (const ColourBar* bar : {&standard, &format, &status, &tree, &tools}) {
        const CPoint corner = bar->Corner();
        EXPECT_EQ(ToPixel(bar->m_Colour), docked.Pixel(corner.x, corner.y)) << bar->m_Colour;
    }

    const CRect floatAt(client.right + 20, client.top + 60, client.right + 140, client.top + 100);
    tools.GetRecentDockInfo().m_rectRecentFloat = floatAt;
    const CPoint inTools = tools.Screen().CenterPoint();
    CPoint clientPoint = inTools;
    tools.ScreenToClient(&clientPoint);
    tools.PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(clientPoint.x, clientPoint.y));
    LetItDraw(app, 800);
    ASSERT_NE(nullptr, tools.GetParentMiniFrame());
    CRect floating;
    tools.GetParentMiniFrame()->GetWindowRect(&floating);
    EXPECT_EQ(floatAt, floating);

    CRect shown;
    frame.GetWindowRect(&shown);
    shown.UnionRect(&shown, &floating);
    shown.InflateRect(10, 10);
    Screenshot shot(shown);
    shot.Save(L"docking-demo.bmp");
    EXPECT_EQ(ToPixel(tools.m_Colour), shot.Pixel(tools.Corner().x, tools.Corner().y));
    // The right side gave the floated bar's room back to the free area.
    CRect free;
    manager.GetClientAreaBounds(free);
    EXPECT_EQ(client.Width(), free.right);
}
