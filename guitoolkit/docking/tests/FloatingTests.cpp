#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
struct DockingFrame {
    DockingFrame() : manager(frame.m_DockManager) { manager.CreateDockBars(GTSideAny); }
    TestDockingFrame frame;
    CGTDockManager& manager;
};
}  // namespace

TEST(Floating, AFloatingBarLivesInAListedMiniFrameUnderItsIdUntilItDocksAgain)
{
    DockingFrame docking;
    FixedBar bar(docking.frame, CSize(90, 22), 610);
    bar.SetWindowText(L"Find");
    docking.manager.DockBar(&bar, GTDockBarTopId);
    const CRect at(300, 200, 390, 222);
    ASSERT_TRUE(bar.FloatAtRect(at, GTDockByRect, TRUE));
    CGTMiniFrameWnd* mini = bar.GetParentMiniFrame();
    ASSERT_NE(nullptr, mini);
    const HWND miniWindow = mini->GetSafeHwnd();
    EXPECT_EQ(at, WindowRect(*mini));
    EXPECT_EQ(&bar, mini->GetBar());
    EXPECT_EQ(1, mini->GetBarCount());
    EXPECT_EQ(CString(L"Find"), mini->GetCaptionText());
    EXPECT_EQ(mini, docking.manager.FindMiniFrameAtPoint(at.CenterPoint()));
    EXPECT_EQ(&bar, CGTMiniFrameWnd::LookupFloatingBar(610));
    EXPECT_NE(nullptr, CGTDockingValues::MiniFrameWindows().Find(miniWindow));
    EXPECT_EQ(nullptr, bar.GetParentDockBar());

    docking.manager.DockBar(&bar, GTDockBarBottomId);
    PumpMessages();
    ASSERT_TRUE(::IsWindow(bar.GetSafeHwnd()));
    EXPECT_EQ(docking.manager.FindDockBarByAlignment(GTSideBottom, TRUE), bar.GetParentDockBar());
    EXPECT_FALSE(::IsWindow(miniWindow));
    EXPECT_EQ(nullptr, docking.manager.FindMiniFrameAtPoint(at.CenterPoint()));
    EXPECT_EQ(nullptr, CGTMiniFrameWnd::LookupFloatingBar(610));
    EXPECT_EQ(nullptr, CGTDockingValues::MiniFrameWindows().Find(miniWindow));
}

TEST(Floating, ADeactivatedFrameHidesTheFloatingToolbarsAndShowsThemAgain)
{
    DockingFrame docking;
    CGTToolBar toolbar;
    toolbar.Create(&docking.frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 611);
    toolbar.SetBehaviourStyle(GTBehaviourAll);
    FixedBar pane(docking.frame, CSize(90, 60), 612);
    ASSERT_TRUE(toolbar.FloatAtRect(CRect(300, 200, 400, 230), GTDockByRect, TRUE));
    ASSERT_TRUE(pane.FloatAtRect(CRect(300, 300, 390, 360), GTDockByRect, TRUE));
    CGTMiniFrameWnd& toolbarFrame = *toolbar.GetParentMiniFrame();
    CGTMiniFrameWnd& paneFrame = *pane.GetParentMiniFrame();
    docking.manager.ShowFloatingWindows(FALSE);
    EXPECT_FALSE(Shown(toolbarFrame));
    EXPECT_TRUE(Shown(paneFrame));
    docking.manager.ShowFloatingWindows(TRUE);
    EXPECT_TRUE(Shown(toolbarFrame));
    toolbar.DestroyWindow();
}

TEST(Floating, AFloatingToolbarsFrameFitsItsButtonsAndOffersNoSizeCommands)
{
    for (const DWORD behaviour : {static_cast<DWORD>(GTBehaviourAll), static_cast<DWORD>(GTBehaviourCanFloat)}) {
        DockingFrame docking;
        CGTToolBar toolbar;
        toolbar.Create(&docking.frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 614);
        toolbar.SetBehaviourStyle(behaviour);
        const auto addButton = [&toolbar](UINT iId, LPCWSTR iText) {
            auto* button = new CGTToolbarButton(iId, -1, iText, FALSE, TRUE);
            button->m_ShowText = TRUE;
            toolbar.InsertButton(button);
        };
        addButton(100, L"Day");
        addButton(101, L"Week");
        ASSERT_TRUE(toolbar.FloatAtRect(CRect(300, 200, 400, 230), GTDockByRect, TRUE));
        CGTMiniFrameWnd* mini = toolbar.GetParentMiniFrame();
        ASSERT_NE(nullptr, mini);
        // A frame with a system menu, as an application's may have.
        mini->ModifyStyle(0, WS_SYSMENU);
        toolbar.AdjustLayout();
        const CRect before = WindowRect(*mini);

        // A button more: the frame grows by it and the bar fills the frame.
        addButton(102, L"Month");
        toolbar.AdjustLayout();
        const CRect after = WindowRect(*mini);
        EXPECT_GT(after.Width(), before.Width()) << behaviour;
        EXPECT_EQ(before.TopLeft(), after.TopLeft()) << behaviour;
        CRect client;
        mini->GetClientRect(&client);
        EXPECT_EQ(client.Size(), WindowRect(toolbar).Size()) << behaviour;

        CMenu* menu = mini->GetSystemMenu(FALSE);
        ASSERT_NE(nullptr, menu) << behaviour;
        for (const UINT command : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE})
            EXPECT_EQ(static_cast<UINT>(-1), menu->GetMenuState(command, MF_BYCOMMAND)) << command;
        const BOOL greyed = (menu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED) != 0;
        EXPECT_EQ(!toolbar.CanHide(), greyed) << behaviour;
        toolbar.DestroyWindow();
    }
}

TEST(Floating, NearADockAreaTheOutlineShowsTheDockedPlaceUnlessCtrlIsHeld)
{
    DockingFrame docking;
    FixedBar bar(docking.frame, CSize(90, 24), 613);
    docking.manager.DockBar(&bar, GTDockBarTopId);
    docking.manager.RecalcLayout();
    CRect free;
    docking.manager.GetClientAreaBounds(free);
    docking.frame.ClientToScreen(&free);
    FakeCursor cursor;
    FakeKeyState keys;
    for (BOOL ctrl : {FALSE, TRUE}) {
        if (ctrl)
            keys.Press(VK_CONTROL);
        FakeScreenDrawing drawing;
        CGTDragFrameImpl outline;
        outline.Init(&bar);
        outline.m_ptLast = WindowRect(bar).CenterPoint();
        cursor.m_Position = CPoint(free.CenterPoint().x, free.top + 5);
        outline.MoveDragFrame();
        ASSERT_EQ(1u, drawing.m_Calls.size());
        const CRect docked(free.left, free.top, free.right, free.top + 24);
        EXPECT_EQ(ctrl ? WindowRect(bar) + CPoint(cursor.m_Position) - WindowRect(bar).CenterPoint() : docked,
                  drawing.m_Calls[0].first)
            << ctrl;
        outline.EndDrawDragFrame();
        EXPECT_EQ(std::make_pair(CRect(), drawing.m_Calls[0].first), drawing.m_Calls[1]);
    }
}
