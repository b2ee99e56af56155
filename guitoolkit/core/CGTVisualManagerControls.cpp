// The classic look of splitters, panels, grid, owner-draw buttons and small controls.
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <algorithm>

using namespace VisualManagerColors;

namespace {
// The frame between two rectangles painted with a brush.
void PaintFrameStrips(CDC* dc, const CRect& outer, const CRect& inner, CBrush& brush)
{
    CBrush* oldBrush = dc->SelectObject(&brush);
    dc->PatBlt(outer.left, outer.top, outer.Width(), inner.top - outer.top, PATCOPY);
    dc->PatBlt(outer.left, inner.bottom, outer.Width(), outer.bottom - inner.bottom, PATCOPY);
    dc->PatBlt(outer.left, inner.top, inner.left - outer.left, inner.Height(), PATCOPY);
    dc->PatBlt(inner.right, inner.top, outer.right - inner.right, inner.Height(), PATCOPY);
    dc->SelectObject(oldBrush);
}
}  // namespace

void CGTVisualManager::DrawSlider(CDC* dc, IGTLookBar* slider, CRect rect, BOOL border)
{
    rect.left = std::max(rect.left, theGuiToolkitGlobals.rectWorkArea.left);
    DrawBarBackground(dc, slider, rect, rect);
    if (!border)
        return;
    const DWORD style = slider->GetBarStyle();
    if (style & CBRS_ALIGN_LEFT)
        dc->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), theGuiToolkitGlobals.colorBarDarkShadow);
    else if (style & CBRS_ALIGN_TOP)
        dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, theGuiToolkitGlobals.colorBarDarkShadow);
    else if (style & CBRS_ALIGN_RIGHT)
        dc->FillSolidRect(rect.left, rect.top, 1, rect.Height(), theGuiToolkitGlobals.colorBarHighlight);
    else if (style & CBRS_ALIGN_BOTTOM)
        dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, theGuiToolkitGlobals.colorBarHighlight);
}

void CGTVisualManager::DrawExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color)
{
    dc->Draw3dRect(&rect, color, color);
    rect.DeflateRect(2, 2);
    const CPoint centre = rect.CenterPoint();
    dc->FillSolidRect(rect.left, centre.y, rect.Width(), 1, theGuiToolkitGlobals.colorBarText);
    if (!expanded)
        dc->FillSolidRect(centre.x, rect.top, 1, rect.Height(), theGuiToolkitGlobals.colorBarText);
}

COLORREF CGTVisualManager::GetDialogFaceColor(IGTLookControl* control) const
{
    return DialogColors(control) ? theGuiToolkitGlobals.colorBarFace : theGuiToolkitGlobals.colorBtnFace;
}

COLORREF CGTVisualManager::GetDialogDarkColor(IGTLookControl* control) const
{
    return DialogColors(control) ? theGuiToolkitGlobals.colorBarDarkShadow : theGuiToolkitGlobals.colorBtnDarkShadow;
}

void CGTVisualManager::DrawControlBorder(CDC* dc, CRect rect, CWnd*)
{
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
    rect.DeflateRect(1, 1);
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarFace, theGuiToolkitGlobals.colorBarFace);
}

void CGTVisualManager::DrawPanelFrame(CDC* dc, CRect rect)
{
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarFace, theGuiToolkitGlobals.colorBarShadow);
}

void CGTVisualManager::FillPanel(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
}

COLORREF CGTVisualManager::FillInactiveCaption(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushInactiveCaption);
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorInactiveBorder, theGuiToolkitGlobals.colorInactiveBorder);
    return theGuiToolkitGlobals.colorInactiveCaptionText;
}

void CGTVisualManager::GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground,
                                         COLORREF& selectedText, COLORREF& todayMarker) const
{
    background = selectedBackground = theGuiToolkitGlobals.colorBtnFace;
    text = selectedText = theGuiToolkitGlobals.colorBtnText;
    todayMarker = RGB(187, 85, 3);
}

void CGTVisualManager::DrawCheckBox(CDC* dc, CRect rect, BOOL focused, BOOL checked, BOOL enabled)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (focused)
        dc->DrawFocusRect(&rect);
    rect.DeflateRect(1, 1);
    dc->FillSolidRect(&rect, enabled ? g.colorWindow : g.colorBarFace);
    dc->Draw3dRect(&rect, g.colorBarDarkShadow, g.colorBarHighlight);
    rect.DeflateRect(1, 1);
    dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarLight);
    if (checked)
        CGTMenuGlyphs::DrawCentered(dc, CGTMenuGlyphs::CheckMark, rect, CGTMenuGlyphs::Black);
}

void CGTVisualManager::DrawWindowNcBorder(CWnd* window)
{
    CWindowDC dc(window);
    CRect rect;
    window->GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (window->GetStyle() & WS_POPUP)
        dc.Draw3dRect(&rect, g.colorBarShadow, g.colorBarShadow);
    else
        dc.Draw3dRect(&rect, g.colorBarDarkShadow, g.colorBarHighlight);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(&rect, g.colorWindow, g.colorWindow);
}

BOOL CGTVisualManager::HasAutoHideButtonBorder() const
{
    return FALSE;
}

void CGTVisualManager::FillAutoHideButton(CDC* dc, CRect rect, IGTLookAutoHideButton*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManager::DrawAutoHideButtonBorder(CDC* dc, CRect rect, CRect widths, IGTLookAutoHideButton*)
{
    const COLORREF oldText = dc->GetTextColor();
    const COLORREF shadow = theGuiToolkitGlobals.colorBarShadow;
    if (widths.left > 0)
        dc->FillSolidRect(rect.left, rect.top, widths.left, rect.Height(), shadow);
    if (widths.top > 0)
        dc->FillSolidRect(rect.left, rect.top, rect.Width(), widths.top, shadow);
    if (widths.right > 0)
        dc->FillSolidRect(rect.right - widths.right, rect.top, widths.right, rect.Height(), shadow);
    if (widths.bottom > 0)
        dc->FillSolidRect(rect.left, rect.bottom - widths.bottom, rect.Width(), widths.bottom, shadow);
    dc->SetTextColor(oldText);
}

COLORREF CGTVisualManager::GetAutoHideButtonTextColor(IGTLookAutoHideButton*) const
{
    return theGuiToolkitGlobals.colorBarText;
}

BOOL CGTVisualManager::DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator*)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (state == 1 || state == 2)
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushLight);
    if (state == 1)
        dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarHighlight);
    else
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    return TRUE;
}

BOOL CGTVisualManager::DrawCalculatorDisplay(CDC* dc, CRect rect, CWnd*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushWindow);
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
    return TRUE;
}

BOOL CGTVisualManager::DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
    CRect frame(rect.left, rect.top - 1, rect.right + 1, rect.bottom + 1);
    dc->Draw3dRect(&frame, theGuiToolkitGlobals.colorBtnDarkShadow, theGuiToolkitGlobals.colorBtnDarkShadow);
    dc->DrawEdge(&rect, state == 1 ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT);
    return TRUE;
}

void CGTVisualManager::DrawSpinButtons(CDC* dc, CRect rect, int state, BOOL horizontal, CWnd*)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
    dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarHighlight);
    CRect halves[2] = {rect, rect};
    if (horizontal)
        halves[0].right = halves[1].left = rect.CenterPoint().x;
    else
        halves[0].bottom = halves[1].top = rect.CenterPoint().y;
    const int glyphs[2] = {horizontal ? CGTMenuGlyphs::ArrowLeft : CGTMenuGlyphs::ArrowUp,
                           horizontal ? CGTMenuGlyphs::ArrowRight : CGTMenuGlyphs::ArrowDown};
    const int style = (state & 16) ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black;
    for (int half = 0; half < 2; ++half) {
        const BOOL pressed = (state & (1 << half)) != 0;
        dc->Draw3dRect(&halves[half], pressed ? g.colorBarShadow : g.colorBarHighlight,
                       pressed ? g.colorBarHighlight : g.colorBarShadow);
        CGTMenuGlyphs::DrawCentered(dc, glyphs[half], halves[half], style);
    }
}

void CGTVisualManager::DrawDragFrame(CDC* dc, CRect rectOuter, CRect rectInner, int, int)
{
    PaintFrameStrips(dc, rectOuter, rectInner, theGuiToolkitGlobals.brushBtnFace);
    rectOuter.DeflateRect(2, 2);
    rectInner.DeflateRect(2, 2);
    PaintFrameStrips(dc, rectOuter, rectInner, theGuiToolkitGlobals.brushLight);
}

void CGTVisualManager::DrawBarLabel(CDC* dc, CRect rect, const CString& text)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
    CFont* oldFont = dc->SelectObject(&theGuiToolkitGlobals.fontBold);
    const COLORREF oldText = dc->SetTextColor(theGuiToolkitGlobals.colorBarText);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    rect.DeflateRect(2, 2);
    dc->DrawText(text, &rect, DT_SINGLELINE | DT_VCENTER);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldText);
    dc->SelectObject(oldFont);
}

BOOL CGTVisualManager::DrawPushButtonThemed(CDC*, CRect, IGTLookPushButton*, UINT)
{
    return FALSE;
}

BOOL CGTVisualManager::DrawComboDropButtonThemed(CDC*, CRect, BOOL, BOOL, BOOL)
{
    return FALSE;
}

BOOL CGTVisualManager::DrawComboBorderThemed(CDC*, CRect, BOOL, BOOL, BOOL)
{
    return FALSE;
}

BOOL CGTVisualManager::FillOwnerDrawButton(CDC* dc, CRect rect, IGTLookPushButton* button)
{
    if (button->IsChecked()) {
        rect.DeflateRect(1, 1);
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushLight);
    }
    return TRUE;
}

BOOL CGTVisualManager::DrawOwnerDrawButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button)
{
    if (button->IsPushed())
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
    else if (button->IsHighlighted())
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
    return TRUE;
}

void CGTVisualManager::DrawPushButtonBorder(CDC* dc, CRect& rect, IGTLookPushButton* button)
{
    if (button->IsPushed() || button->IsChecked()) {
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarDarkShadow, theGuiToolkitGlobals.colorBarHighlight);
        rect.OffsetRect(2, 2);
    } else
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarDarkShadow);
    rect.DeflateRect(2, 2);
}

void CGTVisualManager::GetSmartDockingColors(COLORREF& base, COLORREF& shadow) const
{
    base = theGuiToolkitGlobals.colorBarFace;
    shadow = theGuiToolkitGlobals.colorBarShadow;
}

COLORREF CGTVisualManager::GetSmartDockingHighlightColor() const
{
    return theGuiToolkitGlobals.colorActiveCaption;
}

void CGTVisualManager::FillToolBoxPage(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManager::DrawToolBoxButtonBorder(CDC* dc, CRect rect)
{
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarLight, theGuiToolkitGlobals.colorBarDarkShadow);
    rect.DeflateRect(1, 1);
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
}

COLORREF CGTVisualManager::FillHeaderCaption(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushActiveCaption);
    return theGuiToolkitGlobals.colorCaptionText;
}

void CGTVisualManager::FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect)
{
    if (page->HasOwnBackground()) {
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
        return;
    }
    CWnd* window = page->GetPageWindow();
    CWnd* parent = window->GetParent();
    if (parent == nullptr) {
        FillToolBoxPage(dc, rect);
        return;
    }
    CRect parentRect;
    parent->GetClientRect(&parentRect);
    parent->MapWindowPoints(window, &parentRect);
    FillToolBoxPage(dc, parentRect);
}

void CGTVisualManager::DrawOwnerDrawButtonFrame(CDC* dc, CRect rect, IGTLookPushButton* button)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (button->IsPushed() && button->IsHighlighted()) {
        dc->Draw3dRect(&rect, g.colorBarDarkShadow, g.colorBarLight);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarHighlight);
    } else {
        dc->Draw3dRect(&rect, g.colorBarLight, g.colorBarDarkShadow);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    }
}

BOOL CGTVisualManager::UsesWindowThemeForButton(IGTLookPushButton*) const
{
    return FALSE;
}

COLORREF CGTVisualManager::FillPropSheetListItem(CDC* dc, CRect rect, BOOL pushed, BOOL selected, BOOL noSeparator)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    rect.DeflateRect(1, 1);
    if (pushed) {
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushLight);
        dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, g.colorBarShadow);
    } else {
        dc->FillRect(&rect, selected ? &theGuiToolkitGlobals.brushHighlight : &theGuiToolkitGlobals.brushBtnFace);
        if (!noSeparator)
            dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, g.colorBtnShadow);
    }
    return selected && !pushed ? g.colorHighlightText : g.colorBtnText;
}

CBrush& CGTVisualManager::GetDitherBrush()
{
    if (DitherBrush.GetSafeHandle() == nullptr) {
        const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
        CBitmap pattern;
        if (pattern.CreateBitmap(8, 8, 1, 1, rows))
            DitherBrush.CreatePatternBrush(&pattern);
    }
    return DitherBrush;
}

void CGTVisualManager::FillGridArea(CDC* dc, CRect rect, IGTLookGrid* grid, BOOL active)
{
    CBrush& dither = GetDitherBrush();
    const COLORREF marker = theGuiToolkitGlobals.isBlackHighContrast ? noColor : grid->GetMarkerColor();
    const int mode = grid->GetMarkerMode();
    if (mode == 0 || mode == 1) {
        const COLORREF oldText = dc->SetTextColor(marker == noColor ? GridMarkerColor : marker);
        const COLORREF oldBack = dc->SetBkColor(active ? RGB(255, 255, 255) : RGB(128, 128, 128));
        dc->FillRect(&rect, &dither);
        dc->SetBkColor(oldBack);
        dc->SetTextColor(oldText);
        return;
    }
    if (!active)
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
    else if (marker != noColor)
        dc->FillSolidRect(&rect, marker);
    else
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushWindow);
}

COLORREF CGTVisualManager::GetGridLineColor(IGTLookGrid*) const
{
    return GridLineColor;
}

void CGTVisualManager::DrawGridHeaderBar(CDC* dc, CRect rect, IGTLookGrid*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushActiveCaption);
    dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, theGuiToolkitGlobals.colorBarShadow);
}

void CGTVisualManager::DrawGridExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color)
{
    DrawExpandBox(dc, rect, expanded, color);
}

void CGTVisualManager::FillGridHeader(CDC* dc, CRect rect, IGTLookGrid*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
}

void CGTVisualManager::DrawGridHeaderItemBorder(CDC* dc, CRect rect, IGTLookGrid*, BOOL)
{
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBtnHighlight, theGuiToolkitGlobals.colorBtnDarkShadow);
}

COLORREF CGTVisualManager::GetGridLeftOffsetColor(IGTLookGrid*) const
{
    return theGuiToolkitGlobals.colorBtnLight;
}

int CGTVisualManager::GetMenuImageMargin() const
{
    return 2;
}

BOOL CGTVisualManager::IsCustomizeDialogStandard() const
{
    return TRUE;
}

int CGTVisualManager::GetCustomizeButtonMargin() const
{
    return 2;
}

BOOL CGTVisualManager::DrawsMenuItemText() const
{
    return TRUE;
}

BOOL CGTVisualManager::GetMenuStyleFlag() const
{
    return MenuStyleFlag;
}

int CGTVisualManager::GetMenuScrollPadding() const
{
    return MenuScrollPadding;
}

int CGTVisualManager::GetShowAllButtonHeight(CDC*, CSize)
{
    return GetMenuImageSize().cy + 6;
}

void CGTVisualManager::DrawShowAllButton(CDC* dc, CRect rect, int)
{
    CGTMenuGlyphs::DrawCentered(dc, CGTMenuGlyphs::DoubleArrowDown, rect, CGTMenuGlyphs::Black);
}

BOOL CGTVisualManager::IsLook2000Allowed() const
{
    return TRUE;
}

COLORREF CGTVisualManager::GetToolbarDisabledColor() const
{
    return noColor;
}

int CGTVisualManager::GetPopupMenuBorderSize() const
{
    // Two frames: DrawMenuBorder's outer and inner one.
    return 2;
}

void CGTVisualManager::ResetAfterLookChange() {}

void CGTVisualManager::DrawMenuImageColumn(CDC*, CRect, IGTLookButton*) {}

BOOL CGTVisualManager::GetAutoHideLayoutFlag() const
{
    return FALSE;
}

int CGTVisualManager::GetMDITabBorderSize() const
{
    return -1;
}
