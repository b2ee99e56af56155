// What a user sees, on a real X display: the toolbars' demo used with real mouse and keyboard
// input. Each screenshot is checked and kept beside the test for people to look at:
// toolbar-demo.bmp (the mouse resting on a clicked button), popup-demo.bmp (a toolbar button's
// menu open) and menubar-demo.bmp (a menu of the menu bar open over the status bar's prompt).
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <gtest/gtest.h>
#include "ScreenTestSupport.h"
#include "ToolBarDemoFrame.h"

namespace {
// The middle of a rectangle's edges, inside the rectangle.
struct Edges {
    CPoint left, top, right, bottom;
    explicit Edges(const CRect& iRect)
        : left(iRect.left, iRect.CenterPoint().y), top(iRect.CenterPoint().x, iRect.top),
          right(iRect.right - 1, iRect.CenterPoint().y), bottom(iRect.CenterPoint().x, iRect.bottom - 1)
    {
    }
};

// The demo on the screen, without menu animation, until the test ends.
struct Demo {
    CWinApp app{L"ToolBarDemo"};
    ToolBarDemoFrame* frame = new ToolBarDemoFrame;
    int animation = GTMenuOptions::s_Animation;

    Demo()
    {
        GTMenuOptions::s_Animation = 0;
        frame->CreateDemo(CRect(40, 40, 520, 340));
        app.m_pMainWnd = frame;
        LetItDraw(app, 500);
    }
    ~Demo()
    {
        frame->DestroyWindow();
        GTMenuOptions::s_Animation = animation;
    }
};

int Brightness(DWORD iPixel)
{
    return static_cast<int>((iPixel & 0xFF) + ((iPixel >> 8) & 0xFF) + (iPixel >> 16));
}
}  // namespace

TEST(ToolBarDemo, AClickRunsTheCommandOnceAndTheButtonUnderTheMouseStandsOut)
{
    Demo demo;
    ToolBarDemoFrame* frame = demo.frame;
    DemoToolBar& bar = frame->m_ToolBar;
    const int clicked = bar.CommandToIndex(ID_GT_TEST_SECOND);
    const CRect button = OnScreen(bar, clicked);
    const CRect neighbour = OnScreen(bar, clicked + 1);
    SendMouse(0, button.CenterPoint());
    LetItDraw(demo.app, 300);
    SendMouse(MOUSEEVENTF_LEFTDOWN, button.CenterPoint());
    LetItDraw(demo.app, 200);
    SendMouse(MOUSEEVENTF_LEFTUP, button.CenterPoint());
    // The mouse rests on the button: the tooltip comes after a pause.
    LetItDraw(demo.app, 1500);

    EXPECT_EQ(1, frame->CommandCount(ID_GT_TEST_SECOND));
    EXPECT_EQ(0, frame->CommandCount(ID_GT_TEST_FIRST) + frame->CommandCount(ID_GT_TEST_THIRD));
    const HWND tooltip = bar.TooltipWindow();
    ASSERT_NE(nullptr, tooltip);
    EXPECT_TRUE(::IsWindowVisible(tooltip));
    wchar_t tip[32] = {};
    ::GetWindowTextW(tooltip, tip, 32);
    EXPECT_STREQ(L"Week", tip);

    CRect shown;
    frame->GetWindowRect(&shown);
    CRect tipRect;
    ::GetWindowRect(tooltip, &tipRect);
    shown.UnionRect(&shown, &tipRect);
    Screenshot shot(shown);
    shot.Save(L"toolbar-demo.bmp");

    // The button under the mouse is raised in the classic look's colours; its neighbour is flat.
    const DWORD highlight = ToPixel(theGuiToolkitGlobals.colorBarHighlight);
    const DWORD shadow = ToPixel(theGuiToolkitGlobals.colorBarShadow);
    const DWORD face = ToPixel(theGuiToolkitGlobals.colorBarFace);
    const Edges raised(button);
    EXPECT_EQ(highlight, shot.Pixel(raised.left.x, raised.left.y));
    EXPECT_EQ(highlight, shot.Pixel(raised.top.x, raised.top.y));
    EXPECT_EQ(shadow, shot.Pixel(raised.right.x, raised.right.y));
    EXPECT_EQ(shadow, shot.Pixel(raised.bottom.x, raised.bottom.y));
    const Edges flat(neighbour);
    for (const CPoint& point : {flat.left, flat.top, flat.right, flat.bottom})
        EXPECT_EQ(face, shot.Pixel(point.x, point.y)) << point.x << "," << point.y;
}

TEST(ToolBarDemo, AClickOpensAToolbarMenuAndTheKeysChooseAReport)
{
    Demo demo;
    ToolBarDemoFrame* frame = demo.frame;
    SendClick(frame->ReportsButton().GetScreenRect().CenterPoint());
    LetItDraw(demo.app);
    CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, popup) << "the click opened the menu";
    frame->SetFocus();
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    LetItDraw(demo.app);
    ASSERT_EQ(1, popup->GetMenuBar()->GetHotIndex());

    CRect shown;
    frame->GetWindowRect(&shown);
    const CRect menu = popup->GetScreenRect();
    shown.UnionRect(&shown, &menu);
    Screenshot shot(shown);
    shot.Save(L"popup-demo.bmp");
    // No tip of the bar stands over its open menu.
    EXPECT_FALSE(::IsWindowVisible(frame->m_ToolBar.TooltipWindow()));

    // The classic border: light outside at the top left, dark at the menu's right edge.
    const int shadow = popup->GetShadowSize();
    ASSERT_GT(shadow, 0);
    const CRect edge(menu.left, menu.top, menu.right - shadow, menu.bottom - shadow);
    EXPECT_EQ(ToPixel(theGuiToolkitGlobals.colorBarLight), shot.Pixel(edge.left, edge.CenterPoint().y));
    EXPECT_EQ(ToPixel(theGuiToolkitGlobals.colorBarDarkShadow), shot.Pixel(edge.right - 1, edge.CenterPoint().y));
    // The highlighted row.
    CRect row = popup->GetMenuItem(1)->Rect();
    popup->GetMenuBar()->ClientToScreen(&row);
    EXPECT_GT(shot.Count(ToPixel(theGuiToolkitGlobals.colorHighlight), row), row.Width() * row.Height() / 3);
    // The shadow darkens the frame beside the menu.
    const CPoint beside(edge.right + shadow / 2, edge.CenterPoint().y);
    const CPoint clear(edge.right + shadow + 4, edge.CenterPoint().y);
    ASSERT_LT(clear.x, shown.right);
    EXPECT_LT(Brightness(shot.Pixel(beside.x, beside.y)), Brightness(shot.Pixel(clear.x, clear.y)));

    SendKey(VK_RETURN);
    LetItDraw(demo.app);
    EXPECT_EQ(1, frame->CommandCount(ID_GT_TEST_SECOND));
    EXPECT_EQ(0, frame->CommandCount(ID_GT_TEST_FIRST) + frame->CommandCount(ID_GT_TEST_THIRD));
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());
}

TEST(ToolBarDemo, AMenuOfTheMenuBarShowsItsPromptsAndRunsTheChosenCommand)
{
    Demo demo;
    ToolBarDemoFrame* frame = demo.frame;
    CGTMenuBar& menuBar = frame->m_MenuBar;
    ASSERT_EQ(CString(L"&Reports"), menuBar.GetButton(0)->m_Text);
    SendClick(OnScreen(menuBar, 0).CenterPoint());
    LetItDraw(demo.app);
    CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, popup) << "the click opened the menu";
    EXPECT_EQ(menuBar.GetButton(0), menuBar.GetDroppedDownMenuButton());

    // Resting on an item shows its prompt in the status bar's message pane.
    CRect weekly = popup->GetMenuItem(1)->Rect();
    popup->GetMenuBar()->ClientToScreen(&weekly);
    // A menu just opened ignores the first move (the cursor may rest where it opens): the mouse
    // moves on over the item, as a hand moves it.
    SendMouse(0, weekly.CenterPoint() - CSize(2, 0));
    LetItDraw(demo.app, 300);
    SendMouse(0, weekly.CenterPoint());
    LetItDraw(demo.app);
    EXPECT_EQ(1, popup->GetMenuBar()->GetHotIndex());
    EXPECT_EQ(CString(L"Shows the week"), frame->m_StatusBar.GetPaneText(0));

    CRect shown;
    frame->GetWindowRect(&shown);
    const CRect menu = popup->GetScreenRect();
    shown.UnionRect(&shown, &menu);
    Screenshot shot(shown);
    shot.Save(L"menubar-demo.bmp");

    // The menu bar, the toolbar and the status bar stand in that order; the grip is drawn.
    CRect menuBarRect, toolBarRect, statusRect;
    menuBar.GetWindowRect(&menuBarRect);
    frame->m_ToolBar.GetWindowRect(&toolBarRect);
    frame->m_StatusBar.GetWindowRect(&statusRect);
    EXPECT_LE(menuBarRect.bottom, toolBarRect.top);
    EXPECT_LT(toolBarRect.bottom, statusRect.top);
    CRect grip = frame->m_StatusBar.GetGripRect();
    ASSERT_FALSE(grip.IsRectEmpty());
    frame->m_StatusBar.ClientToScreen(&grip);
    EXPECT_GT(shot.Count(ToPixel(theGuiToolkitGlobals.colorBarShadow), grip), 4);
    // The open menu's title stands pushed in; the highlighted item fills its row.
    CRect row = popup->GetMenuItem(1)->Rect();
    popup->GetMenuBar()->ClientToScreen(&row);
    EXPECT_GT(shot.Count(ToPixel(theGuiToolkitGlobals.colorHighlight), row), row.Width() * row.Height() / 3);
    const Edges title(OnScreen(menuBar, 0));
    EXPECT_EQ(ToPixel(theGuiToolkitGlobals.colorBarShadow), shot.Pixel(title.left.x, title.left.y));

    SendClick(weekly.CenterPoint());
    LetItDraw(demo.app);
    EXPECT_EQ(1, frame->CommandCount(ID_GT_TEST_SECOND));
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());
}
