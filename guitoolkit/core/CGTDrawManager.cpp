#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
const double pi = 3.1415926;
const double degree = 0.017453292222222222;

// A rectangle of the bound DC copied into a DIB section, worked on in memory and copied
// back by Commit. Everything it made is released on every path.
class ScreenFrame {
public:
    ScreenFrame(CDC& dc, const CRect& area) : m_dc(dc), m_area(area) {}
    ~ScreenFrame()
    {
        if (m_memory != nullptr) {
            ::SelectObject(m_memory, m_previous);
            ::DeleteDC(m_memory);
        }
    }
    ScreenFrame(const ScreenFrame&) = delete;
    ScreenFrame& operator=(const ScreenFrame&) = delete;

    BOOL Open()
    {
        m_memory = ::CreateCompatibleDC(m_dc.GetSafeHdc());
        if (m_memory == nullptr || !m_dib.Create(m_area.Width(), m_area.Height()))
            return FALSE;
        m_previous = ::SelectObject(m_memory, m_dib.Handle());
        return ::BitBlt(m_memory, 0, 0, m_area.Width(), m_area.Height(), m_dc.GetSafeHdc(), m_area.left, m_area.top,
                        SRCCOPY);
    }
    void Commit()
    {
        ::BitBlt(m_dc.GetSafeHdc(), m_area.left, m_area.top, m_area.Width(), m_area.Height(), m_memory, 0, 0, SRCCOPY);
    }
    const CGTDibSection& Dib() const { return m_dib; }
    HDC MemoryDC() const { return m_memory; }

private:
    CDC& m_dc;
    CRect m_area;
    HDC m_memory = nullptr;
    HGDIOBJ m_previous = nullptr;
    CGTDibSection m_dib;
};

int Clamp255(int value)
{
    return std::min(255, value);
}

// Pixel channels: blue in the low byte.
int Blue(DWORD pixel)
{
    return pixel & 0xFF;
}
int Green(DWORD pixel)
{
    return (pixel >> 8) & 0xFF;
}
int Red(DWORD pixel)
{
    return (pixel >> 16) & 0xFF;
}
DWORD Pixel(int red, int green, int blue)
{
    return (static_cast<DWORD>(red) << 16) | (static_cast<DWORD>(green) << 8) | static_cast<DWORD>(blue);
}

double HueToChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 1.0;
    if (h > 1)
        h -= 1.0;
    if (6.0 * h < 1)
        return m1 + (m2 - m1) * h * 6.0;
    if (2.0 * h < 1)
        return m2;
    if (3.0 * h < 2.0)
        return m1 + (m2 - m1) * ((2.0 / 3.0) - h) * 6.0;
    return m1;
}

// A colour's channels as fractions of 255, its brightest and darkest, and its hue in sixths of the
// circle from red (-1 to 5, 0 for a grey). The brightest channel is picked on the bytes: on x87
// one fraction can stay at extended precision in a register while its copy in std::max's result
// is rounded to a double, and the two then compare unequal, which puts the hue in the wrong sixth.
struct ColorFractions {
    explicit ColorFractions(COLORREF color)
    {
        const int r = GetRValue(color);
        const int g = GetGValue(color);
        const int b = GetBValue(color);
        const int top = std::max({r, g, b});
        const int bottom = std::min({r, g, b});
        red = r / 255.0;
        green = g / 255.0;
        blue = b / 255.0;
        max = top / 255.0;
        min = bottom / 255.0;
        grey = top == bottom;
        const double delta = max - min;
        if (grey)
            hueSixths = 0;
        else if (r == top)
            hueSixths = (green - blue) / delta;
        else if (g == top)
            hueSixths = 2.0 + (blue - red) / delta;
        else
            hueSixths = 4.0 + (red - green) / delta;
    }

    double red, green, blue, max, min, hueSixths;
    bool grey;
};

float HueDegreesToChannel(float m1, float m2, float h)
{
    if (h > 360)
        h -= 360;
    if (h < 0)
        h += 360;
    if (h < 60)
        return m1 + (m2 - m1) * h / 60;
    if (h < 180)
        return m2;
    if (h < 240)
        return m1 + (m2 - m1) * (240 - h) / 60;
    return m1;
}

COLORREF BandColor(COLORREF start, COLORREF finish, int band)
{
    auto channel = [band](int s, int f) { return (s * (64 - band) + f * band) >> 6; };
    return RGB(channel(GetRValue(start), GetRValue(finish)), channel(GetGValue(start), GetGValue(finish)),
               channel(GetBValue(start), GetBValue(finish)));
}
}  // namespace

COLORREF CGTDrawManager::ScaleColor(COLORREF color, int percent)
{
    return RGB(Clamp255(GetRValue(color) * percent / 100), Clamp255(GetGValue(color) * percent / 100),
               Clamp255(GetBValue(color) * percent / 100));
}

int CGTDrawManager::ScaleChannel(int channel, double factor)
{
    int result = static_cast<int>(0.5 + channel * factor);
    if (channel == 0 && factor > 1.0)
        result = static_cast<int>(0.5 + (factor - 1.0) * 255.0);
    return Clamp255(result);
}

COLORREF CGTDrawManager::AdjustColorHls(COLORREF color, double factorRed, double factorGreen, double factorBlue)
{
    return RGB(ScaleChannel(GetRValue(color), factorRed), ScaleChannel(GetGValue(color), factorGreen),
               ScaleChannel(GetBValue(color), factorBlue));
}

COLORREF CGTDrawManager::MixColors(COLORREF color1, COLORREF color2, int percent)
{
    auto mix = [percent](int c1, int c2) { return (c1 * percent + c2 * (100 - percent)) / 100; };
    return RGB(mix(GetRValue(color1), GetRValue(color2)), mix(GetGValue(color1), GetGValue(color2)),
               mix(GetBValue(color1), GetBValue(color2)));
}

void CGTDrawManager::SetDibPixel(LPBYTE bits, int width, int height, int x, int y, COLORREF color)
{
    const int row = height - y;
    if (bits == nullptr || x < 0 || x >= width || row < 0 || row >= height)
        return;
    reinterpret_cast<DWORD*>(bits)[static_cast<size_t>(row) * width + x] = CGTDibSection::Swap(color);
}

void CGTDrawManager::RgbToHls(COLORREF color, double& hue, double& saturation, double& lightness)
{
    const ColorFractions c(color);
    lightness = (c.max + c.min) * 0.5;
    if (c.grey) {
        saturation = 0;
        hue = 0;
        return;
    }
    const double delta = c.max - c.min;
    saturation = lightness <= 0.5 ? delta / (c.max + c.min) : delta / (2.0 - c.max - c.min);
    hue = c.hueSixths / 6.0;
    if (hue < 0)
        hue += 1.0;
}

COLORREF CGTDrawManager::HlsToRgb(double hue, double lightness, double saturation)
{
    double red, green, blue;
    if (saturation == 0) {
        red = green = blue = lightness;
    } else {
        const double m2 =
            lightness <= 0.5 ? lightness * (1.0 + saturation) : lightness + saturation - lightness * saturation;
        const double m1 = 2.0 * lightness - m2;
        red = HueToChannel(m1, m2, hue + 1.0 / 3.0);
        green = HueToChannel(m1, m2, hue);
        blue = HueToChannel(m1, m2, hue - 1.0 / 3.0);
    }
    return RGB(static_cast<BYTE>(red * 255), static_cast<BYTE>(green * 255), static_cast<BYTE>(blue * 255));
}

COLORREF CGTDrawManager::HlsDegreesToRgb(double hue, double lightness, double saturation)
{
    if (saturation == 0) {
        const BYTE grey = static_cast<BYTE>(lightness * 255);
        return RGB(grey, grey, grey);
    }
    const float l = static_cast<float>(lightness);
    const float s = static_cast<float>(saturation);
    const float h = static_cast<float>(hue);
    const float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float m1 = 2.0f * l - m2;
    return RGB(static_cast<BYTE>(HueDegreesToChannel(m1, m2, h + 120) * 255),
               static_cast<BYTE>(HueDegreesToChannel(m1, m2, h) * 255),
               static_cast<BYTE>(HueDegreesToChannel(m1, m2, h - 120) * 255));
}

void CGTDrawManager::RgbToHsv(COLORREF color, double& hue, double& saturation, double& value)
{
    const ColorFractions c(color);
    value = c.max;
    if (c.max == 0) {
        saturation = 0;
        hue = -1;
        return;
    }
    saturation = (c.max - c.min) / c.max;
    hue = c.grey ? 1 : c.hueSixths;
    hue *= 60;
    if (hue < 0)
        hue += 360;
}

COLORREF CGTDrawManager::HsvToRgb(double hue, double saturation, double value)
{
    double red, green, blue;
    if (saturation == 0) {
        red = green = blue = value;
    } else {
        const int sector = static_cast<int>(std::floor(hue / 60));
        const double f = hue / 60 - sector;
        const double p = value * (1 - saturation);
        const double q = value * (1 - saturation * f);
        const double t = value * (1 - saturation * (1 - f));
        switch (sector) {
        case 0:
            red = value;
            green = t;
            blue = p;
            break;
        case 1:
            red = q;
            green = value;
            blue = p;
            break;
        case 2:
            red = p;
            green = value;
            blue = t;
            break;
        case 3:
            red = p;
            green = q;
            blue = value;
            break;
        case 4:
            red = t;
            green = p;
            blue = value;
            break;
        default:
            red = value;
            green = p;
            blue = q;
            break;
        }
    }
    auto channel = [](double x) { return static_cast<BYTE>(x * 255 + 0.5); };
    return RGB(channel(red), channel(green), channel(blue));
}

COLORREF CGTDrawManager::BlendColorsHsv(COLORREF color1, COLORREF color2, double lightnessRatio, int weight1,
                                        int weight2)
{
    const int total = weight1 + weight2;
    if (total == 0)
        return 0;
    auto mix = [=](int c1, int c2) { return (c1 * weight1 + c2 * weight2) / total; };
    const COLORREF mixed = RGB(mix(GetRValue(color1), GetRValue(color2)), mix(GetGValue(color1), GetGValue(color2)),
                               mix(GetBValue(color1), GetBValue(color2)));
    double hueMix, saturationMix, valueMix, hue2, saturation2, value2;
    RgbToHsv(mixed, hueMix, saturationMix, valueMix);
    RgbToHsv(color2, hue2, saturation2, value2);
    COLORREF result = HsvToRgb(hueMix, (weight1 * saturationMix + weight2 * saturation2) / total, value2);
    if (lightnessRatio != 1.0) {
        double hue, saturation, lightness;
        RgbToHls(result, hue, saturation, lightness);
        result = HlsToRgb(hue, std::min(1.0, lightness * lightnessRatio), saturation);
    }
    return result;
}

void CGTDrawManager::FillSolid(const CRect& rect, COLORREF color)
{
    m_dc.FillSolidRect(&rect, color);
}

BOOL CGTDrawManager::DrawShadow(CRect rect, int depth, int minBrightness, int maxBrightness, CBitmap* saveBottom,
                                CBitmap* saveSide, COLORREF baseColor, BOOL rightShadow)
{
    if (depth == 0 || rect.IsRectEmpty())
        return TRUE;
    const int cx = rect.Width();
    const int cy = rect.Height();
    const int fullWidth = cx + depth;
    const int fullHeight = cy + depth;
    const int x0 = rightShadow ? rect.left : rect.left - depth;
    const int sideX = rightShadow ? rect.right : rect.left - depth;
    HDC dc = m_dc.GetSafeHdc();

    if (saveBottom != nullptr && saveSide != nullptr && saveBottom->GetSafeHandle() != nullptr &&
        saveSide->GetSafeHandle() != nullptr) {
        ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(saveSide->GetSafeHandle()), 0, sideX, rect.top,
                     depth, cy + depth, DST_BITMAP | DSS_NORMAL);
        ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(saveBottom->GetSafeHandle()), 0, x0, rect.bottom,
                     cx + depth, depth, DST_BITMAP | DSS_NORMAL);
        return TRUE;
    }

    ScreenFrame frame(m_dc, CRect(x0, rect.top, x0 + fullWidth, rect.top + fullHeight));
    if (!frame.Open())
        return FALSE;
    const CGTDibSection& dib = frame.Dib();
    const DWORD base = baseColor != (COLORREF)-1 ? CGTDibSection::Swap(baseColor) : 0;
    auto shade = [&](int x, int y, int percent) {
        DWORD* pixel = dib.Pixel(rightShadow ? x : fullWidth - x, cy + depth - y);
        if (pixel == nullptr)
            return;
        int red = Clamp255(Red(*pixel) * percent / 100);
        int green = Clamp255(Green(*pixel) * percent / 100);
        int blue = Clamp255(Blue(*pixel) * percent / 100);
        if (baseColor != (COLORREF)-1) {
            red = (3 * red + Red(base)) / 4;
            green = (3 * green + Green(base)) / 4;
            blue = (3 * blue + Blue(base)) / 4;
        }
        *pixel = Pixel(red, green, blue);
    };
    const int step = (maxBrightness - minBrightness) / depth;
    for (int c = 0; c < depth; ++c) {
        const int low = maxBrightness - step * depth + c * step;
        const int high = maxBrightness - c * step;
        for (int y = cy; y <= cy + depth - c - 1; ++y)
            shade(depth + c, y, low);
        for (int x = 2 * depth - c; x <= cx + c - 1; ++x)
            shade(x, cy + c, high);
        for (int y = 2 * depth - c; y <= cy + c; ++y)
            shade(cx + c, y, high);
        for (int x = cx; x <= cx + depth - c - 1; ++x)
            shade(x, depth + c, low);
    }
    frame.Commit();

    auto save = [&](CBitmap* target, int x, int y, int width, int height, int bitmapWidth, int bitmapHeight) {
        if (target == nullptr)
            return;
        target->CreateCompatibleBitmap(&m_dc, bitmapWidth, bitmapHeight);
        HDC memory = ::CreateCompatibleDC(dc);
        HGDIOBJ previous = ::SelectObject(memory, target->GetSafeHandle());
        ::BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
        ::SelectObject(memory, previous);
        ::DeleteDC(memory);
    };
    save(saveSide, sideX, rect.top, depth, fullHeight, depth + 1, fullHeight);
    save(saveBottom, x0, rect.bottom, fullWidth, depth, fullWidth, depth + 1);
    return TRUE;
}

BOOL CGTDrawManager::BrightenRect(CRect rect, int percent, COLORREF transparentColor, int tolerance,
                                  COLORREF blendColor)
{
    if (percent == 100 || rect.Width() < 1 || rect.Height() < 1)
        return TRUE;
    if (theGuiToolkitGlobals.bitsPerPixel <= 8) {
        ::FillRect(m_dc.GetSafeHdc(), &rect, theGuiToolkitGlobals.brushLight);
        return TRUE;
    }
    if (blendColor != (COLORREF)-1 && percent > 100)
        return FALSE;
    ScreenFrame frame(m_dc, rect);
    if (!frame.Open())
        return FALSE;
    const DWORD transparent = transparentColor != (COLORREF)-1 ? CGTDibSection::Swap(transparentColor) : 0xFFFFFFFF;
    const DWORD highlight = CGTDibSection::Swap(theGuiToolkitGlobals.colorBtnHighlight);
    const DWORD blend = CGTDibSection::Swap(blendColor);
    auto isTransparent = [&](DWORD pixel) {
        if (tolerance <= 0)
            return pixel == transparent;
        return std::abs(Red(pixel) - Red(transparent)) < tolerance &&
            std::abs(Green(pixel) - Green(transparent)) < tolerance &&
            std::abs(Blue(pixel) - Blue(transparent)) < tolerance;
    };
    const CGTDibSection& dib = frame.Dib();
    DWORD* pixel = dib.Bits();
    for (int i = 0; i < dib.Width() * dib.Height(); ++i, ++pixel) {
        if (isTransparent(*pixel))
            continue;
        if (percent == -1) {
            *pixel = Pixel((Red(highlight) + 2 * Red(*pixel)) / 3, (Green(highlight) + 2 * Green(*pixel)) / 3,
                           (Blue(highlight) + 2 * Blue(*pixel)) / 3);
        } else if (blendColor == (COLORREF)-1) {
            const double factor = percent / 100.0;
            *pixel = AdjustColorHls(*pixel, factor, factor, factor);
        } else {
            auto toward = [percent](int channel, int target) {
                return Clamp255(channel + ::MulDiv(target - channel, percent, 100));
            };
            *pixel = Pixel(toward(Red(*pixel), Red(blend)), toward(Green(*pixel), Green(blend)),
                           toward(Blue(*pixel), Blue(blend)));
        }
    }
    frame.Commit();
    return TRUE;
}

BOOL CGTDrawManager::GrayOutRect(CRect rect, int percent, COLORREF transparentColor, COLORREF disabledColor)
{
    if (rect.Width() < 1 || rect.Height() < 1)
        return TRUE;
    if (theGuiToolkitGlobals.bitsPerPixel <= 8) {
        ::FillRect(m_dc.GetSafeHdc(), &rect, theGuiToolkitGlobals.brushLight);
        return TRUE;
    }
    ScreenFrame frame(m_dc, rect);
    if (!frame.Open())
        return FALSE;
    const DWORD transparent = CGTDibSection::Swap(transparentColor);
    const DWORD disabled =
        CGTDibSection::Swap(disabledColor != (COLORREF)-1 ? disabledColor : theGuiToolkitGlobals.colorBtnHighlight);
    const CGTDibSection& dib = frame.Dib();
    DWORD* pixel = dib.Bits();
    for (int i = 0; i < dib.Width() * dib.Height(); ++i, ++pixel) {
        if (transparentColor != (COLORREF)-1 && *pixel == transparent)
            continue;
        double hue, saturation, lightness;
        RgbToHls(*pixel, hue, saturation, lightness);
        const COLORREF grey = HlsToRgb(hue, lightness, 0);
        if (percent == -1) {
            auto halfway = [](int g, int d) { return Clamp255(g + (d - g) / 2); };
            *pixel = Pixel(halfway(GetRValue(grey), Red(disabled)), halfway(GetGValue(grey), Green(disabled)),
                           halfway(GetBValue(grey), Blue(disabled)));
        } else {
            const double factor = percent / 100.0;
            *pixel = AdjustColorHls(grey, factor, factor, factor);
        }
    }
    frame.Commit();
    return TRUE;
}

void CGTDrawManager::MirrorArea(CRect rect, BOOL horizontal)
{
    if (rect.Width() < 1 || rect.Height() < 1)
        return;
    ScreenFrame frame(m_dc, rect);
    if (!frame.Open())
        return;
    const CGTDibSection& dib = frame.Dib();
    const int width = dib.Width();
    const int height = dib.Height();
    if (horizontal) {
        for (int row = 0; row < height; ++row)
            for (int x = 0; x < width / 2; ++x)
                std::swap(*dib.Pixel(x, row), *dib.Pixel(width - 1 - x, row));
    } else {
        for (int row = 0; row < height / 2; ++row)
            std::swap_ranges(dib.Pixel(0, row), dib.Pixel(0, row) + width, dib.Pixel(0, height - 1 - row));
    }
    frame.Commit();
}

void CGTDrawManager::FillGradient(CRect rect, COLORREF startColor, COLORREF finishColor, BOOL horizontal,
                                  int startFlatPercent, int endFlatPercent)
{
    if (startColor == finishColor) {
        FillSolid(rect, startColor);
        return;
    }
    if (startFlatPercent > 0) {
        CRect flat = rect;
        if (horizontal) {
            flat.bottom = flat.top + rect.Height() * startFlatPercent / 100;
            FillSolid(flat, finishColor);
            rect.top = flat.bottom;
        } else {
            flat.right = flat.left + rect.Width() * startFlatPercent / 100;
            FillSolid(flat, startColor);
            rect.left = flat.right;
        }
    }
    if (endFlatPercent > 0) {
        CRect flat = rect;
        if (horizontal) {
            flat.top = flat.bottom - rect.Height() * endFlatPercent / 100;
            FillSolid(flat, startColor);
            rect.bottom = flat.top;
        } else {
            flat.left = flat.right - rect.Width() * endFlatPercent / 100;
            FillSolid(flat, finishColor);
            rect.right = flat.left;
        }
    }
    if (startFlatPercent + endFlatPercent > 100)
        return;
    const int height = rect.Height();
    const int width = rect.Width();
    for (int i = 0; i < 64; ++i) {
        CRect band = rect;
        if (horizontal) {
            band.top = rect.bottom - ((height * (i + 1)) >> 6);
            band.bottom = rect.bottom - ((height * i) >> 6);
        } else {
            band.left = rect.left + ((width * i) >> 6);
            band.right = rect.left + ((width * (i + 1)) >> 6);
        }
        if (band.Width() < 1 || band.Height() < 1)
            continue;
        FillSolid(band, BandColor(startColor, finishColor, i));
    }
}

void CGTDrawManager::FillGradientRotated(CRect rect, COLORREF startColor, COLORREF finishColor, int angle)
{
    if (startColor == finishColor) {
        FillSolid(rect, startColor);
        return;
    }
    switch (angle) {
    case 0:
    case 360:
        FillGradient(rect, startColor, finishColor, FALSE, 0, 0);
        return;
    case 90:
        FillGradient(rect, startColor, finishColor, TRUE, 0, 0);
        return;
    case 180:
        FillGradient(rect, finishColor, startColor, FALSE, 0, 0);
        return;
    case 270:
        FillGradient(rect, finishColor, startColor, TRUE, 0, 0);
        return;
    default:
        break;
    }
    const int width = rect.Width();
    const int height = rect.Height();
    HDC dc = m_dc.GetSafeHdc();
    HDC memory = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, width, height);
    if (memory == nullptr || bitmap == nullptr) {
        if (memory != nullptr)
            ::DeleteDC(memory);
        if (bitmap != nullptr)
            ::DeleteObject(bitmap);
        return;
    }
    HGDIOBJ previousBitmap = ::SelectObject(memory, bitmap);
    HGDIOBJ previousPen = ::SelectObject(memory, ::GetStockObject(NULL_PEN));
    const int offset = static_cast<int>(std::cos((angle + 180) * pi / 180) * height);
    const int span = std::abs(offset) + width;
    const int xStart = offset > 0 ? -offset : 0;
    for (int i = 0; i < 64; ++i) {
        const int x1 = xStart + ((i * span) >> 6);
        const int x2 = xStart + (((i + 1) * span) >> 6);
        if (x1 == x2)
            continue;
        HBRUSH brush = ::CreateSolidBrush(BandColor(startColor, finishColor, i));
        HGDIOBJ previousBrush = ::SelectObject(memory, brush);
        const POINT points[4] = {{x1, 0}, {x2, 0}, {x2 + offset, height}, {x1 + offset, height}};
        ::Polygon(memory, points, 4);
        ::SelectObject(memory, previousBrush);
        ::DeleteObject(brush);
    }
    ::BitBlt(dc, rect.left, rect.top, width, height, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, previousPen);
    ::SelectObject(memory, previousBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
}

BOOL CGTDrawManager::FillRingGradient(CRect rect, COLORREF startColor, COLORREF finishColor, COLORREF borderColor,
                                      int angle, int ringWidth, COLORREF faceColor)
{
    if (rect.Width() <= 4 || rect.Height() <= 4)
        return FALSE;
    ScreenFrame frame(m_dc, rect);
    if (!frame.Open())
        return FALSE;
    const CGTDibSection& dib = frame.Dib();
    LPBYTE bits = reinterpret_cast<LPBYTE>(dib.Bits());
    const int dibWidth = dib.Width();
    const int dibHeight = dib.Height();
    CRect ring(0, 0, rect.Width(), rect.Height());
    const double a0 = angle * pi / 180;
    const double aEnd = a0 + 6.2831852;
    const double increment[3] = {((GetRValue(finishColor) + 0.5) - GetRValue(startColor)) / 360 * 2,
                                 ((GetGValue(finishColor) + 0.5) - GetGValue(startColor)) / 360 * 2,
                                 ((GetBValue(finishColor) + 0.5) - GetBValue(startColor)) / 360 * 2};
    const int startChannel[3] = {GetRValue(startColor), GetGValue(startColor), GetBValue(startColor)};
    auto setPixel = [&](int x, int y, COLORREF color) { SetDibPixel(bits, dibWidth, dibHeight, x, y, color); };

    for (int i = 0; i < ringWidth; ++i) {
        const int width = ring.Width();
        const int height = ring.Height();
        const int diff = width - height;
        const int radius = std::min(width, height) / 2;
        const int xc = (ring.left + ring.right) / 2;
        const int yc = (ring.top + ring.bottom) / 2;
        if (i == 0 && faceColor != (COLORREF)-1) {
            HDC memory = frame.MemoryDC();
            HBRUSH brush = ::CreateSolidBrush(faceColor);
            HGDIOBJ previousBrush = ::SelectObject(memory, brush);
            HGDIOBJ previousPen = ::SelectObject(memory, ::GetStockObject(NULL_PEN));
            if (diff == 0) {
                ::Ellipse(memory, ring.left, ring.top, ring.right, ring.bottom);
            } else if (diff < 0) {
                ::Ellipse(memory, ring.left, ring.top, ring.right, ring.top + width);
                ::Ellipse(memory, ring.left, ring.bottom - width, ring.right, ring.bottom);
                ::Rectangle(memory, ring.left, ring.top + width / 2, ring.right, ring.bottom - width / 2);
            } else {
                ::Ellipse(memory, ring.left, ring.top, ring.left + height, ring.bottom);
                ::Ellipse(memory, ring.right - height, ring.top, ring.right, ring.bottom);
                ::Rectangle(memory, ring.left + height / 2, ring.top, ring.right - height / 2, ring.bottom);
            }
            ::GdiFlush();
            ::SelectObject(memory, previousPen);
            ::SelectObject(memory, previousBrush);
            ::DeleteObject(brush);
        }
        bool havePrevious = false;
        int previousX = 0;
        int previousY = 0;
        int k = 0;
        for (double a = a0; a < aEnd + degree; a += degree, ++k) {
            const int pos = a <= (a0 + aEnd) / 2 ? k : 360 - k;
            COLORREF color;
            if (i == 0 && borderColor != (COLORREF)-1) {
                color = borderColor;
            } else {
                int channel[3];
                for (int c = 0; c < 3; ++c)
                    channel[c] =
                        static_cast<int>(std::min(255.0, std::max(0.0, startChannel[c] + increment[c] * pos + 0.5)));
                color = RGB(channel[0], channel[1], channel[2]);
            }
            int x = static_cast<int>(std::cos(a) * radius) + xc;
            int y = static_cast<int>(std::sin(a) * radius) + yc;
            if (diff > 0) {
                x += static_cast<int>(diff * (x > xc ? 0.5 : -0.5));
                if (havePrevious && (previousX > xc) != (x > xc))
                    for (int fill = std::min(previousX, x); fill < std::max(previousX, x); ++fill)
                        setPixel(fill, y, color);
            } else if (diff < 0) {
                y += static_cast<int>(diff * (y > yc ? -0.5 : 0.5));
                if (havePrevious && (previousY > yc) != (y > yc))
                    for (int fill = std::min(previousY, y); fill < std::max(previousY, y); ++fill)
                        setPixel(x, fill, color);
            }
            setPixel(x, y, color);
            havePrevious = true;
            previousX = x;
            previousY = y;
        }
        ring.DeflateRect(1, 1);
    }
    frame.Commit();
    return TRUE;
}
