#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/core/CGTKeyHelper.h>
#include <guitoolkit/toolbars/CGTShowAllButton.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include "PopupTestSupport.h"

namespace {
// A personalised menu whose commands 102 and 103 are hidden, open from a toolbar.
struct PersonalisedPopup {
    PlainMenuOptions options;
    MenuFrame frame;
    MenuToolBar bar{frame, {{L"&Open", 100}, {L"&Rare", 102}, {L"&Other", 103}}};
    CGTPopupMenu* popup = nullptr;

    PersonalisedPopup()
    {
        GTMenuOptions::s_RecentlyUsed = TRUE;
        CList<UINT, UINT> basic;
        basic.AddTail(100);
        CGTToolBar::SetCoreCommands(basic);
        CGTToolBar::GetCommandUsage().Reset();
        popup = bar.Open();
    }
    ~PersonalisedPopup() { CGTToolBar::SetCoreCommands(CList<UINT, UINT>()); }

    CGTPopupMenuBar& Bar() const { return *popup->GetMenuBar(); }
    int ShowAllIndex() const { return popup->GetMenuItemCount() - 1; }
};
}  // namespace

TEST(ShowAllButton, StandsLastWhereItemsAreHiddenAndIsTheLooksHeight)
{
    PersonalisedPopup menu;
    ASSERT_NE(nullptr, menu.popup);
    CGTToolbarButton* item = menu.popup->GetMenuItem(menu.ShowAllIndex());
    ASSERT_TRUE(item->IsShowAllButton());
    CClientDC dc(&menu.Bar());
    const CSize size = item->CalcSize(&dc, CSize(23, 22), TRUE);
    EXPECT_EQ(50, size.cx);
    EXPECT_EQ(CGTVisualManager::GetCurrent()->GetShowAllButtonHeight(&dc, CSize(23, 22)), size.cy);

    // Offered again, the menu keeps its one show-all item.
    CGTPopupMenu::ActivatePopupMenu(menu.popup->HostFrame(), menu.popup);
    EXPECT_EQ(2, menu.popup->GetMenuItemCount());
}

TEST(ShowAllButton, AClickExpandsTheMenu)
{
    PersonalisedPopup menu;
    ASSERT_NE(nullptr, menu.popup);
    const CPoint at = menu.popup->GetMenuItem(menu.ShowAllIndex())->Rect().CenterPoint();
    menu.Bar().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    menu.Bar().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y + 1));
    menu.Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    menu.Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(3, menu.popup->GetMenuItemCount());
    EXPECT_FALSE(menu.popup->HasHiddenItems());
}

TEST(ShowAllButton, RestingOnItExpandsTheMenuOnlyWhenTheUserLetsIt)
{
    for (const BOOL afterDelay : {TRUE, FALSE}) {
        PersonalisedPopup menu;
        ASSERT_NE(nullptr, menu.popup);
        GTMenuOptions::s_ShowAllAfterDelay = afterDelay;
        menu.Bar().SetHot(menu.ShowAllIndex());
        menu.Bar().SendMessage(WM_TIMER, 1);
        EXPECT_EQ(afterDelay ? 3 : 2, menu.popup->GetMenuItemCount()) << afterDelay;
        GTMenuOptions::s_ShowAllAfterDelay = TRUE;
    }
}

TEST(ShowAllButton, ItsTipNamesTheExpandKey)
{
    CGTShowAllButton button;
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(button.GetTooltipText(nullptr, nullptr));
    ASSERT_TRUE(button.GetTooltipText(nullptr, &info));
    const ACCEL ctrlDown = {FVIRTKEY | FCONTROL, VK_DOWN, 0};
    CString keys;
    CGTKeyHelper(&ctrlDown).Format(keys);
    EXPECT_EQ(L"Expand (" + keys + L")", CString(info.lpszText));
    EXPECT_EQ(0, keys.Find(L"Ctrl+"));
    EXPECT_EQ(0u, info.uId);
    ::free(info.lpszText);
}
