#include <guitoolkit/core/XPLookColors.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <algorithm>

namespace {
// Per channel (selection + weight * menu background) / (weight + 1).
COLORREF TowardMenu(COLORREF selection, COLORREF menu, int weight)
{
    auto channel = [weight](int s, int m) { return (s + weight * m) / (weight + 1); };
    return RGB(channel(GetRValue(selection), GetRValue(menu)), channel(GetGValue(selection), GetGValue(menu)),
               channel(GetBValue(selection), GetBValue(menu)));
}

XPLookColors::Palette SystemPalette(const XPLookColors::Input& in)
{
    XPLookColors::Palette out = {};
    out.menuBackground = in.window;
    out.barBackground = in.btnFace;
    if (in.blackHighContrast) {
        out.hotFill = out.pressedFill = out.checkedFill = in.highlight;
        out.barBackgroundDark = in.btnFace;
    } else {
        out.hotFill = out.pressedFill = in.btnFace;
        out.checkedFill = in.window;
        out.barBackgroundDark = in.barLight;
    }
    out.autoHideBar = in.btnFace;
    out.barFaceDeep = in.btnDarkShadow;
    out.separator = out.separatorDark = out.paneBorder = out.darkShadow = in.btnShadow;
    out.menuBorder = in.btnDarkShadow;
    return out;
}

XPLookColors::Palette TintedPalette(const XPLookColors::Input& in)
{
    double hue, saturation, lightness;
    CGTDrawManager::RgbToHls(in.barFace, hue, saturation, lightness);
    XPLookColors::Palette out = {};
    out.menuBackground = CGTDrawManager::AdjustColorHls(in.lookWindow, 0.976, 0.973, 0.969);
    out.autoHideBar = XPLookColors::AutoHideBarColor(in.barFace);
    out.barBackground = lightness <= 0.9 ? CGTDrawManager::HlsToRgb(hue, lightness * 1.03, saturation) : in.barFace;
    out.barBackgroundDark = CGTDrawManager::ScaleColor(out.barBackground, 94);
    out.barFaceDeep = CGTDrawManager::HlsToRgb(hue, lightness * 0.4, saturation);
    out.hotFill = CGTDrawManager::ScaleColor(TowardMenu(in.highlight, out.menuBackground, 2), 105);
    out.pressedFill = CGTDrawManager::AdjustColorHls(out.hotFill, 0.87, 0.87, 0.87);
    out.checkedFill = CGTDrawManager::ScaleColor(TowardMenu(in.highlight, out.menuBackground, 5), 100);
    out.separator = CGTDrawManager::AdjustColorHls(in.barFace, 0.86, 0.86, 0.86);
    out.paneBorder = in.barShadow;
    out.menuBorder = CGTDrawManager::ScaleColor(in.barFace, 55);
    out.darkShadow = CGTDrawManager::AdjustColorHls(in.barShadow, 0.85, 0.85, 0.85);
    out.separatorDark = CGTDrawManager::ScaleColor(in.barShadow, 110);
    return out;
}
}  // namespace

COLORREF XPLookColors::AutoHideBarColor(COLORREF barFace)
{
    double hue, saturation, lightness;
    CGTDrawManager::RgbToHls(barFace, hue, saturation, lightness);
    double newLightness, newSaturation;
    if (saturation < 0.1) {
        newLightness = std::min(1.0, lightness + (1.0 - lightness) * 0.5);
        newSaturation = saturation == 0 ? 0 : std::min(1.0, saturation + 0.1);
    } else {
        newLightness = std::min(1.0, 0.5 + lightness * 0.5);
        newSaturation = std::min(1.0, 2 * saturation);
    }
    return CGTDrawManager::HlsToRgb(hue, newLightness, newSaturation);
}

XPLookColors::Palette XPLookColors::Compute(const Input& input)
{
    Palette palette = input.bitsPerPixel <= 8 || input.blackHighContrast ? SystemPalette(input) : TintedPalette(input);
    palette.hotBorder = input.blackHighContrast ? input.btnDarkShadow : input.highlight;
    palette.menuShadowBase = static_cast<COLORREF>(-1);
    return palette;
}
