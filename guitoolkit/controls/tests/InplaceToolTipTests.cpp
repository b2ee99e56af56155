#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTInplaceToolTipCtrl.h>
#include <gtest/gtest.h>
#include <windowsx.h>

namespace {

class InplaceToolTip : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Owner.m_Watched = {WM_LBUTTONDOWN, WM_MOUSEMOVE};
        ASSERT_TRUE(m_Tip.Create(&m_Owner));
    }
    CRect Placed() const
    {
        CRect rect;
        m_Tip.GetWindowRect(rect);
        return rect;
    }
    ParentWindow m_Owner{CRect(100, 100, 500, 400), WS_POPUP | WS_VISIBLE};
    CGTInplaceToolTipCtrl m_Tip;
};

}  // namespace

TEST_F(InplaceToolTip, TheSameRectangleAndTextAgainDoNothing)
{
    const CRect over(150, 120, 200, 140);
    m_Tip.Track(over, L"a cut text");
    EXPECT_TRUE(m_Tip.IsWindowVisible());
    EXPECT_EQ(over.left, Placed().left);
    EXPECT_EQ(over.Height(), Placed().Height());
    m_Tip.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_Tip.Track(over, L"a cut text");
    EXPECT_EQ(CPoint(10, 10), Placed().TopLeft()) << "not moved";
    m_Tip.Track(over, L"another text");
    EXPECT_EQ(over.TopLeft(), Placed().TopLeft());
}

TEST_F(InplaceToolTip, ATextWiderThanTheWorkAreaSpansItExactly)
{
    MONITORINFO monitor = {sizeof(monitor)};
    ::GetMonitorInfoW(::MonitorFromPoint(CPoint(150, 120), MONITOR_DEFAULTTONEAREST), &monitor);
    const CRect work = monitor.rcWork;
    const CString wide(L'W', 1000);
    m_Tip.Track(CRect(150, 120, 200, 140), wide);
    EXPECT_EQ(work.left, Placed().left);
    EXPECT_EQ(work.right, Placed().right);

    m_Tip.Track(CRect(work.right - 10, 120, work.right, 140), L"sticks out on the right");
    EXPECT_EQ(work.right, Placed().right);
}

TEST_F(InplaceToolTip, MouseInputGoesOnToTheOwnerAtTheSamePoint)
{
    m_Tip.Track(CRect(150, 120, 200, 140), L"a cut text");
    MSG move = {m_Tip.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(4, 3)};
    EXPECT_TRUE(m_Tip.PreTranslateMessage(&move));
    EXPECT_TRUE(m_Tip.IsWindowVisible()) << "a move keeps it";
    MSG press = {m_Tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 3)};
    EXPECT_TRUE(m_Tip.PreTranslateMessage(&press));
    EXPECT_FALSE(m_Tip.IsWindowVisible()) << "a click hides it";
    const std::vector<RecordedMessage> presses = m_Owner.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(1u, presses.size());
    EXPECT_EQ((WPARAM)MK_LBUTTON, presses[0].m_WParam);
    CPoint reached(GET_X_LPARAM(presses[0].m_LParam), GET_Y_LPARAM(presses[0].m_LParam));
    m_Owner.ClientToScreen(&reached);
    CPoint clicked(4, 3);
    m_Tip.ClientToScreen(&clicked);
    EXPECT_EQ(clicked, reached);
    MSG key = {m_Tip.m_hWnd, WM_KEYDOWN, VK_SPACE, 0};
    EXPECT_FALSE(m_Tip.PreTranslateMessage(&key));
}
