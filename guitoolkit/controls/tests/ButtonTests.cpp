#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/tests/TestSupport.h>
#include <gtest/gtest.h>

namespace {

const COLORREF Face = RGB(180, 180, 180);
const COLORREF Highlight = RGB(250, 250, 250);
const COLORREF DarkShadow = RGB(10, 10, 10);
const COLORREF Light = RGB(220, 220, 220);
const COLORREF Shadow = RGB(100, 100, 100);
const COLORREF GrayText = RGB(120, 130, 140);
const COLORREF ButtonText = RGB(0, 0, 90);

std::map<int, COLORREF> ButtonColors()
{
    return {{COLOR_BTNFACE, Face},      {COLOR_BTNHIGHLIGHT, Highlight}, {COLOR_3DDKSHADOW, DarkShadow},
            {COLOR_3DLIGHT, Light},     {COLOR_BTNSHADOW, Shadow},       {COLOR_GRAYTEXT, GrayText},
            {COLOR_BTNTEXT, ButtonText}};
}

// A button whose mouse state a test sets, and that counts its paintings.
class TestButton : public CGTButton {
public:
    void SetMouseState(BOOL iPushed, BOOL iHot)
    {
        m_Pushed = iPushed;
        m_Highlighted = iHot;
    }
    void SetChecked(BOOL iChecked) { m_Checked = iChecked; }
    void DrawItem(LPDRAWITEMSTRUCT iDrawItem) override
    {
        ++m_Paintings;
        CGTButton::DrawItem(iDrawItem);
    }
    int m_Paintings = 0;
};

class Buttons : public ::testing::Test {
protected:
    Buttons() : m_Parent(CRect(0, 0, 300, 200), WS_POPUP | WS_VISIBLE) {}
    void Make(TestButton& ioButton, LPCWSTR iCaption, DWORD iStyle, UINT iId, int iTop = 0)
    {
        ASSERT_TRUE(
            ioButton.Create(iCaption, WS_CHILD | WS_VISIBLE | iStyle, CRect(0, iTop, 80, iTop + 24), &m_Parent, iId));
    }
    // Paints into a 40 x 20 surface.
    void Paint(TestButton& ioButton, UINT iState = 0)
    {
        m_Surface.Fill(RGB(1, 2, 3));
        DRAWITEMSTRUCT item = {ODT_BUTTON,     0, 0, ODA_DRAWENTIRE, iState, ioButton.m_hWnd, m_Surface.Dc().m_hDC,
                               {0, 0, 40, 20}, 0};
        ioButton.DrawItem(&item);
    }
    int Clicks(UINT iId) const
    {
        int clicks = 0;
        for (WPARAM command : m_Parent.Commands())
            clicks += command == MAKEWPARAM(iId, BN_CLICKED);
        return clicks;
    }
    void Mouse(CWnd& ioWnd, UINT iMessage, UINT iFlags, int iX, int iY)
    {
        ioWnd.SendMessage(iMessage, iFlags, MAKELPARAM(iX, iY));
    }

    FakeScreen m_Screen{32, ButtonColors()};
    ParentWindow m_Parent;
    PixelSurface m_Surface{40, 20};
};

}  // namespace

TEST_F(Buttons, BorderStylesInEveryState)
{
    enum State {
        Normal,
        Hot,
        Pushed,
        Checked
    };
    struct Case {
        int style;
        State state;
        COLORREF outer;  // top-left corner
        COLORREF inner;  // one pixel in
    };
    const Case cases[] = {
        {CGTButton::Border3D, Normal, Highlight, Light},
        {CGTButton::Border3D, Hot, Highlight, Light},
        {CGTButton::Border3D, Pushed, DarkShadow, Shadow},
        {CGTButton::BorderFlat, Normal, Face, Face},
        {CGTButton::BorderFlat, Hot, Highlight, Face},
        {CGTButton::BorderFlat, Pushed, DarkShadow, Face},
        {CGTButton::BorderSemiFlat, Normal, Highlight, Face},
        {CGTButton::BorderSemiFlat, Hot, Highlight, Light},
        {CGTButton::BorderSemiFlat, Checked, DarkShadow, Shadow},
        {CGTButton::BorderNone, Pushed, Face, Face},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << "style " << test.style << " state " << test.state);
        TestButton button;
        Make(button, L"", 0, 10);
        button.SetBorderStyle(test.style);
        button.m_HighlightChecked = FALSE;
        button.SetMouseState(test.state == Pushed, test.state == Hot || test.state == Pushed);
        button.SetChecked(test.state == Checked);
        Paint(button);
        EXPECT_EQ(test.outer, m_Surface.At(0, 0));
        EXPECT_EQ(test.inner, m_Surface.At(1, 1));
        EXPECT_EQ(Face, m_Surface.At(20, 10));
    }
}

TEST_F(Buttons, ACheckedButtonIsLightenedUnlessPushedWhileHot)
{
    TestButton button;
    Make(button, L"", BS_AUTOCHECKBOX, 10);
    button.SetChecked(TRUE);
    Paint(button);
    EXPECT_NE(Face, m_Surface.At(20, 10));
    button.SetMouseState(TRUE, TRUE);
    Paint(button);
    EXPECT_EQ(Face, m_Surface.At(20, 10));
}

TEST_F(Buttons, DisabledTextIsEmbossed)
{
    TestButton button;
    Make(button, L"WWW", 0, 10);
    auto count = [&](COLORREF iColor) {
        int found = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                found += m_Surface.At(x, y) == iColor;
        return found;
    };
    Paint(button);
    EXPECT_GT(count(ButtonText), 0);
    Paint(button, ODS_DISABLED);
    EXPECT_EQ(0, count(ButtonText));
    EXPECT_GT(count(GrayText), 0);
    EXPECT_GT(count(Highlight), 4) << "the embossed copy, beyond the border's corner";
    button.m_DisabledLook = FALSE;
    Paint(button, ODS_DISABLED);
    EXPECT_GT(count(ButtonText), 0);
}

namespace {

HBITMAP SolidBitmap(COLORREF iColor)
{
    CGTDibSection dib;
    dib.Create(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            *dib.PixelAt(x, y) = 0xFF000000 | CGTDibSection::Swap(iColor);
    return (HBITMAP)::CopyImage(dib.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}

}  // namespace

TEST_F(Buttons, ImagesFallBackFromDisabledToHotToNormal)
{
    const COLORREF red = RGB(200, 0, 0), blue = RGB(0, 0, 200), green = RGB(0, 200, 0);
    TestButton button;
    Make(button, L"", BS_AUTOCHECKBOX, 10);
    button.SetImage(SolidBitmap(red), TRUE, SolidBitmap(blue));
    EXPECT_EQ(CSize(8, 8), button.GetImageSize());
    const CPoint centre(20, 10);
    Paint(button);
    EXPECT_EQ(red, m_Surface.At(centre.x, centre.y));
    button.SetMouseState(FALSE, TRUE);
    Paint(button);
    EXPECT_EQ(blue, m_Surface.At(centre.x, centre.y)) << "hot";
    button.SetMouseState(FALSE, FALSE);
    Paint(button, ODS_DISABLED);
    EXPECT_NE(red, m_Surface.At(centre.x, centre.y)) << "greyed without a disabled image";
    EXPECT_NE(blue, m_Surface.At(centre.x, centre.y));

    button.SetCheckedImage(SolidBitmap(green));
    button.SetChecked(TRUE);
    button.m_HighlightChecked = FALSE;
    Paint(button);
    EXPECT_EQ(green, m_Surface.At(centre.x, centre.y));
    button.SetImage(SolidBitmap(blue));
    Paint(button);
    EXPECT_EQ(green, m_Surface.At(centre.x, centre.y)) << "new normal images keep the checked set";
    button.SetChecked(FALSE);
    Paint(button);
    EXPECT_EQ(blue, m_Surface.At(centre.x, centre.y));
}

TEST_F(Buttons, ThemedDrawingGoesThroughTheLookFirst)
{
    RecordingLookScope look;
    struct ThemedScope {
        ThemedScope() { CGTButton::EnableThemedButtons(TRUE); }
        ~ThemedScope() { CGTButton::EnableThemedButtons(FALSE); }
    } themed;
    TestButton button;
    Make(button, L"", 0, 10);
    RecordingLook::s_ThemedAnswer = TRUE;
    Paint(button);
    EXPECT_EQ(1, RecordingLook::s_ThemedCalls);
    EXPECT_EQ(Face, m_Surface.At(0, 0)) << "the look drew the frame";
    RecordingLook::s_ThemedAnswer = FALSE;
    Paint(button);
    EXPECT_EQ(Highlight, m_Surface.At(0, 0)) << "the look declined: the button draws itself";
    button.m_NoTheme = TRUE;
    Paint(button);
    EXPECT_EQ(2, RecordingLook::s_ThemedCalls);
}

TEST(ButtonLook, OnlyBothCaptionFlagsAskForTheCaptionLook)
{
    for (int flags = 0; flags < 4; ++flags) {
        CGTButton button;
        button.m_OnCaption = (flags & 1) != 0;
        button.m_CaptionClose = (flags & 2) != 0;
        EXPECT_EQ(flags == 3, button.HasCaptionLook()) << flags;
    }
}

TEST_F(Buttons, HoverAndPushTable)
{
    struct Step {
        UINT message;
        UINT flags;
        int x;
        BOOL pushed;
        BOOL hot;
    };
    struct Case {
        const char* name;
        int style;
        std::vector<Step> steps;
        int clicks;
    };
    const UINT Move = WM_MOUSEMOVE, Down = WM_LBUTTONDOWN, Up = WM_LBUTTONUP;
    const Case cases[] = {
        {"a 3D button is not hot on hover", CGTButton::Border3D, {{Move, 0, 10, FALSE, FALSE}}, 0},
        {"a flat one is", CGTButton::BorderFlat, {{Move, 0, 10, FALSE, TRUE}, {Move, 0, 200, FALSE, FALSE}}, 0},
        {"release outside sends no click",
         CGTButton::Border3D,
         {{Down, MK_LBUTTON, 10, TRUE, TRUE}, {Move, MK_LBUTTON, 200, FALSE, TRUE}, {Up, 0, 200, FALSE, FALSE}},
         0},
        {"back in while held pushes again",
         CGTButton::Border3D,
         {{Down, MK_LBUTTON, 10, TRUE, TRUE},
          {Move, MK_LBUTTON, 200, FALSE, TRUE},
          {Move, MK_LBUTTON, 10, TRUE, TRUE},
          {Up, 0, 10, FALSE, FALSE}},
         1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        m_Parent.m_Recorded.clear();
        TestButton button;
        Make(button, L"Go", 0, 10);
        button.SetBorderStyle(test.style);
        for (const Step& step : test.steps) {
            Mouse(button, step.message, step.flags, step.x, 5);
            EXPECT_EQ(step.pushed, button.IsPushed()) << step.message << " at " << step.x;
            EXPECT_EQ(step.hot, button.IsHighlighted()) << step.message << " at " << step.x;
        }
        EXPECT_EQ(test.clicks, Clicks(10));
    }
}

TEST_F(Buttons, AutoRepeatClicksOnlyWithAPositiveInterval)
{
    for (int interval : {0, -5, 50}) {
        m_Parent.m_Recorded.clear();
        TestButton button;
        Make(button, L"Go", 0, 10);
        button.SetAutoRepeatDelay(interval);
        Mouse(button, WM_LBUTTONDOWN, MK_LBUTTON, 10, 5);
        // The timer's own message, as the system would post it while the button is held.
        if (interval > 0)
            button.SendMessage(WM_TIMER, 1);
        Mouse(button, WM_LBUTTONUP, 0, 10, 5);
        EXPECT_EQ(interval > 0 ? 2 : 1, Clicks(10)) << interval;
    }
}

TEST_F(Buttons, SetCheckToTheSameStateAnswersZeroAndDoesNotRedraw)
{
    TestButton box;
    Make(box, L"Box", BS_AUTOCHECKBOX, 10);
    box.UpdateWindow();
    EXPECT_TRUE(box.IsCheckBox());
    const int before = box.m_Paintings;
    EXPECT_EQ(0, box.SendMessage(BM_SETCHECK, BST_UNCHECKED));
    EXPECT_EQ(before, box.m_Paintings);
    box.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_GT(box.m_Paintings, before);
    EXPECT_EQ(BST_CHECKED, box.SendMessage(BM_GETCHECK));

    TestButton plain;
    Make(plain, L"Plain", 0, 11, 30);
    plain.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(BST_UNCHECKED, plain.SendMessage(BM_GETCHECK));
}

TEST_F(Buttons, ArrowsSkipADisabledRadio)
{
    TestButton first, second, third;
    Make(first, L"1", BS_AUTORADIOBUTTON | WS_GROUP, 21, 0);
    Make(second, L"2", BS_AUTORADIOBUTTON, 22, 30);
    Make(third, L"3", BS_AUTORADIOBUTTON, 23, 60);
    second.EnableWindow(FALSE);
    first.SendMessage(BM_SETCHECK, BST_CHECKED);
    m_Parent.m_Recorded.clear();
    MSG key = {first.m_hWnd, WM_KEYDOWN, VK_DOWN, 0};
    EXPECT_TRUE(first.PreTranslateMessage(&key));
    EXPECT_EQ(BST_UNCHECKED, second.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_CHECKED, third.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_UNCHECKED, first.SendMessage(BM_GETCHECK)) << "checking one unchecks the others";
    EXPECT_EQ(std::vector<WPARAM>{23}, m_Parent.Commands());
}

TEST_F(Buttons, EnterClicksOnlyWithoutAnOpenPopupMenu)
{
    TestButton button;
    Make(button, L"Go", 0, 10);
    MSG enter = {button.m_hWnd, WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_TRUE(button.PreTranslateMessage(&enter));
    EXPECT_EQ(std::vector<WPARAM>{10}, m_Parent.Commands());

    CGTActivePopupMenu::Set(&m_Parent);
    EXPECT_FALSE(button.PreTranslateMessage(&enter));
    CGTActivePopupMenu::Set(nullptr);
    EXPECT_EQ(1u, m_Parent.Commands().size());
}

TEST_F(Buttons, HandCursorComesFromTheToolkitsResources)
{
    TestButton button;
    button.UseHandCursor();
    EXPECT_NE(nullptr, theGuiToolkitGlobals.cursorHand);
}

TEST_F(Buttons, FitToContentMeasuresImageAndMargins)
{
    TestButton button;
    Make(button, L"", 0, 10);
    button.SetStdGlyphImage(CGTMenuGlyphs::Close);
    EXPECT_EQ(CSize(10 + 9, 9 + 2 * 5), button.FitToContent());
    CRect window;
    button.GetWindowRect(window);
    EXPECT_EQ(CSize(19, 19), window.Size());
}
