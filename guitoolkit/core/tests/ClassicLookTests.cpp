#include <gtest/gtest.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include "LookTestSupport.h"

namespace {
const COLORREF background = RGB(1, 2, 3);
const COLORREF barFace = RGB(10, 20, 30);
const COLORREF barShadow = RGB(40, 50, 60);
const COLORREF barHighlight = RGB(70, 80, 90);
const COLORREF barDarkShadow = RGB(100, 110, 120);
const COLORREF barLight = RGB(130, 140, 150);
const COLORREF btnShadow = RGB(160, 170, 180);
const COLORREF btnHighlight = RGB(190, 200, 210);
const COLORREF windowColor = RGB(220, 230, 240);
const COLORREF black = RGB(0, 0, 0);
const COLORREF white = RGB(255, 255, 255);
const COLORREF grey = RGB(128, 128, 128);

// The classic look drawing with distinct colours in the global record.
class ClassicLook : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiToolkitGlobals& g = theGuiToolkitGlobals;
        g.colorBarFace = barFace;
        g.colorBarShadow = barShadow;
        g.colorBarHighlight = barHighlight;
        g.colorBarDarkShadow = barDarkShadow;
        g.colorBarLight = barLight;
        g.colorBtnShadow = btnShadow;
        g.colorBtnHighlight = btnHighlight;
        g.colorWindow = windowColor;
        g.brushBarFace.DeleteObject();
        g.brushBarFace.CreateSolidBrush(barFace);
        g.brushWindow.DeleteObject();
        g.brushWindow.CreateSolidBrush(windowColor);
    }
    void TearDown() override { theGuiToolkitGlobals.UpdateSysColors(); }

    CGTVisualManager look{TRUE};
    TestCanvas canvas{40, 40, background};
};

TEST_F(ClassicLook, SeparatorIsATwoPixelEtchedStripThroughTheMiddle)
{
    FakeBar bar;
    // Across a horizontal bar: a vertical strip at x 4..5, shadow on its left, highlight on
    // its right.
    look.DrawSeparator(&canvas.dc(), &bar, CRect(0, 0, 10, 20), TRUE);
    EXPECT_EQ(canvas.Pixel(3, 10), background);
    EXPECT_EQ(canvas.Pixel(4, 10), barShadow);
    EXPECT_EQ(canvas.Pixel(5, 10), barHighlight);
    EXPECT_EQ(canvas.Pixel(6, 10), background);

    bar.dialog = TRUE;
    look.DrawSeparator(&canvas.dc(), &bar, CRect(20, 0, 40, 10), FALSE);
    EXPECT_EQ(canvas.Pixel(30, 4), btnShadow);
    EXPECT_EQ(canvas.Pixel(30, 5), btnHighlight);
    EXPECT_EQ(canvas.Pixel(30, 6), background);
}

TEST_F(ClassicLook, StatusProgressFillsItsShareOfTheWidth)
{
    const COLORREF bar = RGB(0, 128, 0);
    struct Case {
        int total, current, filledWidth;
    } cases[] = {{4, 1, 10}, {3, 2, 26}, {7, 7, 40}, {0, 0, 0}};
    for (const Case& c : cases) {
        canvas.Fill(background);
        look.DrawStatusProgress(&canvas.dc(), nullptr, CRect(0, 0, 40, 10), c.total, c.current, bar,
                                static_cast<COLORREF>(-1), static_cast<COLORREF>(-1), FALSE);
        EXPECT_EQ(canvas.Count(CRect(0, 5, 40, 6), bar), c.filledWidth) << c.total << " " << c.current;
    }
}

TEST_F(ClassicLook, StatusProgressAtTheTotalShowsAHundredPercent)
{
    const COLORREF bar = RGB(0, 128, 0);
    const COLORREF text = RGB(255, 0, 0);
    look.DrawStatusProgress(&canvas.dc(), nullptr, CRect(0, 0, 40, 20), 5, 5, bar, static_cast<COLORREF>(-1), text,
                            TRUE);
    // The whole pane is filled, so the whole text shows in the text colour.
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 20), background), 0);
    EXPECT_GT(canvas.Count(CRect(0, 0, 40, 20), text), 0);

    TestCanvas expected(40, 20, bar);
    CRect rect(0, 0, 40, 20);
    expected.dc().SetBkMode(TRANSPARENT);
    expected.dc().SetTextColor(text);
    expected.dc().DrawText(CString(L"100%"), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 20), text), expected.Count(rect, text));
}

TEST_F(ClassicLook, CaptionButtonGlyphColourFollowsTheCaption)
{
    struct Case {
        COLORREF foreground;
        BOOL active, disabled;
        COLORREF glyph;
    } cases[] = {
        {RGB(200, 200, 200), FALSE, FALSE, white},        {RGB(192, 255, 255), TRUE, FALSE, black},
        {RGB(193, 193, 193), FALSE, FALSE, white},        {static_cast<COLORREF>(-1), TRUE, FALSE, white},
        {static_cast<COLORREF>(-1), FALSE, FALSE, black}, {RGB(255, 255, 255), TRUE, TRUE, grey},
    };
    FakeCaptionButton button;
    button.glyph = CGTMenuGlyphs::Close;
    const CSize size = look.GetCaptionButtonDefaultSize();
    for (const Case& c : cases) {
        canvas.Fill(background);
        button.foreground = c.foreground;
        look.DrawCaptionButton(&canvas.dc(), &button, c.active, TRUE, FALSE, c.disabled);
        // The close glyph's centre cell, with the glyph centred in the button.
        const CPoint centre((size.cx - 9) / 2 + 4, (size.cy - 9) / 2 + 4);
        EXPECT_EQ(canvas.Pixel(centre.x, centre.y), c.glyph) << std::hex << c.foreground;
    }
}

TEST_F(ClassicLook, SliderBorderLineSitsOnTheEdgeFacingItsBar)
{
    struct Case {
        DWORD alignment;
        CPoint onLine;
        COLORREF color;
    } cases[] = {
        {CBRS_ALIGN_LEFT, CPoint(19, 5), barDarkShadow},
        {CBRS_ALIGN_TOP, CPoint(5, 19), barDarkShadow},
        {CBRS_ALIGN_RIGHT, CPoint(0, 5), barHighlight},
        {CBRS_ALIGN_BOTTOM, CPoint(5, 0), barHighlight},
        {0, CPoint(19, 5), barFace},
    };
    FakeBar slider;
    slider.kind = GTLookBarKind::Slider;
    const CRect rect(0, 0, 20, 20);
    for (const Case& c : cases) {
        canvas.Fill(background);
        slider.style = c.alignment;
        look.DrawSlider(&canvas.dc(), &slider, rect, TRUE);
        EXPECT_EQ(canvas.Pixel(c.onLine.x, c.onLine.y), c.color) << std::hex << c.alignment;
        EXPECT_EQ(canvas.Count(rect, barFace), c.alignment != 0 ? 400 - 20 : 400) << std::hex << c.alignment;
    }
}

TEST_F(ClassicLook, GridAreaModes)
{
    const COLORREF marker = RGB(9, 99, 199);
    FakeGrid grid;
    const CRect rect(0, 0, 8, 8);
    struct Case {
        int mode;
        COLORREF marker;
        BOOL active;
        COLORREF first, second;  // the checker's two colours (equal for a solid fill)
    } cases[] = {
        {0, marker, TRUE, marker, white},
        {1, marker, FALSE, marker, grey},
        {0, static_cast<COLORREF>(-1), TRUE, RGB(255, 255, 0), white},
        {2, marker, TRUE, marker, marker},
        {2, static_cast<COLORREF>(-1), TRUE, windowColor, windowColor},
        {2, marker, FALSE, theGuiToolkitGlobals.colorBtnFace, theGuiToolkitGlobals.colorBtnFace},
    };
    for (const Case& c : cases) {
        canvas.Fill(background);
        grid.mode = c.mode;
        grid.marker = c.marker;
        const COLORREF textBefore = canvas.dc().GetTextColor(), backBefore = canvas.dc().GetBkColor();
        look.FillGridArea(&canvas.dc(), rect, &grid, c.active);
        EXPECT_EQ(canvas.dc().GetTextColor(), textBefore);
        EXPECT_EQ(canvas.dc().GetBkColor(), backBefore);
        const int firstCount = canvas.Count(rect, c.first);
        if (c.first == c.second)
            EXPECT_EQ(firstCount, 64) << c.mode;
        else {
            EXPECT_EQ(firstCount, 32) << c.mode;
            EXPECT_EQ(canvas.Count(rect, c.second), 32) << c.mode;
            EXPECT_NE(canvas.Pixel(0, 0), canvas.Pixel(1, 0));
        }
    }
}

TEST_F(ClassicLook, CheckBoxFramesAndCheckMark)
{
    const CRect rect(0, 0, 15, 15);
    look.DrawCheckBox(&canvas.dc(), rect, FALSE, TRUE, TRUE);
    EXPECT_EQ(canvas.Pixel(1, 1), barDarkShadow);
    EXPECT_EQ(canvas.Pixel(13, 13), barHighlight);
    EXPECT_EQ(canvas.Pixel(2, 2), barShadow);
    EXPECT_EQ(canvas.Pixel(12, 12), barLight);
    EXPECT_EQ(canvas.Pixel(0, 0), background);
    // The check mark, centred: its lowest ink cell is at (3, 7) of the 9 x 9 glyph.
    EXPECT_EQ(canvas.Pixel(3 + 3, 3 + 7), black);
    EXPECT_EQ(canvas.Pixel(3 + 1, 3 + 1), windowColor);

    canvas.Fill(background);
    look.DrawCheckBox(&canvas.dc(), rect, FALSE, FALSE, FALSE);
    EXPECT_EQ(canvas.Pixel(6, 10), barFace);
    EXPECT_EQ(canvas.Count(CRect(3, 3, 12, 12), black), 0);
}

TEST_F(ClassicLook, CheckedButtonsAreFilledOnlyWhenNotUnderTheMouse)
{
    FakeButton button;
    button.style = GTButtonChecked;
    const CRect rect(0, 0, 20, 20);
    const COLORREF light = [] {
        TestCanvas probe(1, 1);
        probe.dc().FillRect(CRect(0, 0, 1, 1), &theGuiToolkitGlobals.brushLight);
        return probe.Pixel(0, 0);
    }();
    look.FillButtonInterior(&canvas.dc(), &button, rect, 1);
    EXPECT_EQ(canvas.Pixel(10, 10), light);
    EXPECT_EQ(canvas.Pixel(1, 1), background);

    canvas.Fill(background);
    look.FillButtonInterior(&canvas.dc(), &button, rect, 2);
    EXPECT_EQ(canvas.Count(rect, background), 400);

    button.customizing = TRUE;
    look.FillButtonInterior(&canvas.dc(), &button, rect, 1);
    EXPECT_EQ(canvas.Count(rect, background), 400);
}

TEST_F(ClassicLook, SystemButtonsOnlyForTheirThreeCommands)
{
    const CRect rect(0, 0, 16, 14);
    look.DrawMenuSystemButton(&canvas.dc(), rect, nullptr, SC_MAXIMIZE, 0, FALSE);
    EXPECT_EQ(canvas.Count(rect, background), 16 * 14);
    look.DrawMenuSystemButton(&canvas.dc(), rect, nullptr, SC_CLOSE, 0, FALSE);
    EXPECT_LT(canvas.Count(rect, background), 16 * 14);
}

TEST_F(ClassicLook, BarBackgroundByKindOfBar)
{
    FakeBar bar;
    const CRect rect(0, 0, 10, 10);
    look.DrawBarBackground(&canvas.dc(), &bar, rect, CRect());
    EXPECT_EQ(canvas.Count(rect, barFace), 100);

    bar.kind = GTLookBarKind::CaptionBar;
    look.DrawBarBackground(&canvas.dc(), &bar, rect, CRect());
    EXPECT_EQ(canvas.Count(rect, barShadow), 100);

    canvas.Fill(background);
    bar.kind = GTLookBarKind::OutlookPane;
    look.DrawBarBackground(&canvas.dc(), &bar, rect, CRect());
    EXPECT_EQ(canvas.Count(rect, background), 100);
}

TEST_F(ClassicLook, BarBorderDrawsTheSidesOfItsStyleAndShrinks)
{
    FakeBar bar;
    bar.style = CBRS_BORDER_LEFT | CBRS_BORDER_BOTTOM;
    CRect rect(0, 0, 10, 10);
    look.DrawBarBorder(&canvas.dc(), &bar, rect);
    EXPECT_EQ(canvas.Pixel(0, 5), barHighlight);
    EXPECT_EQ(canvas.Pixel(5, 9), barShadow);
    EXPECT_EQ(canvas.Pixel(5, 0), background);
    EXPECT_EQ(rect, CRect(1, 0, 10, 9));

    bar.ownBorder = TRUE;
    CRect untouched(20, 20, 30, 30);
    look.DrawBarBorder(&canvas.dc(), &bar, untouched);
    EXPECT_EQ(untouched, CRect(20, 20, 30, 30));
}

TEST_F(ClassicLook, TabsInTheirOwnColourOrWhiteWhenActiveInASpecialLook)
{
    FakeTabWnd tabs;
    const CRect rect(0, 0, 20, 20);
    struct Case {
        GTTabLook look;
        BOOL active;
        COLORREF expected;
    } cases[] = {
        {GTTabLook::Flat, TRUE, white}, {GTTabLook::Flat, FALSE, barFace}, {GTTabLook::Plain3D, TRUE, barFace}};
    for (const Case& c : cases) {
        tabs.look = c.look;
        look.FillTab(&canvas.dc(), rect, &theGuiToolkitGlobals.brushBarFace, 0, c.active, &tabs);
        EXPECT_EQ(canvas.Pixel(10, 10), c.expected) << static_cast<int>(c.look) << c.active;
    }

    canvas.Fill(background);
    EXPECT_FALSE(look.FillTabBackground(&canvas.dc(), CRect(0, 0, 40, 40), CRect(0, 0, 40, 10), &tabs));
    EXPECT_EQ(canvas.Pixel(20, 20), background);
    tabs.tabColor = RGB(5, 150, 5);
    EXPECT_TRUE(look.FillTabBackground(&canvas.dc(), CRect(0, 0, 40, 40), CRect(0, 0, 40, 10), &tabs));
    EXPECT_EQ(canvas.Pixel(20, 20), tabs.tabColor);
    EXPECT_EQ(canvas.Pixel(20, 5), background);

    // A whole tab: its own colour inside the outline, the outline in the tab colours.
    canvas.Fill(background);
    tabs.look = GTTabLook::Plain3D;
    look.DrawTab(&canvas.dc(), CRect(0, 0, 30, 20), 0, FALSE, &tabs);
    EXPECT_EQ(canvas.Pixel(15, 10), tabs.tabColor);
    EXPECT_EQ(canvas.Pixel(0, 10), barHighlight);
    EXPECT_EQ(canvas.Pixel(29, 10), barDarkShadow);
}

TEST(MenuGlyphs, StylesPickTheirColoursAndSizesScale)
{
    TestCanvas canvas(30, 30, RGB(1, 2, 3));
    struct Case {
        int style;
        COLORREF color;
    } cases[] = {{0, RGB(0, 0, 0)},       {1, RGB(128, 128, 128)}, {2, RGB(192, 192, 192)},
                 {3, RGB(255, 255, 255)}, {4, RGB(72, 72, 72)},    {7, RGB(255, 255, 255)}};
    for (const Case& c : cases) {
        canvas.Fill(RGB(1, 2, 3));
        CGTMenuGlyphs::Draw(&canvas.dc(), CGTMenuGlyphs::RadioDot, CPoint(0, 0), c.style);
        // The radio dot is a 5 x 5 disc without its four corners.
        EXPECT_EQ(canvas.Count(CRect(0, 0, 9, 9), c.color), 21) << c.style;
    }
    canvas.Fill(RGB(1, 2, 3));
    CGTMenuGlyphs::Draw(&canvas.dc(), CGTMenuGlyphs::RadioDot, CPoint(0, 0), 0, CSize(18, 18));
    EXPECT_EQ(canvas.Count(CRect(0, 0, 18, 18), RGB(0, 0, 0)), 84);
    // Unknown glyph numbers draw nothing.
    canvas.Fill(RGB(1, 2, 3));
    CGTMenuGlyphs::Draw(&canvas.dc(), CGTMenuGlyphs::GlyphCount, CPoint(0, 0));
    CGTMenuGlyphs::Draw(&canvas.dc(), -1, CPoint(0, 0));
    EXPECT_EQ(canvas.Count(CRect(0, 0, 30, 30), RGB(1, 2, 3)), 900);
}

TEST(MenuGlyphs, TheStripIsBuiltAgainAfterTheColoursChange)
{
    ASSERT_TRUE(CGTMenuGlyphs::Initialize());
    theGuiToolkitGlobals.UpdateSysColors();
    TestCanvas canvas(9, 9, RGB(1, 2, 3));
    CGTMenuGlyphs::Draw(&canvas.dc(), CGTMenuGlyphs::ArrowDown, CPoint(0, 0));
    EXPECT_EQ(canvas.Count(CRect(0, 0, 9, 9), RGB(0, 0, 0)), 7 + 5 + 3 + 1);
}
}  // namespace
