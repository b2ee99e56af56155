// The Office XP look of customization lists, mini frames, panels and small controls.
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

namespace {
// The band between two rectangles painted with a brush.
void PaintBand(CDC* dc, const CRect& outer, const CRect& inner, CBrush& brush)
{
    CBrush* oldBrush = dc->SelectObject(&brush);
    dc->PatBlt(outer.left, outer.top, outer.Width(), inner.top - outer.top, PATCOPY);
    dc->PatBlt(outer.left, inner.bottom, outer.Width(), outer.bottom - inner.bottom, PATCOPY);
    dc->PatBlt(outer.left, inner.top, inner.left - outer.left, inner.Height(), PATCOPY);
    dc->PatBlt(inner.right, inner.top, outer.right - inner.right, inner.Height(), PATCOPY);
    dc->SelectObject(oldBrush);
}

BOOL AnyChannelBelow(COLORREF color, int limit)
{
    return GetRValue(color) < limit || GetGValue(color) < limit || GetBValue(color) < limit;
}
}  // namespace

COLORREF CGTVisualManagerXP::FillCommandListItem(CDC* dc, CRect rect, BOOL selected)
{
    if (!selected) {
        dc->FillRect(&rect, &brushMenuBackground);
        CRect column = rect;
        column.right = column.left + GetMenuItemImageSize().cx + MenuItemMargin + 2;
        dc->FillRect(&column, &brushBarBackground);
        return theGuiToolkitGlobals.colorBarText;
    }
    if (FillCheckedButtons)
        dc->FillRect(&rect, &brushHotFill);
    Frame(dc, rect, colorHotBorder);
    return AnyChannelBelow(colorHotFill, 129) ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

void CGTVisualManagerXP::DrawCommandListMenuArrow(CDC* dc, CRect rect, BOOL selected)
{
    if (!selected) {
        CGTVisualManager::DrawCommandListMenuArrow(dc, rect, selected);
        return;
    }
    const BOOL dark = AnyChannelBelow(colorHotFill, 128);
    CRect strip = rect;
    strip.left = strip.right - GetMenuItemImageSize().cx;
    CGTMenuGlyphs::DrawCentered(dc, CGTMenuGlyphs::TriangleRight, strip,
                                dark ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black);
    dc->FillSolidRect(strip.left - 1, rect.top + 2, 1, rect.Height() - 4, dark ? RGB(255, 255, 255) : RGB(0, 0, 0));
}

COLORREF CGTVisualManagerXP::FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const GTLookBarKind kind = floatingBar != nullptr ? floatingBar->GetLookKind() : GTLookBarKind::Other;
    if (kind == GTLookBarKind::Toolbar) {
        dc->FillRect(&rect, &brushDarkShadow);
        return g.colorCaptionText;
    }
    if (kind == GTLookBarKind::TasksPane) {
        dc->FillRect(&rect, &g.brushBarFace);
        return g.colorBarText;
    }
    dc->FillRect(&rect, active ? &g.brushActiveCaption : &g.brushInactiveCaption);
    return g.colorCaptionText;
}

void CGTVisualManagerXP::DrawMiniFrameBorder(CDC* dc, IGTLookMiniFrame*, CRect rect, CRect borderSize)
{
    CRect inner = rect;
    inner.DeflateRect(borderSize.left, borderSize.top, borderSize.right, borderSize.bottom);
    PaintBand(dc, rect, inner, theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManagerXP::DrawFloatingToolbarBorder(CDC* dc, CRect rect)
{
    CRect inner = rect;
    inner.DeflateRect(3, 3);
    PaintBand(dc, rect, inner, theGuiToolkitGlobals.brushBarFace);
}

COLORREF CGTVisualManagerXP::GetDialogFaceColor(IGTLookControl* control) const
{
    const COLORREF face = CGTVisualManager::GetDialogFaceColor(control);
    return theGuiToolkitGlobals.bitsPerPixel <= 8 ? face : CGTDrawManager::ScaleColor(face, 94);
}

COLORREF CGTVisualManagerXP::GetDialogDarkColor(IGTLookControl* control) const
{
    return DialogColors(control) ? theGuiToolkitGlobals.colorBarShadow : theGuiToolkitGlobals.colorBtnShadow;
}

void CGTVisualManagerXP::DrawControlBorder(CDC* dc, CRect rect, CWnd*)
{
    Frame(dc, rect, theGuiToolkitGlobals.colorBarShadow);
    rect.DeflateRect(1, 1);
    Frame(dc, rect, theGuiToolkitGlobals.colorBarFace);
}

void CGTVisualManagerXP::DrawPanelFrame(CDC* dc, CRect rect)
{
    Frame(dc, rect, theGuiToolkitGlobals.colorBarFace);
}

void CGTVisualManagerXP::GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground,
                                           COLORREF& selectedText, COLORREF& todayMarker) const
{
    CGTVisualManager::GetCalendarColors(background, text, selectedBackground, selectedText, todayMarker);
    selectedBackground = colorHotFill;
}

COLORREF CGTVisualManagerXP::GetAutoHideButtonTextColor(IGTLookAutoHideButton*) const
{
    return theGuiToolkitGlobals.colorBtnDarkShadow;
}

BOOL CGTVisualManagerXP::DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator*)
{
    if (state != 1 && state != 2)
        return TRUE;
    dc->FillRect(&rect, state == 1 ? &brushPressedFill : &brushHotFill);
    if (state == 1)
        dc->SetTextColor(theGuiToolkitGlobals.colorWindow);
    Frame(dc, rect, colorHotBorder);
    return TRUE;
}

BOOL CGTVisualManagerXP::DrawCalculatorDisplay(CDC* dc, CRect rect, CWnd*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushWindow);
    Frame(dc, rect, colorHotBorder);
    return TRUE;
}

BOOL CGTVisualManagerXP::DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd*)
{
    if (state != 1 && state != 2) {
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
        Frame(dc, rect, theGuiToolkitGlobals.colorBarHighlight);
        return TRUE;
    }
    dc->FillRect(&rect, state == 1 ? &brushPressedFill : &brushHotFill);
    if (state == 1)
        dc->SetTextColor(theGuiToolkitGlobals.colorWindow);
    CRect frame(rect.left, rect.top - 1, rect.right + 1, rect.bottom + 1);
    Frame(dc, frame, colorHotBorder);
    return TRUE;
}

void CGTVisualManagerXP::DrawSpinButtons(CDC* dc, CRect rect, int state, BOOL horizontal, CWnd*)
{
    CRect halves[2] = {rect, rect};
    if (horizontal)
        halves[0].right = halves[1].left = rect.CenterPoint().x;
    else
        halves[0].bottom = halves[1].top = rect.CenterPoint().y;
    const int glyphs[2] = {horizontal ? CGTMenuGlyphs::ArrowLeft : CGTMenuGlyphs::ArrowUp,
                           horizontal ? CGTMenuGlyphs::ArrowRight : CGTMenuGlyphs::ArrowDown};
    const int pressedHalf = (state & 3) - 1;
    const int style = (state & 16) ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black;
    for (int half = 0; half < 2; ++half) {
        const BOOL hot = (state & (4 << half)) != 0;
        if (half == pressedHalf)
            dc->FillRect(&halves[half], &brushPressedFill);
        else if (hot)
            dc->FillRect(&halves[half], &brushHotFill);
        else {
            dc->FillRect(&halves[half], &theGuiToolkitGlobals.brushBarFace);
            Frame(dc, halves[half], theGuiToolkitGlobals.colorBarHighlight);
        }
        CGTMenuGlyphs::DrawCentered(dc, glyphs[half], halves[half], style);
    }
    for (int half = 0; half < 2; ++half)
        if (state & (4 << half))
            Frame(dc, halves[half], colorHotBorder);
}

void CGTVisualManagerXP::DrawDragFrame(CDC* dc, CRect rectOuter, CRect rectInner, int, int)
{
    PaintBand(dc, rectOuter, rectInner, theGuiToolkitGlobals.brushLight);
}

void CGTVisualManagerXP::GetSmartDockingColors(COLORREF& base, COLORREF& shadow) const
{
    base = colorBarBackground;
    shadow = colorMenuBorder;
}

void CGTVisualManagerXP::FillToolBoxPage(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &brushMenuBackground);
}

void CGTVisualManagerXP::DrawToolBoxButtonBorder(CDC* dc, CRect rect)
{
    Frame(dc, rect, colorMenuBorder);
    rect.DeflateRect(1, 1);
    Frame(dc, rect, colorMenuBackground);
}

COLORREF CGTVisualManagerXP::FillHeaderCaption(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &brushHotFill);
    return theGuiToolkitGlobals.colorBarText;
}

void CGTVisualManagerXP::FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect)
{
    if (page->IsHighlighted())
        dc->FillRect(&rect, page->IsPushed() ? &brushPressedFill : &brushHotFill);
    else
        CGTVisualManager::FillTabPage(dc, page, rect);
}

void CGTVisualManagerXP::DrawOwnerDrawButtonFrame(CDC* dc, CRect rect, IGTLookPushButton* button)
{
    if (button->IsPushed() || button->IsHighlighted() || button->IsChecked())
        Frame(dc, rect, colorHotBorder);
}

COLORREF CGTVisualManagerXP::FillPropSheetListItem(CDC* dc, CRect rect, BOOL pushed, BOOL selected, BOOL noSeparator)
{
    if (!pushed)
        return CGTVisualManager::FillPropSheetListItem(dc, rect, pushed, selected, noSeparator);
    rect.DeflateRect(1, 1);
    dc->FillRect(&rect, &brushHotFill);
    dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, colorHotBorder);
    return theGuiToolkitGlobals.colorBtnText;
}

void CGTVisualManagerXP::DrawGridHeaderBar(CDC* dc, CRect rect, IGTLookGrid*)
{
    dc->FillRect(&rect, &brushHotFill);
    CPen* oldPen = dc->SelectObject(&penSeparator);
    dc->MoveTo(rect.left, rect.bottom - 1);
    dc->LineTo(rect.right, rect.bottom - 1);
    dc->SelectObject(oldPen);
}
