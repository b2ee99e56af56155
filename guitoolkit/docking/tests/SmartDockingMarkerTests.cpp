#include <guitoolkit/core/tests/TestSupport.h>
#include <guitoolkit/docking/CGTSmartDockingMarker.h>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {
const COLORREF magenta = RGB(255, 0, 255);
const COLORREF red = RGB(255, 0, 0);
const COLORREF blue = RGB(0, 0, 255);
const COLORREF white = RGB(255, 255, 255);

// A 32-bit DIB of magenta with the listed pixels set (raw 0xAARRGGBB values).
struct Pixel {
    int x, y;
    DWORD raw;
};

HBITMAP MakeBitmap(int width, int height, std::initializer_list<Pixel> pixels, DWORD fill = 0xFFFF00FF)
{
    CGTDibSection dib;
    dib.Create(width, height);
    std::fill(dib.Bits(), dib.Bits() + width * height, fill);
    for (const Pixel& pixel : pixels)
        *dib.PixelAt(pixel.x, pixel.y) = pixel.raw;
    return dib.Detach();
}

DWORD RawPixel(HBITMAP bitmap, int x, int y)
{
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof(info), &info);
    CGTDibSection copy;
    copy.Create(info.bmWidth, info.bmHeight);
    BITMAPINFO header = {};
    header.bmiHeader = CGTDibSection::Header(info.bmWidth, info.bmHeight);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, info.bmHeight, copy.Bits(), &header, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return *copy.PixelAt(x, y);
}

COLORREF ColorAt(HBITMAP bitmap, int x, int y)
{
    return CGTDibSection::Swap(RawPixel(bitmap, x, y) & 0xFFFFFF);
}

// A marker whose strip holds the bitmap as its one image.
struct Marker {
    Marker(HBITMAP bitmap, int bitsPerPixel)
    {
        BITMAP info = {};
        ::GetObjectW(bitmap, sizeof(info), &info);
        marker.m_Images.sizeImage = {info.bmWidth, info.bmHeight};
        marker.m_Images.colorTransparent = magenta;
        marker.m_Images.AddImage(bitmap, FALSE);
        marker.m_Images.bitsPerPixel = bitsPerPixel;
        ::DeleteObject(bitmap);
    }
    COLORREF At(int x, int y) const { return ColorAt(marker.m_Images.bitmap, x, y); }
    CGTSmartDockingMarker marker;
};
}  // namespace

TEST(SmartDockingMarker, RecoloursByTheHueAndSaturationShiftAndTheLightnessOnlyForLowToneHues)
{
    const DWORD opaqueRed = 0xFFFF0000, opaqueBlack = 0xFF000000, opaqueWhite = 0xFFFFFFFF;
    // Dark blue has a hue above one half: red turns blue at its own lightness.
    Marker toBlue(MakeBitmap(3, 1, {{0, 0, opaqueRed}, {1, 0, opaqueWhite}}), 24);
    toBlue.marker.BuildShadowedImage(red, RGB(0, 0, 128));
    EXPECT_EQ(blue, toBlue.At(0, 0));
    EXPECT_EQ(white, toBlue.At(1, 0));
    EXPECT_EQ(magenta, toBlue.At(2, 0));

    // White has hue 0: saturation drops to 0 and lightness rises by one half (clamped).
    Marker toWhite(MakeBitmap(3, 1, {{0, 0, opaqueRed}, {1, 0, opaqueBlack}}), 24);
    toWhite.marker.BuildShadowedImage(red, white);
    EXPECT_EQ(white, toWhite.At(0, 0));
    EXPECT_EQ(RGB(127, 127, 127), toWhite.At(1, 0));
    EXPECT_EQ(magenta, toWhite.At(2, 0));
}

TEST(SmartDockingMarker, RecolouringAStripWithAlphaSkipsClearPixelsAndKeepsThemPremultiplied)
{
    // Magenta is an ordinary colour here; alpha 0 marks what stays.
    Marker marker(MakeBitmap(3, 1, {{0, 0, 0xFFFF0000}, {1, 0, 0x80800000}, {2, 0, 0x00FF00FF}}), 32);
    HBITMAP before = marker.marker.m_Images.bitmap;
    marker.marker.BuildShadowedImage(red, white);
    EXPECT_EQ(before, marker.marker.m_Images.bitmap);
    EXPECT_EQ(0xFFFFFFFFu, RawPixel(marker.marker.m_Images.bitmap, 0, 0));
    EXPECT_EQ(0x80808080u, RawPixel(marker.marker.m_Images.bitmap, 1, 0));
    EXPECT_EQ(0x00FF00FFu, RawPixel(marker.marker.m_Images.bitmap, 2, 0));
}

TEST(SmartDockingMarker, RecolouringAResourceStripReplacesItAndDropsTheFadedCopy)
{
    CGTSmartDockingMarker marker;
    marker.m_Images.mapTo3dColors = FALSE;
    ASSERT_TRUE(marker.m_Images.LoadFromResource(101));
    marker.m_Images.colorTransparent = RGB(192, 192, 192);
    marker.m_Images.alwaysLight = TRUE;
    ASSERT_TRUE(marker.m_Images.BuildFadedImage());
    ASSERT_NE(nullptr, marker.m_Images.fadedBitmap);
    marker.BuildShadowedImage(red, RGB(0, 0, 128));
    EXPECT_EQ(nullptr, marker.m_Images.fadedBitmap);
    EXPECT_EQ(blue, ColorAt(marker.m_Images.bitmap, 16 + 4, 4));
    EXPECT_EQ(RGB(192, 192, 192), ColorAt(marker.m_Images.bitmap, 16, 0));
}

TEST(SmartDockingMarker, TheRegionOfABitmapLeavesItsTransparentPixelsOut)
{
    HBITMAP bitmap = MakeBitmap(4, 3, {{1, 0, 0xFFFF0000}, {2, 0, 0xFFFF0000}, {3, 2, 0xFF000000}});
    HRGN region = CGTSmartDockingMarker::CreateRegionFromBitmap(bitmap, magenta);
    ASSERT_NE(nullptr, region);
    for (POINT inside : {POINT{1, 0}, POINT{2, 0}, POINT{3, 2}})
        EXPECT_TRUE(::PtInRegion(region, inside.x, inside.y)) << inside.x << "," << inside.y;
    for (POINT outside : {POINT{0, 0}, POINT{3, 0}, POINT{0, 1}, POINT{2, 2}, POINT{4, 2}})
        EXPECT_FALSE(::PtInRegion(region, outside.x, outside.y)) << outside.x << "," << outside.y;
    ::DeleteObject(region);

    HRGN whole = CGTSmartDockingMarker::CreateRegionFromBitmap(bitmap, (COLORREF)-1);
    RECT box = {};
    EXPECT_EQ(SIMPLEREGION, ::GetRgnBox(whole, &box));
    EXPECT_EQ(CRect(0, 0, 4, 3), CRect(box));
    ::DeleteObject(whole);
    ::DeleteObject(bitmap);

    HBITMAP clear = MakeBitmap(5, 5, {});
    HRGN empty = CGTSmartDockingMarker::CreateRegionFromBitmap(clear, magenta);
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(NULLREGION, ::GetRgnBox(empty, &box));
    ::DeleteObject(empty);
    ::DeleteObject(clear);

    EXPECT_EQ(nullptr, CGTSmartDockingMarker::CreateRegionFromBitmap(nullptr, magenta));
}

TEST(SmartDockingMarker, TheRegionOfAPaletteBitmapComparesItsTrueColours)
{
    HBITMAP strip = static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, strip);
    HRGN region = CGTSmartDockingMarker::CreateRegionFromBitmap(strip, RGB(192, 192, 192));
    ASSERT_NE(nullptr, region);
    EXPECT_TRUE(::PtInRegion(region, 5, 5));
    EXPECT_TRUE(::PtInRegion(region, 16 + 4, 4));
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_FALSE(::PtInRegion(region, 16 + 12, 4));
    ::DeleteObject(region);
    ::DeleteObject(strip);
}
