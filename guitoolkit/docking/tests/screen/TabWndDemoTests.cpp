// What a user sees, on a real X display: a plain frame holding three tab windows of different
// looks (3-D, sloped and flat), each with a few tabs of plain windows. The screenshot,
// tabs-demo.bmp, is kept beside the test for people to look at.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "TabScreenSupport.h"

namespace {
class DemoFrame : public CFrameWnd {
public:
    static const int rows = 3;

    DemoFrame()
    {
        Create(nullptr, L"Tab windows", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 560, 520));
        const int styles[rows] = {3, 6, 1};
        const wchar_t* labels[] = {L"Users", L"Computers", L"Applications"};
        CRect client;
        GetClientRect(client);
        const int height = client.Height() / rows;
        for (int row = 0; row < rows; ++row) {
            CGTTabWnd& tabs = m_Tabs[row];
            tabs.Create(styles[row], CRect(0, row * height, client.Width(), (row + 1) * height - 4), this, 10 + row,
                        row == 1 ? 1 : 0);
            for (const wchar_t* label : labels) {
                auto list = std::make_unique<CListBox>();
                list->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), &tabs,
                             100 + static_cast<int>(m_Lists.size()));
                list->SetFont(&theGuiToolkitGlobals.fontRegular);
                for (int item = 1; item <= 4; ++item) {
                    CString text;
                    text.Format(L"%s item %d", label, item);
                    list->AddString(text);
                }
                tabs.AddTab(list.get(), label, static_cast<UINT>(-1), FALSE);
                m_Lists.push_back(std::move(list));
            }
            tabs.SetAutoDestroyWindows(FALSE);
        }
    }

    CGTTabWnd m_Tabs[rows];
    std::vector<std::unique_ptr<CListBox>> m_Lists;

protected:
    void PostNcDestroy() override {}
};
}  // namespace

TEST(TabWndDemo, AClickOnTheThirdTabShowsItsWindowInEveryLook)
{
    CWinApp app(L"TabWndDemo");
    DemoFrame frame;
    app.m_pMainWnd = &frame;
    LetItDraw(app, 500);

    for (CGTTabWnd& tabs : frame.m_Tabs) {
        ASSERT_TRUE(ClickTab(app, tabs, 2));
        EXPECT_EQ(2, tabs.GetActiveTab());
        EXPECT_TRUE(tabs.GetTabWnd(2)->IsWindowVisible());
        EXPECT_FALSE(tabs.GetTabWnd(0)->IsWindowVisible());
    }
    SendMouse(0, CPoint(600, 600));
    LetItDraw(app, 500);

    CRect window;
    frame.GetWindowRect(window);
    Screenshot shot(window);
    shot.Save(L"tabs-demo.bmp");
    // The 3-D row's active tab stands on the face colour of the tabs area around it.
    CRect active;
    frame.m_Tabs[0].GetTabRect(2, active);
    frame.m_Tabs[0].ClientToScreen(&active);
    EXPECT_GT(shot.Count(ToPixel(theGuiToolkitGlobals.colorBarText), active), 10);
    frame.DestroyWindow();
}
