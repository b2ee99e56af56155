// Customizing the toolbars' demo on a real X display: the sheet opens beside the frame, a click
// on a toolbar button selects it for editing, the mouse drags a button from the toolbar to the
// menu bar and a command from the sheet to the toolbar, and Close ends customizing. The
// screenshot customize-demo.bmp shows the sheet on its Commands page over the frame in
// customize mode.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTCustomizePage.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <gtest/gtest.h>
#include <functional>
#include <vector>
#include "ScreenTestSupport.h"
#include "ToolBarDemoFrame.h"

namespace {
// The demo with the customization sheet open below its bars.
struct CustomizingDemo {
    CWinApp app{L"CustomizeDemo"};
    ToolBarDemoFrame* frame = nullptr;
    CGTToolbarCustomize* sheet = nullptr;

    CustomizingDemo()
    {
        AfxOleInit();
        frame = new ToolBarDemoFrame;
        frame->CreateDemo(CRect(40, 40, 520, 340));
        app.m_pMainWnd = frame;
        sheet = frame->OpenCustomizeSheet();
        if (sheet != nullptr)
            sheet->SetWindowPos(nullptr, 120, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        LetItDraw(app, 800);
    }
    ~CustomizingDemo()
    {
        if (theActiveCustomizeSheet != nullptr)
            theActiveCustomizeSheet->DestroyWindow();
        frame->DestroyWindow();
    }
    void Input(const std::vector<std::function<void()>>& iSteps) { PlayInput(app, iSteps); }
};
}  // namespace

TEST(CustomizeDemo, TheSheetOpensAClickSelectsAButtonAndCloseEndsCustomizing)
{
    CustomizingDemo demo;
    ASSERT_NE(nullptr, demo.sheet);
    ToolBarDemoFrame* frame = demo.frame;
    DemoToolBar& bar = frame->m_ToolBar;
    EXPECT_TRUE(CGTToolBar::IsCustomizeMode());
    EXPECT_EQ(0, demo.sheet->GetActiveIndex());

    const CRect button = OnScreen(bar, bar.CommandToIndex(ID_GT_TEST_SECOND));
    demo.Input({[&] { SendMouse(0, button.CenterPoint()); },
                [&] { SendMouse(MOUSEEVENTF_LEFTDOWN, button.CenterPoint()); },
                [&] { SendMouse(MOUSEEVENTF_LEFTUP, button.CenterPoint()); }});
    EXPECT_EQ(0, frame->CommandCount(ID_GT_TEST_SECOND));

    CRect shown;
    frame->GetWindowRect(&shown);
    CRect sheetRect;
    demo.sheet->GetWindowRect(&sheetRect);
    shown.UnionRect(&shown, &sheetRect);
    Screenshot shot(shown);
    shot.Save(L"customize-demo.bmp");
    // The selected button is framed two pixels wide in the text colour.
    const DWORD frameColor = ToPixel(theGuiToolkitGlobals.colorBtnText);
    const int middle = button.CenterPoint().y;
    for (const int x : {button.left, button.left + 1, button.right - 1, button.right - 2})
        EXPECT_EQ(frameColor, shot.Pixel(x, middle)) << x;
    const CRect other = OnScreen(bar, bar.CommandToIndex(ID_GT_TEST_THIRD));
    EXPECT_NE(frameColor, shot.Pixel(other.left, other.CenterPoint().y));

    CRect close;
    demo.sheet->GetDlgItem(IDCANCEL)->GetWindowRect(&close);
    demo.Input({[&] { SendClick(close.CenterPoint()); }});
    EXPECT_EQ(nullptr, theActiveCustomizeSheet);
    EXPECT_FALSE(CGTToolBar::IsCustomizeMode());
}

TEST(CustomizeDemo, AButtonDraggedToTheMenuBarMovesThere)
{
    CustomizingDemo demo;
    ASSERT_NE(nullptr, demo.sheet);
    DemoToolBar& bar = demo.frame->m_ToolBar;
    CGTMenuBar& menuBar = demo.frame->m_MenuBar;
    const CPoint from = OnScreen(bar, bar.CommandToIndex(ID_GT_TEST_SECOND)).CenterPoint();
    const CRect last = OnScreen(menuBar, menuBar.GetButtonCount() - 1);
    demo.Input(DragSteps(from, CPoint(last.right + 20, last.CenterPoint().y)));

    EXPECT_LT(bar.CommandToIndex(ID_GT_TEST_SECOND), 0);
    EXPECT_GE(menuBar.CommandToIndex(ID_GT_TEST_SECOND), 0);
}

TEST(CustomizeDemo, ACommandDraggedFromTheSheetLandsOnTheToolbarWithItsName)
{
    CustomizingDemo demo;
    ASSERT_NE(nullptr, demo.sheet);
    DemoToolBar& bar = demo.frame->m_ToolBar;
    CGTCustomizePage* page = demo.sheet->GetCommandsPage();
    CListBox& categories = page->GetCategoriesList();
    categories.SetCurSel(categories.FindStringExact(-1, L"Help"));
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GT_CATEGORIES, LBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(categories.m_hWnd));
    LetItDraw(demo.app, 300);
    CButtonsTextList& commands = page->GetCommandsList();
    ASSERT_EQ(1, commands.GetCount());
    CRect item;
    commands.GetItemRect(0, &item);
    commands.ClientToScreen(&item);
    const CPoint from = item.CenterPoint();
    const CRect last = OnScreen(bar, bar.GetButtonCount() - 1);
    demo.Input(DragSteps(from, CPoint(last.right + 3, last.CenterPoint().y)));

    const CGTToolbarButton* dropped = bar.GetButton(bar.CommandToIndex(ID_GT_TEST_OPEN));
    ASSERT_NE(nullptr, dropped);
    EXPECT_EQ(CString(L"Open"), dropped->m_Text);
    EXPECT_TRUE(dropped->m_ShowText);
    EXPECT_FALSE(dropped->m_FromCommandList);
    // The catalogue keeps its command.
    EXPECT_EQ(1, commands.GetCount());
}
