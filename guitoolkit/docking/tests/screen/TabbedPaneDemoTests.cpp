// What a user sees, on a real X display: the viewer's arrangement of three panes as the tabs of
// one pane docked at the frame's left edge. A real click on the third tab brings its pane up,
// and the caption follows the tab; the screenshot is kept as tabbed-pane-demo.bmp beside the
// test for people to look at.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <gtest/gtest.h>
#include "PaneDemoFrame.h"
#include "TabScreenSupport.h"

namespace {
// The demo's two panes and a third, all tabs of one tabbed pane in the first one's place.
class TabbedDemoFrame : public PaneDemoFrame {
public:
    TabbedDemoFrame() : PaneDemoFrame(CRect(40, 40, 640, 440)) {}

    BOOL CreateTabs()
    {
        if (!CreateDemo() ||
            !m_Third.Create(L"Applications", this, CRect(0, 0, 300, 300), TRUE, 103,
                            WS_CHILD | WS_VISIBLE | GTSideLeft))
            return FALSE;
        m_Third.EnableDocking(GTSideAny);
        Second().UnDockControlBar(FALSE);
        if (Second().AttachToTabWnd(&First(), GTDockByMouse, TRUE, &m_Tabbed) == nullptr ||
            m_Third.AttachToTabWnd(&First(), GTDockByMouse, TRUE) == nullptr)
            return FALSE;
        m_Tabbed->GetTabWindow()->SetActiveTab(0);
        AdjustDockingLayout();
        return TRUE;
    }

    CGTBaseTabbedBar* m_Tabbed = nullptr;
    CGTDockingControlBar m_Third;
};
}  // namespace

TEST(TabbedPaneDemo, ARealClickOnTheThirdTabBringsItsPaneUpAndTheCaptionFollows)
{
    CWinApp app(L"TabbedPaneDemo");
    TabbedDemoFrame frame;
    ASSERT_TRUE(frame.CreateTabs());
    app.m_pMainWnd = &frame;
    LetItDraw(app);
    CGTBaseTabWnd& tabs = *frame.m_Tabbed->GetTabWindow();
    ASSERT_EQ(3, tabs.GetTabCount());
    CString caption;
    frame.m_Tabbed->GetWindowText(caption);
    EXPECT_EQ(CString(L"Users"), caption);

    ASSERT_TRUE(ClickTab(app, tabs, 2));

    EXPECT_EQ(2, tabs.GetActiveTab());
    EXPECT_EQ(&frame.m_Third, tabs.GetActiveWnd());
    EXPECT_TRUE(frame.m_Third.IsWindowVisible());
    EXPECT_FALSE(frame.First().IsWindowVisible());
    frame.m_Tabbed->GetWindowText(caption);
    EXPECT_EQ(CString(L"Applications"), caption);

    CRect window;
    frame.GetWindowRect(window);
    Screenshot shot(window);
    shot.Save(L"tabbed-pane-demo.bmp");
    CRect pane;
    frame.m_Tabbed->GetWindowRect(pane);
    EXPECT_GT(shot.Count(ToPixel(theGuiToolkitGlobals.colorActiveCaption), pane) +
                  shot.Count(ToPixel(theGuiToolkitGlobals.colorInactiveCaption), pane),
              pane.Width() * 5);
}
