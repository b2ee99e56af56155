#include <gtest/gtest.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/XPLookColors.h>
#include "LookTestSupport.h"

namespace {
const COLORREF background = RGB(1, 2, 3);

XPLookColors::Input SampleInput()
{
    XPLookColors::Input in = {};
    in.barFace = in.btnFace = RGB(212, 208, 200);
    in.barShadow = in.btnShadow = RGB(128, 128, 128);
    in.barLight = RGB(223, 223, 223);
    in.btnDarkShadow = RGB(64, 64, 64);
    in.highlight = RGB(10, 36, 106);
    in.window = in.lookWindow = RGB(255, 255, 255);
    in.bitsPerPixel = 32;
    return in;
}

class OfficeXPLook : public ::testing::Test {
protected:
    void TearDown() override { theGuiToolkitGlobals.UpdateSysColors(); }

    CGTVisualManagerXP look{TRUE};
    TestCanvas canvas{60, 40, background};
};
}  // namespace

TEST(OfficeXPColors, TintsOnTrueColourScreensSystemColoursOtherwise)
{
    XPLookColors::Input in = SampleInput();
    const XPLookColors::Palette tinted = XPLookColors::Compute(in);
    // A face of lightness 0.81 is lifted 3 percent for the bars.
    EXPECT_EQ(tinted.barBackground, RGB(217, 213, 206));
    EXPECT_EQ(tinted.menuBorder, RGB(116, 114, 110));
    EXPECT_EQ(tinted.paneBorder, in.barShadow);
    EXPECT_EQ(tinted.hotBorder, in.highlight);
    EXPECT_EQ(tinted.menuShadowBase, static_cast<COLORREF>(-1));
    // The hot fill is the selection a third of the way into the (near-white) menu.
    EXPECT_NEAR(GetBValue(tinted.hotFill), (106 + 2 * 248) / 3 * 105 / 100, 3);

    in.bitsPerPixel = 8;
    const XPLookColors::Palette few = XPLookColors::Compute(in);
    EXPECT_EQ(few.barBackground, in.btnFace);
    EXPECT_EQ(few.menuBackground, in.window);
    EXPECT_EQ(few.hotFill, in.btnFace);
    EXPECT_EQ(few.checkedFill, in.window);
    EXPECT_EQ(few.menuBorder, in.btnDarkShadow);
    EXPECT_EQ(few.hotBorder, in.highlight);

    in.bitsPerPixel = 32;
    in.blackHighContrast = TRUE;
    const XPLookColors::Palette contrast = XPLookColors::Compute(in);
    EXPECT_EQ(contrast.hotFill, in.highlight);
    EXPECT_EQ(contrast.pressedFill, in.highlight);
    EXPECT_EQ(contrast.checkedFill, in.highlight);
    EXPECT_EQ(contrast.hotBorder, in.btnDarkShadow);
}

TEST(OfficeXPColors, LightFaceIsTheToolbarBackgroundAndGreyFaceLightensBehindAutoHideBars)
{
    XPLookColors::Input in = SampleInput();
    in.barFace = RGB(240, 240, 240);
    EXPECT_EQ(XPLookColors::Compute(in).barBackground, in.barFace);
    EXPECT_EQ(XPLookColors::AutoHideBarColor(RGB(128, 128, 128)), RGB(191, 191, 191));
    EXPECT_EQ(XPLookColors::AutoHideBarColor(RGB(0, 0, 0)), RGB(127, 127, 127));
}

TEST_F(OfficeXPLook, ButtonStateFillRule)
{
    FakeBar toolbar;
    FakePopupMenu open;
    struct Case {
        UINT style;
        BOOL menuItem, menuButton, openMenu, beingCustomized;
        int state;
        COLORREF expected;  // at the centre; background: not filled
    } cases[] = {
        {0, FALSE, FALSE, FALSE, FALSE, 1, look.colorHotFill},
        {0, FALSE, FALSE, FALSE, FALSE, 0, background},
        {GTButtonPressed, FALSE, FALSE, FALSE, FALSE, 1, look.colorPressedFill},
        {GTButtonPressed, TRUE, FALSE, FALSE, FALSE, 1, look.colorHotFill},
        {GTButtonChecked, FALSE, FALSE, FALSE, FALSE, 1, look.colorCheckedFill},
        {GTButtonChecked, FALSE, FALSE, FALSE, FALSE, 2, look.colorPressedFill},
        {0, FALSE, TRUE, TRUE, FALSE, 1, look.colorBarBackground},
        {GTButtonDisabled, TRUE, TRUE, FALSE, FALSE, 2, look.colorMenuBackground},
        {0, FALSE, FALSE, FALSE, TRUE, 1, background},
    };
    for (const Case& c : cases) {
        canvas.Fill(background);
        FakeButton button;
        button.parent = &toolbar;
        button.style = c.style;
        button.menuItem = c.menuItem;
        button.menuButton = c.menuButton;
        button.openMenu = c.openMenu ? &open : nullptr;
        button.beingCustomized = c.beingCustomized;
        look.FillButtonInterior(&canvas.dc(), &button, CRect(0, 0, 20, 20), c.state);
        EXPECT_EQ(canvas.Pixel(10, 10), c.expected) << std::hex << c.style << " state " << c.state;
    }
}

TEST_F(OfficeXPLook, PatternBrushesPaintLinesByRowAndByColumn)
{
    look.CreatePatternBrushes();
    canvas.dc().SetTextColor(RGB(255, 0, 0));
    canvas.dc().SetBkColor(RGB(0, 0, 255));
    canvas.dc().FillRect(CRect(0, 0, 8, 8), &look.brushPatternHorizontal);
    canvas.dc().FillRect(CRect(10, 0, 18, 8), &look.brushPatternVertical);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(canvas.Pixel(3, i), canvas.Pixel(5, i)) << i;
        EXPECT_NE(canvas.Pixel(3, i), canvas.Pixel(3, (i + 1) % 8)) << i;
        EXPECT_EQ(canvas.Pixel(10 + i, 2), canvas.Pixel(10 + i, 6)) << i;
        EXPECT_NE(canvas.Pixel(10 + i, 2), canvas.Pixel(10 + (i + 1) % 8, 2)) << i;
    }
}

TEST_F(OfficeXPLook, ComboDropButtonAndBorder)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    look.DrawComboDropButton(&canvas.dc(), CRect(0, 0, 15, 20), FALSE, FALSE, FALSE, nullptr);
    EXPECT_EQ(canvas.Pixel(2, 2), g.colorBarFace);
    EXPECT_EQ(canvas.Pixel(0, 10), g.colorWindow);

    look.DrawComboDropButton(&canvas.dc(), CRect(20, 0, 35, 20), FALSE, FALSE, TRUE, nullptr);
    EXPECT_EQ(canvas.Pixel(20, 10), look.colorHotBorder);
    EXPECT_EQ(canvas.Pixel(22, 2), look.colorHotFill);
    look.DrawComboDropButton(&canvas.dc(), CRect(40, 0, 55, 20), FALSE, TRUE, FALSE, nullptr);
    EXPECT_EQ(canvas.Pixel(42, 2), look.colorPressedFill);

    canvas.Fill(background);
    look.DrawComboBorder(&canvas.dc(), CRect(0, 20, 30, 40), FALSE, FALSE, FALSE, nullptr);
    EXPECT_EQ(canvas.Count(CRect(0, 20, 30, 40), background), 30 * 20);
    look.DrawComboBorder(&canvas.dc(), CRect(0, 20, 30, 40), FALSE, FALSE, TRUE, nullptr);
    EXPECT_EQ(canvas.Pixel(0, 20), background);
    EXPECT_EQ(canvas.Pixel(1, 21), look.colorHotBorder);
    EXPECT_EQ(canvas.Pixel(28, 38), look.colorHotBorder);
}

TEST(OfficeXPCaptionGlyph, StyleRule)
{
    const COLORREF dark = RGB(10, 36, 106), light = RGB(200, 210, 230);
    struct Case {
        BOOL pushed, highlighted, disabled, glyphFlag;
        COLORREF foreground, pressedFill, hotFill;
        int style;
    } cases[] = {
        {FALSE, FALSE, TRUE, FALSE, static_cast<COLORREF>(-1), dark, dark, CGTMenuGlyphs::Grey},
        {TRUE, TRUE, FALSE, FALSE, static_cast<COLORREF>(-1), dark, light, CGTMenuGlyphs::White},
        {FALSE, TRUE, FALSE, FALSE, static_cast<COLORREF>(-1), dark, light, CGTMenuGlyphs::Black},
        {FALSE, FALSE, FALSE, TRUE, static_cast<COLORREF>(-1), dark, dark, CGTMenuGlyphs::White},
        {FALSE, FALSE, FALSE, FALSE, static_cast<COLORREF>(-1), dark, dark, CGTMenuGlyphs::Black},
        {FALSE, FALSE, FALSE, FALSE, RGB(250, 250, 250), dark, dark, CGTMenuGlyphs::White},
        {FALSE, FALSE, FALSE, TRUE, RGB(20, 20, 20), dark, dark, CGTMenuGlyphs::Black},
    };
    for (const Case& c : cases) {
        FakeCaptionButton button;
        button.pushed = c.pushed;
        button.highlighted = c.highlighted;
        button.foreground = c.foreground;
        EXPECT_EQ(CGTVisualManagerXP::XPCaptionGlyphStyle(button, c.glyphFlag, c.disabled, c.pressedFill, c.hotFill),
                  c.style)
            << c.pushed << c.highlighted << c.disabled << c.glyphFlag << std::hex << c.foreground;
    }
}

TEST_F(OfficeXPLook, ToolbarGripperIsAThreePixelBandOfRowLines)
{
    FakeBar toolbar;
    look.DrawGripper(&canvas.dc(), CRect(0, 0, 10, 30), TRUE, &toolbar);
    // The band sits at x 4..6 from y 5 to 24.
    EXPECT_EQ(canvas.Pixel(3, 10), background);
    EXPECT_EQ(canvas.Pixel(7, 10), background);
    EXPECT_EQ(canvas.Pixel(5, 4), background);
    for (int y = 5; y < 25; ++y) {
        EXPECT_EQ(canvas.Pixel(4, y), canvas.Pixel(6, y)) << y;
        EXPECT_NE(canvas.Pixel(4, y), background) << y;
    }
    EXPECT_NE(canvas.Pixel(5, 10), canvas.Pixel(5, 11));

    // A bar inside a dialog keeps the classic gripper.
    FakeBar dialogBar;
    dialogBar.dialog = TRUE;
    TestCanvas classic(60, 40, background);
    CGTVisualManager base(TRUE);
    base.IsLook2000 = look.IsLook2000;
    canvas.Fill(background);
    look.DrawGripper(&canvas.dc(), CRect(0, 0, 10, 30), TRUE, &dialogBar);
    base.DrawGripper(&classic.dc(), CRect(0, 0, 10, 30), TRUE, &dialogBar);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 30; ++y)
            ASSERT_EQ(canvas.Pixel(x, y), classic.Pixel(x, y)) << x << "," << y;
}

TEST_F(OfficeXPLook, CaptionButtonFillFollowsItsState)
{
    struct Case {
        BOOL pushed, highlighted, disabled;
        COLORREF fill;
        int glyphStyle;
    } cases[] = {
        {FALSE, FALSE, FALSE, background, -1},
        {TRUE, TRUE, FALSE, look.colorPressedFill, -1},
        // Pushed while the mouse has left: the hot fill.
        {TRUE, FALSE, FALSE, look.colorHotFill, -1},
        {FALSE, TRUE, FALSE, look.colorHotFill, -1},
        {FALSE, TRUE, TRUE, background, CGTMenuGlyphs::Grey},
    };
    const CSize size = look.GetCaptionButtonDefaultSize();
    const CSize glyph = CGTMenuGlyphs::GetSize();
    for (const Case& c : cases) {
        canvas.Fill(background);
        FakeCaptionButton button;
        button.glyph = CGTMenuGlyphs::Close;
        button.pushed = c.pushed;
        button.highlighted = c.highlighted;
        look.DrawCaptionButton(&canvas.dc(), &button, FALSE, TRUE, FALSE, c.disabled);
        EXPECT_EQ(canvas.Pixel(1, 1), c.fill) << c.pushed << c.highlighted << c.disabled;
        const BOOL framed = (c.pushed || c.highlighted) && !c.disabled;
        EXPECT_EQ(canvas.Pixel(0, 0) == theGuiToolkitGlobals.colorBarDarkShadow, framed);
        if (c.glyphStyle == CGTMenuGlyphs::Grey) {
            // The glyph alone, in grey.
            TestCanvas expected(60, 40, background);
            CGTMenuGlyphs::Draw(&expected.dc(), CGTMenuGlyphs::Close,
                                CPoint((size.cx - glyph.cx) / 2, (size.cy - glyph.cy) / 2), CGTMenuGlyphs::Grey);
            for (int x = 0; x < size.cx; ++x)
                for (int y = 0; y < size.cy; ++y)
                    ASSERT_EQ(canvas.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(OfficeXPLook, TaskWithoutImageIsStillIndented)
{
    FakeTasksPane pane;
    FakeTask task;
    task.pane = &pane;
    task.rect = CRect(0, 0, 60, 20);
    task.name = L"WWW";
    task.text = RGB(0, 0, 0);
    look.DrawTask(&canvas.dc(), &task, nullptr, FALSE, FALSE);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 5, 20), background), 5 * 20);
    EXPECT_GT(canvas.Count(CRect(5, 0, 60, 20), RGB(0, 0, 0)), 0);
}

TEST_F(OfficeXPLook, NarrowCollapsibleCaptionShowsNoGlyph)
{
    FakeTasksPane pane;
    FakeTasksGroup group;
    group.pane = &pane;
    group.name = L"G";
    group.text = RGB(0, 0, 0);
    const CSize glyph = CGTMenuGlyphs::GetSize();
    // Lower than a glyph: the name only.
    group.caption = CRect(0, 0, 60, glyph.cy - 1);
    look.DrawTasksGroupCaption(&canvas.dc(), &group, TRUE, FALSE, TRUE);
    EXPECT_EQ(canvas.Count(CRect(60 - glyph.cx, 0, 60, 40), background), glyph.cx * 40);
    // High enough: the up arrow of an expanded group in its hot square.
    canvas.Fill(background);
    group.caption = CRect(0, 0, 60, 20);
    look.DrawTasksGroupCaption(&canvas.dc(), &group, TRUE, FALSE, TRUE);
    EXPECT_GT(canvas.Count(CRect(60 - glyph.cx, 20 - glyph.cy, 60, 20), look.colorHotFill), 0);
}

TEST(OfficeXPDockingGripper, BandShowsTheBarTitleOnTheBarFace)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    CGTVisualManagerXP look(TRUE);
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, L"STATIC", L"Pane", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    FakeBar pane;
    pane.kind = GTLookBarKind::DockingPane;
    pane.window = &window;
    TestCanvas canvas(120, 20, background);
    look.DrawGripper(&canvas.dc(), CRect(0, 0, 120, 20), FALSE, &pane);

    // The title alone, as the band shows it.
    TestCanvas title(120, 20, background);
    CFont* oldFont = title.dc().SelectObject(&g.fontRegular);
    TEXTMETRIC metrics = {};
    title.dc().GetTextMetrics(&metrics);
    title.dc().SetBkMode(OPAQUE);
    title.dc().SetBkColor(g.colorBarFace);
    title.dc().SetTextColor(g.colorBarText);
    CRect at(0, (20 - metrics.tmHeight - 1) / 2, 120, 20);
    title.dc().DrawText(CString(L" Pane "), &at, 0);
    title.dc().SelectObject(oldFont);

    const CRect all(0, 0, 120, 20);
    EXPECT_GT(canvas.Count(all, g.colorBarFace), 0);
    EXPECT_EQ(canvas.Count(all, g.colorBarText), title.Count(all, g.colorBarText));
    // The pattern fills the band beyond the title, four pixels in from each end.
    EXPECT_EQ(canvas.Count(CRect(116, 0, 120, 20), background), 4 * 20);
    EXPECT_GT(canvas.Count(CRect(100, 0, 116, 20), look.colorSeparatorDark), 0);
    window.DestroyWindow();
}
