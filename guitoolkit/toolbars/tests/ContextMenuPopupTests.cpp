#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <gtest/gtest.h>
#include "GtToolbarsTestIds.h"
#include <guitoolkit/core/tests/ScratchRegistryKey.h>

namespace {
// A frame on the screen that hands keys to the open popup, as the toolkit's frames do.
class KeyRoutingFrame : public CFrameWnd {
public:
    KeyRoutingFrame()
    {
        Create(nullptr, L"Context", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400));
        m_bAutoMenuEnable = FALSE;
    }
    ~KeyRoutingFrame() override { DestroyWindow(); }
    BOOL PreTranslateMessage(MSG* iMsg) override
    {
        if (iMsg->message == WM_KEYDOWN && CGTPopupMenu::GetActiveMenu() != nullptr) {
            CGTPopupMenu::GetActiveMenu()->SendMessage(WM_KEYDOWN, iMsg->wParam, iMsg->lParam);
            return TRUE;
        }
        return CFrameWnd::PreTranslateMessage(iMsg);
    }

protected:
    void PostNcDestroy() override {}
};

// A window that hooks the mouse while a popup is open over it, as toolkit dialogs do.
class PopupHost : public CWnd, public IGTPopupMenuHost {
public:
    PopupHost() { CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr); }
    ~PopupHost() override { DestroyWindow(); }
    void SetActivePopupMenu(CWnd* iMenu) override { m_Told.push_back(iMenu != nullptr); }
    std::vector<bool> m_Told;
};

// No animation, no shadows, no personalised menus while it lives.
class PlainMenus {
public:
    PlainMenus() : m_Animation(GTMenuOptions::s_Animation), m_Shadows(GTMenuOptions::s_Shadows)
    {
        GTMenuOptions::s_Animation = 0;
        GTMenuOptions::s_Shadows = FALSE;
    }
    ~PlainMenus()
    {
        GTMenuOptions::s_Animation = m_Animation;
        GTMenuOptions::s_Shadows = m_Shadows;
    }

private:
    int m_Animation;
    BOOL m_Shadows;
};
}  // namespace

TEST(ContextMenuPopups, ShownByIdBesideTheOwnerOrNotForAHostWithoutItsOwnCommands)
{
    PlainMenus plain;
    KeyRoutingFrame frame;
    CGTContextMenuManager manager;
    ASSERT_TRUE(manager.AddMenu(L"Edit", IDR_GT_TEST_CONTEXT));
    EXPECT_FALSE(manager.ShowPopupMenu(999, -1, -1, &frame));
    ASSERT_TRUE(manager.ShowPopupMenu(IDR_GT_TEST_CONTEXT, -1, -1, &frame));
    CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, popup);
    CPoint origin(0, 0);
    frame.ClientToScreen(&origin);
    EXPECT_EQ(origin + CPoint(5, 5), popup->GetScreenRect().TopLeft());
    EXPECT_EQ(2, popup->GetMenuItemCount());

    // A second menu closes the first one.
    const HWND first = popup->GetSafeHwnd();
    ASSERT_TRUE(manager.ShowPopupMenu(IDR_GT_TEST_CONTEXT, 150, 150, &frame));
    EXPECT_FALSE(::IsWindow(first));
    CGTPopupMenu::GetActiveMenu()->DestroyWindow();
    EXPECT_TRUE(::IsMenu(::GetSubMenu(manager.LookupMenuByName(L"Edit"), 0))) << "the menu stays registered";

    PopupHost host;
    EXPECT_EQ(nullptr, manager.ShowPopupMenu(::GetSubMenu(manager.LookupMenuByName(L"Edit"), 0), 10, 10, &host));
    CGTPopupMenu* own = manager.ShowPopupMenu(::GetSubMenu(manager.LookupMenuByName(L"Edit"), 0), 10, 10, &host, TRUE);
    ASSERT_NE(nullptr, own);
    own->DestroyWindow();
    EXPECT_EQ((std::vector<bool>{true, false}), host.m_Told);
}

TEST(ContextMenuPopups, TrackingReturnsTheChosenCommand)
{
    PlainMenus plain;
    CWinApp app(L"Context");
    KeyRoutingFrame frame;
    CGTContextMenuManager manager;
    ASSERT_TRUE(manager.AddMenu(L"Edit", IDR_GT_TEST_CONTEXT));
    HMENU items = ::GetSubMenu(manager.LookupMenuByName(L"Edit"), 0);
    frame.PostMessage(WM_KEYDOWN, VK_DOWN);
    frame.PostMessage(WM_KEYDOWN, VK_DOWN);
    frame.PostMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(static_cast<UINT>(ID_GT_TEST_COPY), manager.TrackPopupMenu(items, 150, 150, &frame));
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());

    frame.PostMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(0u, manager.TrackPopupMenu(items, 150, 150, &frame));

    // Asked to quit, the menu gives up and the application still gets the request.
    ::PostQuitMessage(3);
    EXPECT_EQ(0u, manager.TrackPopupMenu(items, 150, 150, &frame));
    MSG quit = {};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, quit.wParam);
    if (CGTPopupMenu* open = CGTPopupMenu::GetActiveMenu())
        open->DestroyWindow();
    EXPECT_TRUE(::IsMenu(items));
}

TEST(ContextMenuPopups, TheUsersMenusSurviveThroughTheRegistryAndTheMenuHash)
{
    PlainMenus plain;
    ScratchRegistryKey scratch(L"GtContextMenus");
    KeyRoutingFrame frame;
    CGTContextMenuManager manager;
    ASSERT_TRUE(manager.AddMenu(L"Edit", IDR_GT_TEST_CONTEXT));
    HMENU items = ::GetSubMenu(manager.LookupMenuByName(L"Edit"), 0);
    ASSERT_TRUE(manager.SaveState(scratch.Path()));

    // The menu changes after its items were stored; loading brings them back.
    ::DeleteMenu(items, ID_GT_TEST_CUT, MF_BYCOMMAND);
    ASSERT_TRUE(manager.ResetState());
    ASSERT_TRUE(manager.LoadState(scratch.Path()));
    ASSERT_TRUE(manager.ShowPopupMenu(IDR_GT_TEST_CONTEXT, 150, 150, &frame));
    CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(2, popup->GetMenuItemCount());
    EXPECT_EQ(static_cast<UINT>(ID_GT_TEST_CUT), popup->GetMenuItem(0)->m_CommandId);
    EXPECT_EQ(static_cast<UINT>(ID_GT_TEST_COPY), popup->GetMenuItem(1)->m_CommandId);
    popup->DestroyWindow();

    // Reset, the menu shows what it holds now.
    ASSERT_TRUE(manager.ResetState());
    ASSERT_TRUE(manager.ShowPopupMenu(IDR_GT_TEST_CONTEXT, 150, 150, &frame));
    popup = CGTPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(1, popup->GetMenuItemCount());
    popup->DestroyWindow();
}
