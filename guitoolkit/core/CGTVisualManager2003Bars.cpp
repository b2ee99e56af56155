// The Office 2003 look: bars, grippers, menus, toolbar buttons and highlights.
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <algorithm>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

namespace {
void Line(CDC* dc, CPen* pen, CPoint from, CPoint to)
{
    CPen* old = dc->SelectObject(pen);
    dc->MoveTo(from);
    dc->LineTo(to);
    dc->SelectObject(old);
}

BOOL IsToolbarKind(GTLookBarKind kind)
{
    return kind == GTLookBarKind::Toolbar || kind == GTLookBarKind::DropDownToolbar;
}
}  // namespace

void CGTVisualManager2003::Gradient(CDC* dc, const CRect& rect, COLORREF first, COLORREF second, BOOL horizontal,
                                    int startShare)
{
    CGTDrawManager(*dc).FillGradient(rect, first, second, horizontal, startShare, 0);
}

BOOL CGTVisualManager2003::IsHorizontalBar(const IGTLookBar* bar)
{
    return bar == nullptr || (bar->GetBarStyle() & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) == 0;
}

void CGTVisualManager2003::ShortenForButtons(CRect& rect, IGTLookBar* bar, BOOL alongY)
{
    if (bar == nullptr || !IsToolbarKind(bar->GetLookKind()))
        return;
    const CSize button = bar->GetButtonSize(), image = bar->GetImageSize();
    const int room = std::max<int>(0, alongY ? button.cy - image.cy : button.cx - image.cx) / 2;
    if (alongY)
        rect.DeflateRect(0, room);
    else
        rect.DeflateRect(room, 0);
}

void CGTVisualManager2003::DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip)
{
    const GTLookBarKind kind = bar->GetLookKind();
    const IGTLookBar* parent = bar->GetParentBar();
    if (kind == GTLookBarKind::Rebar || (parent != nullptr && parent->GetLookKind() == GTLookBarKind::Rebar)) {
        dc->FillRect(rectClip.IsRectEmpty() ? &rectClient : &rectClip, &theGuiToolkitGlobals.brushBtnFace);
        return;
    }
    if (!IsNormalColorMode() || bar->UsesDialogColors() || kind == GTLookBarKind::ColorBar ||
        kind == GTLookBarKind::Calculator || kind == GTLookBarKind::CalendarBar) {
        CGTVisualManagerXPThemed::DrawBarBackground(dc, bar, rectClient, rectClip);
        return;
    }
    if (kind == GTLookBarKind::StatusBar && StatusBarUsesTheme &&
        DrawThemePart(GTThemeClass::Status, dc, rectClient, 0, 0))
        return;
    if (kind == GTLookBarKind::CaptionBar) {
        Gradient(dc, rectClient, CaptionGradientDark, CaptionGradientLight, TRUE);
        return;
    }
    if (kind == GTLookBarKind::PopupMenuBar) {
        dc->FillRect(rectClip.IsRectEmpty() ? &rectClient : &rectClip, &brushMenuBackground);
        if (bar->ShowsImageColumn()) {
            CRect column = rectClient;
            column.right = column.left + GetMenuImageColumnWidth(bar);
            Gradient(dc, column, ToolbarGradientLight, ToolbarGradientDark, FALSE, 35);
        }
        return;
    }
    const BOOL horizontal = IsHorizontalBar(bar);
    if (IsToolbarKind(kind)) {
        if (kind == GTLookBarKind::Toolbar && bar->IsRounded() && (bar->GetBarStyle() & CBRS_FLOATING) == 0)
            DrawRoundedToolbar(dc, bar, rectClient, horizontal);
        else if (horizontal)
            Gradient(dc, rectClient, ToolbarGradientDark, ToolbarGradientLight, TRUE, 25);
        else
            Gradient(dc, rectClient, VertToolbarGradientLight, VertToolbarGradientDark, FALSE, 25);
        DrawChevron(dc, bar, rectClient, horizontal);
        return;
    }
    if (kind == GTLookBarKind::ToolBoxPage) {
        Gradient(dc, rectClient, BarGradientLight, BarGradientDark, FALSE);
        return;
    }
    // Over the width of the work area: bars side by side continue one gradient.
    CRect wide = rectClient;
    wide.right = wide.left + (theGuiToolkitGlobals.rectWorkArea.right - theGuiToolkitGlobals.rectWorkArea.left) + 10;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(rectClip.IsRectEmpty() ? &rectClient : &rectClip);
    Gradient(dc, wide, BarGradientDark, BarGradientLight, FALSE);
    dc->RestoreDC(saved);
}

// What shows through the cut corners: the bar the toolbar sits on, its background painted
// from its own edges so that it runs on unbroken, or else the window under the toolbar.
void CGTVisualManager2003::PaintUnderToolbar(CDC* dc, IGTLookBar* bar, const CRect& rect)
{
    CWnd* window = bar->GetControlWindow();
    const BOOL hasWindow = window != nullptr && window->GetSafeHwnd() != nullptr;
    IGTLookBar* parent = bar->GetParentBar();
    if (parent == nullptr) {
        if (hasWindow)
            theGuiToolkitGlobals.DrawParentBackground(window, dc, &rect);
        return;
    }
    CRect area = rect;
    CWnd* parentWindow = parent->GetControlWindow();
    if (hasWindow && parentWindow != nullptr && parentWindow->GetSafeHwnd() != nullptr) {
        parentWindow->GetClientRect(&area);
        parentWindow->MapWindowPoints(window, &area);
    }
    DrawBarBackground(dc, parent, area, rect);
}

void CGTVisualManager2003::DrawRoundedToolbar(CDC* dc, IGTLookBar* bar, const CRect& rect, BOOL horizontal)
{
    PaintUnderToolbar(dc, bar, rect);
    // The fill leaves the end pixels of the long sides: cut corners.
    const int saved = dc->SaveDC();
    const CPoint corners[4] = {rect.TopLeft(), CPoint(rect.right - 1, rect.top), CPoint(rect.left, rect.bottom - 1),
                               CPoint(rect.right - 1, rect.bottom - 1)};
    for (const CPoint& corner : corners)
        dc->ExcludeClipRect(corner.x, corner.y, corner.x + 1, corner.y + 1);
    if (horizontal)
        Gradient(dc, rect, ToolbarGradientDark, ToolbarGradientLight, TRUE, 25);
    else
        Gradient(dc, rect, VertToolbarGradientLight, VertToolbarGradientDark, FALSE, 25);
    dc->RestoreDC(saved);
    if (horizontal) {
        dc->FillSolidRect(rect.left + 1, rect.bottom - 1, rect.Width() - 2, 1, ToolbarEdgeColor);
        dc->SetPixel(rect.left + 1, rect.top, ToolbarCornerTop);
        dc->SetPixel(rect.right - 2, rect.top, ToolbarCornerTop);
        dc->SetPixel(rect.left + 1, rect.bottom - 2, ToolbarCornerBottom);
        dc->SetPixel(rect.right - 2, rect.bottom - 2, ToolbarCornerBottom);
    } else {
        dc->FillSolidRect(rect.right - 1, rect.top + 1, 1, rect.Height() - 2, ToolbarEdgeColor);
        dc->SetPixel(rect.left, rect.top + 1, ToolbarCornerTop);
        dc->SetPixel(rect.left, rect.bottom - 2, ToolbarCornerTop);
        dc->SetPixel(rect.right - 2, rect.top + 1, ToolbarCornerBottom);
        dc->SetPixel(rect.right - 2, rect.bottom - 2, ToolbarCornerBottom);
    }
}

void CGTVisualManager2003::DrawChevron(CDC* dc, IGTLookBar* bar, const CRect& rectClient, BOOL horizontal)
{
    IGTLookCustomizeButton* chevron = bar->GetLookCustomizeButton();
    if (chevron == nullptr || !chevron->IsChevron() || chevron->GetRect().IsRectEmpty())
        return;
    CRect rect = chevron->GetRect();
    // Out to the toolbar's end.
    if (horizontal) {
        rect.right = rectClient.right;
        rect.top = rectClient.top;
        rect.bottom = rectClient.bottom;
    } else {
        rect.bottom = rectClient.bottom;
        rect.left = rectClient.left;
        rect.right = rectClient.right;
    }
    chevron->SetStretchedSize(rect.Size());
    const int state = chevron->IsHot() || chevron->IsPushed()              ? 2
        : (chevron->GetStyle() & (GTButtonChecked | GTButtonPressed)) != 0 ? 1
                                                                           : 0;
    DrawCustomizeButton(dc, rect, horizontal, state, chevron->ShowsHiddenButtonsMark(), chevron->ShowsCustomizeMark());
}

void CGTVisualManager2003::DrawCustomizeButton(CDC* dc, CRect rect, BOOL horizontal, int state, BOOL hiddenButtonsMark,
                                               BOOL customizeMark)
{
    const COLORREF light = state != 0 ? HotGradientLight : ChevronGradientLight;
    const COLORREF dark = state != 0 ? HotGradientDark : ChevronGradientDark;
    // A two-pixel bevel along the long sides: light on the first, dark on the other.
    for (int pass = 0; pass < 2; ++pass) {
        if (horizontal) {
            const int top = rect.top + pass, bottom = rect.bottom - pass;
            dc->FillSolidRect(rect.left + pass, top, 1, bottom - top, light);
            dc->SetPixel(rect.left + pass, top, CGTDrawManager::ScaleColor(light, 90));
            dc->FillSolidRect(rect.right - 1 - pass, top, 1, bottom - top, dark);
            dc->SetPixel(rect.right - 1 - pass, top, light);
        } else {
            const int left = rect.left + pass, right = rect.right - pass;
            dc->FillSolidRect(left, rect.top + pass, right - left, 1, light);
            dc->SetPixel(left, rect.top + pass, CGTDrawManager::ScaleColor(light, 90));
            dc->FillSolidRect(left, rect.bottom - 1 - pass, right - left, 1, dark);
            dc->SetPixel(left, rect.bottom - 1 - pass, light);
        }
    }
    CRect body = rect;
    if (horizontal)
        body.left += 2;
    else
        body.top += 2;
    Gradient(dc, body, dark, light, horizontal);

    const CSize glyph = GetMenuImageSize();
    const int endLength = (horizontal ? glyph.cy : glyph.cx) + 2 * 2;
    auto drawMark = [&](int id, BOOL atEnd) {
        CRect part = body;
        if (horizontal)
            atEnd ? part.top = part.bottom - endLength : part.bottom = part.top + endLength;
        else
            atEnd ? part.left = part.right - endLength : part.right = part.left + endLength;
        CRect shadow = part;
        shadow.OffsetRect(1, 1);
        CGTMenuGlyphs::DrawCentered(dc, id, shadow, CGTMenuGlyphs::White);
        CGTMenuGlyphs::DrawCentered(dc, id, part, CGTMenuGlyphs::Black);
    };
    if (hiddenButtonsMark)
        drawMark(horizontal ? CGTMenuGlyphs::ChevronHorizontal : CGTMenuGlyphs::ChevronVertical, TRUE);
    if (customizeMark)
        drawMark(horizontal ? CGTMenuGlyphs::CustomizeHorizontal : CGTMenuGlyphs::CustomizeVertical, FALSE);
}

void CGTVisualManager2003::DrawBarBorder(CDC* dc, IGTLookBar* bar, CRect& rect)
{
    if (bar->UsesDialogColors())
        CGTVisualManagerXPThemed::DrawBarBorder(dc, bar, rect);
}

void CGTVisualManager2003::DrawMenuBorder(CDC* dc, IGTLookPopupMenu* popupMenu, CRect rect)
{
    const BOOL saved = JoinsMenuToButton;
    if (popupMenu != nullptr && popupMenu->DropsFromCustomizeButton())
        JoinsMenuToButton = FALSE;
    CGTVisualManagerXPThemed::DrawMenuBorder(dc, popupMenu, rect);
    JoinsMenuToButton = saved;
}

void CGTVisualManager2003::DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar)
{
    if ((bar != nullptr && bar->UsesDialogColors()) || theGuiToolkitGlobals.bitsPerPixel <= 8) {
        CGTVisualManagerXPThemed::DrawGripper(dc, rect, horizontal, bar);
        return;
    }
    // The dots take the last 4 pixels across the bar.
    if (horizontal)
        rect.left = rect.right - 4;
    else
        rect.top = rect.bottom - 4;
    ShortenForButtons(rect, bar, horizontal);
    const int length = horizontal ? rect.Height() : rect.Width();
    const int dots = (length - 4) / 4;
    if (dots < 1)
        return;
    const COLORREF highlight = theGuiToolkitGlobals.colorBtnHighlight;
    int along = (horizontal ? rect.top : rect.left) + (length - 4 * dots) / 2;
    for (int dot = 0; dot < dots; ++dot, along += 4) {
        const CPoint at = horizontal ? CPoint(rect.left, along) : CPoint(along, rect.top);
        dc->FillSolidRect(at.x + 1, at.y + 1, 2, 2, highlight);
        dc->FillSolidRect(at.x, at.y, 2, 2, GripperDarkColor);
    }
}

void CGTVisualManager2003::DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal)
{
    if (!IsNormalColorMode() || bar == nullptr || bar->UsesDialogColors() ||
        bar->GetLookKind() == GTLookBarKind::PopupMenuBar) {
        CGTVisualManagerXPThemed::DrawSeparator(dc, bar, rect, horizontal);
        return;
    }
    ShortenForButtons(rect, bar, horizontal);
    if (horizontal) {
        const int x = rect.left + rect.Width() / 2 - 1;
        Line(dc, &penSeparator, CPoint(x, rect.top), CPoint(x, rect.bottom - 1));
        Line(dc, &BarHilitePen, CPoint(x + 1, rect.top + 1), CPoint(x + 1, rect.bottom));
    } else {
        const int y = rect.top + rect.Height() / 2 - 1;
        Line(dc, &penSeparator, CPoint(rect.left, y), CPoint(rect.right - 1, y));
        Line(dc, &BarHilitePen, CPoint(rect.left + 1, y + 1), CPoint(rect.right, y + 1));
    }
}

COLORREF CGTVisualManager2003::FillDockingCaption(CDC* dc, IGTLookBar* bar, BOOL active, CRect rect)
{
    if (!IsNormalColorMode())
        return CGTVisualManagerXPThemed::FillDockingCaption(dc, bar, active, rect);
    if (active)
        Gradient(dc, rect, HotGradientDark, HotGradientLight, TRUE);
    else
        Gradient(dc, rect, ToolbarGradientDark, ToolbarGradientLight, TRUE);
    return theGuiToolkitGlobals.colorBarText;
}

void CGTVisualManager2003::DrawStatusPaneBorder(CDC* dc, IGTLookBar* statusBar, CRect rect, UINT paneId, UINT paneStyle)
{
    if (!StatusBarUsesTheme || !IsThemeOpen(GTThemeClass::Status))
        CGTVisualManagerXPThemed::DrawStatusPaneBorder(dc, statusBar, rect, paneId, paneStyle);
    if ((paneStyle & GTPaneNoBorders) == 0)
        DrawThemePart(GTThemeClass::Status, dc, rect, 1, 0);
}

void CGTVisualManager2003::DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                               IGTLookButton* button)
{
    if (!IsNormalColorMode()) {
        CGTVisualManagerXPThemed::DrawComboDropButton(dc, rect, disabled, dropped, highlighted, button);
        return;
    }
    if (dropped || highlighted) {
        FillHighlight(dc, rect, dropped ? &brushPressedFill : &brushHotFill, nullptr);
        dc->FillSolidRect(rect.left, rect.top, 1, rect.Height(), colorHotBorder);
    } else if (!disabled) {
        Gradient(dc, rect, ToolbarGradientDark, ToolbarGradientLight, TRUE);
        Frame(dc, rect, theGuiToolkitGlobals.colorWindow);
    }
    const int style = disabled   ? CGTMenuGlyphs::Grey
        : dropped && highlighted ? CGTMenuGlyphs::White
                                 : CGTMenuGlyphs::Black;
    CGTMenuGlyphs::DrawCentered(dc, CGTMenuGlyphs::ArrowDown, rect, style);
}

void CGTVisualManager2003::DrawComboBorder(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                           IGTLookButton*)
{
    if (!disabled && !dropped && !highlighted)
        return;
    rect.DeflateRect(1, 1);
    Frame(dc, rect, disabled ? theGuiToolkitGlobals.colorBtnShadow : colorHotBorder);
}

void CGTVisualManager2003::DrawTearOffCaption(CDC* dc, CRect rect, BOOL highlighted)
{
    dc->FillRect(&rect, &brushMenuBackground);
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    if (highlighted)
        FillHighlight(dc, inner, &brushHotFill, nullptr);
    else
        dc->FillRect(&inner, &BarFaceBrush);
    // The dots run along the caption.
    DrawGripper(dc, inner, FALSE, nullptr);
    if (highlighted)
        Frame(dc, rect, colorMenuBorder);
}

void CGTVisualManager2003::FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    IGTLookCustomizeButton* chevron = button->AsCustomizeButton();
    if (IsNormalColorMode() && chevron != nullptr && chevron->IsChevron()) {
        const CSize stretched = chevron->GetStretchedSize();
        if (stretched.cx > 0 && stretched.cy > 0)
            rect.BottomRight() = rect.TopLeft() + stretched;
    }
    CGTVisualManagerXPThemed::FillButtonInterior(dc, button, rect, state);
}

void CGTVisualManager2003::DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    IGTLookCustomizeButton* chevron = button->AsCustomizeButton();
    if (IsNormalColorMode() && chevron != nullptr && chevron->IsChevron())
        return;
    CGTVisualManagerXPThemed::DrawButtonBorder(dc, button, rect, state);
}

void CGTVisualManager2003::DrawRarelyUsedMenuArea(CDC* dc, CRect rect)
{
    if (!IsNormalColorMode()) {
        CGTVisualManagerXPThemed::DrawRarelyUsedMenuArea(dc, rect);
        return;
    }
    CRect column = rect;
    column.left = rect.left - 1;
    column.right = rect.left + 1 + GetMenuItemImageSize().cx + 2 * MenuItemMargin;
    Gradient(dc, column, colorBarBackgroundDark, ToolbarGradientDark, FALSE);
}

COLORREF CGTVisualManager2003::GetImageShadowColor() const
{
    return ImageShadowColor;
}

void CGTVisualManager2003::FillHighlight(CDC* dc, CRect rect, CBrush* brush, IGTLookButton* button)
{
    if (!IsStandardScheme || !IsNormalColorMode()) {
        CGTVisualManagerXPThemed::FillHighlight(dc, rect, brush, button);
        return;
    }
    IGTLookBar* bar = button != nullptr ? button->GetParentBar() : nullptr;
    const BOOL horizontal = IsHorizontalBar(bar);
    const BOOL hot = brush == &brushHotFill, pressed = brush == &brushPressedFill, checked = brush == &brushCheckedFill;
    if (bar != nullptr && bar->GetLookKind() == GTLookBarKind::PopupMenuBar) {
        if (hot)
            dc->FillSolidRect(&rect, MenuHighlightColor != noColor ? MenuHighlightColor : HotGradientDark);
        else if (pressed)
            dc->FillSolidRect(&rect, PressedGradientDark);
        else if (checked)
            dc->FillSolidRect(&rect, CheckedGradientLight);
        else
            CGTVisualManagerXPThemed::FillHighlight(dc, rect, brush, button);
        return;
    }
    if (hot)
        Gradient(dc, rect, HotGradientDark, HotGradientLight, horizontal);
    else if (pressed)
        Gradient(dc, rect, PressedGradientLight, PressedGradientDark, horizontal);
    else if (checked)
        Gradient(dc, rect, CheckedGradientDark, CheckedGradientLight, horizontal);
    else if (button != nullptr && button->IsMenuButton() && button->GetOpenMenu() != nullptr)
        Gradient(dc, rect, ToolbarGradientDark, ToolbarGradientLight, horizontal);
    else
        CGTVisualManagerXPThemed::FillHighlight(dc, rect, brush, button);
}

void CGTVisualManager2003::FillCaptionBarBackground(CDC* dc, IGTLookBar*, CRect rect, COLORREF background, BOOL flat)
{
    dc->FillSolidRect(&rect, background == noColor ? theGuiToolkitGlobals.colorBarFace : background);
    if (!flat)
        dc->Draw3dRect(&rect, BarGradientLight, ToolbarEdgeColor);
}

COLORREF CGTVisualManager2003::FillOutlookScrollButton(CDC* dc, CRect rect, BOOL highlighted, BOOL pressed, BOOL)
{
    if (pressed)
        Gradient(dc, rect, PressedGradientLight, PressedGradientDark, TRUE);
    else if (highlighted)
        Gradient(dc, rect, HotGradientDark, HotGradientLight, TRUE);
    else
        Gradient(dc, rect, BarGradientDark, BarGradientLight, TRUE);
    return theGuiToolkitGlobals.colorBtnText;
}

void CGTVisualManager2003::DrawOutlookScrollButtonBorder(CDC* dc, CRect& rect, BOOL, BOOL)
{
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBtnHighlight, GripperDarkColor);
}

void CGTVisualManager2003::DrawOutlookBarStrip(CDC* dc, CRect rect)
{
    Gradient(dc, rect, CaptionGradientDark, CaptionGradientLight, TRUE);
    const int side = (rect.Height() - 3) / 2, step = rect.Height() - 3;
    if (side < 1)
        return;
    const int count = 10;
    int x = rect.CenterPoint().x - (count * step) / 2;
    for (int dot = 0; dot < count; ++dot, x += step) {
        dc->FillSolidRect(x + 1, rect.top + 3, side, side, theGuiToolkitGlobals.colorBtnHighlight);
        dc->FillSolidRect(x, rect.top + 2, side, side, GripperDarkColor);
    }
}

COLORREF CGTVisualManager2003::FillOutlookBarCaption(CDC* dc, CRect rect)
{
    Gradient(dc, rect, CaptionGradientDark, CaptionGradientLight, TRUE);
    return theGuiToolkitGlobals.colorBarHighlight;
}

COLORREF CGTVisualManager2003::FillCommandListItem(CDC* dc, CRect rect, BOOL selected)
{
    if (!IsNormalColorMode())
        return CGTVisualManagerXPThemed::FillCommandListItem(dc, rect, selected);
    if (!selected) {
        dc->FillRect(&rect, &brushMenuBackground);
        CRect column = rect;
        column.right = column.left + GetMenuItemImageSize().cx + MenuItemMargin + 2;
        Gradient(dc, column, ToolbarGradientLight, ToolbarGradientDark, FALSE);
        return theGuiToolkitGlobals.colorBarText;
    }
    const COLORREF fill = MenuHighlightColor != noColor ? MenuHighlightColor : colorHotFill;
    dc->FillSolidRect(&rect, fill);
    Frame(dc, rect, colorHotBorder);
    const BOOL light = GetRValue(fill) > 128 && GetGValue(fill) > 128 && GetBValue(fill) > 128;
    return light ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

int CGTVisualManager2003::GetShowAllButtonHeight(CDC* dc, CSize sizeDefault)
{
    return CGTVisualManagerXPThemed::GetShowAllButtonHeight(dc, sizeDefault) + 4;
}

void CGTVisualManager2003::DrawShowAllButton(CDC* dc, CRect rect, int state)
{
    const CPoint centre = rect.CenterPoint();
    const CRect area(centre.x - 7, centre.y - 7, centre.x + 9, centre.y + 9);
    CGTDrawManager(*dc).FillRingGradient(area, ToolbarGradientDark, colorMenuBackground, noColor, 45, 8, noColor);
    CGTVisualManager::DrawShowAllButton(dc, area, state);
}

void CGTVisualManager2003::FillFramedArea(CDC* dc, CRect rect)
{
    if (theGuiToolkitGlobals.isBlackHighContrast)
        dc->FillRect(&rect, &brushBarBackground);
    else
        dc->FillSolidRect(&rect, ToolbarGradientLight);
    Frame(dc, rect, colorMenuBorder);
}
