#include <guitoolkit/core/CGTVisualManagerVS2005.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <vssym32.h>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

IMPLEMENT_DYNCREATE(CGTVisualManagerVS2005, CGTVisualManager2003)

BOOL CGTVisualManagerVS2005::RoundedAutoHideButtons = FALSE;

namespace {
// The docking mode with docking markers.
const int smartDocking = 0x80;
// The tabbed bars' style that this look's tab operations know.
const int vs2005TabStyle = 6;

COLORREF Scale(COLORREF color, int percent)
{
    return CGTDrawManager::ScaleColor(color, percent);
}

BOOL IsToolbarKind(GTLookBarKind kind)
{
    return kind == GTLookBarKind::Toolbar || kind == GTLookBarKind::DropDownToolbar || kind == GTLookBarKind::MenuBar;
}

BOOL IsPlainTabs(const IGTLookTabWnd& tabWnd)
{
    return tabWnd.GetTabLook() == GTTabLook::Plain3D;
}
}  // namespace

CGTVisualManagerVS2005::CGTVisualManagerVS2005(BOOL isTemporary)
    : CGTVisualManager2003(isTemporary), VSColorScheme(-1), TabBorderColor(noColor)
{
    ActiveTabsOnWindowColor = TRUE;
    if (!IsTemporary) {
        GTLookClientHooks& hooks = ClientHooks();
        if (hooks.setDockingLookSwitches != nullptr)
            hooks.setDockingLookSwitches(TRUE, TRUE, FALSE);
        if (hooks.setDockingMode != nullptr)
            hooks.setDockingMode(smartDocking);
    }
    CGTVisualManagerVS2005::UpdateColors();
}

void CGTVisualManagerVS2005::UpdateColors()
{
    OpenThemes();
    VSColorScheme = GetXPColorScheme();
    const BOOL lunaColors = UseLunaColors;
    if (VSColorScheme != 3)
        UseLunaColors = FALSE;
    CGTVisualManager2003::UpdateColors();
    UseLunaColors = lunaColors;
    if (!lunaColors)
        return;
    UpdateVSColors();
}

void CGTVisualManagerVS2005::UpdateVSColors()
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    TabBorderColor = colorHotBorder;
    GetThemePartColor(GTThemeClass::ComboBox, 5, 0, TMT_BORDERCOLOR, TabBorderColor);
    COLORREF dropped = colorBarBackground, checked = colorPressedFill;
    if (IsNormalColorMode()) {
        const BOOL blue = VSColorScheme == 1, olive = VSColorScheme == 2;
        if (blue || olive) {
            ToolbarGradientDark = Scale(ToolbarGradientDark, 83);
            ToolbarGradientLight = CGTDrawManager::BlendColorsHsv(GetBaseColor(), ThemeSys(COLOR_WINDOW), 1.0, 3, 2);
        }
        if (blue) {
            ChevronGradientDark = Scale(ChevronGradientDark, 90);
            ChevronGradientLight = Scale(ChevronGradientLight, 115);
            ToolbarEdgeColor = Scale(ToolbarEdgeColor, 85);
        } else if (olive) {
            ToolbarEdgeColor = Scale(ToolbarEdgeColor, 110);
            ChevronGradientDark = ToolbarEdgeColor;
            ChevronGradientLight = Scale(ChevronGradientLight, 120);
            colorPressedFill = g.colorHighlight;
            colorHotFill = Scale(g.colorHighlight, 124);
            colorCheckedFill = Scale(ThemeSys(COLOR_GRADIENTACTIVECAPTION), 98);
            RecreateBrush(brushHotFill, colorHotFill);
            RecreateBrush(brushPressedFill, colorPressedFill);
            RecreateBrush(brushCheckedFill, colorCheckedFill);
        }
        dropped = Scale(colorBarBackground, 107);
        checked = ThemeSys(COLOR_HIGHLIGHT);
        if (VSColorScheme != 3) {
            BarGradientLight = Scale(ToolbarGradientLight, 95);
            BarGradientDark = Scale(BarGradientDark, 97);
        }
    }
    RecreateBrush(DroppedMenuBrush, dropped);
    RecreateBrush(CheckedMenuBrush, checked);
    TabBorderPen.DeleteObject();
    TabBorderPen.CreatePen(PS_SOLID, 1, TabBorderColor);
    colorMenuBorder = g.colorBtnDarkShadow;
}

void CGTVisualManagerVS2005::DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal)
{
    ShortenForButtons(rect, bar, horizontal);
    CGTVisualManagerXP::DrawSeparator(dc, bar, rect, horizontal);
}

COLORREF CGTVisualManagerVS2005::FillDockingCaption(CDC* dc, IGTLookBar* bar, BOOL active, CRect rect)
{
    if (!IsNormalColorMode())
        return CGTVisualManagerXP::FillDockingCaption(dc, bar, active, rect);
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    ++rect.bottom;
    if (active) {
        Gradient(dc, rect, g.colorHighlight, Scale(g.colorHighlight, 130), TRUE);
        return g.colorCaptionText;
    }
    dc->FillSolidRect(&rect, Scale(BarGradientDark, 87));
    dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarShadow);
    return g.colorBarText;
}

void CGTVisualManagerVS2005::DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption,
                                               BOOL horizontal, BOOL maximized, BOOL disabled, int glyph)
{
    if (activeCaption || button->IsOnMiniFrame()) {
        CGTVisualManager2003::DrawCaptionButton(dc, button, activeCaption, horizontal, maximized, disabled, glyph);
        return;
    }
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const CRect rect = GetCaptionButtonRect(*button);
    const BOOL filled = (button->IsPushed() || button->IsHighlighted() || button->IsDroppedDown()) && !disabled;
    if (filled)
        dc->FillRect(&rect, &g.brushBarFace);
    if (glyph == -1)
        glyph = button->GetIconID(horizontal, maximized);
    if (glyph != -1) {
        const CSize size = CGTMenuGlyphs::GetSize();
        DrawCaptionButtonGlyph(dc, button, glyph, FALSE, disabled, rect.left + (rect.Width() - size.cx) / 2,
                               rect.top + (rect.Height() - size.cy) / 2);
    }
    if (filled)
        dc->Draw3dRect(&rect, g.colorBarDarkShadow, g.colorBarDarkShadow);
}

void CGTVisualManagerVS2005::FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd)
{
    if (FirstSpecial(*tabWnd) || !IsNormalColorMode()) {
        CGTVisualManagerXP::FillTabArea(dc, rect, tabWnd);
        return;
    }
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (!IsPlainTabs(*tabWnd)) {
        dc->FillRect(&rect, tabWnd->HasFlatFrame() ? &g.brushBtnFace : &g.brushBarFace);
        return;
    }
    IGTLookBar* parent = tabWnd->GetParentBar();
    if (parent == nullptr) {
        dc->FillRect(&rect, &g.brushBtnFace);
        return;
    }
    // The parent bar's gradient runs on under the tabs.
    CRect work = g.rectWorkArea;
    if (CWnd* window = tabWnd->GetControlWindow(); window != nullptr && window->GetSafeHwnd() != nullptr)
        window->ScreenToClient(&work);
    const CRect under(std::min(rect.left, work.left), rect.top, rect.right, rect.bottom);
    DrawBarBackground(dc, parent, under, rect);
}

void CGTVisualManagerVS2005::DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    if (IsPlainTabs(*tabWnd) && active && tabWnd->GetTabBackgroundColor(tab) == noColor) {
        // The active tab is white for the Office XP drawing, then left as it was.
        const COLORREF text = tabWnd->GetTabTextColor(tab);
        tabWnd->SetTabBackgroundColor(tab, theGuiToolkitGlobals.colorWindow);
        tabWnd->SetTabTextColor(tab, theGuiToolkitGlobals.colorBtnText);
        CGTVisualManagerXP::DrawTab(dc, rect, tab, active, tabWnd);
        tabWnd->SetTabBackgroundColor(tab, noColor);
        tabWnd->SetTabTextColor(tab, text);
        return;
    }
    if (ThirdSpecial(*tabWnd) && active && TabBorderPen.GetSafeHandle() != nullptr) {
        CPen* old = dc->SelectObject(&TabBorderPen);
        CGTVisualManager2003::DrawTab(dc, rect, tab, active, tabWnd);
        dc->SelectObject(old);
        return;
    }
    CGTVisualManager2003::DrawTab(dc, rect, tab, active, tabWnd);
}

void CGTVisualManagerVS2005::GetTabColors(IGTLookTabWnd* tabWnd, COLORREF& dark, COLORREF& black, COLORREF& highlight,
                                          COLORREF& face, COLORREF& darkShadow, COLORREF& light, CBrush*& faceBrush,
                                          CBrush*& blackBrush)
{
    CGTVisualManager2003::GetTabColors(tabWnd, dark, black, highlight, face, darkShadow, light, faceBrush, blackBrush);
    black = darkShadow;
    if (ThirdSpecial(*tabWnd) && TabBorderColor != noColor)
        highlight = TabBorderColor;
}

int CGTVisualManagerVS2005::GetTabBorderSize() const
{
    return CGTDockingValues::TabbedBarStyle() == vs2005TabStyle ? 0 : 3;
}

COLORREF CGTVisualManagerVS2005::GetDialogFaceColor(IGTLookControl* control) const
{
    if (UseLunaColors)
        return CGTVisualManager2003::GetDialogFaceColor(control);
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    return control != nullptr && control->UsesDialogColors() ? g.colorBarLight : g.colorBtnLight;
}

COLORREF CGTVisualManagerVS2005::FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar)
{
    if (floatingBar == nullptr || !IsToolbarKind(floatingBar->GetLookKind()))
        return CGTVisualManager2003::FillMiniFrameCaption(dc, rect, active, floatingBar);
    dc->FillRect(&rect, CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNSHADOW)));
    return theGuiToolkitGlobals.colorCaptionText;
}

BOOL CGTVisualManagerVS2005::HasAutoHideButtonBorder() const
{
    return RoundedAutoHideButtons;
}

void CGTVisualManagerVS2005::GetAutoHideOutline(const CRect& rect, DWORD alignment, CPoint (&points)[6])
{
    const BOOL acrossX = (alignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
    // In the button's own frame: open along y = 0, the far edge one pixel in.
    const int w = acrossX ? rect.Height() : rect.Width();
    const int h = (acrossX ? rect.Width() : rect.Height()) - 1;
    const CPoint frame[6] = {CPoint(0, 0),     CPoint(0, h - 2),     CPoint(2, h),
                             CPoint(w - 3, h), CPoint(w - 1, h - 2), CPoint(w - 1, 0)};
    for (int i = 0; i < 6; ++i) {
        const CPoint& p = frame[i];
        if (alignment & CBRS_ALIGN_LEFT)
            points[i] = CPoint(rect.left + p.y, rect.top + p.x);
        else if (alignment & CBRS_ALIGN_RIGHT)
            points[i] = CPoint(rect.right - 1 - p.y, rect.top + p.x);
        else if (alignment & CBRS_ALIGN_TOP)
            points[i] = CPoint(rect.left + p.x, rect.top + p.y);
        else
            points[i] = CPoint(rect.left + p.x, rect.bottom - 1 - p.y);
    }
}

void CGTVisualManagerVS2005::FillAutoHideButton(CDC* dc, CRect rect, IGTLookAutoHideButton* button)
{
    if (!IsNormalColorMode() || button == nullptr) {
        CGTVisualManager2003::FillAutoHideButton(dc, rect, button);
        return;
    }
    const DWORD alignment = button->GetAlignment();
    const int saved = dc->SaveDC();
    if (RoundedAutoHideButtons) {
        CPoint outline[6];
        GetAutoHideOutline(rect, alignment, outline);
        CRgn region;
        region.CreatePolygonRgn(outline, 6, WINDING);
        dc->SelectClipRgn(&region, RGN_AND);
    }
    Gradient(dc, rect, BarGradientDark, BarGradientLight, (alignment & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0);
    dc->RestoreDC(saved);
}

void CGTVisualManagerVS2005::DrawAutoHideButtonBorder(CDC* dc, CRect rect, CRect, IGTLookAutoHideButton* button)
{
    CPoint outline[6];
    GetAutoHideOutline(rect, button != nullptr ? button->GetAlignment() : CBRS_ALIGN_BOTTOM, outline);
    CPen pen(PS_SOLID, 1, theGuiToolkitGlobals.colorBarShadow);
    CPen* old = dc->SelectObject(&pen);
    dc->Polyline(outline, 6);
    dc->SelectObject(old);
}

void CGTVisualManagerVS2005::FillHighlight(CDC* dc, CRect rect, CBrush* brush, IGTLookButton* button)
{
    if ((VSColorScheme == 1 || VSColorScheme == 2) && button != nullptr && button->IsMenuButton()) {
        IGTLookBar* bar = button->GetParentBar();
        const BOOL inPopup = bar != nullptr && bar->GetLookKind() == GTLookBarKind::PopupMenuBar;
        if (inPopup && (button->GetStyle() & GTButtonChecked) && brush == &brushPressedFill) {
            dc->FillRect(&rect, &CheckedMenuBrush);
            return;
        }
        if (!inPopup && button->GetOpenMenu() != nullptr) {
            dc->FillRect(&rect, &DroppedMenuBrush);
            return;
        }
    }
    CGTVisualManager2003::FillHighlight(dc, rect, brush, button);
}

int CGTVisualManagerVS2005::GetMDITabBorderSize() const
{
    return 1;
}
