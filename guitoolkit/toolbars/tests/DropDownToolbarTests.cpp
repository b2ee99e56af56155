#include <guitoolkit/toolbars/CCustomizeButton.h>
#include <guitoolkit/toolbars/CGTDropDownFrame.h>
#include <guitoolkit/toolbars/CGTDropDownToolbarButton.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "GtToolbarsTestIds.h"
#include "PopupTestSupport.h"

namespace {
const UINT groupBarId = 0x7F50;

// A group's button that counts the deletions of its kind.
class CountedButton : public CGTToolbarButton {
public:
    CountedButton(UINT iCommandId, int iImage) : CGTToolbarButton(iCommandId, iImage, nullptr, FALSE, TRUE) {}
    ~CountedButton() override { ++s_Deleted; }
    static int s_Deleted;
};
int CountedButton::s_Deleted = 0;

// A frame with a hidden group bar of three periods and a bar holding their drop-down button.
struct DropDownBars {
    MenuFrame frame;
    CGTDropDownToolBar group;
    CGTToolBar bar;
    CGTDropDownToolbarButton* button;

    DropDownBars()
    {
        CountedButton::s_Deleted = 0;
        group.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), groupBarId);
        int image = 0;
        for (const UINT command : {ID_GT_TEST_FIRST, ID_GT_TEST_SECOND, ID_GT_TEST_THIRD})
            group.InsertButton(new CountedButton(command, image++));
        bar.CreateEx(&frame);
        button = new CGTDropDownToolbarButton(L"Periods", &group);
        bar.InsertButton(button);
        bar.SetWindowPos(nullptr, 0, 0, 300, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        bar.RecalcButtonLayout();
    }
    ~DropDownBars()
    {
        bar.DestroyWindow();
        group.DestroyWindow();
    }
    void Press(UINT iMessage)
    {
        const CPoint at = button->Rect().CenterPoint();
        bar.SendMessage(iMessage, iMessage == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
    }
    // Lets the messages and timers run until the frame shows (or a generous while passes).
    CGTDropDownFrame* WaitForFrame()
    {
        for (int round = 0; round < 100 && button->GetOpenFrame() == nullptr; ++round) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            PumpMessages();
        }
        return button->GetOpenFrame();
    }
};
}  // namespace

TEST(DropDownToolbar, AShortClickRunsTheCurrentCommandAndAHeldOneOpensTheGroup)
{
    DropDownBars bars;
    bars.button->SetDefaultCommand(ID_GT_TEST_SECOND);
    EXPECT_EQ(1, bars.button->GetImageIndex());
    bars.Press(WM_LBUTTONDOWN);
    EXPECT_TRUE(bars.button->IsHoldPending());
    bars.Press(WM_LBUTTONUP);
    EXPECT_FALSE(bars.button->IsHoldPending());
    EXPECT_EQ(std::vector<UINT>{ID_GT_TEST_SECOND}, bars.frame.m_Commands);
    EXPECT_EQ(nullptr, bars.button->GetOpenFrame());

    bars.Press(WM_LBUTTONDOWN);
    CGTDropDownFrame* frame = bars.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    EXPECT_FALSE(bars.button->IsHoldPending());
    EXPECT_EQ(3, frame->GetBar().GetButtonCount());
    // Under a horizontal bar the group stands in a column beside the button's left edge.
    CRect window;
    frame->GetWindowRect(&window);
    const CRect anchor = bars.button->GetScreenRect();
    EXPECT_EQ(anchor.left - 1, window.left);
    EXPECT_EQ(anchor.bottom, window.top);
    EXPECT_GT(window.Height(), window.Width());

    // Released over the button, the press that opened the frame runs nothing.
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(std::vector<UINT>{ID_GT_TEST_SECOND}, bars.frame.m_Commands);
}

TEST(DropDownToolbar, ChoosingAButtonRunsItOnceAndMakesItTheCurrentCommand)
{
    DropDownBars bars;
    ASSERT_TRUE(bars.button->ShowDropDown(nullptr));
    CGTDropDownFrame* frame = bars.button->GetOpenFrame();
    ASSERT_NE(nullptr, frame);
    // While the group is shown, its bar takes no changes.
    {
        const auto refused = std::make_unique<CountedButton>(1, 0);
        EXPECT_EQ(-1, bars.group.InsertButton(refused.get()));
    }
    EXPECT_FALSE(bars.group.RemoveButton(0));
    bars.group.RemoveAllButtons();
    EXPECT_EQ(3, bars.group.GetButtonCount());

    CGTDropDownToolBar& shown = frame->GetBar();
    const CPoint third = shown.GetButton(2)->Rect().CenterPoint();
    shown.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(third.x, third.y));
    EXPECT_EQ(shown.GetButton(2), shown.GetHotButton());
    shown.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(third.x, third.y));
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{ID_GT_TEST_THIRD}, bars.frame.m_Commands);
    EXPECT_EQ(UINT(ID_GT_TEST_THIRD), bars.button->m_CommandId);
    EXPECT_EQ(2, bars.button->GetImageIndex());
    EXPECT_EQ(nullptr, bars.button->GetOpenFrame());

    // The frame and its bar are gone; the group's buttons are still the group bar's.
    EXPECT_EQ(1, CountedButton::s_Deleted);
    ASSERT_EQ(3, bars.group.GetButtonCount());
    EXPECT_EQ(UINT(ID_GT_TEST_FIRST), bars.group.GetButton(0)->m_CommandId);
}

TEST(DropDownToolbar, NearTheBottomOfTheScreenTheFrameOpensAbove)
{
    DropDownBars bars;
    CRect area;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    bars.frame.SetWindowPos(nullptr, area.left + 50, area.bottom - 100, 500, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(bars.button->ShowDropDown(nullptr));
    CRect window;
    bars.button->GetOpenFrame()->GetWindowRect(&window);
    EXPECT_LE(window.bottom, bars.button->GetScreenRect().top);
    EXPECT_LE(window.bottom, area.bottom);
    bars.button->GetOpenFrame()->SendMessage(WM_CLOSE);
}

TEST(DropDownToolbar, AStoredButtonFindsItsGroupAgain)
{
    DropDownBars bars;
    bars.button->SetDefaultCommand(ID_GT_TEST_THIRD);
    CGTDropDownToolbarButton read;
    Load(read, Stored(*bars.button));
    EXPECT_EQ(&bars.group, read.GetGroup());
    EXPECT_EQ(CString(L"Periods"), read.GetName());
    EXPECT_EQ(UINT(ID_GT_TEST_THIRD), read.m_CommandId);
    EXPECT_EQ(2, read.GetImageIndex());
}

TEST(DropDownToolbar, BehindTheChevronTheButtonOpensItsGroupAsASubMenu)
{
    PlainMenuOptions options;
    DropDownBars bars;
    bars.bar.InsertButton(new FixedButton(ID_GT_TEST_OPEN, 280), 0);
    ASSERT_TRUE(bars.bar.SetCustomizeButton(TRUE, ID_GT_TEST_OPEN, L"&Customize..."));
    bars.bar.SetWindowPos(nullptr, 0, 0, 300, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    bars.bar.RecalcButtonLayout();
    ASSERT_EQ(1, bars.bar.GetOverflowButtons().GetCount());
    auto* chevron = static_cast<CCustomizeButton*>(bars.bar.GetCustomizeButton());
    ASSERT_TRUE(chevron->OpenPopupForParent(&bars.bar));

    const auto* item = static_cast<CGTToolbarMenuButton*>(chevron->GetPopupMenu()->GetMenuItem(0));
    EXPECT_EQ(CString(L"Periods"), item->m_Text);
    EXPECT_EQ(0u, item->m_CommandId);
    std::vector<UINT> commands;
    for (POSITION at = item->GetSubItems().GetHeadPosition(); at != nullptr;)
        commands.push_back(static_cast<CGTToolbarButton*>(item->GetSubItems().GetNext(at))->m_CommandId);
    EXPECT_EQ((std::vector<UINT>{ID_GT_TEST_FIRST, ID_GT_TEST_SECOND, ID_GT_TEST_THIRD}), commands);
    chevron->OnCancelMode();
}
