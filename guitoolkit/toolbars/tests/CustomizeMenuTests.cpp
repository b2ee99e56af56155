#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <gtest/gtest.h>
#include <memory>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
// A bar whose customize menu is recorded instead of shown.
class MenuBarUnderTest : public LayoutBar {
public:
    using LayoutBar::LayoutBar;
    void Select(int iIndex)
    {
        TakeCustomizeSelection();
        m_SelectedIndex = iIndex;
    }
    void Lock() { m_Locked = TRUE; }
    void SetMenuMode() { m_MenuMode = TRUE; }
    void StartDrag(int iIndex) { m_DraggedButton = GetButton(iIndex); }
    BOOL IsDragging() const { return m_DraggedButton != nullptr; }
    void Command(UINT iCommand) { SendMessage(WM_COMMAND, iCommand); }
    void RightClick(int iIndex)
    {
        CPoint point = GetButton(iIndex)->Rect().CenterPoint();
        ClientToScreen(&point);
        SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(point.x, point.y));
    }
    std::vector<UINT> Commands() const
    {
        std::vector<UINT> ids;
        for (int index = 0; index < GetButtonCount(); ++index)
            ids.push_back(GetItemID(index));
        return ids;
    }
    void TrackCustomizeMenu(CMenu&, CPoint) override { ++m_MenusShown; }
    int m_MenusShown = 0;
};

class CustomizeMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Bar = std::make_unique<MenuBarUnderTest>(m_Parent, 300, std::vector<int>{20, 20, 20, 20});
        m_Bar->RecalcButtonLayout();
    }
    // The states of the customize menu's items the bar prepares for a button.
    std::vector<UINT> ItemStates(int iIndex)
    {
        CMenu menu;
        EXPECT_TRUE(menu.LoadMenu(IDR_GT_CUSTOMIZE_MENU));
        CMenu* popup = menu.GetSubMenu(0);
        EXPECT_TRUE(m_Bar->UpdateMenuItemState(m_Bar->GetButton(iIndex), popup));
        std::vector<UINT> states;
        for (UINT id = ID_GT_CUSTOMIZE_RESET; id <= ID_GT_CUSTOMIZE_START_GROUP; ++id)
            states.push_back(popup->GetMenuState(id, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
        return states;
    }

    CustomizeModeScope m_Customizing;
    TestParent m_Parent;
    std::unique_ptr<MenuBarUnderTest> m_Bar;
};

const UINT on = MF_CHECKED;
const UINT grey = MF_GRAYED;
}  // namespace

TEST_F(CustomizeMenu, TheItemsShowHowTheButtonShowsAndWhatCanChange)
{
    m_Bar->InsertSeparator(2);
    const struct {
        int index;
        BOOL text;
        BOOL image;
        std::vector<UINT> states;  // reset, copy, delete, appearance, image, text, both, group
    } cases[] = {
        {0, FALSE, TRUE, {0, 0, 0, 0, on, 0, 0, grey}},
        {1, TRUE, FALSE, {0, 0, 0, 0, 0, on, 0, 0}},
        {1, TRUE, TRUE, {0, 0, 0, 0, 0, 0, on, 0}},
        {3, FALSE, TRUE, {0, 0, 0, 0, on, 0, 0, on}},
    };
    for (const auto& c : cases) {
        CGTToolbarButton* button = m_Bar->GetButton(c.index);
        button->m_ShowText = c.text;
        button->m_ShowImage = c.image;
        EXPECT_EQ(c.states, ItemStates(c.index)) << c.index << c.text << c.image;
    }

    // On a menu the button always shows its text, and how it shows is not offered.
    m_Bar->SetMenuMode();
    m_Bar->GetButton(1)->m_ShowText = FALSE;
    EXPECT_EQ((std::vector<UINT>{0, 0, 0, 0, grey, grey, grey | on, 0}), ItemStates(1));
    EXPECT_TRUE(m_Bar->GetButton(1)->m_ShowText);
}

TEST_F(CustomizeMenu, ARightClickSelectsTheButtonAndShowsTheMenuExceptOnSystemCommandsAndLockedBars)
{
    m_Bar->RightClick(1);
    EXPECT_EQ(1, m_Bar->Selected());
    EXPECT_EQ(1, m_Bar->m_MenusShown);

    m_Bar->GetButton(2)->m_CommandId = SC_CLOSE;
    m_Bar->RightClick(2);
    EXPECT_EQ(-1, m_Bar->Selected());
    EXPECT_EQ(1, m_Bar->m_MenusShown);

    CountingBeeper beeper;
    m_Bar->Lock();
    m_Bar->RightClick(1);
    EXPECT_EQ(1, m_Bar->m_MenusShown);
    EXPECT_EQ((std::vector<UINT>{0xFFFFFFFF}), beeper.m_Beeps);
}

TEST_F(CustomizeMenu, StartGroupTwiceInsertsThenRemovesTheSeparator)
{
    m_Bar->Select(2);
    m_Bar->Command(ID_GT_CUSTOMIZE_START_GROUP);
    EXPECT_EQ((std::vector<UINT>{100, 101, 0, 102, 103}), m_Bar->Commands());
    EXPECT_EQ(3, m_Bar->Selected());
    m_Bar->Command(ID_GT_CUSTOMIZE_START_GROUP);
    EXPECT_EQ((std::vector<UINT>{100, 101, 102, 103}), m_Bar->Commands());
    EXPECT_EQ(2, m_Bar->Selected());
}

TEST_F(CustomizeMenu, TextWithoutACaptionBeepsAndKeepsTheImage)
{
    CountingBeeper beeper;
    CGTToolbarButton* button = m_Bar->GetButton(0);
    m_Bar->Select(0);
    m_Bar->Command(ID_GT_CUSTOMIZE_TEXT);
    EXPECT_EQ((std::vector<UINT>{0xFFFFFFFF}), beeper.m_Beeps);
    EXPECT_FALSE(button->m_ShowText);
    EXPECT_TRUE(button->m_ShowImage);

    // A command with a short name shows it.
    button->m_CommandId = ID_GT_TEST_FIRST;
    m_Bar->Command(ID_GT_CUSTOMIZE_TEXT);
    EXPECT_EQ(1u, beeper.m_Beeps.size());
    EXPECT_TRUE(button->m_ShowText);
    EXPECT_FALSE(button->m_ShowImage);
    EXPECT_EQ(CString(L"Day"), button->m_Text);
}

TEST_F(CustomizeMenu, ASideDragOfSixPixelsAddsOrRemovesTheGroupSeparator)
{
    const struct {
        int dx;
        std::vector<UINT> commands;
    } cases[] = {
        {5, {100, 101, 102, 103}},     {6, {100, 101, 0, 102, 103}},
        {6, {100, 101, 0, 102, 103}},  // one separator is enough
        {-5, {100, 101, 0, 102, 103}}, {-6, {100, 101, 102, 103}},
    };
    for (const auto& c : cases) {
        CGTToolbarButton* button = m_Bar->GetButton(m_Bar->CommandToIndex(102));
        m_Bar->AdjustGroupSeparator(button, CPoint(50, 5), CPoint(50 + c.dx, 5));
        EXPECT_EQ(c.commands, m_Bar->Commands()) << c.dx;
    }
    m_Bar->AdjustGroupSeparator(m_Bar->GetButton(0), CPoint(5, 5), CPoint(50, 5));
    EXPECT_EQ(100u, m_Bar->GetItemID(0));
}

TEST_F(CustomizeMenu, ResetTakesTheDefaultImageAndForgetsTheUsersImage)
{
    CGTToolBar::SetDefaultImage(101, 5);
    GetCommandManager().SetCommandImage(101, 3, TRUE);
    CGTToolbarButton* button = m_Bar->GetButton(1);
    button->m_UserImage = TRUE;
    button->m_ShowText = TRUE;
    button->m_ShowImage = FALSE;
    m_Bar->Select(1);
    m_Bar->Command(ID_GT_CUSTOMIZE_RESET);
    EXPECT_FALSE(button->m_UserImage);
    EXPECT_EQ(5, button->GetImage());
    EXPECT_TRUE(button->m_ShowImage);
    EXPECT_FALSE(button->m_ShowText);
    EXPECT_EQ(-1, GetCommandManager().GetCommandImage(101, TRUE));
}

TEST_F(CustomizeMenu, DeleteRemovesTheSelectedButtonAndCancelModeEndsADrag)
{
    m_Bar->Select(1);
    m_Bar->Command(ID_GT_CUSTOMIZE_DELETE);
    EXPECT_EQ((std::vector<UINT>{100, 102, 103}), m_Bar->Commands());
    EXPECT_EQ(-1, m_Bar->Selected());

    m_Bar->StartDrag(0);
    m_Bar->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(m_Bar->IsDragging());
}
