#include <guitoolkit/core/GuiToolkitSeams.h>
#include <afxpriv.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {

// A parent that records the commands and prompts its bar sends.
class CommandRecordingParent : public TestParent {
public:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_COMMAND)
            m_Commands.push_back(static_cast<UINT>(iWParam));
        if (iMessage == WM_SETMESSAGESTRING)
            m_Prompts.push_back(static_cast<UINT>(iWParam));
        return TestParent::WindowProc(iMessage, iWParam, iLParam);
    }
    std::vector<UINT> m_Commands;
    std::vector<UINT> m_Prompts;
};

void Send(CWnd& iBar, UINT iMessage, int iX, int iY)
{
    iBar.SendMessage(iMessage, iMessage == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(iX, iY));
}

void Click(CWnd& iBar, int iX, int iY)
{
    Send(iBar, WM_LBUTTONDOWN, iX, iY);
    Send(iBar, WM_LBUTTONUP, iX, iY);
}

void Pump()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&message);
}
}  // namespace

TEST(ToolBarInput, AClickSendsTheCommandOnceAndCountsIt)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.RecalcButtonLayout();
    const UINT before = CGTToolBar::GetCommandUsage().GetCount(100);
    Click(bar, 5, 5);
    EXPECT_EQ((std::vector<UINT>{100}), parent.m_Commands);
    EXPECT_EQ(before + 1, CGTToolBar::GetCommandUsage().GetCount(100));

    // Off the button and back: the pressed look follows the mouse; released off it, nothing.
    parent.m_Commands.clear();
    Send(bar, WM_LBUTTONDOWN, 5, 5);
    EXPECT_TRUE(bar.GetButtonStyle(0) & TBBS_PRESSED);
    Send(bar, WM_MOUSEMOVE, 250, 5);
    EXPECT_FALSE(bar.GetButtonStyle(0) & TBBS_PRESSED);
    Send(bar, WM_MOUSEMOVE, 6, 5);
    EXPECT_TRUE(bar.GetButtonStyle(0) & TBBS_PRESSED);
    Send(bar, WM_LBUTTONUP, 250, 5);
    EXPECT_TRUE(parent.m_Commands.empty());
    EXPECT_FALSE(bar.GetButtonStyle(0) & TBBS_PRESSED);
}

TEST(ToolBarInput, CheckBoxesToggleAndDisabledButtonsStayUp)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {20, 20, 20});
    bar.RecalcButtonLayout();
    bar.Button(0)->m_Style = TBBS_CHECKBOX;
    bar.Button(1)->m_Style = TBBS_CHECKBOX | TBBS_INDETERMINATE;
    bar.Button(2)->m_Style = TBBS_DISABLED;
    Click(bar, 5, 5);
    EXPECT_EQ(UINT(TBBS_CHECKBOX | TBBS_CHECKED), bar.GetButtonStyle(0));
    Click(bar, 5, 5);
    EXPECT_EQ(UINT(TBBS_CHECKBOX), bar.GetButtonStyle(0));
    Click(bar, 25, 5);
    EXPECT_EQ(UINT(TBBS_CHECKBOX | TBBS_CHECKED), bar.GetButtonStyle(1));
    Send(bar, WM_LBUTTONDOWN, 45, 5);
    EXPECT_EQ(-1, bar.Pressed());
    EXPECT_EQ(UINT(TBBS_DISABLED), bar.GetButtonStyle(2));
    Send(bar, WM_LBUTTONUP, 45, 5);
    EXPECT_EQ((std::vector<UINT>{100, 100, 101}), parent.m_Commands);
}

TEST(ToolBarInput, SettingTheSameHotButtonTwiceClearsIt)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.SetHot(1);
    EXPECT_EQ(1, bar.MenuSelection());
    bar.SetHot(1);
    EXPECT_EQ(-1, bar.MenuSelection());
    EXPECT_TRUE(bar.SetHotButton(bar.GetButton(0)));
    EXPECT_EQ(0, bar.MenuSelection());
    EXPECT_TRUE(bar.SetHotButton(bar.GetButton(0)));
    EXPECT_EQ(0, bar.MenuSelection());
    CGTToolbarButton stranger;
    EXPECT_FALSE(bar.SetHotButton(&stranger));
    EXPECT_TRUE(bar.SetHotButton(nullptr));
    EXPECT_EQ(-1, bar.MenuSelection());
}

TEST(ToolBarInput, PromptsNameTheCommandsOrTheirSystemRange)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {20});
    const struct {
        UINT command;
        UINT prompt;
    } cases[] = {{0xF010, 0xEF01}, {0xFF00, 0xEF1F}, {static_cast<UINT>(-1), 0xE001}, {0x7F00, 0x7F00}};
    for (const auto& c : cases) {
        parent.m_Prompts.clear();
        bar.ShowCommandMessageString(c.command);
        EXPECT_EQ((std::vector<UINT>{c.prompt}), parent.m_Prompts) << c.command;
    }
}

TEST(ToolBarInput, AnAccessKeyPostsItsCommand)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.Button(1)->m_Text = L"&Go";
    bar.Button(1)->m_ShowText = TRUE;
    bar.CalcSize(LM_HORZ, -1);
    EXPECT_FALSE(bar.ProcessAccessKey('X'));
    EXPECT_TRUE(bar.ProcessAccessKey('G'));
    Pump();
    EXPECT_EQ((std::vector<UINT>{101}), parent.m_Commands);
}

TEST(ToolBarInput, ButtonsAnswerTheToolbarMessages)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {20, 20});
    bar.Button(1)->m_Style = TBBS_CHECKBOX | TBBS_CHECKED;
    bar.Button(1)->m_Text = L"Open";
    TBBUTTON info = {};
    EXPECT_TRUE(bar.SendMessage(TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(101, info.idCommand);
    EXPECT_EQ(TBSTATE_CHECKED, info.fsState & TBSTATE_CHECKED);
    EXPECT_EQ(BTNS_CHECK, info.fsStyle);
    EXPECT_EQ(4, bar.SendMessage(TB_GETBUTTONTEXTW, 101, 0));
    wchar_t text[8] = L"xxxxxxx";
    EXPECT_EQ(4, bar.SendMessage(TB_GETBUTTONTEXTW, 101, reinterpret_cast<LPARAM>(text)));
    EXPECT_STREQ(L"Open", text);
    EXPECT_EQ(0, bar.SendMessage(TB_GETBUTTONTEXTW, 999, reinterpret_cast<LPARAM>(text)));
    EXPECT_STREQ(L"", text);
}

TEST(ToolBarInput, TooltipsTakeTheCommandsShortName)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {});
    bar.InsertButton(new FixedButton(ID_GT_TEST_OPEN, 20));
    bar.RecalcButtonLayout();
    CPoint point = bar.GetButton(0)->Rect().CenterPoint();
    bar.ClientToScreen(&point);
    ::SetCursorPos(point.x, point.y);
    NMTTDISPINFOW info = {};
    info.hdr.code = TTN_NEEDTEXTW;
    info.hdr.idFrom = 1;
    // Only the bar's own tooltip control is answered.
    info.hdr.hwndFrom = parent.m_hWnd;
    bar.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(nullptr, info.lpszText);
    info.hdr.hwndFrom = bar.Tooltip();
    bar.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ(L"Open Report", info.lpszText);
}

TEST(ToolBarInput, APressNearAControlsRightEdgeResizesItInCustomizeMode)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {40});
    bar.RecalcButtonLayout();
    bar.Button(0)->m_Control = TRUE;
    CGTToolBar::SetCustomizeMode(TRUE);
    const struct {
        int press;
        int release;
        std::vector<int> sizes;
    } cases[] = {
        {38, 42, {}},    // dragged 4 pixels: nothing changes
        {38, 60, {59}},  // the new width from the left edge
        {20, 60, {}},    // too far from the edge: a selection, no resize
    };
    for (const auto& c : cases) {
        bar.Button(0)->m_Sizes.clear();
        Send(bar, WM_LBUTTONDOWN, c.press, 5);
        Send(bar, WM_MOUSEMOVE, c.release, 5);
        Send(bar, WM_LBUTTONUP, c.release, 5);
        EXPECT_EQ(c.sizes, bar.Button(0)->m_Sizes) << c.press << " " << c.release;
    }
    CGTToolBar::SetCustomizeMode(FALSE);
    EXPECT_TRUE(parent.m_Commands.empty());
}

namespace {
// Holds the Alt key down.
class AltHeld : public CGTKeyState {
public:
    AltHeld() : m_Previous(CGTKeyState::Select(this)) {}
    ~AltHeld() override { CGTKeyState::Select(m_Previous); }
    SHORT GetKeyState(int iVirtualKey) const override { return iVirtualKey == VK_MENU ? SHORT(0x8000) : 0; }
    SHORT GetAsyncKeyState(int iVirtualKey) const override { return GetKeyState(iVirtualKey); }

private:
    CGTKeyState* m_Previous;
};
}  // namespace

TEST(ToolBarInput, WithAltHeldAPressDragsWhereTheApplicationAllowsIt)
{
    CommandRecordingParent parent;
    LayoutBar bar(parent, 300, {20});
    bar.RecalcButtonLayout();
    AltHeld alt;
    for (BOOL allowed : {FALSE, TRUE}) {
        parent.m_Commands.clear();
        CGTToolBar::s_AltDragAllowed = allowed;
        Click(bar, 5, 5);
        EXPECT_EQ(allowed ? std::vector<UINT>{} : std::vector<UINT>{100}, parent.m_Commands) << allowed;
        EXPECT_FALSE(CGTToolBar::IsCustomizeMode());
    }
    CGTToolBar::s_AltDragAllowed = FALSE;
}
