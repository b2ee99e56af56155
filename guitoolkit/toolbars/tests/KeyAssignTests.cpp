#include <guitoolkit/toolbars/CKeyAssign.h>
#include <gtest/gtest.h>
#include "EditorTestSupport.h"

namespace {
class KeyAssign : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Box.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(5, 5, 150, 25), &m_Dialog, 10));
        ASSERT_TRUE(
            m_Next.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(5, 35, 150, 55), &m_Dialog, 11));
        // A click arms the box and gives it the focus.
        PostClick(m_Box.m_hWnd, CPoint(3, 3));
        PumpPreTranslated();
    }
    CString Text() const
    {
        CString text;
        m_Box.GetWindowText(text);
        return text;
    }

    HostDialog m_Dialog;
    CKeyAssign m_Box;
    CEdit m_Next;
};
}  // namespace

TEST_F(KeyAssign, HeldKeysShowTogetherAndANewKeyStartsOver)
{
    ASSERT_EQ(m_Box.m_hWnd, ::GetFocus());
    ASSERT_TRUE(m_Box.IsArmed());
    PostChord(m_Box.m_hWnd, {VK_CONTROL, VK_SHIFT, VK_F5});
    PumpPreTranslated();
    EXPECT_EQ(CString(L"Ctrl+Shift+F5"), Text());
    ASSERT_TRUE(m_Box.HasCapturedKey());
    EXPECT_EQ(FVIRTKEY | FCONTROL | FSHIFT, m_Box.GetCapturedKey().fVirt);
    EXPECT_EQ(VK_F5, m_Box.GetCapturedKey().key);

    PostChord(m_Box.m_hWnd, {'K'});
    PumpPreTranslated();
    EXPECT_EQ(CString(L"K"), Text());
    EXPECT_EQ(FVIRTKEY, m_Box.GetCapturedKey().fVirt);
}

TEST_F(KeyAssign, PlainTabMovesTheFocusAndLeavesTheBoxEmpty)
{
    PostChord(m_Box.m_hWnd, {VK_F5});
    PumpPreTranslated();
    ASSERT_EQ(CString(L"F5"), Text());
    PostKey(m_Box.m_hWnd, VK_TAB, TRUE);
    PumpPreTranslated();
    EXPECT_EQ(m_Next.m_hWnd, ::GetFocus());
    EXPECT_EQ(CString(), Text());
    EXPECT_FALSE(m_Box.HasCapturedKey());
    EXPECT_FALSE(m_Box.IsArmed());

    // Back by the keyboard, the first key (the Tab's release) only arms the box.
    m_Box.SetFocus();
    PostKey(m_Box.m_hWnd, VK_TAB, FALSE);
    PostChord(m_Box.m_hWnd, {VK_CONTROL, VK_TAB});
    PumpPreTranslated();
    EXPECT_EQ(m_Box.m_hWnd, ::GetFocus()) << "Ctrl+Tab is a shortcut like any other";
    EXPECT_EQ(CString(L"Ctrl+Tab"), Text());
}

TEST_F(KeyAssign, PlainEscapeEmptiesTheBox)
{
    PostChord(m_Box.m_hWnd, {VK_MENU, VK_F5});
    PumpPreTranslated();
    ASSERT_EQ(CString(L"Alt+F5"), Text());
    PostChord(m_Box.m_hWnd, {VK_ESCAPE});
    PumpPreTranslated();
    EXPECT_EQ(CString(), Text());
    EXPECT_FALSE(m_Box.HasCapturedKey());
    EXPECT_TRUE(::IsWindow(m_Dialog.m_hWnd));
}
