#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTMenuButton.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>

namespace {

class MenuButtons : public ::testing::Test {
protected:
    MenuButtons() : m_Parent(CRect(100, 100, 400, 300), WS_POPUP | WS_VISIBLE)
    {
        m_Button.Create(L"Pick", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 110, 34), &m_Parent, 55);
        m_Menu.CreatePopupMenu();
        m_Menu.AppendMenu(MF_STRING, 301, L"One");
        m_Menu.AppendMenu(MF_STRING, 302, L"Two");
        m_Button.m_Menu = m_Menu.GetSafeHmenu();
    }
    void ClickAt(int iX)
    {
        m_Button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(iX, 12));
        m_Button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(iX, 12));
    }

    FakeModalDialogs m_Menus;
    ParentWindow m_Parent;
    CGTMenuButton m_Button;
    CMenu m_Menu;
};

TEST_F(MenuButtons, AChoiceIsKeptAndTheParentHearsAClickADismissalNeither)
{
    m_Menus.m_Choice = 302;
    ClickAt(50);
    EXPECT_EQ(m_Menus.m_MenusTracked, 1);
    EXPECT_EQ(m_Menus.m_Menu, m_Menu.GetSafeHmenu());
    EXPECT_EQ(m_Menus.m_MenuAt, CPoint(110, 134)) << "the button's bottom-left corner on the screen";
    EXPECT_EQ(m_Button.m_ChosenCommand, 302u);
    EXPECT_EQ(m_Parent.Commands(), (std::vector<WPARAM>{MAKEWPARAM(55, BN_CLICKED)}));
    EXPECT_FALSE(m_Button.IsPushed());

    m_Parent.m_Recorded.clear();
    m_Menus.m_Choice = 0;
    m_Button.m_RightArrow = TRUE;
    m_Button.m_StayPressed = TRUE;
    m_Button.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(m_Menus.m_MenusTracked, 2);
    EXPECT_EQ(m_Menus.m_MenuAt, CPoint(210, 110)) << "the top-right corner with the right arrow";
    EXPECT_EQ(m_Button.m_ChosenCommand, 0u);
    EXPECT_TRUE(m_Parent.Commands().empty());
    EXPECT_FALSE(m_Button.IsPushed());
}

TEST_F(MenuButtons, InSplitModeOnlyTheArrowPartOpensTheMenu)
{
    m_Button.m_SplitMode = TRUE;
    m_Menus.m_Choice = 301;
    ClickAt(20);
    EXPECT_EQ(m_Menus.m_MenusTracked, 0);
    EXPECT_EQ(m_Button.m_ChosenCommand, 0u);
    EXPECT_EQ(m_Parent.Commands(), (std::vector<WPARAM>{MAKEWPARAM(55, BN_CLICKED)}));

    m_Parent.m_Recorded.clear();
    ClickAt(95);
    EXPECT_EQ(m_Menus.m_MenusTracked, 1);
    EXPECT_EQ(m_Button.m_ChosenCommand, 301u);
    EXPECT_EQ(m_Parent.Commands().size(), 1u) << "the release after the menu adds no click";
}

TEST_F(MenuButtons, WithoutAMenuNothingOpens)
{
    m_Button.m_Menu = nullptr;
    m_Button.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(m_Menus.m_MenusTracked, 0);
    EXPECT_EQ(m_Button.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS);
}

}  // namespace
