// The Office 2003 look: dialog colours, library controls, auto-hide buttons, headers
// and grids.
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

namespace {
BOOL AlongTopOrBottom(IGTLookAutoHideButton* button)
{
    return button != nullptr && (button->GetAlignment() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
}

// A grid item's colour; 0xFF000000 stands for none.
COLORREF ItemColor(IGTLookGrid* grid, COLORREF fallback)
{
    const COLORREF own = grid != nullptr ? grid->GetItemColor() : noColor;
    return own == noColor || own == 0xFF000000 ? fallback : own;
}
}  // namespace

COLORREF CGTVisualManager2003::GetDialogFaceColor(IGTLookControl* control) const
{
    return CGTVisualManager::GetDialogFaceColor(control);
}

COLORREF CGTVisualManager2003::GetDialogDarkColor(IGTLookControl* control) const
{
    return CGTVisualManager::GetDialogDarkColor(control);
}

void CGTVisualManager2003::GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground,
                                             COLORREF& selectedText, COLORREF& todayMarker) const
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    background = BarGradientDark;
    text = g.colorBarText;
    selectedBackground = IsStandardScheme ? RGB(251, 230, 148)
        : MenuHighlightColor != noColor   ? MenuHighlightColor
                                          : colorHotFill;
    selectedText = g.colorBarText;
    todayMarker = RGB(187, 85, 3);
}

void CGTVisualManager2003::FillAutoHideButton(CDC* dc, CRect rect, IGTLookAutoHideButton* button)
{
    if (!IsNormalColorMode()) {
        CGTVisualManager::FillAutoHideButton(dc, rect, button);
        return;
    }
    const BOOL hot = button != nullptr && button->IsHighlighted();
    Gradient(dc, rect, hot ? HotGradientLight : BarGradientLight, hot ? HotGradientDark : BarGradientDark,
             AlongTopOrBottom(button));
}

void CGTVisualManager2003::DrawAutoHideButtonBorder(CDC* dc, CRect rect, CRect widths, IGTLookAutoHideButton*)
{
    const COLORREF shadow = theGuiToolkitGlobals.colorBarShadow;
    dc->FillSolidRect(rect.left, rect.top, widths.left, rect.Height(), shadow);
    dc->FillSolidRect(rect.left, rect.top, rect.Width(), widths.top, shadow);
    dc->FillSolidRect(rect.right - widths.right, rect.top, widths.right, rect.Height(), shadow);
    dc->FillSolidRect(rect.left, rect.bottom - widths.bottom, rect.Width(), widths.bottom, shadow);
}

BOOL CGTVisualManager2003::DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator* calculator)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (state == 1 || state == 2) {
        FillHighlight(dc, rect, state == 1 ? &brushPressedFill : &brushHotFill, nullptr);
        Frame(dc, rect, ToolbarGradientDark);
    } else if (calculator != nullptr && calculator->UsesButtonColors()) {
        Gradient(dc, rect, g.colorBtnFace, g.colorBtnHighlight, TRUE);
        Frame(dc, rect, g.colorBtnShadow);
    } else {
        Gradient(dc, rect, ToolbarGradientDark, ToolbarGradientLight, TRUE);
        Frame(dc, rect, ToolbarGradientDark);
    }
    return TRUE;
}

BOOL CGTVisualManager2003::DrawCalculatorDisplay(CDC* dc, CRect rect, CWnd*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushWindow);
    Frame(dc, rect, ToolbarGradientDark);
    return TRUE;
}

BOOL CGTVisualManager2003::DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd*)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (state == 1 || state == 2) {
        FillHighlight(dc, rect, state == 1 ? &brushPressedFill : &brushHotFill, nullptr);
        CRect frame = rect;
        frame.InflateRect(0, 1, 1, 1);
        Frame(dc, frame, ToolbarGradientDark);
    } else {
        Gradient(dc, rect, g.colorBtnFace, g.colorBtnHighlight, TRUE);
        Frame(dc, rect, g.colorBarHighlight);
    }
    return TRUE;
}

BOOL CGTVisualManager2003::FillOwnerDrawButton(CDC* dc, CRect rect, IGTLookPushButton* button)
{
    if (!button->IsHighlighted() && !button->IsChecked())
        return FALSE;
    FillHighlight(dc, rect, button->IsChecked() ? &brushCheckedFill : &brushHotFill, nullptr);
    return TRUE;
}

BOOL CGTVisualManager2003::DrawOwnerDrawButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button)
{
    if (!button->IsHighlighted() && !button->IsChecked())
        return FALSE;
    Frame(dc, rect, colorHotBorder);
    return TRUE;
}

void CGTVisualManager2003::GetSmartDockingColors(COLORREF& base, COLORREF& shadow) const
{
    if (IsNormalColorMode()) {
        base = RGB(228, 228, 228);
        shadow = RGB(181, 181, 181);
    } else {
        base = theGuiToolkitGlobals.colorBarFace;
        shadow = theGuiToolkitGlobals.colorBarShadow;
    }
}

COLORREF CGTVisualManager2003::GetSmartDockingHighlightColor() const
{
    switch (const_cast<CGTVisualManager2003*>(this)->GetXPColorScheme()) {
    case 1:
        return RGB(61, 123, 241);
    case 2:
        return RGB(190, 146, 109);
    case 3:
        return RGB(134, 130, 169);
    default:
        return CGTVisualManager::GetSmartDockingHighlightColor();
    }
}

void CGTVisualManager2003::FillToolBoxPage(CDC* dc, CRect rect)
{
    Gradient(dc, rect, BarGradientDark, BarGradientLight, TRUE);
}

void CGTVisualManager2003::DrawToolBoxButtonBorder(CDC* dc, CRect rect)
{
    Frame(dc, rect, colorHotBorder);
}

void CGTVisualManager2003::FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect)
{
    const BOOL hot = page->IsHighlighted(), pushed = page->IsPushed();
    if (hot && pushed)
        dc->FillSolidRect(&rect, PressedGradientDark != noColor ? PressedGradientDark : colorPressedFill);
    else if (hot || pushed)
        dc->FillSolidRect(&rect, MenuHighlightColor != noColor ? MenuHighlightColor : colorHotFill);
    else
        CGTVisualManager::FillTabPage(dc, page, rect);
}

void CGTVisualManager2003::DrawHeaderCell(CDC* dc, CRect rect)
{
    rect.DeflateRect(1, 1);
    Gradient(dc, rect, HeaderHighlightColor, theGuiToolkitGlobals.colorBtnFace, TRUE);
    CPen* old = dc->SelectObject(&HeaderLinePen);
    dc->MoveTo(rect.left, rect.bottom - 1);
    dc->LineTo(rect.right, rect.bottom - 1);
    dc->SelectObject(old);
}

COLORREF CGTVisualManager2003::FillPropSheetListItem(CDC* dc, CRect rect, BOOL pushed, BOOL selected, BOOL noSeparator)
{
    if (!selected)
        return CGTVisualManagerXPThemed::FillPropSheetListItem(dc, rect, pushed, selected, noSeparator);
    DrawHeaderCell(dc, rect);
    return theGuiToolkitGlobals.colorBtnText;
}

void CGTVisualManager2003::DrawGridHeaderBar(CDC* dc, CRect rect, IGTLookGrid*)
{
    DrawHeaderCell(dc, rect);
}

void CGTVisualManager2003::FillGridArea(CDC* dc, CRect rect, IGTLookGrid* grid, BOOL)
{
    dc->FillSolidRect(&rect, ItemColor(grid, DefaultItemColor));
}

COLORREF CGTVisualManager2003::GetGridLineColor(IGTLookGrid* grid) const
{
    COLORREF color = ItemColor(grid, DefaultItemColor);
    if (grid == nullptr || !grid->KeepsLineColor())
        color = DarkenColor(color);
    return CGTDrawManager::ScaleColor(color, grid != nullptr && grid->DrawsDarkLines() ? 85 : 95);
}

COLORREF CGTVisualManager2003::GetGridLeftOffsetColor(IGTLookGrid*) const
{
    return GetHighlightColor();
}

void CGTVisualManager2003::DrawGridExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color)
{
    if (!IsNormalColorMode()) {
        CGTVisualManagerXPThemed::DrawGridExpandBox(dc, rect, expanded, color);
        return;
    }
    if (rect.Width() % 2 != 0)
        ++rect.right;
    if (rect.Height() % 2 != 0)
        ++rect.bottom;
    CGTDrawManager(*dc).FillGradientRotated(rect, RGB(255, 255, 255), ToolbarGradientDark, 45);
    CPen* old = dc->SelectObject(&ExpandBoxLightPen);
    dc->MoveTo(rect.left + 1, rect.top);
    dc->LineTo(rect.right - 1, rect.top);
    dc->MoveTo(rect.left, rect.top + 1);
    dc->LineTo(rect.left, rect.bottom - 1);
    dc->SelectObject(&ExpandBoxDarkPen);
    dc->MoveTo(rect.left + 1, rect.bottom - 1);
    dc->LineTo(rect.right - 1, rect.bottom - 1);
    dc->MoveTo(rect.right - 1, rect.top + 1);
    dc->LineTo(rect.right - 1, rect.bottom - 1);
    const CPoint centre = rect.CenterPoint();
    const int across = rect.Width() / 2 - 3, down = rect.Height() / 2 - 3;
    dc->MoveTo(centre.x - across, centre.y);
    dc->LineTo(centre.x + across + 1, centre.y);
    if (!expanded) {
        dc->MoveTo(centre.x, centre.y - down);
        dc->LineTo(centre.x, centre.y + down + 1);
    }
    dc->SelectObject(old);
}
