#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include "ToolbarTestSupport.h"

namespace {
// A frame that disables command 500 and renames and checks command 501, and handles 501 and
// 503; 502 has no handler at all.
class UpdatingFrame : public CFrameWnd {
public:
    // It lives on the stack.
    void PostNcDestroy() override {}
    void OnUpdateDisabled(CCmdUI* ioState) { ioState->Enable(FALSE); }
    void OnUpdateRenamed(CCmdUI* ioState)
    {
        ioState->SetText(L"Go\tCtrl+G");
        ioState->SetCheck(1);
    }
    void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpdatingFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI(500, &UpdatingFrame::OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(501, &UpdatingFrame::OnUpdateRenamed)
    ON_COMMAND(501, &UpdatingFrame::OnHandled)
    ON_COMMAND(503, &UpdatingFrame::OnHandled)
END_MESSAGE_MAP()

// A button with an edit control inside; records the notifications it gets.
class EditButton : public CGTToolbarButton {
public:
    EditButton(UINT iCommand, CWnd* iParent) : CGTToolbarButton(iCommand, 0, nullptr, FALSE, TRUE)
    {
        m_Edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, iParent->GetSafeHwnd(), nullptr);
    }
    ~EditButton() override { m_Edit.DestroyWindow(); }
    HWND GetHwnd() override { return m_Edit.GetSafeHwnd(); }
    BOOL NotifyCommand(int iNotifyCode) override
    {
        m_Codes.push_back(iNotifyCode);
        return TRUE;
    }
    CWnd m_Edit;
    std::vector<int> m_Codes;
};
}  // namespace

TEST(ToolBarCommands, ButtonsFollowTheFramesCommandHandlers)
{
    UpdatingFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW));
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&frame));
    for (UINT id : {500u, 501u, 502u, 503u, 0xF060u}) {
        auto* button = new CGTToolbarButton(id, 0, L"Old\tF1", FALSE, TRUE);
        button->m_Style = id == 503 ? TBBS_DISABLED : 0;
        bar.InsertButton(button);
    }
    bar.OnUpdateCmdUI(&frame, TRUE);

    const struct {
        UINT style;
        LPCWSTR text;
    } expected[] = {
        {TBBS_DISABLED, L"Old\tF1"},
        {TBBS_CHECKED | TBBS_CHECKBOX, L"Go"},  // a checked button becomes a check box
        {TBBS_DISABLED, L"Old\tF1"},            // no handler
        {0, L"Old\tF1"},
        {0, L"Old\tF1"},  // the system menu's commands are left alone
    };
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(expected[index].style, bar.GetButton(index)->m_Style) << index;
        EXPECT_EQ(CString(expected[index].text), bar.GetButton(index)->m_Text) << index;
    }
    bar.DestroyWindow();
    frame.DestroyWindow();
}

TEST(ToolBarCommands, NotificationsOfAControlGoToItsButton)
{
    TestParent parent;
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    auto* button = new EditButton(600, &bar);
    bar.InsertButton(button);
    const LPARAM edit = reinterpret_cast<LPARAM>(button->GetHwnd());

    EXPECT_TRUE(bar.OnCommand(MAKEWPARAM(600, EN_CHANGE), edit));
    EXPECT_FALSE(bar.OnCommand(MAKEWPARAM(601, 0), 0));
    EXPECT_TRUE(bar.OnCommand(MAKEWPARAM(IDCANCEL, 0), 0));
    EXPECT_FALSE(bar.OnCommand(MAKEWPARAM(700, EN_CHANGE), reinterpret_cast<LPARAM>(parent.GetSafeHwnd())));
    EXPECT_EQ((std::vector<int>{EN_CHANGE}), button->m_Codes);
    bar.DestroyWindow();
}
