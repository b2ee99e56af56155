#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <gtest/gtest.h>
#include "FrameTestSupport.h"

namespace {
const UINT tearOffId = 0xE900;

// A popup of two commands opened from a sub-menu item that may be torn off.
struct OpenSubMenu {
    OpenSubMenu() : item(0, nullptr, -1, L"&Files\tAlt+F")
    {
        frame.ShowWindow(SW_SHOWNA);
        item.SetTearOff(tearOffId);
        HMENU menu = ::CreatePopupMenu();
        ::AppendMenuW(menu, MF_STRING, 0x8001, L"&Open\tCtrl+O");
        ::AppendMenuW(menu, MF_STRING, 0x8002, L"&Save");
        popup = new CGTPopupMenu;
        popup->m_ParentButton = &item;
        popup->Create(&frame, 200, 200, menu);
        ::DestroyMenu(menu);
        window = popup->GetSafeHwnd();
    }
    ~OpenSubMenu()
    {
        if (::IsWindow(window))
            ::SendMessageW(window, WM_CLOSE, 0, 0);
    }

    StackToolkitFrame frame;
    CGTToolbarMenuButton item;
    CGTPopupMenu* popup;
    HWND window;
};
}  // namespace

TEST(TearOff, AReleaseKeepsTheFloatingBarWithTheMenusCommandsAndAnEscapeBringsThePopupBack)
{
    for (BOOL release : {TRUE, FALSE}) {
        OpenSubMenu open;
        ::PostMessageW(nullptr, release ? WM_LBUTTONUP : WM_KEYDOWN, release ? 0 : VK_ESCAPE, 0);
        open.popup->TearOff(CPoint(10, 5));
        CGTToolBar* bar = open.frame.FindTearOffBar(tearOffId);
        if (!release) {
            EXPECT_EQ(nullptr, bar);
            EXPECT_TRUE(::IsWindowVisible(open.window));
            EXPECT_EQ(0, open.frame.GetFrameImpl().GetTearOffBars().GetCount());
            continue;
        }
        ASSERT_NE(nullptr, bar);
        EXPECT_FALSE(::IsWindow(open.window));
        EXPECT_NE(nullptr, bar->GetParentMiniFrame());
        CString name;
        bar->GetWindowText(name);
        EXPECT_STREQ(L"&Files", name);
        ASSERT_EQ(2, bar->GetButtonCount());
        EXPECT_EQ(0x8001u, bar->GetButton(0)->m_CommandId);
        EXPECT_STREQ(L"&Open", bar->GetButton(0)->m_Text);
        EXPECT_EQ(0x8002u, bar->GetButton(1)->m_CommandId);
    }
}
