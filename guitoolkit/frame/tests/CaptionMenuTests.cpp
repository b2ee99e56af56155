#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <gtest/gtest.h>
#include "FrameTestSupport.h"
#include "GtToolbarsTestIds.h"

namespace {
// The items of a list of menu buttons as "text=command", with the sub-items in brackets.
std::wstring Items(const CObList& iItems)
{
    std::wstring items;
    for (POSITION at = iItems.GetHeadPosition(); at != nullptr;) {
        const auto* item = static_cast<CGTToolbarButton*>(iItems.GetNext(at));
        items += (items.empty() ? L"" : L"|") + std::wstring(item->m_Text) + L"=" + std::to_wstring(item->m_CommandId);
        if (auto* menu = DYNAMIC_DOWNCAST(CGTToolbarMenuButton, const_cast<CGTToolbarButton*>(item));
            menu != nullptr && !menu->GetSubItems().IsEmpty())
            items += L"[" + Items(menu->GetSubItems()) + L"]";
    }
    return items;
}

class MenuRunner : public CGTMiniFrameWnd {
public:
    static void Press(CGTMiniFrameWnd& ioFrame, UINT iHitCode)
    {
        static_cast<MenuRunner&>(ioFrame).RunCaptionButtonAction(iHitCode);
    }
};
}  // namespace

TEST(CaptionMenu, AFloatingToolbarsMenuButtonOffersItsButtonsByItsIdAndItsCustomizeCommand)
{
    StackToolkitFrame frame;
    frame.ShowWindow(SW_SHOWNA);
    auto* bar = new CGTToolBar;
    ASSERT_TRUE(bar->Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE8F3));
    bar->SetWindowText(L" Standard ");
    bar->InsertButton(new CGTToolbarButton(ID_GT_TEST_FIRST, -1, L"Day", FALSE, TRUE));
    bar->SetCustomizeButton(TRUE, 0x8200, L"Customize...");
    bar->SetBehaviourStyle(GTBehaviourAll);
    ASSERT_TRUE(bar->FloatAtRect(CRect(300, 300, 400, 330), GTDockByRect, TRUE));
    CGTMiniFrameWnd& floating = *bar->GetParentMiniFrame();

    MenuRunner::Press(floating, GTHitFrameClose);
    EXPECT_EQ(nullptr, CGTPopupMenu::GetActiveMenu());
    MenuRunner::Press(floating, GTHitMenu);
    CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, popup);
    CObList items;
    for (int i = 0; i < popup->GetMenuItemCount(); ++i)
        items.AddTail(popup->GetMenuItem(i));
    EXPECT_EQ(L"&Add or Remove Buttons=" + std::to_wstring(static_cast<UINT>(-1)) + L"[Standard=" +
                  std::to_wstring(static_cast<UINT>(-1)) + L"[" + std::to_wstring(0xE8F3) + L"=1]|Customize...=" +
                  std::to_wstring(0x8200) + L"]",
              Items(items));
    popup->SendMessage(WM_CLOSE);
    bar->DestroyWindow();
    delete bar;
}
