#include "TestSupport.h"
#include <guitoolkit/core/CGTDrawManager.h>
#include <gtest/gtest.h>
#include <vector>

TEST(DrawManagerColours, ChannelAndColourArithmetic)
{
    EXPECT_EQ(77, CGTDrawManager::ScaleChannel(0, 1.3));
    EXPECT_EQ(255, CGTDrawManager::ScaleChannel(200, 1.3));
    EXPECT_EQ(50, CGTDrawManager::ScaleChannel(100, 0.5));
    EXPECT_EQ(0, CGTDrawManager::ScaleChannel(0, 0.5));
    EXPECT_EQ(RGB(50, 100, 125), CGTDrawManager::ScaleColor(RGB(100, 200, 250), 50));
    EXPECT_EQ(RGB(200, 255, 255), CGTDrawManager::ScaleColor(RGB(100, 200, 250), 200));
    EXPECT_EQ(RGB(50, 150, 100), CGTDrawManager::MixColors(RGB(200, 0, 100), RGB(0, 200, 100), 25));
    EXPECT_EQ(RGB(77, 130, 255), CGTDrawManager::AdjustColorHls(RGB(0, 100, 250), 1.3, 1.3, 1.3));
}

TEST(DrawManagerColours, HueConversions)
{
    // Beside the pure colours, one colour with each channel the brightest, none of them 0 or 255:
    // the brightest channel then has a fraction that a double cannot hold exactly.
    struct Case {
        COLORREF color;
        double hue, saturation, lightness, hsvDegrees;
    };
    const Case cases[] = {{RGB(255, 0, 0), 0.0, 1.0, 0.5, 0},
                          {RGB(0, 255, 0), 1.0 / 3, 1.0, 0.5, 120},
                          {RGB(0, 0, 255), 2.0 / 3, 1.0, 0.5, 240},
                          {RGB(128, 128, 128), 0.0, 0.0, 128 / 255.0, 60},
                          {RGB(212, 208, 200), 1.0 / 9, 6.0 / 49, 412 / 510.0, 40},
                          {RGB(100, 200, 150), 5.0 / 12, 10.0 / 21, 300 / 510.0, 150},
                          {RGB(40, 90, 170), 47.0 / 78, 13.0 / 21, 210 / 510.0, 47.0 / 78 * 360}};
    for (const Case& c : cases) {
        double hue, saturation, lightness;
        CGTDrawManager::RgbToHls(c.color, hue, saturation, lightness);
        EXPECT_NEAR(c.hue, hue, 1e-9);
        EXPECT_NEAR(c.saturation, saturation, 1e-9);
        EXPECT_NEAR(c.lightness, lightness, 1e-9);
        double value;
        CGTDrawManager::RgbToHsv(c.color, hue, saturation, value);
        EXPECT_NEAR(c.hsvDegrees, hue, 1e-9);
    }
    EXPECT_EQ(RGB(255, 0, 0), CGTDrawManager::HlsToRgb(0, 0.5, 1));
    EXPECT_EQ(RGB(0, 0, 255), CGTDrawManager::HlsToRgb(2.0 / 3, 0.5, 1));
    EXPECT_EQ(RGB(127, 127, 127), CGTDrawManager::HlsToRgb(0.3, 0.5, 0));
    EXPECT_EQ(RGB(255, 0, 0), CGTDrawManager::HlsDegreesToRgb(0, 0.5, 1));
    EXPECT_EQ(RGB(0, 255, 0), CGTDrawManager::HlsDegreesToRgb(120, 0.5, 1));
    EXPECT_EQ(RGB(63, 63, 63), CGTDrawManager::HlsDegreesToRgb(200, 0.25, 0));

    double hue, saturation, value;
    CGTDrawManager::RgbToHsv(RGB(0, 0, 0), hue, saturation, value);
    EXPECT_EQ(-1, hue);
    EXPECT_EQ(0, saturation);
    CGTDrawManager::RgbToHsv(RGB(90, 90, 90), hue, saturation, value);
    EXPECT_EQ(60, hue);
    EXPECT_EQ(RGB(255, 0, 0), CGTDrawManager::HsvToRgb(0, 1, 1));
    EXPECT_EQ(RGB(0, 128, 128), CGTDrawManager::HsvToRgb(180, 1, 0.5));
    EXPECT_EQ(RGB(51, 51, 51), CGTDrawManager::HsvToRgb(10, 0, 0.2));

    EXPECT_EQ(0u, CGTDrawManager::BlendColorsHsv(RGB(10, 20, 30), RGB(40, 50, 60), 1.0, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), CGTDrawManager::BlendColorsHsv(RGB(255, 0, 0), RGB(255, 0, 0), 1.0, 1, 1));
    const COLORREF lighter = CGTDrawManager::BlendColorsHsv(RGB(200, 0, 0), RGB(200, 0, 0), 1.5, 1, 1);
    double h, s, l;
    CGTDrawManager::RgbToHls(lighter, h, s, l);
    EXPECT_NEAR(1.5 * 100 / 255.0, l, 0.01);
}

TEST(DrawManagerColours, DibPixelWritesStayInsideTheBitmap)
{
    // A 2 x 2 bitmap between guard words.
    std::vector<DWORD> memory(8, 0xCCCCCCCC);
    LPBYTE bits = reinterpret_cast<LPBYTE>(&memory[2]);
    for (int y : {-1, 0, 3})
        CGTDrawManager::SetDibPixel(bits, 2, 2, 0, y, RGB(1, 2, 3));
    CGTDrawManager::SetDibPixel(bits, 2, 2, 2, 1, RGB(1, 2, 3));
    CGTDrawManager::SetDibPixel(bits, 2, 2, -1, 1, RGB(1, 2, 3));
    EXPECT_EQ(std::vector<DWORD>(8, 0xCCCCCCCC), memory);
    CGTDrawManager::SetDibPixel(bits, 2, 2, 1, 1, RGB(1, 2, 3));
    EXPECT_EQ(0x00010203u, memory[2 + 2 + 1]);
}

TEST(DrawManager, GradientsRunFromStartToFinish)
{
    const COLORREF start = RGB(0, 0, 0);
    const COLORREF finish = RGB(252, 128, 64);
    PixelSurface surface(64, 64);
    CGTDrawManager draw(surface.Dc());
    draw.FillGradient(CRect(0, 0, 64, 64), start, finish, FALSE, 0, 0);
    EXPECT_EQ(start, surface.At(0, 10));
    EXPECT_EQ(RGB(126, 64, 32), surface.At(32, 10));
    EXPECT_EQ(RGB(248, 126, 63), surface.At(63, 10));

    draw.FillGradient(CRect(0, 0, 64, 64), start, finish, TRUE, 0, 0);
    EXPECT_EQ(start, surface.At(10, 63));
    EXPECT_EQ(RGB(248, 126, 63), surface.At(10, 0));

    surface.Fill(RGB(9, 9, 9));
    draw.FillGradientRotated(CRect(0, 0, 64, 64), start, finish, 90);
    EXPECT_EQ(start, surface.At(5, 63));
    EXPECT_EQ(RGB(248, 126, 63), surface.At(5, 0));

    surface.Fill(RGB(9, 9, 9));
    draw.FillGradientRotated(CRect(0, 0, 64, 64), start, finish, 45);
    EXPECT_NE(RGB(9, 9, 9), surface.At(32, 32));

    draw.FillGradient(CRect(0, 0, 64, 64), finish, finish, TRUE, 0, 0);
    EXPECT_EQ(finish, surface.At(40, 40));
}

TEST(DrawManager, GradientFlatPartsOverAHundredPercentPaintOnlyThemselves)
{
    PixelSurface surface(10, 100, RGB(9, 9, 9));
    CGTDrawManager(surface.Dc()).FillGradient(CRect(0, 0, 10, 100), RGB(255, 0, 0), RGB(0, 0, 255), TRUE, 60, 50);
    EXPECT_EQ(RGB(0, 0, 255), surface.At(5, 0));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(5, 59));
    EXPECT_EQ(RGB(9, 9, 9), surface.At(5, 60));
    EXPECT_EQ(RGB(9, 9, 9), surface.At(5, 79));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(5, 80));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(5, 99));
}

TEST(DrawManager, MirrorSwapsRowsOrColumns)
{
    PixelSurface surface(4, 2);
    surface.Fill(CRect(0, 0, 4, 1), RGB(255, 0, 0));
    surface.Fill(CRect(0, 1, 1, 2), RGB(0, 255, 0));
    CGTDrawManager draw(surface.Dc());
    draw.MirrorArea(CRect(0, 0, 4, 2), FALSE);
    EXPECT_EQ(RGB(255, 0, 0), surface.At(2, 1));
    EXPECT_EQ(RGB(0, 255, 0), surface.At(0, 0));
    draw.MirrorArea(CRect(0, 0, 4, 2), TRUE);
    EXPECT_EQ(RGB(0, 255, 0), surface.At(3, 0));
    EXPECT_EQ(RGB(1, 2, 3), surface.At(0, 0));
}

TEST(DrawManager, ShadowDarkensBesideAndBelowAndRepaintsSavedStrips)
{
    const COLORREF background = RGB(200, 200, 200);
    PixelSurface surface(60, 60, background);
    const CRect menu(10, 10, 40, 40);
    CBitmap bottom, side;
    CGTDrawManager draw(surface.Dc());
    ASSERT_TRUE(draw.DrawShadow(menu, 4, 100, 50, &bottom, &side, (COLORREF)-1, TRUE));
    EXPECT_EQ(background, surface.At(20, 20));
    EXPECT_EQ(background, surface.At(45, 20));
    const COLORREF beside = surface.At(41, 25);
    const COLORREF below = surface.At(25, 41);
    EXPECT_LT(GetRValue(beside), 200);
    EXPECT_LT(GetRValue(below), 200);
    EXPECT_NE(nullptr, bottom.GetSafeHandle());
    EXPECT_NE(nullptr, side.GetSafeHandle());

    PixelSurface other(60, 60, RGB(0, 255, 0));
    CGTDrawManager otherDraw(other.Dc());
    ASSERT_TRUE(otherDraw.DrawShadow(menu, 4, 100, 50, &bottom, &side, (COLORREF)-1, TRUE));
    EXPECT_EQ(beside, other.At(41, 25));
    EXPECT_EQ(below, other.At(25, 41));
    EXPECT_TRUE(draw.DrawShadow(CRect(), 4, 100, 50, nullptr, nullptr, (COLORREF)-1, TRUE));
}

TEST(DrawManager, BrightenRectLeavesTransparentPixelsAndHonoursItsLimits)
{
    PixelSurface surface(4, 1, RGB(100, 100, 100));
    surface.Fill(CRect(3, 0, 4, 1), RGB(0, 255, 0));
    CGTDrawManager draw(surface.Dc());
    EXPECT_TRUE(draw.BrightenRect(CRect(0, 0, 4, 1), 100, (COLORREF)-1, 0, (COLORREF)-1));
    EXPECT_EQ(RGB(100, 100, 100), surface.At(0, 0));
    EXPECT_FALSE(draw.BrightenRect(CRect(0, 0, 4, 1), 120, (COLORREF)-1, 0, RGB(255, 255, 255)));
    EXPECT_EQ(RGB(100, 100, 100), surface.At(0, 0));

    EXPECT_TRUE(draw.BrightenRect(CRect(0, 0, 4, 1), 150, RGB(0, 255, 0), 0, (COLORREF)-1));
    EXPECT_EQ(RGB(150, 150, 150), surface.At(0, 0));
    EXPECT_EQ(RGB(0, 255, 0), surface.At(3, 0));

    EXPECT_TRUE(draw.BrightenRect(CRect(0, 0, 4, 1), 50, RGB(0, 250, 0), 10, RGB(250, 250, 250)));
    EXPECT_EQ(RGB(200, 200, 200), surface.At(0, 0));
    EXPECT_EQ(RGB(0, 255, 0), surface.At(3, 0));
}

TEST(DrawManager, GrayOutTurnsPixelsToTheirLightness)
{
    PixelSurface surface(3, 1, RGB(255, 0, 0));
    surface.Fill(CRect(2, 0, 3, 1), RGB(0, 0, 255));
    CGTDrawManager draw(surface.Dc());
    EXPECT_TRUE(draw.GrayOutRect(CRect(1, 0, 2, 1), -1, (COLORREF)-1, RGB(255, 255, 255)));
    EXPECT_EQ(RGB(191, 191, 191), surface.At(1, 0));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(0, 0));
    EXPECT_TRUE(draw.GrayOutRect(CRect(0, 0, 3, 1), 100, RGB(0, 0, 255), (COLORREF)-1));
    EXPECT_EQ(RGB(127, 127, 127), surface.At(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(2, 0));
}

TEST(DrawManager, PixelEffectsFallBackToTheLightBrushOnEightBitScreens)
{
    FakeScreen screen(8, {{COLOR_BTNFACE, RGB(100, 100, 100)}, {COLOR_BTNHIGHLIGHT, RGB(200, 200, 200)}});
    PixelSurface surface(2, 1, RGB(0, 0, 0));
    CGTDrawManager draw(surface.Dc());
    EXPECT_TRUE(draw.BrightenRect(CRect(0, 0, 2, 1), 150, (COLORREF)-1, 0, (COLORREF)-1));
    EXPECT_NE(surface.At(0, 0), surface.At(1, 0));
    surface.Fill(RGB(0, 0, 0));
    EXPECT_TRUE(draw.GrayOutRect(CRect(0, 0, 2, 1), 100, (COLORREF)-1, (COLORREF)-1));
    EXPECT_NE(surface.At(0, 0), surface.At(1, 0));
}

TEST(DrawManager, RingGradientDrawsItsBorderInsideTheRectangle)
{
    PixelSurface surface(30, 30, RGB(9, 9, 9));
    CGTDrawManager draw(surface.Dc());
    EXPECT_FALSE(draw.FillRingGradient(CRect(0, 0, 4, 30), 0, RGB(255, 255, 255), (COLORREF)-1, 45, 3, (COLORREF)-1));
    ASSERT_TRUE(draw.FillRingGradient(CRect(0, 0, 20, 30), RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0), 45, 3,
                                      RGB(0, 0, 255)));
    int border = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            border += surface.At(x, y) == RGB(255, 0, 0) ? 1 : 0;
    EXPECT_GT(border, 20);
    EXPECT_EQ(RGB(0, 0, 255), surface.At(10, 15));
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(RGB(9, 9, 9), surface.At(25, y));
}
