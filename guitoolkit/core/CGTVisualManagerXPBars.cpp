// The Office XP look of bars, menus and toolbar buttons.
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <algorithm>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

namespace {
// Paints the stretch where a button and its menu meet, given on the screen, in the
// coordinates of one of them (whose screen rectangle is at rect).
void OpenJoint(CDC* dc, CRect stretch, const CRect& screenRect, const CRect& rect, COLORREF color)
{
    stretch.OffsetRect(rect.TopLeft() - screenRect.TopLeft());
    stretch &= rect;
    if (!stretch.IsRectEmpty())
        dc->FillSolidRect(&stretch, color);
}
}  // namespace

void CGTVisualManagerXP::DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip)
{
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    CBrush* brush = nullptr;
    switch (bar->GetLookKind()) {
    case GTLookBarKind::PopupMenuBar:
        FillPopupMenuBarBackground(dc, bar, rectClient, rectClip);
        return;
    case GTLookBarKind::ColorBar:
        // In a menu the colour bar takes the menu's background, docked the bar's.
        if (!bar->UsesDialogColors())
            brush = bar->GetPopupMenu() != nullptr ? &brushMenuBackground : &brushBarBackground;
        break;
    case GTLookBarKind::Calculator:
        if (!bar->UsesDialogColors())
            brush = &brushMenuBackground;
        break;
    case GTLookBarKind::CalendarBar:
        brush = &brushMenuBackground;
        break;
    case GTLookBarKind::Toolbar:
    case GTLookBarKind::DropDownToolbar:
        if (!bar->UsesDialogColors())
            brush = &brushBarBackground;
        break;
    case GTLookBarKind::AutoHideDockBar:
        brush = &brushAutoHideBar;
        break;
    default:
        break;
    }
    if (brush == nullptr)
        CGTVisualManager::DrawBarBackground(dc, bar, rectClient, rectClip);
    else
        dc->FillRect(&rectClip, brush);
}

void CGTVisualManagerXP::FillPopupMenuBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip)
{
    dc->FillRect(&rectClip, &brushMenuBackground);
    if (!bar->ShowsImageColumn())
        return;
    CRect column = rectClient;
    column.right = column.left + GetMenuImageColumnWidth(bar);
    column &= rectClip;
    if (!column.IsRectEmpty())
        dc->FillRect(&column, &brushBarBackground);
}

void CGTVisualManagerXP::DrawBarBorder(CDC* dc, IGTLookBar* bar, CRect& rect)
{
    const DWORD style = bar->GetBarStyle();
    if (bar->DrawsOwnBorder() || (style & CBRS_BORDER_ANY) == 0)
        return;
    const COLORREF face = theGuiToolkitGlobals.colorBarFace;
    DrawBorderEdges(dc, style, rect, face, face, FALSE);
}

void CGTVisualManagerXP::DrawMenuBorder(CDC* dc, IGTLookPopupMenu* popupMenu, CRect rect)
{
    const CRect outer = rect;
    Frame(dc, rect, colorMenuBorder);
    rect.DeflateRect(1, 1);
    Frame(dc, rect, colorMenuBackground);
    IGTLookButton* button = popupMenu != nullptr ? popupMenu->GetParentButton() : nullptr;
    if (!JoinsMenuToButton || button == nullptr)
        return;
    const CRect stretch = GetMenuConnectionRect(button, popupMenu);
    if (!stretch.IsRectEmpty())
        OpenJoint(dc, stretch, popupMenu->GetScreenRect(), outer, colorBarBackground);
}

void CGTVisualManagerXP::DrawMenuShadow(CDC* dc, CRect rect, CRect rectExclude, int depth, int darkestPercent,
                                        int lightestPercent, CBitmap* saveBottom, CBitmap* saveSide, BOOL rightToLeft)
{
    if (rectExclude.IsRectEmpty()) {
        CGTDrawManager(*dc).DrawShadow(rect, depth, darkestPercent, lightestPercent, saveBottom, saveSide,
                                       colorMenuShadowBase, !rightToLeft);
        return;
    }
    // The shadow is made on a copy of what lies under it, the button it must not cover is
    // put back from the screen, and the copy is shown in one go.
    CRect area(rect.left - (rightToLeft ? depth : 0), rect.top, rect.right + (rightToLeft ? 0 : depth),
               rect.bottom + depth);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(dc) || !bitmap.CreateCompatibleBitmap(dc, area.Width(), area.Height()))
        return;
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    memory.SetViewportOrg(-area.left, -area.top);
    memory.BitBlt(area.left, area.top, area.Width(), area.Height(), dc, area.left, area.top, SRCCOPY);
    CGTDrawManager(memory).DrawShadow(rect, depth, darkestPercent, lightestPercent, saveBottom, saveSide,
                                      colorMenuShadowBase, !rightToLeft);
    memory.BitBlt(rectExclude.left, rectExclude.top, rectExclude.Width(), rectExclude.Height(), dc, rectExclude.left,
                  rectExclude.top, SRCCOPY);
    dc->BitBlt(area.left, area.top, area.Width(), area.Height(), &memory, area.left, area.top, SRCCOPY);
    memory.SelectObject(oldBitmap);
}

void CGTVisualManagerXP::DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal)
{
    if (bar == nullptr || bar->GetLookKind() != GTLookBarKind::PopupMenuBar) {
        CGTVisualManager::DrawSeparator(dc, bar, rect, horizontal);
        return;
    }
    const int y = rect.CenterPoint().y;
    CPen* oldPen = dc->SelectObject(&penSeparator);
    dc->MoveTo(rect.left + GetMenuImageColumnWidth(bar) + MenuItemMargin, y);
    dc->LineTo(rect.right, y);
    dc->SelectObject(oldPen);
}

COLORREF CGTVisualManagerXP::FillDockingCaption(CDC* dc, IGTLookBar*, BOOL active, CRect rect)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    CPen pen(PS_SOLID, 1, active ? g.colorBarLight : g.colorBarShadow);
    CPen* oldPen = dc->SelectObject(&pen);
    CBrush* oldBrush = dc->SelectObject(active ? &g.brushActiveCaption : &g.brushBarFace);
    dc->RoundRect(&rect, CPoint(2, 2));
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    return active ? g.colorCaptionText : g.colorBarText;
}

void CGTVisualManagerXP::DrawMenuSystemButton(CDC* dc, CRect rect, IGTLookButton*, UINT command, UINT style,
                                              BOOL highlighted)
{
    int glyph;
    switch (command) {
    case SC_MINIMIZE:
        glyph = CGTMenuGlyphs::Minimize;
        break;
    case SC_RESTORE:
        glyph = CGTMenuGlyphs::Restore;
        break;
    case SC_CLOSE:
        glyph = CGTMenuGlyphs::Close;
        break;
    default:
        return;
    }
    const BOOL disabled = (style & GTButtonDisabled) != 0;
    if (highlighted && !disabled) {
        dc->FillRect(&rect, (style & GTButtonPressed) ? &brushPressedFill : &brushHotFill);
        Frame(dc, rect, colorHotBorder);
    }
    CGTMenuGlyphs::DrawCentered(dc, glyph, rect,
                                disabled          ? CGTMenuGlyphs::Grey
                                    : highlighted ? CGTMenuGlyphs::White
                                                  : CGTMenuGlyphs::Black);
}

void CGTVisualManagerXP::DrawStatusPaneBorder(CDC* dc, IGTLookBar*, CRect rect, UINT, UINT paneStyle)
{
    if (paneStyle & GTPaneNoBorders)
        return;
    if (paneStyle & GTPanePopOut)
        CGTDrawManager(*dc).BrightenRect(rect, -1, noColor, 0, noColor);
    Frame(dc, rect, colorPaneBorder);
}

void CGTVisualManagerXP::DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                             IGTLookButton*)
{
    const COLORREF oldText = dc->GetTextColor();
    if (!dropped && !highlighted) {
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
        Frame(dc, rect, theGuiToolkitGlobals.colorBarWindow);
    } else {
        dc->FillRect(&rect, dropped ? &brushPressedFill : &brushHotFill);
        dc->FillSolidRect(rect.left, rect.top, 1, rect.Height(), colorHotBorder);
    }
    CRect glyphRect = rect;
    glyphRect.OffsetRect(1, 1);
    CGTMenuGlyphs::DrawCentered(dc, CGTMenuGlyphs::ArrowDown, glyphRect,
                                disabled                     ? CGTMenuGlyphs::Grey
                                    : dropped || highlighted ? CGTMenuGlyphs::White
                                                             : CGTMenuGlyphs::Black);
    dc->SetTextColor(oldText);
}

void CGTVisualManagerXP::DrawComboBorder(CDC* dc, CRect rect, BOOL, BOOL dropped, BOOL highlighted, IGTLookButton*)
{
    if (!dropped && !highlighted)
        return;
    rect.DeflateRect(1, 1);
    Frame(dc, rect, colorHotBorder);
}

void CGTVisualManagerXP::DrawTearOffCaption(CDC* dc, CRect rect, BOOL highlighted)
{
    const COLORREF oldText = dc->GetTextColor();
    const COLORREF oldBack = dc->GetBkColor();
    dc->FillRect(&rect, &brushMenuBackground);
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    dc->FillRect(&inner, highlighted ? &brushHotFill : &brushBarBackground);

    CreatePatternBrushes();
    const int width = std::max<int>(20, 2 * GetMenuItemImageSize().cx);
    CRect grip(inner.CenterPoint().x - width / 2, inner.top, inner.CenterPoint().x - width / 2 + width, inner.bottom);
    if (highlighted)
        grip.DeflateRect(0, 1);
    grip &= inner;
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    dc->SetTextColor(highlighted ? g.colorBarDarkShadow : g.colorBarShadow);
    dc->SetBkColor(highlighted ? colorHotFill : colorBarBackground);
    dc->FillRect(&grip, &brushPatternHorizontal);
    if (highlighted)
        Frame(dc, rect, g.colorBarDarkShadow);
    dc->SetBkColor(oldBack);
    dc->SetTextColor(oldText);
}

CBrush* CGTVisualManagerXP::PickButtonBrush(IGTLookButton* button, int state, CRect& rect)
{
    const BOOL menuItem = button->IsMenuItem();
    if (!menuItem && !FillCheckedButtons)
        return nullptr;
    if (!menuItem || state != 2) {
        --rect.right;
        --rect.bottom;
    }
    const UINT style = button->GetStyle();
    CBrush* brush = (style & GTButtonPressed) && !menuItem ? &brushPressedFill : &brushHotFill;
    if (button->IsMenuButton() && !menuItem && button->GetOpenMenu() != nullptr)
        brush = &brushBarBackground;
    if (style & GTButtonChecked)
        brush = state == 2 ? &brushPressedFill : &brushCheckedFill;
    if (button->IsMenuButton() && (style & GTButtonDisabled))
        brush = &brushMenuBackground;
    if ((style & GTButtonChecked) == 0)
        rect.DeflateRect(1, 1);
    return brush;
}

void CGTVisualManagerXP::FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    if ((state != 1 && state != 2) || button->IsBeingCustomized())
        return;
    if (CBrush* brush = PickButtonBrush(button, state, rect))
        FillHighlight(dc, rect, brush, button);
}

void CGTVisualManagerXP::DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    if (state != 1 && state != 2)
        return;
    const BOOL menuItem = button->IsMenuItem();
    if (!menuItem || state != 2) {
        --rect.right;
        --rect.bottom;
    }
    IGTLookPopupMenu* menu = button->GetOpenMenu();
    if (button->IsMenuButton() && !menuItem && menu != nullptr) {
        DrawOpenMenuButtonBorder(dc, button, menu, rect);
        return;
    }
    if (menuItem && (button->GetStyle() & GTButtonChecked))
        ++rect.bottom;
    Frame(dc, rect, colorHotBorder);
}

void CGTVisualManagerXP::DrawOpenMenuButtonBorder(CDC* dc, IGTLookButton* button, IGTLookPopupMenu* menu, CRect rect)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (ShadowsOpenMenuButton && !menu->IsRightToLeft() && menu->CastsShadow() && !button->IsCustomizeMode() &&
        g.bitsPerPixel > 8 && !g.isBlackHighContrast)
        CGTDrawManager(*dc).DrawShadow(rect, MenuShadowDepth, 100, 75, nullptr, nullptr, colorMenuShadowBase, TRUE);
    Frame(dc, rect, colorMenuBorder);
    const CRect stretch = GetMenuConnectionRect(button, menu);
    if (!stretch.IsRectEmpty())
        OpenJoint(dc, stretch, button->GetScreenRect(), rect, colorBarBackground);
}

void CGTVisualManagerXP::FillMenuHighlight(CDC* dc, IGTLookButton* button, CRect rect, BOOL, BOOL disabled, COLORREF&)
{
    FillHighlight(dc, rect, disabled ? &brushMenuBackground : &brushHotFill, button);
    Frame(dc, rect, colorHotBorder);
}

void CGTVisualManagerXP::DrawRarelyUsedMenuArea(CDC* dc, CRect rect)
{
    const int width = GetMenuItemImageSize().cx + 2 * CGTVisualManager::GetMenuImageMargin() + 2;
    CRect column(rect.left - 1, rect.top, rect.left - 1 + width, rect.bottom - 1);
    dc->FillRect(&column, &brushBarBackgroundDark);
}

COLORREF CGTVisualManagerXP::GetToolbarButtonTextColor(IGTLookButton* button, int state) const
{
    const UINT style = button->GetStyle();
    if (button->IsOutlookButton()) {
        const BOOL disabled =
            (style & GTButtonDisabled) != 0 || (button->IsCustomizeMode() && !button->IsUsableInCustomizeMode());
        return disabled ? theGuiToolkitGlobals.colorGrayText : theGuiToolkitGlobals.colorBarText;
    }
    if (state == 2 && (style & (GTButtonChecked | GTButtonPressed)) != 0)
        return theGuiToolkitGlobals.colorHighlightText;
    return CGTVisualManager::GetToolbarButtonTextColor(button, state);
}
