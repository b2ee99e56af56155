#include <guitoolkit/docking/CGTSmartDockingMarker.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/GTSmartDockingColors.h>
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CGTSmartDockingMarker, CObject)

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

// Image index by marker id: left, right, top, bottom (side and central), centre.
int ImageIndexOf(int iId)
{
    return iId == 8 ? 4 : iId % 4;
}

const UINT builtInImages[] = {IDB_GT_MARKER_LEFT, IDB_GT_MARKER_RIGHT, IDB_GT_MARKER_TOP, IDB_GT_MARKER_BOTTOM,
                              IDB_GT_MARKER_CENTRE};

HBITMAP LoadMarkerBitmap(UINT iId)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEW(iId), RT_BITMAP);
    return static_cast<HBITMAP>(::LoadImageW(module, MAKEINTRESOURCEW(iId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
}  // namespace

CGTSmartDockingMarker::CGTSmartDockingMarker()
    : m_Id(-1), m_ImageIndex(-1), m_Flag(FALSE), m_Loaded(TRUE), m_Width(0), m_Height(0), m_Highlighted(FALSE),
      m_Layered(FALSE), m_BuiltInImages(FALSE)
{
}

const COLORREF CGTSmartDockingMarker::s_HighlightColor = RGB(65, 112, 202);

CGTSmartDockingMarker::~CGTSmartDockingMarker()
{
    Destroy();
    if (m_BitmapWnd.m_HotBitmap != nullptr)
        ::DeleteObject(m_BitmapWnd.m_HotBitmap);
}

BOOL CGTSmartDockingMarker::Create(int iId, CWnd* iHost)
{
    Destroy();
    m_Id = iId;
    const CGTSmartDockingParams& params = CGTDockManager::s_smartDockingParams;
    InitImages(params);
    if (!BuildShape(params.m_TransparentColor))
        return FALSE;
    m_Layered = theGuiToolkitGlobals.pfnSetLayeredWindowAttributes != nullptr;
    m_BitmapWnd.m_Vertical = iId == 2 || iId == 3;
    m_BitmapWnd.m_BaseColor = CurrentSmartDockingColors().outline;
    const DWORD exStyle = m_Layered ? WS_EX_LAYERED : 0;
    if (!m_BitmapWnd.CreateEx(exStyle, CGTMarkerBmpWnd::MarkerWindowClass(), L"", WS_POPUP,
                              CRect(0, 0, m_Width, m_Height), iHost, 0))
        return FALSE;
    if (m_Layered) {
        theGuiToolkitGlobals.SetLayeredWindowAttributes(m_BitmapWnd.m_hWnd, params.m_TransparentColor, 0, LWA_COLORKEY);
    } else {
        CRgn window;
        window.CreateRectRgn(0, 0, 0, 0);
        window.CopyRgn(&m_Shape);
        m_BitmapWnd.SetWindowRgn(static_cast<HRGN>(window.Detach()), FALSE);
    }
    m_BitmapWnd.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CGTSmartDockingMarker::Destroy()
{
    if (m_BitmapWnd.GetSafeHwnd() != nullptr)
        m_BitmapWnd.DestroyWindow();
}

void CGTSmartDockingMarker::Show(BOOL iShow)
{
    if (m_BitmapWnd.GetSafeHwnd() != nullptr)
        m_BitmapWnd.ShowWindow(iShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CGTSmartDockingMarker::AdjustPos(const CRect& iDockSite)
{
    if (m_BitmapWnd.GetSafeHwnd() == nullptr || m_Id < 0 || m_Id > 3)
        return;
    const int margin = 16;
    const int middleX = (iDockSite.left + iDockSite.right) / 2 - m_Width / 2;
    const int middleY = (iDockSite.top + iDockSite.bottom) / 2 - m_Height / 2;
    const CPoint places[] = {{iDockSite.left + margin, middleY},
                             {iDockSite.right - m_Width - margin, middleY},
                             {middleX, iDockSite.top + margin},
                             {middleX, iDockSite.bottom - m_Height - margin}};
    m_BitmapWnd.SetWindowPos(&CWnd::wndTopMost, places[m_Id].x, places[m_Id].y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CGTSmartDockingMarker::Highlight(BOOL iOn)
{
    if (m_Highlighted == iOn)
        return;
    m_Highlighted = iOn;
    if (m_BitmapWnd.GetSafeHwnd() != nullptr)
        m_BitmapWnd.Highlight(iOn);
}

BOOL CGTSmartDockingMarker::IsPtIn(CPoint iScreenPoint) const
{
    if (m_BitmapWnd.GetSafeHwnd() == nullptr || !m_BitmapWnd.IsWindowVisible())
        return FALSE;
    m_BitmapWnd.ScreenToClient(&iScreenPoint);
    if (m_Layered)
        return m_Shape.PtInRegion(iScreenPoint);
    CRgn window;
    window.CreateRectRgn(0, 0, 0, 0);
    return m_BitmapWnd.GetWindowRgn(window) != ERROR && window.PtInRegion(iScreenPoint);
}

void CGTSmartDockingMarker::InitImages(const CGTSmartDockingParams& iParams)
{
    m_ImageIndex = ImageIndexOf(m_Id);
    if (!LoadImages(iParams))
        return;
    if (!m_BuiltInImages && iParams.m_ToneSource != static_cast<COLORREF>(-1) &&
        iParams.m_ToneTarget != static_cast<COLORREF>(-1))
        BuildShadowedImage(iParams.m_ToneSource, iParams.m_ToneTarget);
    m_BitmapWnd.SetBitmaps(m_Images.bitmap, m_BitmapWnd.m_HotBitmap, m_BuiltInImages);
    if (m_BitmapWnd.GetSafeHwnd() != nullptr && m_Layered)
        theGuiToolkitGlobals.SetLayeredWindowAttributes(m_BitmapWnd.m_hWnd, iParams.m_TransparentColor, 0,
                                                        LWA_COLORKEY);
}

BOOL CGTSmartDockingMarker::LoadImages(const CGTSmartDockingParams& iParams)
{
    const UINT custom = iParams.m_MarkerBitmaps[m_ImageIndex];
    m_BuiltInImages = custom == 0;
    m_Images.Clear();
    m_Images.mapTo3dColors = FALSE;
    m_Images.colorTransparent = iParams.m_TransparentColor;
    if (!m_Images.LoadFromResource(m_BuiltInImages ? builtInImages[m_ImageIndex] : custom))
        return FALSE;
    m_Images.UpdateSizeFromBitmap();
    if (m_BitmapWnd.m_HotBitmap != nullptr)
        ::DeleteObject(m_BitmapWnd.m_HotBitmap);
    const UINT hot = m_BuiltInImages ? 0 : iParams.m_MarkerHotBitmaps[m_ImageIndex];
    m_BitmapWnd.m_HotBitmap = hot != 0 ? LoadMarkerBitmap(hot) : nullptr;
    return TRUE;
}

BOOL CGTSmartDockingMarker::BuildShape(COLORREF iTransparent)
{
    if (m_Shape.GetSafeHandle() != nullptr)
        m_Shape.DeleteObject();
    HRGN shape = CreateRegionFromBitmap(m_Images.bitmap, iTransparent);
    if (shape == nullptr)
        return FALSE;
    m_Shape.Attach(shape);
    CRect box;
    m_Shape.GetRgnBox(&box);
    m_Width = box.Width();
    m_Height = box.Height();
    return TRUE;
}

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
