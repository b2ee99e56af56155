#include <guitoolkit/docking/CGTSmartDockingMarker.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CGTMarkerBmpWnd, CWnd)
IMPLEMENT_DYNCREATE(CGTSmartDockingMarker, CObject)
IMPLEMENT_DYNCREATE(CGTSDCentralGroupMarker, CGTSmartDockingMarker)

namespace {
double ClampUnit(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

// The rows of the bitmap, top first, as 32-bit pixels; empty when they cannot be read.
std::vector<DWORD> ReadPixelsTopDown(HBITMAP bitmap, int width, int height)
{
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info = {};
    info.bmiHeader = CGTDibSection::Header(width, height);
    info.bmiHeader.biHeight = -height;
    HDC screen = ::GetDC(nullptr);
    const int lines = ::GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (lines != height)
        pixels.clear();
    return pixels;
}
}  // namespace

CGTMarkerBmpWnd::CGTMarkerBmpWnd()
    : m_Bitmap(nullptr), m_HotBitmap(nullptr), m_Highlighted(FALSE), m_BuiltInImages(FALSE),
      m_BaseColor(static_cast<COLORREF>(-1)), m_Vertical(FALSE)
{
}

CGTSmartDockingMarker::CGTSmartDockingMarker()
    : m_Id(-1), m_ImageIndex(-1), m_Flag(FALSE), m_Loaded(TRUE), m_Width(0), m_Height(0), m_Highlighted(FALSE),
      m_Layered(FALSE), m_BuiltInImages(FALSE)
{
}

CGTSmartDockingMarker::~CGTSmartDockingMarker() = default;

// The smart-docking issue fills in the markers' windows; what stands here are the defaults.
BOOL CGTSmartDockingMarker::Create(int iId, CWnd*)
{
    m_Id = iId;
    return FALSE;
}

void CGTSmartDockingMarker::Destroy() {}

void CGTSmartDockingMarker::Show(BOOL) {}

void CGTSmartDockingMarker::AdjustPos(const CRect&) {}

void CGTSmartDockingMarker::Highlight(BOOL iOn)
{
    m_Highlighted = iOn;
}

BOOL CGTSmartDockingMarker::IsPtIn(CPoint) const
{
    return FALSE;
}

void CGTSmartDockingMarker::InitImages(const CGTSmartDockingParams&) {}

CGTSDCentralGroupMarker::CGTSDCentralGroupMarker()
    : m_Group(nullptr), m_BaseColor(static_cast<COLORREF>(-1)), m_PositionInGroup(0, 0), m_Visible(TRUE)
{
}

void CGTSDCentralGroupMarker::Draw(CDC*) {}

void CGTSDCentralGroupMarker::DestroyRegion() {}

void CGTSmartDockingMarker::BuildShadowedImage(COLORREF baseColor, COLORREF toneColor)
{
    double baseHue, baseSaturation, baseLightness;
    double toneHue, toneSaturation, toneLightness;
    CGTDrawManager::RgbToHls(baseColor, baseHue, baseSaturation, baseLightness);
    CGTDrawManager::RgbToHls(toneColor, toneHue, toneSaturation, toneLightness);
    const double hueShift = toneHue - baseHue;
    const double saturationShift = toneSaturation - baseSaturation;
    const double lightnessShift = toneLightness - baseLightness;
    const bool shiftLightness = toneHue <= 0.5;
    m_Images.RecolorImages([=](COLORREF color) {
        double hue, saturation, lightness;
        CGTDrawManager::RgbToHls(color, hue, saturation, lightness);
        return CGTDrawManager::HlsToRgb(ClampUnit(hue + hueShift),
                                        shiftLightness ? ClampUnit(lightness + lightnessShift) : lightness,
                                        ClampUnit(saturation + saturationShift));
    });
}

HRGN CGTSmartDockingMarker::CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparentColor)
{
    BITMAP info = {};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(info), &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return nullptr;
    const int width = info.bmWidth;
    const int height = info.bmHeight;
    const std::vector<DWORD> pixels = ReadPixelsTopDown(bitmap, width, height);
    if (pixels.empty())
        return nullptr;
    HRGN region = ::CreateRectRgn(0, 0, width, height);
    HRGN run = ::CreateRectRgn(0, 0, 0, 0);
    bool ok = region != nullptr && run != nullptr;
    const bool anyTransparent = transparentColor != (COLORREF)-1;
    const DWORD transparent = CGTDibSection::Swap(transparentColor);
    auto isTransparent = [&](int x, int y) {
        return anyTransparent && (pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF) == transparent;
    };
    // Each row's transparent runs are cut out at once rather than pixel by pixel.
    for (int y = 0; ok && y < height; ++y)
        for (int x = 0; ok && x < width;) {
            if (!isTransparent(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && isTransparent(x, y))
                ++x;
            ok = ::SetRectRgn(run, start, y, x, y + 1) && ::CombineRgn(region, region, run, RGN_DIFF) != ERROR;
        }
    if (run != nullptr)
        ::DeleteObject(run);
    if (!ok && region != nullptr) {
        ::DeleteObject(region);
        region = nullptr;
    }
    return region;
}
