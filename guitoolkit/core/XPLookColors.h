// The Office XP look's colours as a function of the system colours it starts from, so
// that the formulas can be checked apart from any drawing.
#pragma once
#include <afxwin.h>

namespace XPLookColors {
struct Input {
    COLORREF barFace;
    COLORREF barShadow;
    COLORREF barLight;
    COLORREF btnFace;
    COLORREF btnShadow;
    COLORREF btnDarkShadow;
    COLORREF highlight;
    // The system window colour, and the one the look reads it as (a derived look may
    // take it from the theme).
    COLORREF window;
    COLORREF lookWindow;
    int bitsPerPixel;
    BOOL blackHighContrast;
};

struct Palette {
    COLORREF barBackground;
    COLORREF barBackgroundDark;
    COLORREF menuBackground;
    COLORREF barFaceDeep;
    COLORREF autoHideBar;
    COLORREF hotFill;
    COLORREF pressedFill;
    COLORREF checkedFill;
    COLORREF separator;
    COLORREF separatorDark;
    COLORREF paneBorder;
    COLORREF menuBorder;
    COLORREF darkShadow;
    COLORREF hotBorder;
    COLORREF menuShadowBase;
};

// Screens of 8 bits per pixel or less and black high contrast keep to system colours;
// others get tints of the bar face, the window and the selection colour.
Palette Compute(const Input& input);
// The colour behind auto-hide bars: the bar face lightened, its saturation raised.
COLORREF AutoHideBarColor(COLORREF barFace);
}  // namespace XPLookColors
