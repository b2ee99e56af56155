// The floating frame of a tasks pane: its navigation buttons follow the pane's pages and
// history, and hovering stops while the pages menu is open.
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTTaskPaneMiniFrameWnd.h>
#include <guitoolkit/docking/CGTTasksPane.h>
#include <gtest/gtest.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include "LayoutTestSupport.h"

namespace {
// A task-pane frame whose pages menu the test holds open.
class MenuOpenFrame : public CGTTaskPaneMiniFrameWnd {
    DECLARE_DYNCREATE(MenuOpenFrame)
public:
    using CGTTaskPaneMiniFrameWnd::m_MenuOpen;
};
IMPLEMENT_DYNCREATE(MenuOpenFrame, CGTTaskPaneMiniFrameWnd)

struct FloatingTasks {
    explicit FloatingTasks(DWORD iStyle = 0, CRuntimeClass* iFrameClass = nullptr)
    {
        frame.m_DockManager.CreateDockBars(GTSideAny);
        pane.Create(L"Tasks", &frame, CRect(0, 0, 160, 300), TRUE, 0xE840, WS_CHILD | WS_VISIBLE | GTSideLeft | iStyle,
                    0x20, GTBehaviourAll);
        pane.EnableDocking(GTSideAny);
        if (iFrameClass != nullptr)
            pane.SetFloatingFrameClass(iFrameClass);
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        pane.FloatAtRect(CRect(250, 150, 410, 450), GTDockByRect, TRUE);
    }
    ~FloatingTasks() { pane.DestroyWindow(); }
    CGTTaskPaneMiniFrameWnd* Frame() { return DYNAMIC_DOWNCAST(CGTTaskPaneMiniFrameWnd, pane.GetParentMiniFrame()); }
    CGTCaptionButton* Button(UINT iCode)
    {
        Frame()->SendMessage(WM_NCPAINT);
        return Frame()->FindCaptionButton(iCode);
    }

    TestDockingFrame frame;
    CGTTasksPane pane;
};
}  // namespace

TEST(TaskPaneFrame, APaneFloatsInItsOwnFrameOrWithStyle0x40InAMultiPaneOne)
{
    FloatingTasks own;
    ASSERT_NE(nullptr, own.Frame());
    CRect borders;
    own.Frame()->GetBorderSize(borders);
    EXPECT_EQ(CRect(3, 3, 3, 3), borders);
    FloatingTasks multi(0x40);
    EXPECT_TRUE(multi.pane.GetParentMiniFrame()->IsKindOf(RUNTIME_CLASS(CGTMultiMiniFrameWnd)));
}

TEST(TaskPaneFrame, TheNavigationButtonsFollowThePagesAndTheHistory)
{
    FloatingTasks floating;
    ASSERT_NE(nullptr, floating.Frame());
    for (UINT code : {GTHitBack, GTHitForward, GTHitMenu})
        EXPECT_TRUE(floating.Button(code)->m_Hidden) << code;
    floating.pane.AddPage(L"Search");
    floating.pane.AddPage(L"Help");
    EXPECT_FALSE(floating.Button(GTHitMenu)->m_Hidden);
    EXPECT_FALSE(floating.Button(GTHitBack)->m_Enabled);
    floating.pane.SetActivePage(2);
    EXPECT_TRUE(floating.Button(GTHitBack)->m_Enabled);
    EXPECT_FALSE(floating.Button(GTHitForward)->m_Enabled);
    floating.Frame()->RunCaptionButtonAction(GTHitBack);
    EXPECT_EQ(0, floating.pane.GetActivePage());
    EXPECT_FALSE(floating.Button(GTHitBack)->m_Enabled);
    EXPECT_TRUE(floating.Button(GTHitForward)->m_Enabled);
}

TEST(TaskPaneFrame, NoButtonTurnsHotWhileThePagesMenuIsOpen)
{
    FloatingTasks floating(0, RUNTIME_CLASS(MenuOpenFrame));
    auto* frame = DYNAMIC_DOWNCAST(MenuOpenFrame, floating.pane.GetParentMiniFrame());
    ASSERT_NE(nullptr, frame);
    CGTCaptionButton* close = floating.Button(GTHitFrameClose);
    ASSERT_NE(nullptr, close);
    CRect window;
    frame->GetWindowRect(&window);
    const CPoint over = close->GetRect().CenterPoint() + window.TopLeft();
    frame->m_MenuOpen = TRUE;
    frame->HoverCaptionButtons(over);
    EXPECT_FALSE(close->m_Focused);
    frame->m_MenuOpen = FALSE;
    frame->HoverCaptionButtons(over);
    EXPECT_TRUE(close->m_Focused);
    frame->EndCaptionButtonTracking();
}

TEST(TaskPaneFrame, InAFrameOfAnotherKindThePaneShowsItsOwnNavigationBar)
{
    FloatingTasks floating(0x40);
    CTasksPaneToolBar& bar = floating.pane.GetToolBar();
    EXPECT_FALSE(bar.GetStyle() & WS_VISIBLE);
    floating.pane.AddPage(L"Search");
    floating.pane.SetActivePage(1);
    ASSERT_TRUE(bar.GetStyle() & WS_VISIBLE);
    CRect client;
    floating.pane.GetClientRect(client);
    EXPECT_EQ(client.Width(), PlaceInParent(bar).Width());
    EXPECT_EQ(client.top, PlaceInParent(bar).top);

    // Back, forward, home, a separator, the page's name and close; the name takes the room left.
    ASSERT_EQ(6, bar.GetButtonCount());
    const CGTToolbarButton& name = *bar.GetButton(4);
    EXPECT_STREQ(L"Search", static_cast<LPCWSTR>(name.m_Text));
    CRect barClient;
    bar.GetClientRect(barClient);
    EXPECT_EQ(barClient.right - 1, bar.GetButton(5)->Rect().right);
    EXPECT_GE(name.Rect().Width(), 3 * name.Rect().Height());

    // Its commands reach the pane.
    bar.GetOwner()->SendMessage(WM_COMMAND, 17020);
    EXPECT_EQ(0, floating.pane.GetActivePage());
}

namespace {
// A frame shown with a tasks pane of two pages docked on its left.
struct LayoutWithTasks {
    LayoutWithTasks()
    {
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        pane.Create(L"Tasks", &frame, CRect(0, 0, 160, 300), TRUE, 0xE850, WS_CHILD | WS_VISIBLE | GTSideLeft, 0x20,
                    GTBehaviourAll);
        pane.EnableDocking(GTSideAny);
        pane.AddPage(L"Search");
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
    }
    ~LayoutWithTasks() { pane.DestroyWindow(); }

    LayoutFrame frame;
    CGTTasksPane pane;
};
}  // namespace

TEST(TaskPaneFrame, ASavedLayoutBringsTheFloatingPaneBackInItsFrame)
{
    ScratchRegistryKey scratch(L"GtTaskPaneLayout");
    CRect floatingRect;
    {
        LayoutWithTasks before;
        ASSERT_TRUE(before.pane.FloatAtRect(CRect(300, 200, 460, 500), GTDockByRect, TRUE));
        ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CGTTaskPaneMiniFrameWnd, before.pane.GetParentMiniFrame()));
        floatingRect = WindowRect(*before.pane.GetParentMiniFrame());
        ASSERT_TRUE(before.frame.m_State.SaveState(scratch.Path(), 1));
    }
    LayoutWithTasks after;
    ASSERT_TRUE(after.frame.m_State.LoadState(scratch.Path(), 1));
    after.frame.m_State.ApplyLoadedState();
    auto* frame = DYNAMIC_DOWNCAST(CGTTaskPaneMiniFrameWnd, after.pane.GetParentMiniFrame());
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(floatingRect, WindowRect(*frame));
    frame->SendMessage(WM_NCPAINT);
    EXPECT_FALSE(frame->FindCaptionButton(GTHitMenu)->m_Hidden);
}
