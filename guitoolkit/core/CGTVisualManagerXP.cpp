// The Office XP look: construction, colours and the operations it adds.
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/XPLookColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <algorithm>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

IMPLEMENT_DYNCREATE(CGTVisualManagerXP, CGTVisualManager)

namespace {
// An 8 x 8 monochrome pattern; each row of 8 pixels is padded to 16 bits.
void CreateRowPattern(CBrush& brush, const WORD (&rows)[8])
{
    CBitmap pattern;
    if (pattern.CreateBitmap(8, 8, 1, 1, rows))
        brush.CreatePatternBrush(&pattern);
}

BOOL IsLight(COLORREF color, int above)
{
    return GetRValue(color) > above && GetGValue(color) > above && GetBValue(color) > above;
}
}  // namespace

CGTVisualManagerXP::CGTVisualManagerXP(BOOL isTemporary)
    : CGTVisualManager(isTemporary), colorBarBackground(0), colorBarBackgroundDark(0), colorMenuBackground(0),
      colorBarFaceDeep(0), colorHotFill(0), colorPressedFill(0), colorCheckedFill(0), colorSeparatorDark(0),
      colorPaneBorder(0), colorMenuBorder(0), colorHotBorder(0), JoinsMenuToButton(TRUE), colorMenuShadowBase(noColor),
      ShadowsOpenMenuButton(TRUE), MenuItemMargin(3)
{
    IsLook2000 = TRUE;
    MenuShadowDepth = 4;
    FlatOpenMenuButtons = TRUE;
    RaiseHotImages = TRUE;
    // Disabled images are a plain silhouette in the shadow colour.
    EmbossDisabled = FALSE;
    FadeImages = TRUE;
    const int metrics[9] = {4, 4, 4, 0, 0, 0, 12, 5, 4};
    std::copy(metrics, metrics + 9, TasksPaneMetrics);
    MenuStyleFlag = TRUE;
    MenuScrollPadding = 1;
    if (!IsTemporary)
        theGuiToolkitGlobals.UpdateSysColors();
    CGTVisualManagerXP::UpdateColors();
}

CGTVisualManagerXP::~CGTVisualManagerXP() = default;

void CGTVisualManagerXP::UpdateColors()
{
    CGTVisualManager::UpdateColors();
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    XPLookColors::Input input = {};
    input.barFace = g.colorBarFace;
    input.barShadow = g.colorBarShadow;
    input.barLight = g.colorBarLight;
    input.btnFace = g.colorBtnFace;
    input.btnShadow = g.colorBtnShadow;
    input.btnDarkShadow = g.colorBtnDarkShadow;
    input.highlight = g.colorHighlight;
    input.window = g.colorWindow;
    input.lookWindow = GetWindowColor();
    input.bitsPerPixel = g.bitsPerPixel;
    input.blackHighContrast = g.isBlackHighContrast;
    const XPLookColors::Palette colors = XPLookColors::Compute(input);

    colorBarBackground = colors.barBackground;
    colorBarBackgroundDark = colors.barBackgroundDark;
    colorMenuBackground = colors.menuBackground;
    colorBarFaceDeep = colors.barFaceDeep;
    colorHotFill = colors.hotFill;
    colorPressedFill = colors.pressedFill;
    colorCheckedFill = colors.checkedFill;
    colorSeparatorDark = colors.separatorDark;
    colorPaneBorder = colors.paneBorder;
    colorMenuBorder = colors.menuBorder;
    colorHotBorder = colors.hotBorder;
    colorMenuShadowBase = colors.menuShadowBase;

    RecreateBrush(brushBarBackground, colorBarBackground);
    RecreateBrush(brushBarBackgroundDark, colorBarBackgroundDark);
    RecreateBrush(brushMenuBackground, colorMenuBackground);
    RecreateBrush(brushAutoHideBar, colors.autoHideBar);
    RecreateBrush(brushHotFill, colorHotFill);
    RecreateBrush(brushPressedFill, colorPressedFill);
    RecreateBrush(brushCheckedFill, colorCheckedFill);
    RecreateBrush(brushDarkShadow, colors.darkShadow);
    penSeparator.DeleteObject();
    penSeparator.CreatePen(PS_SOLID, 1, colors.separator);
}

BOOL CGTVisualManagerXP::IsLook2000Allowed() const
{
    return FALSE;
}

void CGTVisualManagerXP::FillFramedArea(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &brushBarBackground);
    dc->Draw3dRect(&rect, colorMenuBorder, colorMenuBorder);
}

int CGTVisualManagerXP::XPCaptionGlyphStyle(const IGTLookCaptionButton& button, BOOL glyphFlag, BOOL disabled,
                                            COLORREF pressedFill, COLORREF hotFill)
{
    if (disabled)
        return CGTMenuGlyphs::Grey;
    if (button.IsHighlighted() || button.IsPushed() || button.IsDroppedDown()) {
        const COLORREF fill = button.IsPushed() ? pressedFill : hotFill;
        const BOOL dark = GetRValue(fill) <= 192 && GetGValue(fill) <= 192 && GetBValue(fill) <= 192;
        return dark ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black;
    }
    const COLORREF own = button.GetForegroundColor();
    if (own != noColor)
        return IsLight(own, 192) ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black;
    return glyphFlag ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black;
}

void CGTVisualManagerXP::DrawCaptionButtonGlyph(CDC* dc, IGTLookCaptionButton* button, int glyph, BOOL glyphFlag,
                                                BOOL disabled, int x, int y)
{
    CGTMenuGlyphs::Draw(dc, glyph, CPoint(x, y),
                        XPCaptionGlyphStyle(*button, glyphFlag, disabled, colorPressedFill, colorHotFill));
}

void CGTVisualManagerXP::CreatePatternBrushes()
{
    if (brushPatternHorizontal.GetSafeHandle() != nullptr)
        return;
    const WORD horizontalLines[8] = {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00};
    const WORD verticalLines[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    CreateRowPattern(brushPatternHorizontal, horizontalLines);
    CreateRowPattern(brushPatternVertical, verticalLines);
}

CRect CGTVisualManagerXP::GetMenuConnectionRect(IGTLookButton* button, IGTLookPopupMenu* menu)
{
    const CRect b = button->GetScreenRect();
    const CRect m = menu->GetScreenRect();
    // The stretch runs from the button's edge row (or column) to the menu's, without the
    // corners of either.
    const int left = std::max(b.left, m.left) + 1, right = std::min(b.right, m.right) - 1;
    const int top = std::max(b.top, m.top) + 1, bottom = std::min(b.bottom, m.bottom) - 1;
    CRect stretch;
    if (m.top >= b.bottom - 1)
        stretch.SetRect(left, b.bottom - 1, right, m.top + 1);
    else if (m.bottom <= b.top + 1)
        stretch.SetRect(left, m.bottom - 1, right, b.top + 1);
    else if (m.left >= b.right - 1)
        stretch.SetRect(b.right - 1, top, m.left + 1, bottom);
    else if (m.right <= b.left + 1)
        stretch.SetRect(m.right - 1, top, b.left + 1, bottom);
    if (stretch.Width() <= 0 || stretch.Height() <= 0 || (stretch.Width() > 2 && stretch.Height() > 2))
        return CRect(0, 0, 0, 0);
    return stretch;
}

COLORREF CGTVisualManagerXP::GetWindowColor() const
{
    return theGuiToolkitGlobals.colorWindow;
}

void CGTVisualManagerXP::FillHighlight(CDC* dc, CRect rect, CBrush* brush, IGTLookButton*)
{
    dc->FillRect(&rect, brush);
}

int CGTVisualManagerXP::GetMenuImageColumnWidth(IGTLookBar* popupMenuBar) const
{
    const int imageWidth =
        popupMenuBar->GetImageSize().cx > 0 ? popupMenuBar->GetImageSize().cx : GetMenuItemImageSize().cx;
    const int image = imageWidth + 2 * CGTVisualManager::GetMenuImageMargin();
    IGTLookPopupMenu* menu = popupMenuBar->GetPopupMenu();
    return menu != nullptr && !menu->HasWideMargin() ? image * 2 + 4 : image + 1;
}
