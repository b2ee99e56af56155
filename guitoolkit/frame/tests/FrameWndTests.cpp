#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include "FrameTestSupport.h"

namespace {
// Counts its layout passes and the commands it gets.
class CountingFrame : public StackToolkitFrame {
public:
    void AdjustClientArea() override
    {
        ++m_Layouts;
        CGTFrameWnd::AdjustClientArea();
    }
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override
    {
        m_Commands.push_back(LOWORD(iWParam));
        return CGTFrameWnd::OnCommand(iWParam, iLParam);
    }
    int m_Layouts = 0;
    std::vector<UINT> m_Commands;
};

class ItemState : public CCmdUI {
public:
    void Enable(BOOL iOn) override { m_Enabled = iOn; }
    void SetCheck(int iCheck) override { m_Checked = iCheck; }
    int m_Enabled = -1;
    int m_Checked = -1;
};

ItemState Update(CFrameWnd& ioFrame, UINT iId)
{
    ItemState item;
    item.m_nID = iId;
    item.DoUpdate(&ioFrame, FALSE);
    return item;
}

BOOL Translate(CFrameWnd& ioFrame, HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam = 0)
{
    MSG message = {iWindow, iMessage, iWParam, iLParam};
    return ioFrame.PreTranslateMessage(&message);
}
}  // namespace

TEST(FrameWnd, BarCommandsToggleTheirBarAndTheItemFollows)
{
    CountingFrame frame;
    CGTToolBar toolbar;
    ASSERT_TRUE(toolbar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, ID_VIEW_TOOLBAR));
    frame.DockBar(&toolbar);
    EXPECT_EQ(&toolbar, frame.FindBarById(ID_VIEW_TOOLBAR));
    EXPECT_EQ(1, Update(frame, ID_VIEW_TOOLBAR).m_Checked);

    frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(toolbar.IsVisible());
    EXPECT_EQ(0, Update(frame, ID_VIEW_TOOLBAR).m_Checked);
    frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(toolbar.IsVisible());
    EXPECT_EQ(1, Update(frame, ID_VIEW_TOOLBAR).m_Checked);

    const ItemState missing = Update(frame, ID_VIEW_STATUS_BAR);
    EXPECT_EQ(FALSE, missing.m_Enabled);
    EXPECT_EQ(-1, missing.m_Checked);
    toolbar.DestroyWindow();
}

TEST(FrameWnd, AMinimisedFrameLaysNothingOutAndLeavingMaximisedLaysOutOnce)
{
    CountingFrame frame;
    frame.SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
    frame.m_Layouts = 0;
    frame.RecalcLayout();
    frame.AdjustDockingLayout();
    EXPECT_EQ(0, frame.m_Layouts);

    frame.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(800, 600));
    EXPECT_EQ(1, frame.m_Layouts);
    frame.m_Layouts = 0;
    frame.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(500, 300));
    EXPECT_EQ(1, frame.m_Layouts);
    frame.m_Layouts = 0;
    frame.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(520, 300));
    EXPECT_EQ(1, frame.m_Layouts);
}

TEST(FrameWnd, EscapeEndsASliderDragAndGoesNoFurther)
{
    CountingFrame frame;
    frame.ShowWindow(SW_SHOW);
    CGTSlider* slider = CGTSlider::CreateDefaultSlider(0x1000, &frame);
    ASSERT_NE(nullptr, slider);
    slider->SetWindowPos(nullptr, 10, 10, 4, 100, SWP_NOZORDER);
    slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 20));
    ASSERT_EQ(slider, CWnd::GetCapture());

    EXPECT_TRUE(Translate(frame, frame.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE));
    EXPECT_NE(slider, CWnd::GetCapture());
    EXPECT_FALSE(Translate(frame, frame.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE)) << "no drag: the view gets it";
    slider->DestroyWindow();
}

TEST(FrameWnd, ClosingDuringPrintPreviewClosesOnlyThePreview)
{
    CountingFrame frame;
    CPrintPreviewState state;
    frame.OnSetPreviewMode(TRUE, &state);
    frame.SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(frame.GetSafeHwnd()));
    EXPECT_EQ(std::vector<UINT>{AFX_ID_PREVIEW_CLOSE}, frame.m_Commands);
    frame.OnSetPreviewMode(FALSE, &state);
}

TEST(FrameWnd, AcceleratorCommandsAreCounted)
{
    CountingFrame frame;
    const UINT before = CGTToolBar::GetCommandUsage().GetCount(0x8124);
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(0x8124, 1));
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(0x8124, 0));
    EXPECT_EQ(before + 1, CGTToolBar::GetCommandUsage().GetCount(0x8124));
}

TEST(FrameWnd, AltAndF10MoveTheFocusToTheMenuBarAndBack)
{
    CountingFrame frame;
    frame.ShowWindow(SW_SHOW);
    frame.SetActiveWindow();
    frame.SetFocus();
    CGTMenuBar menuBar;
    ASSERT_TRUE(menuBar.CreateEx(&frame));
    ASSERT_EQ(&menuBar, frame.GetMenuBar());
    const struct {
        WPARAM key;
        HWND focus;
    } steps[] = {{VK_F10, menuBar.GetSafeHwnd()},
                 {VK_F10, frame.GetSafeHwnd()},
                 {VK_MENU, menuBar.GetSafeHwnd()},
                 {VK_MENU, frame.GetSafeHwnd()}};
    for (const auto& step : steps) {
        EXPECT_TRUE(Translate(frame, frame.GetSafeHwnd(), WM_SYSKEYUP, step.key));
        EXPECT_EQ(step.focus, ::GetFocus()) << step.key;
    }
    menuBar.DestroyWindow();
}

TEST(FrameWnd, AClickOutsideAnOpenPopupClosesIt)
{
    CountingFrame frame;
    frame.ShowWindow(SW_SHOW);
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuW(menu, MF_STRING, 0x8300, L"&Daily");
    auto* popup = new CGTPopupMenu;
    ASSERT_TRUE(popup->Create(&frame, 300, 200, menu, FALSE, TRUE));
    ASSERT_EQ(popup, CGTPopupMenu::GetActiveMenu());
    HWND popupWindow = popup->GetSafeHwnd();

    CRect inside;
    popup->GetWindowRect(&inside);
    CPoint point = inside.CenterPoint();
    ::ScreenToClient(popupWindow, &point);
    EXPECT_FALSE(Translate(frame, popupWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y)));
    EXPECT_TRUE(::IsWindow(popupWindow)) << "a click on the popup is the popup's";

    EXPECT_FALSE(Translate(frame, frame.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)));
    EXPECT_FALSE(::IsWindow(popupWindow));
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());
    ::DestroyMenu(menu);
}
