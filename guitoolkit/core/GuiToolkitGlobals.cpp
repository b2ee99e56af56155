#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/CGTScreenInfo.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <algorithm>
#include <cstddef>
#include <cstdlib>

BOOL theToolkitAppearanceChanged = FALSE;
const wchar_t* const theFaceTahoma = L"Tahoma";
const wchar_t* const theFaceMsSansSerif = L"MS Sans Serif";
const wchar_t* const theFaceArial = L"Arial";
const wchar_t* const theFaceMarlett = L"Marlett";

using namespace VisualManagerDrawing;

namespace {
// The metrics structure as the oldest supported systems know it (without the padded
// border field).
BOOL ReadNonClientMetrics(NONCLIENTMETRICSW& metrics)
{
    ZeroMemory(&metrics, sizeof(metrics));
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    return ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
}

int CALLBACK StopAtFamily(const LOGFONTW* logFont, const TEXTMETRICW*, DWORD, LPARAM familyName)
{
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, logFont->lfFaceName, -1,
                            reinterpret_cast<LPCWSTR>(familyName), -1) == CSTR_EQUAL
        ? 0
        : 1;
}

BYTE Channel(int value)
{
    return static_cast<BYTE>(value);
}

BOOL CALLBACK WidenByMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM area)
{
    MONITORINFO info;
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
        RECT& rect = *reinterpret_cast<RECT*>(area);
        rect.left = std::min(rect.left, info.rcWork.left);
        rect.top = std::min(rect.top, info.rcWork.top);
        rect.right = std::max(rect.right, info.rcWork.right);
        rect.bottom = std::max(rect.bottom, info.rcWork.bottom);
    }
    return TRUE;
}
}  // namespace

GuiToolkitGlobals& GuiToolkitGlobals::Instance()
{
    static GuiToolkitGlobals record;
    return record;
}

GuiToolkitGlobals::GuiToolkitGlobals()
    : hbrBtnHighlight(nullptr), hbrBtnShadow(nullptr), hbrWindow(nullptr), cursorToolbarDrag1(nullptr),
      cursorToolbarDrag2(nullptr), cursorHand(nullptr), cursorSizeAll(nullptr), cursorMdiTabDrag(nullptr),
      cursorMdiTabNoDrop(nullptr), cursorCalendar(nullptr), iconUserToolDefault(nullptr), sizeSmallIcon{0, 0},
      isWindowsNT4(FALSE), isWindows9x(FALSE), bitsPerPixel(0), isRemoteSession(FALSE), hasLayeredWindows(FALSE),
      dragFrameThicknessFloating(4), dragFrameThicknessDocked(3), autoHideButtonSpacing(14), autoHideButtonMargin(4),
      maxDockedCoverPercent(50), maxTooltipWidth(-1), isBlackHighContrast(FALSE),
      allowHighColorImages(TRUE), rectWorkArea{0, 0, 0, 0}, textHeightRegular(0), textHeightVert(0),
      moduleUxTheme(nullptr), moduleUser32(nullptr), moduleSpare(nullptr), pfnSetLayeredWindowAttributes(nullptr),
      pfnAccessibilityEntry(nullptr), pfnNotifyWinEvent(nullptr), pfnDrawThemeParentBackground(nullptr)
{
    UpdateSysColors();
    UpdateFonts();
    UpdateWorkArea();
    sizeSmallIcon.cx = ::GetSystemMetrics(SM_CXSMICON);
    sizeSmallIcon.cy = ::GetSystemMetrics(SM_CYSMICON);
    ReadVersionFlags();
    LoadOptionalEntries();
    // Recomputed by every later colour update (each visual manager makes one).
    isBlackHighContrast = FALSE;
}

GuiToolkitGlobals::~GuiToolkitGlobals()
{
    ReleaseResources();
}

void GuiToolkitGlobals::ReadVersionFlags()
{
    OSVERSIONINFOW version;
    ZeroMemory(&version, sizeof(version));
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExW(&version);
    const BOOL nt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    isWindowsNT4 = nt && version.dwMajorVersion < 5;
    isWindows9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    hasLayeredWindows =
        (version.dwMajorVersion > 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion > 0)) && !isWindowsNT4;
    isRemoteSession = nt && version.dwMajorVersion >= 5 ? ::GetSystemMetrics(SM_REMOTESESSION) != 0 : FALSE;
}

void GuiToolkitGlobals::LoadOptionalEntries()
{
    moduleUxTheme = ::LoadLibraryW(L"UxTheme.dll");
    if (moduleUxTheme != nullptr)
        pfnDrawThemeParentBackground = reinterpret_cast<DrawThemeParentBackgroundFunction>(
            reinterpret_cast<void*>(::GetProcAddress(moduleUxTheme, "DrawThemeParentBackground")));
    if (hasLayeredWindows) {
        moduleUser32 = ::LoadLibraryW(L"USER32.DLL");
        if (moduleUser32 != nullptr)
            pfnSetLayeredWindowAttributes = reinterpret_cast<SetLayeredWindowAttributesFunction>(
                reinterpret_cast<void*>(::GetProcAddress(moduleUser32, "SetLayeredWindowAttributes")));
    }
}

void GuiToolkitGlobals::UpdateSysColors()
{
    const CGTScreenInfo& screen = CGTScreenInfo::Current();
    colorBtnFace = colorBarFace = screen.SysColor(COLOR_BTNFACE);
    colorBtnShadow = colorBarShadow = screen.SysColor(COLOR_BTNSHADOW);
    colorBtnHighlight = colorBarHighlight = screen.SysColor(COLOR_BTNHIGHLIGHT);
    colorBtnText = colorBarText = screen.SysColor(COLOR_BTNTEXT);
    colorBtnDarkShadow = colorBarDarkShadow = screen.SysColor(COLOR_3DDKSHADOW);
    colorBtnLight = colorBarLight = screen.SysColor(COLOR_3DLIGHT);
    colorWindow = colorBarWindow = screen.SysColor(COLOR_WINDOW);
    colorWindowFrame = screen.SysColor(COLOR_WINDOWFRAME);
    colorGrayText = screen.SysColor(COLOR_GRAYTEXT);
    colorHighlight = screen.SysColor(COLOR_HIGHLIGHT);
    colorHighlightText = screen.SysColor(COLOR_HIGHLIGHTTEXT);
    colorWindowText = screen.SysColor(COLOR_WINDOWTEXT);
    colorCaptionText = screen.SysColor(COLOR_CAPTIONTEXT);
    colorMenuText = screen.SysColor(COLOR_MENUTEXT);
    colorActiveCaption = screen.SysColor(COLOR_ACTIVECAPTION);
    colorInactiveCaption = screen.SysColor(COLOR_INACTIVECAPTION);
    colorInactiveCaptionText = screen.SysColor(COLOR_INACTIVECAPTIONTEXT);
    colorActiveBorder = screen.SysColor(COLOR_ACTIVEBORDER);
    colorInactiveBorder = screen.SysColor(COLOR_INACTIVEBORDER);
    colorHotLinkText = RGB(0, 0, 255);

    hbrBtnShadow = screen.SysColorBrush(COLOR_BTNSHADOW);
    hbrBtnHighlight = screen.SysColorBrush(COLOR_BTNHIGHLIGHT);
    hbrWindow = screen.SysColorBrush(COLOR_WINDOW);

    RecreateBrush(brushBtnFace, colorBtnFace);
    RecreateBrush(brushBarFace, colorBarFace);
    RecreateBrush(brushActiveCaption, colorActiveCaption);
    RecreateBrush(brushInactiveCaption, colorInactiveCaption);
    RecreateBrush(brushHighlight, colorHighlight);
    RecreateBrush(brushDarkShadow, colorBtnDarkShadow);
    RecreateBrush(brushWindow, colorWindow);
    RecreatePen(penHighlight, colorHighlight);
    RecreatePen(penBarFace, colorBarFace);
    RecreatePen(penBarShadow, colorBarShadow);

    bitsPerPixel = screen.BitsPerPixel();
    CreateLightBrush(screen.SysColor(COLOR_BTNHIGHLIGHT));
    isBlackHighContrast = screen.SysColor(COLOR_3DLIGHT) == RGB(255, 255, 255) && screen.SysColor(COLOR_BTNFACE) == 0;

    RunGuiToolkitHook(GTModuleHook::MenuGlyphsCleanUp);
    theToolkitAppearanceChanged = TRUE;
}

void GuiToolkitGlobals::CreateLightBrush(COLORREF highlight)
{
    brushLight.DeleteObject();
    if (bitsPerPixel < 9) {
        // An 8 x 8 checkerboard of the face and highlight colours.
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[2];
        } info = {};
        info.header.biSize = sizeof(BITMAPINFOHEADER);
        info.header.biWidth = 8;
        info.header.biHeight = 8;
        info.header.biPlanes = 1;
        info.header.biBitCount = 1;
        info.header.biCompression = BI_RGB;
        info.colors[0] = {GetBValue(colorBtnFace), GetGValue(colorBtnFace), GetRValue(colorBtnFace), 0};
        info.colors[1] = {GetBValue(highlight), GetGValue(highlight), GetRValue(highlight), 0};
        DWORD rows[8];
        for (int row = 0; row < 8; ++row)
            rows[row] = (row % 2 == 0) ? 0xAA : 0x55;
        HDC screenDc = ::GetDC(nullptr);
        HBITMAP pattern = ::CreateDIBitmap(screenDc, &info.header, CBM_INIT, rows, reinterpret_cast<BITMAPINFO*>(&info),
                                           DIB_RGB_COLORS);
        ::ReleaseDC(nullptr, screenDc);
        brushLight.Attach(::CreatePatternBrush(pattern));
        ::DeleteObject(pattern);
        return;
    }
    auto half = [](BYTE face, BYTE high) { return Channel(face + (high - face) / 2); };
    brushLight.CreateSolidBrush(RGB(half(GetRValue(colorBtnFace), GetRValue(colorBtnHighlight)),
                                    half(GetGValue(colorBtnFace), GetGValue(colorBtnHighlight)),
                                    half(GetBValue(colorBtnFace), GetBValue(colorBtnHighlight))));
}

CString GuiToolkitGlobals::RegularFaceName(BYTE menuCharSet, LPCWSTR menuFaceName, BOOL tahomaInstalled)
{
    if (menuCharSet != ANSI_CHARSET && menuCharSet != DEFAULT_CHARSET && menuCharSet != SYMBOL_CHARSET)
        return CString(menuFaceName);
    return CString(tahomaInstalled ? theFaceTahoma : theFaceMsSansSerif);
}

LONG GuiToolkitGlobals::SmallFontHeight(LONG regularHeight)
{
    const LONG height = 2 * (std::labs(regularHeight) + 1) / 3;
    return regularHeight < 0 ? -height : height;
}

BOOL GuiToolkitGlobals::IsFontFamilyInstalled(LPCWSTR familyName)
{
    HDC screenDc = ::GetDC(nullptr);
    const int result = ::EnumFontFamiliesW(screenDc, nullptr, StopAtFamily, reinterpret_cast<LPARAM>(familyName));
    ::ReleaseDC(nullptr, screenDc);
    return result == 0;
}

int GuiToolkitGlobals::MeasureTextHeight(CFont& font)
{
    HDC screenDc = ::GetDC(nullptr);
    HGDIOBJ previous = ::SelectObject(screenDc, font.GetSafeHandle());
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(screenDc, &metrics);
    ::SelectObject(screenDc, previous);
    ::ReleaseDC(nullptr, screenDc);
    return metrics.tmHeight + 2;
}

void GuiToolkitGlobals::UpdateFonts()
{
    for (CFont* font : {&fontRegular, &fontTooltip, &fontBold, &fontDefaultGuiBold, &fontUnderline,
                        &fontDefaultGuiUnderline, &fontVert, &fontVertCaption, &fontSmall, &fontMarlett})
        font->DeleteObject();

    NONCLIENTMETRICSW metrics;
    ReadNonClientMetrics(metrics);
    const LOGFONTW& menuFont = metrics.lfMenuFont;

    LOGFONTW logFont = {};
    HDC screenDc = ::GetDC(nullptr);
    logFont.lfCharSet = static_cast<BYTE>(::GetTextCharsetInfo(screenDc, nullptr, 0));
    ::ReleaseDC(nullptr, screenDc);
    logFont.lfHeight = menuFont.lfHeight;
    logFont.lfWeight = menuFont.lfWeight;
    logFont.lfItalic = menuFont.lfItalic;
    const BYTE menuCharSet = menuFont.lfCharSet;
    const BOOL commonCharSet =
        menuCharSet == ANSI_CHARSET || menuCharSet == DEFAULT_CHARSET || menuCharSet == SYMBOL_CHARSET;
    const CString face =
        RegularFaceName(menuCharSet, menuFont.lfFaceName, commonCharSet && IsFontFamilyInstalled(theFaceTahoma));
    lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
    fontRegular.CreateFontIndirect(&logFont);

    const LONG regularHeight = logFont.lfHeight;
    logFont.lfHeight = SmallFontHeight(regularHeight);
    fontSmall.CreateFontIndirect(&logFont);
    logFont.lfHeight = regularHeight;

    ReadNonClientMetrics(metrics);
    logFont.lfWeight = metrics.lfStatusFont.lfWeight;
    logFont.lfItalic = metrics.lfStatusFont.lfItalic;
    fontTooltip.CreateFontIndirect(&logFont);

    logFont.lfWeight = menuFont.lfWeight;
    logFont.lfItalic = menuFont.lfItalic;
    logFont.lfUnderline = TRUE;
    fontUnderline.CreateFontIndirect(&logFont);
    logFont.lfUnderline = FALSE;
    logFont.lfWeight = FW_BOLD;
    fontBold.CreateFontIndirect(&logFont);

    const BYTE charSet = logFont.lfCharSet;
    logFont.lfCharSet = SYMBOL_CHARSET;
    logFont.lfWeight = 0;
    logFont.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK) - 1;
    lstrcpynW(logFont.lfFaceName, theFaceMarlett, LF_FACESIZE);
    fontMarlett.CreateFontIndirect(&logFont);
    logFont.lfCharSet = charSet;

    HGDIOBJ guiFont = ::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTW guiLogFont;
    if (guiFont != nullptr && ::GetObjectW(guiFont, sizeof(guiLogFont), &guiLogFont) != 0) {
        LOGFONTW vertical = guiLogFont;
        vertical.lfHeight = menuFont.lfHeight;
        vertical.lfWeight = menuFont.lfWeight;
        vertical.lfItalic = menuFont.lfItalic;
        vertical.lfEscapement = 2700;
        vertical.lfOrientation = 900;
        lstrcpynW(vertical.lfFaceName, theFaceArial, LF_FACESIZE);
        fontVert.CreateFontIndirect(&vertical);
        vertical.lfEscapement = 900;
        fontVertCaption.CreateFontIndirect(&vertical);

        LOGFONTW gui = guiLogFont;
        gui.lfUnderline = TRUE;
        fontDefaultGuiUnderline.CreateFontIndirect(&gui);
        gui.lfUnderline = FALSE;
        gui.lfWeight = FW_BOLD;
        fontDefaultGuiBold.CreateFontIndirect(&gui);
    }

    textHeightRegular = MeasureTextHeight(fontRegular);
    textHeightVert = MeasureTextHeight(fontVert);
    RunGuiToolkitHook(GTModuleHook::FontsChanged);
}

void GuiToolkitGlobals::UpdateWorkArea()
{
    RECT area = {0, 0, 0, 0};
    if (::EnumDisplayMonitors(nullptr, nullptr, WidenByMonitor, reinterpret_cast<LPARAM>(&area)))
        rectWorkArea = area;
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rectWorkArea, 0);
}

COLORREF GuiToolkitGlobals::GetSysColorCached(int index) const
{
    switch (index) {
    case COLOR_ACTIVECAPTION:
        return colorActiveCaption;
    case COLOR_INACTIVECAPTION:
        return colorInactiveCaption;
    case COLOR_WINDOW:
        return colorWindow;
    case COLOR_WINDOWFRAME:
        return colorWindowFrame;
    case COLOR_MENUTEXT:
        return colorMenuText;
    case COLOR_WINDOWTEXT:
        return colorWindowText;
    case COLOR_CAPTIONTEXT:
        return colorCaptionText;
    case COLOR_ACTIVEBORDER:
        return colorActiveBorder;
    case COLOR_INACTIVEBORDER:
        return colorInactiveBorder;
    case COLOR_HIGHLIGHT:
        return colorHighlight;
    case COLOR_HIGHLIGHTTEXT:
        return colorHighlightText;
    case COLOR_BTNFACE:
        return colorBtnFace;
    case COLOR_BTNSHADOW:
        return colorBtnShadow;
    case COLOR_GRAYTEXT:
        return colorGrayText;
    case COLOR_BTNTEXT:
        return colorBtnText;
    case COLOR_INACTIVECAPTIONTEXT:
        return colorInactiveCaptionText;
    case COLOR_BTNHIGHLIGHT:
        return colorBtnHighlight;
    case COLOR_3DDKSHADOW:
        return colorBtnDarkShadow;
    case COLOR_3DLIGHT:
        return colorBtnLight;
    default:
        return CGTScreenInfo::Current().SysColor(index);
    }
}

BOOL GuiToolkitGlobals::SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, BYTE alpha, DWORD flags) const
{
    return pfnSetLayeredWindowAttributes != nullptr ? pfnSetLayeredWindowAttributes(hwnd, colorKey, alpha, flags)
                                                    : FALSE;
}

LRESULT GuiToolkitGlobals::InvokeOptionalTwoArgEntry(WPARAM a, LPARAM b) const
{
    return pfnAccessibilityEntry != nullptr ? pfnAccessibilityEntry(a, b) : 0;
}

void GuiToolkitGlobals::NotifyWinEventOptional(DWORD event, HWND hwnd, LONG objectId, LONG childId) const
{
    if (pfnNotifyWinEvent != nullptr)
        pfnNotifyWinEvent(event, hwnd, objectId, childId);
}

BOOL GuiToolkitGlobals::DrawParentBackground(CWnd* window, CDC* dc, LPCRECT clipRect) const
{
    HDC hdc = dc != nullptr ? dc->GetSafeHdc() : nullptr;
    HRGN clip = nullptr;
    if (clipRect != nullptr && hdc != nullptr) {
        clip = ::CreateRectRgnIndirect(clipRect);
        ::SelectClipRgn(hdc, clip);
    }
    BOOL result = FALSE;
    if (pfnDrawThemeParentBackground != nullptr &&
        pfnDrawThemeParentBackground(window->GetSafeHwnd(), hdc, clipRect) == S_OK) {
        result = TRUE;
    } else {
        HWND hwnd = window->GetSafeHwnd();
        HWND parent = ::GetParent(hwnd);
        POINT origin = {0, 0};
        ::MapWindowPoints(hwnd, parent, &origin, 1);
        POINT previous;
        ::OffsetWindowOrgEx(hdc, origin.x, origin.y, &previous);
        result = static_cast<BOOL>(::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0));
        ::SetWindowOrgEx(hdc, previous.x, previous.y, nullptr);
    }
    if (hdc != nullptr)
        ::SelectClipRgn(hdc, nullptr);
    if (clip != nullptr)
        ::DeleteObject(clip);
    return result;
}

void GuiToolkitGlobals::ReleaseResources()
{
    brushLight.DeleteObject();
    for (CFont* font : {&fontRegular, &fontBold, &fontUnderline, &fontVert, &fontVertCaption, &fontTooltip})
        font->DeleteObject();
    // Every entry point goes with the module it came from.
    pfnDrawThemeParentBackground = nullptr;
    pfnSetLayeredWindowAttributes = nullptr;
    pfnAccessibilityEntry = nullptr;
    pfnNotifyWinEvent = nullptr;
    for (HMODULE* module : {&moduleUxTheme, &moduleUser32, &moduleSpare}) {
        if (*module != nullptr)
            ::FreeLibrary(*module);
        *module = nullptr;
    }
}
