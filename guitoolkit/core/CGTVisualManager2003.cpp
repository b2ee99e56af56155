// The Office 2003 look: construction, the scheme and its colours.
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <algorithm>
#include <vssym32.h>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

IMPLEMENT_DYNCREATE(CGTVisualManager2003, CGTVisualManagerXPThemed)

BOOL CGTVisualManager2003::UseGlobalTheme = TRUE;
BOOL CGTVisualManager2003::StatusBarUsesTheme = TRUE;
BOOL CGTVisualManager2003::UseLunaColors = TRUE;

namespace {
COLORREF Scale(COLORREF color, int percent)
{
    return CGTDrawManager::ScaleColor(color, percent);
}

COLORREF Mix(COLORREF color1, COLORREF color2, double lightness, int weight1, int weight2)
{
    return CGTDrawManager::BlendColorsHsv(color1, color2, lightness, weight1, weight2);
}

}  // namespace

CGTVisualManager2003::CGTVisualManager2003(BOOL isTemporary)
    : CGTVisualManagerXPThemed(isTemporary), ColorScheme(-1), IsStandardScheme(FALSE), ToolbarGradientDark(noColor),
      ToolbarGradientLight(noColor), VertToolbarGradientDark(noColor), VertToolbarGradientLight(noColor),
      BarGradientDark(noColor), BarGradientLight(noColor), MenuHighlightColor(noColor), HotGradientDark(noColor),
      HotGradientLight(noColor), PressedGradientDark(noColor), PressedGradientLight(noColor),
      CheckedGradientDark(noColor), CheckedGradientLight(noColor), ChevronGradientDark(noColor),
      ChevronGradientLight(noColor), ToolbarEdgeColor(noColor), ToolbarCornerTop(noColor), ToolbarCornerBottom(noColor),
      GripperDarkColor(noColor), CaptionGradientDark(noColor), CaptionGradientLight(noColor),
      HeaderHighlightColor(noColor), HeaderLineColor(noColor), ImageShadowColor(noColor), TaskPaneGradientTop(noColor),
      TaskPaneGradientBottom(noColor), GroupCaptionColor1(noColor), GroupCaptionColor2(noColor),
      SpecialAreaTop(noColor), SpecialAreaBottom(noColor), GroupAreaTop(noColor), GroupAreaBottom(noColor),
      TaskColor1(noColor), TaskColor2(noColor), TaskGroupBorderColor(noColor)
{
    MenuShadowDepth = 3;
    RaiseHotImages = FALSE;
    FadeImages = FALSE;
    const int metrics[9] = {8, 8, 8, 18, 3, 3, 8, 5, 4};
    std::copy(metrics, metrics + 9, TasksPaneMetrics);
    CGTVisualManager2003::UpdateColors();
}

BOOL CGTVisualManager2003::IsNormalColorMode()
{
    return theGuiToolkitGlobals.bitsPerPixel > 8 && !theGuiToolkitGlobals.isBlackHighContrast;
}

COLORREF CGTVisualManager2003::ThemeSys(int index) const
{
    return GetThemeSysColorOrDefault(GTThemeClass::Window, index);
}

COLORREF CGTVisualManager2003::GetWindowColor() const
{
    return ThemeSys(COLOR_WINDOW);
}

COLORREF CGTVisualManager2003::GetHighlightColor() const
{
    return MenuHighlightColor;
}

COLORREF CGTVisualManager2003::GetBaseColor()
{
    if (IsStandardScheme && IsThemeOpen(GTThemeClass::Window))
        return ThemeSys(COLOR_MENUHILIGHT);
    return theGuiToolkitGlobals.colorBarFace;
}

COLORREF CGTVisualManager2003::DarkenColor(COLORREF color) const
{
    if (color == RGB(255, 255, 255))
        return theGuiToolkitGlobals.colorBtnFace;
    double hue, saturation, lightness;
    CGTDrawManager::RgbToHls(color, hue, saturation, lightness);
    if (lightness >= 1.0)
        return CGTDrawManager::HlsToRgb(hue, lightness * 0.84, saturation * 0.95);
    return CGTDrawManager::HlsToRgb(hue, lightness, saturation * 0.84);
}

void CGTVisualManager2003::UpdateColors()
{
    OpenThemes();
    CWnd* mainWindow = AfxGetMainWnd();
    CGTThemeApi& api = GetThemeApi();
    const BOOL windowThemed = api.HasEntry(CGTThemeApi::GetWindowThemeEntry) && mainWindow != nullptr &&
        api.GetWindowTheme(mainWindow->GetSafeHwnd()) != nullptr;
    ColorScheme = UseGlobalTheme || windowThemed ? GetXPColorScheme() : -1;
    if (!UseLunaColors && ColorScheme != -1)
        ColorScheme = 0;
    IsStandardScheme = ColorScheme >= 1 && ColorScheme <= 3;

    UpdateBarColors();
    CGTVisualManagerXPThemed::UpdateColors();
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (IsNormalColorMode())
        UpdateSchemeColors();
    else {
        ToolbarGradientLight = BarGradientLight = g.colorBarLight;
        ImageShadowColor = g.colorBtnHighlight;
    }
    UpdateTasksPaneColors();
    UpdatePens();
    DefaultItemColor = RGB(255, 255, 213);
}

void CGTVisualManager2003::UpdateBarColors()
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    COLORREF* const bar[5] = {&g.colorBarFace, &g.colorBarShadow, &g.colorBarHighlight, &g.colorBarDarkShadow,
                              &g.colorBarLight};
    if (!IsNormalColorMode() || !IsStandardScheme) {
        const int indices[5] = {COLOR_3DFACE, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT};
        for (int i = 0; i < 5; ++i)
            *bar[i] = GetThemeSysColorOrDefault(GTThemeClass::Button, indices[i]);
    } else {
        const COLORREF base = GetBaseColor();
        COLORREF face;
        if (ColorScheme == 2)
            face = Mix(Scale(base, 120), Mix(base, ThemeSys(COLOR_WINDOW), 1.0, 2, 1), 1.0, 2, 1);
        else if (ColorScheme == 3)
            face = Scale(Mix(Mix(base, ThemeSys(COLOR_3DFACE), 0.75, 2, 1),
                             Mix(base, ThemeSys(COLOR_WINDOW), 1.03, 1, 1), 1.0, 1, 1),
                         95);
        else
            face = Mix(ThemeSys(COLOR_MENUHILIGHT), ThemeSys(COLOR_WINDOW), 1.0, 1, 1);
        g.colorBarFace = face;
        g.colorBarShadow = Scale(face, 70);
        g.colorBarHighlight = Scale(face, 130);
        g.colorBarDarkShadow = Scale(face, 50);
        g.colorBarLight = Scale(face, 110);
    }
    RecreateBrush(g.brushBarFace, g.colorBarFace);
}

void CGTVisualManager2003::UpdateSchemeColors()
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const COLORREF base = GetBaseColor();
    const COLORREF window = ThemeSys(COLOR_WINDOW), face = ThemeSys(COLOR_3DFACE);
    switch (ColorScheme) {
    case 2:
        ToolbarGradientDark = Scale(base, 120);
        BarGradientDark = Mix(base, face, 0.87, 1, 3);
        ToolbarGradientLight = Mix(base, window, 1.0, 2, 1);
        BarGradientLight = Mix(base, window, 1.03, 1, 1);
        break;
    case 3:
        ToolbarGradientDark = Mix(base, face, 0.75, 2, 1);
        BarGradientDark = Scale(base, 120);
        ToolbarGradientLight = Mix(base, ThemeSys(COLOR_3DHIGHLIGHT), 0.98, 1, 1);
        BarGradientLight = Mix(base, window, 1.03, 1, 1);
        break;
    default:
        ToolbarGradientDark = Mix(base, face, 0.93, 2, 1);
        BarGradientDark = Mix(base, ThemeSys(COLOR_3DLIGHT), 0.99, 2, 1);
        ToolbarGradientLight = Mix(base, window, 1.03, 1, 1);
        BarGradientLight = ToolbarGradientLight;
        break;
    }
    VertToolbarGradientLight = ToolbarGradientLight;
    VertToolbarGradientDark = Scale(ToolbarGradientDark, 98);

    COLORREF separator;
    if (IsStandardScheme) {
        COLORREF a1 = colorHotFill, a2 = colorHotFill, w = colorHotFill, r = g.colorBarShadow, p = g.colorBarShadow;
        GetThemePartColor(GTThemeClass::Button, 1, 0, TMT_ACCENTCOLORHINT, a1);
        GetThemePartColor(GTThemeClass::Button, 2, 0, TMT_ACCENTCOLORHINT, a2);
        GetThemePartColor(GTThemeClass::Window, 18, 0, TMT_FILLCOLORHINT, w);
        GetThemePartColor(GTThemeClass::Button, 2, 0, TMT_BORDERCOLORHINT, r);
        GetThemePartColor(GTThemeClass::Button, 1, 5, TMT_ACCENTCOLORHINT, p);
        MenuHighlightColor = Mix(a1, a2, 1.3, 1, 1);
        HotGradientLight = Mix(a1, w, 1.55, 2, 1);
        HotGradientDark = Mix(a1, a2, 1.03, 2, 1);
        PressedGradientDark = Mix(a1, w, 1.03, 1, 2);
        ChevronGradientDark = Mix(r, base, 0.63, 1, 3);
        g.colorBarDarkShadow = ChevronGradientDark;
        ChevronGradientLight = Mix(p, base, 1.2, 1, 3);
        if (ColorScheme != 3)
            g.colorBarShadow = Mix(p, base, 1.4, 1, 3);
        ToolbarEdgeColor = Scale(ToolbarGradientDark, ColorScheme == 3 ? 80 : 50);
        ToolbarCornerTop = Scale(ToolbarGradientLight, 92);
        ToolbarCornerBottom = Scale(ToolbarGradientDark, 97);
        GripperDarkColor = Scale(VertToolbarGradientDark, 40);
        colorHotBorder = GripperDarkColor;
        CaptionGradientLight = ChevronGradientLight;
        CaptionGradientDark = ChevronGradientDark;
        HeaderHighlightColor = RGB(249, 203, 95);
        HeaderLineColor = RGB(187, 85, 3);
        colorMenuBorder = Scale(base, 80);
        RecreateBrush(brushDarkShadow, Mix(r, base, 0.84, 1, 4));
        separator = Scale(VertToolbarGradientDark, 81);
    } else {
        MenuHighlightColor = noColor;
        HotGradientLight = colorHotFill;
        HotGradientDark = colorPressedFill;
        PressedGradientDark = Scale(colorHotFill, 120);
        ChevronGradientDark = g.colorBarShadow;
        ChevronGradientLight = Scale(g.colorBarShadow, 125);
        ToolbarEdgeColor = Scale(ToolbarGradientDark, 70);
        ToolbarCornerTop = g.colorBarLight;
        ToolbarCornerBottom = ToolbarGradientDark;
        GripperDarkColor = g.colorBarShadow;
        CaptionGradientLight = g.colorBarShadow;
        CaptionGradientDark = g.colorBarDarkShadow;
        HeaderHighlightColor = colorHotFill;
        HeaderLineColor = colorHotBorder;
        separator = g.colorBarShadow;
    }
    PressedGradientLight = CheckedGradientLight = HotGradientDark;
    CheckedGradientDark = Scale(PressedGradientDark, 120);

    colorBarBackground = ToolbarGradientLight;
    RecreateBrush(brushBarBackground, ToolbarGradientLight);
    penSeparator.DeleteObject();
    penSeparator.CreatePen(PS_SOLID, 1, separator);
    ImageShadowColor = Mix(ToolbarGradientDark, ToolbarGradientLight, 0.92, 1, 1);
}

void CGTVisualManager2003::UpdateTasksPaneColors()
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (!IsNormalColorMode()) {
        TaskPaneGradientTop = TaskPaneGradientBottom = g.colorWindow;
        GroupCaptionColor1 = GroupCaptionColor2 = g.colorBarFace;
        SpecialAreaTop = SpecialAreaBottom = g.colorBarFace;
        GroupAreaTop = GroupAreaBottom = g.colorWindow;
        TaskColor1 = TaskColor2 = g.colorWindow;
        TaskGroupBorderColor = g.colorBtnShadow;
        return;
    }
    TaskPaneGradientTop = ToolbarGradientLight;
    TaskPaneGradientBottom = BarGradientDark;
    GroupCaptionColor1 = BarGradientDark;
    GroupCaptionColor2 = ToolbarGradientLight;
    SpecialAreaBottom = Mix(ChevronGradientDark, ChevronGradientLight, 1.0, 1, 1);
    SpecialAreaTop = ChevronGradientLight;
    GroupAreaTop = GroupAreaBottom = ToolbarGradientLight;
    TaskColor1 = TaskColor2 = ToolbarGradientLight;
    TaskGroupBorderColor = ToolbarGradientLight;
    if (!IsStandardScheme || !IsThemeOpen(GTThemeClass::ExplorerBar))
        return;
    GetThemePartColor(GTThemeClass::ExplorerBar, 0, 0, TMT_GRADIENTCOLOR1, TaskPaneGradientTop);
    GetThemePartColor(GTThemeClass::ExplorerBar, 0, 0, TMT_GRADIENTCOLOR2, TaskPaneGradientBottom);
    GetThemePartColor(GTThemeClass::ExplorerBar, 5, 0, TMT_FILLCOLOR, GroupCaptionColor1);
    GetThemePartColor(GTThemeClass::ExplorerBar, 5, 0, TMT_BORDERCOLOR, TaskGroupBorderColor);
    GroupCaptionColor2 = TaskGroupBorderColor;
    GetThemePartColor(GTThemeClass::ExplorerBar, 12, 0, TMT_FILLCOLOR, SpecialAreaBottom);
    SpecialAreaTop = GroupCaptionColor1;
    GetThemePartColor(GTThemeClass::ExplorerBar, 5, 0, TMT_FILLCOLOR, GroupAreaTop);
    GroupAreaBottom = GroupAreaTop;
    GetThemePartColor(GTThemeClass::ExplorerBar, 9, 0, TMT_FILLCOLORHINT, TaskColor1);
    TaskColor2 = TaskColor1;
}

void CGTVisualManager2003::UpdatePens()
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    RecreatePen(BarHilitePen, g.colorBarHighlight);
    RecreateBrush(BarFaceBrush, g.colorBarFace);
    RecreateBrush(ToolbarLightBrush, ToolbarGradientLight);
    RecreatePen(TaskGroupBorderPen, TaskGroupBorderColor);
    if (IsNormalColorMode()) {
        RecreatePen(ExpandBoxLightPen, Scale(ToolbarEdgeColor, 210));
        RecreatePen(ExpandBoxDarkPen, Scale(ToolbarEdgeColor, 75));
    } else {
        RecreatePen(ExpandBoxLightPen, g.colorBtnLight);
        RecreatePen(ExpandBoxDarkPen, g.colorBtnShadow);
    }
    RecreatePen(HeaderLinePen, HeaderLineColor == noColor ? colorHotBorder : HeaderLineColor);
}
