// What a user sees, on a real X display: the popup menu demo's menu button clicked with real
// mouse input, then Down twice and Enter on the keyboard. The screenshot with the menu open is
// checked and kept as popup-demo.bmp beside the test for people to look at.
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <gtest/gtest.h>
#include "PopupDemoFrame.h"
#include "ScreenTestSupport.h"

namespace {
void Input(INPUT iInput)
{
    ::SendInput(1, &iInput, sizeof(iInput));
}

void ClickAt(CPoint iScreen)
{
    INPUT input = {INPUT_MOUSE};
    input.mi.dx = ::MulDiv(iScreen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(iScreen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    for (const DWORD button : {0UL, static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN), static_cast<DWORD>(MOUSEEVENTF_LEFTUP)}) {
        input.mi.dwFlags = button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        Input(input);
    }
}

void Press(WORD iKey)
{
    INPUT input = {INPUT_KEYBOARD};
    input.ki.wVk = iKey;
    Input(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    Input(input);
}
}  // namespace

TEST(PopupDemo, AClickOpensTheMenuAndTheKeysChooseAReport)
{
    GTMenuOptions::s_Animation = 0;
    CWinApp app(L"PopupDemo");
    auto* frame = new PopupDemoFrame;
    ASSERT_TRUE(frame->CreateDemo(CRect(40, 40, 480, 320)));
    app.m_pMainWnd = frame;
    LetItDraw(app);

    ClickAt(frame->ReportsButton().GetScreenRect().CenterPoint());
    LetItDraw(app);
    CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, popup) << "the click opened the menu";
    frame->SetFocus();
    Press(VK_DOWN);
    Press(VK_DOWN);
    LetItDraw(app);
    ASSERT_EQ(1, popup->GetMenuBar()->GetHotIndex());

    CRect shown;
    frame->GetWindowRect(&shown);
    const CRect menu = popup->GetScreenRect();
    shown.UnionRect(&shown, &menu);
    Screenshot shot(shown);
    shot.Save(L"popup-demo.bmp");

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
    const auto brightness = [](DWORD iPixel) { return (iPixel & 0xFF) + ((iPixel >> 8) & 0xFF) + (iPixel >> 16); };
    EXPECT_LT(brightness(shot.Pixel(beside.x, beside.y)), brightness(shot.Pixel(clear.x, clear.y)));

    Press(VK_RETURN);
    LetItDraw(app);
    EXPECT_EQ(1, frame->CommandCount(ID_GT_TEST_SECOND));
    EXPECT_EQ(0, frame->CommandCount(ID_GT_TEST_FIRST) + frame->CommandCount(ID_GT_TEST_THIRD));
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());
    frame->DestroyWindow();
}
