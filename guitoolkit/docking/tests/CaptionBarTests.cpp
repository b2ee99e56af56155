// Caption bars: where the image, text and button go, the full width asked for when docked,
// the button's clicks and the frame it is drawn with.
#include <guitoolkit/docking/CGTCaptionBar.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
class Bar : public CGTCaptionBar {
public:
    CRect Client() const
    {
        CRect client;
        GetClientRect(client);
        return client;
    }
    void Move(CPoint iPoint, UINT iFlags = 0) { SendMessage(WM_MOUSEMOVE, iFlags, MAKELPARAM(iPoint.x, iPoint.y)); }
    void Press(CPoint iPoint)
    {
        Move(iPoint);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(iPoint.x, iPoint.y));
        SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(iPoint.x, iPoint.y));
    }
};

// A window that counts the commands it is sent.
class Owner : public CWnd {
public:
    BOOL OnCommand(WPARAM iWParam, LPARAM) override
    {
        m_Commands.push_back(LOWORD(iWParam));
        return TRUE;
    }
    std::vector<UINT> m_Commands;
};

// A 16 x 16 icon.
HICON MakeIcon()
{
    CWindowDC screen(nullptr);
    CBitmap colour, mask;
    colour.CreateCompatibleBitmap(&screen, 16, 16);
    mask.CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO info = {TRUE, 0, 0, static_cast<HBITMAP>(mask.GetSafeHandle()),
                     static_cast<HBITMAP>(colour.GetSafeHandle())};
    return ::CreateIconIndirect(&info);
}

class CaptionBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Owner.CreateEx(0, AfxRegisterWndClass(0), L"Owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 500, 200), nullptr, 0);
        ASSERT_TRUE(m_Bar.Create(nullptr, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 400, 40), &m_Owner, 0xE900, 0));
        m_Icon = MakeIcon();
    }
    void TearDown() override
    {
        m_Bar.DestroyWindow();
        m_Owner.DestroyWindow();
        ::DestroyIcon(m_Icon);
    }

    Owner m_Owner;
    Bar m_Bar;
    HICON m_Icon = nullptr;
};
}  // namespace

TEST_F(CaptionBar, LaysOutImageTextAndButton)
{
    const CRect client = m_Bar.Client();
    // Text alone starts after the margin.
    m_Bar.SetText(L"Ready");
    EXPECT_EQ(client.left + 4, m_Bar.GetTextRect().left);
    EXPECT_TRUE(m_Bar.GetImageRect().IsRectEmpty());
    EXPECT_TRUE(m_Bar.GetButtonRect().IsRectEmpty());

    // Image on the left, button on the right, the text between them.
    m_Bar.SetIcon(m_Icon);
    m_Bar.SetButton(L"Options", 300);
    const CRect image = m_Bar.GetImageRect(), button = m_Bar.GetButtonRect(), text = m_Bar.GetTextRect();
    EXPECT_EQ(CRect(4, (client.Height() - 16) / 2, 20, (client.Height() - 16) / 2 + 16), image);
    EXPECT_EQ(client.right, button.right);
    EXPECT_EQ(image.right + 4, text.left);
    EXPECT_LT(text.right, button.left);

    // All three centred, in the order image, button, text.
    m_Bar.SetIcon(m_Icon, CGTCaptionBar::alignCenter);
    m_Bar.SetButton(L"Options", 300, CGTCaptionBar::alignCenter);
    m_Bar.SetText(L"Ready", CGTCaptionBar::alignCenter);
    const CRect centredImage = m_Bar.GetImageRect(), centredButton = m_Bar.GetButtonRect(),
                centredText = m_Bar.GetTextRect();
    EXPECT_EQ(centredImage.right + 4, centredButton.left);
    EXPECT_EQ(centredButton.right + 4, centredText.left);
    EXPECT_NEAR(client.Width() / 2 - centredImage.left, centredText.right + 4 - client.Width() / 2, 1);
}

TEST_F(CaptionBar, LongTextStopsShortOfTheButton)
{
    m_Bar.SetButton(L"Options", 300);
    m_Bar.SetText(CString(L'W', 200));
    EXPECT_EQ(m_Bar.GetButtonRect().left - 4, m_Bar.GetTextRect().right);
    EXPECT_EQ(4, m_Bar.GetTextRect().left);
}

TEST_F(CaptionBar, AsksForTheFullWidth)
{
    TEXTMETRICW metrics = {};
    CWindowDC screen(nullptr);
    CFont* old = screen.SelectObject(&theGuiToolkitGlobals.fontRegular);
    screen.GetTextMetrics(&metrics);
    screen.SelectObject(old);
    EXPECT_EQ(CSize(32767, 4 + 2 * 4 + metrics.tmHeight + 2), m_Bar.CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(m_Bar.Client().Height() + 8, WindowRect(m_Bar).Height());
}

TEST_F(CaptionBar, OnlyAButtonWithACommandTurnsHotAndSends)
{
    m_Bar.SetButton(L"Label", 0);
    m_Bar.Press(m_Bar.GetButtonRect().CenterPoint());
    EXPECT_FALSE(m_Bar.IsButtonHot());
    EXPECT_TRUE(m_Owner.m_Commands.empty());

    m_Bar.SetButton(L"Options", 300);
    m_Bar.Move(m_Bar.GetButtonRect().CenterPoint());
    EXPECT_TRUE(m_Bar.IsButtonHot());
    m_Bar.Press(m_Bar.GetButtonRect().CenterPoint());
    EXPECT_EQ(std::vector<UINT>{300}, m_Owner.m_Commands);
    EXPECT_FALSE(m_Bar.IsButtonPushed());
    m_Bar.Move(CPoint(1, 1));
    EXPECT_FALSE(m_Bar.IsButtonHot());
}

TEST_F(CaptionBar, ButtonFrameIsRaisedWhenHotAndSunkenWhenPushed)
{
    m_Bar.SetButton(L"Options", 300);
    const CRect button = m_Bar.GetButtonRect();
    CWindowDC screen(nullptr);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, button.right, button.bottom);
    CBitmap* old = memory.SelectObject(&bitmap);
    struct Case {
        UINT flags;
        COLORREF topLeft, bottomRight;
    } cases[] = {{0, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow},
                 {MK_LBUTTON, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight}};
    for (const Case& c : cases) {
        m_Bar.Move(CPoint(1, 1));
        m_Bar.Move(button.CenterPoint(), c.flags);
        memory.FillSolidRect(0, 0, button.right, button.bottom, RGB(1, 2, 3));
        m_Bar.OnDrawButton(&memory, button, L"Options", TRUE);
        EXPECT_EQ(c.topLeft, memory.GetPixel(button.left, button.top)) << c.flags;
        EXPECT_EQ(c.bottomRight, memory.GetPixel(button.right - 1, button.bottom - 1)) << c.flags;
    }
    memory.SelectObject(old);
}
