// The classic look of bars, menus and toolbar buttons.
#include <guitoolkit/core/CGTVisualManager.h>
#include <algorithm>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>

using namespace VisualManagerColors;

namespace {
COLORREF LightColor(const IGTLookControl* control)
{
    return DialogColors(control) ? theGuiToolkitGlobals.colorBtnHighlight : theGuiToolkitGlobals.colorBarHighlight;
}

COLORREF ShadowColor(const IGTLookControl* control)
{
    return DialogColors(control) ? theGuiToolkitGlobals.colorBtnShadow : theGuiToolkitGlobals.colorBarShadow;
}

// One grip line of the gripper: 3 pixels across, a frame highlight, shadow.
void DrawGripLine(CDC* dc, const CRect& line, BOOL horizontalBar, BOOL cornerPixel, COLORREF light, COLORREF dark)
{
    dc->Draw3dRect(&line, light, dark);
    if (cornerPixel)
        dc->SetPixel(horizontalBar ? CPoint(line.left, line.bottom - 1) : CPoint(line.right - 1, line.top), light);
}
}  // namespace

void CGTVisualManager::DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip)
{
    const GTLookBarKind kind = bar->GetLookKind();
    if (kind == GTLookBarKind::OutlookPane)
        return;
    if (kind == GTLookBarKind::CaptionBar) {
        const COLORREF own = bar->GetBackgroundColor();
        dc->FillSolidRect(&rectClient, own == noColor ? theGuiToolkitGlobals.colorBarShadow : own);
        return;
    }
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    dc->FillRect(&rectClip,
                 DialogColors(bar) ? &theGuiToolkitGlobals.brushBtnFace : &theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManager::DrawBarBorder(CDC* dc, IGTLookBar* bar, CRect& rect)
{
    const DWORD style = bar->GetBarStyle();
    if (bar->DrawsOwnBorder() || (style & CBRS_BORDER_ANY) == 0)
        return;
    DrawBorderEdges(dc, style, rect, LightColor(bar), ShadowColor(bar), !bar->KeepsTopEdgePlain());
}

void CGTVisualManager::DrawBorderEdges(CDC* dc, DWORD style, CRect& rect, COLORREF light, COLORREF dark, BOOL etchedTop)
{
    const COLORREF oldBack = dc->GetBkColor();
    if (style & CBRS_BORDER_LEFT)
        dc->FillSolidRect(rect.left, rect.top, 1, rect.Height(), light);
    if (style & CBRS_BORDER_TOP)
        dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, light);
    if (style & CBRS_BORDER_RIGHT)
        dc->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), dark);
    if (style & CBRS_BORDER_BOTTOM)
        dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, dark);
    if (etchedTop) {
        dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, dark);
        dc->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, light);
    }
    if (style & CBRS_BORDER_LEFT)
        ++rect.left;
    if (style & CBRS_BORDER_TOP)
        ++rect.top;
    if (style & CBRS_BORDER_RIGHT)
        --rect.right;
    if (style & CBRS_BORDER_BOTTOM)
        --rect.bottom;
    dc->SetBkColor(oldBack);
}

void CGTVisualManager::DrawMenuBorder(CDC* dc, IGTLookPopupMenu*, CRect rect)
{
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarLight, theGuiToolkitGlobals.colorBarDarkShadow);
    rect.DeflateRect(1, 1);
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
}

void CGTVisualManager::DrawMenuShadow(CDC* dc, CRect rect, CRect, int depth, int darkestPercent, int lightestPercent,
                                      CBitmap* saveBottom, CBitmap* saveSide, BOOL rightToLeft)
{
    CGTDrawManager drawManager(*dc);
    drawManager.DrawShadow(rect, depth, darkestPercent, lightestPercent, saveBottom, saveSide, noColor, !rightToLeft);
}

void CGTVisualManager::DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar)
{
    const COLORREF light = LightColor(bar);
    const COLORREF dark = ShadowColor(bar);
    const int endInset = IsLook2000 ? 3 : 2;
    const int lines = IsLook2000 ? 1 : 2;
    const int lineWidth = 3;
    const int lineStep = 4;
    // Grip lines run across the bar: vertical lines on a horizontal bar.
    if (horizontal) {
        rect.DeflateRect(0, endInset);
        int x = rect.CenterPoint().x - (IsLook2000 ? 1 : 2);
        for (int line = 0; line < lines; ++line, x += lineStep)
            DrawGripLine(dc, CRect(x, rect.top, x + lineWidth, rect.bottom), TRUE, !IsLook2000, light, dark);
    } else {
        rect.DeflateRect(endInset, 0);
        int y = rect.CenterPoint().y - (IsLook2000 ? 1 : 2);
        for (int line = 0; line < lines; ++line, y += lineStep)
            DrawGripLine(dc, CRect(rect.left, y, rect.right, y + lineWidth), FALSE, !IsLook2000, light, dark);
    }
}

void CGTVisualManager::DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal)
{
    // The separator runs across the bar: a vertical strip on a horizontal bar.
    CRect strip = rect;
    if (horizontal) {
        strip.left = rect.CenterPoint().x - 1;
        strip.right = strip.left + 2;
    } else {
        strip.top = rect.CenterPoint().y - 1;
        strip.bottom = strip.top + 2;
    }
    dc->Draw3dRect(&strip, ShadowColor(bar), LightColor(bar));
}

COLORREF CGTVisualManager::FillDockingCaption(CDC* dc, IGTLookBar*, BOOL active, CRect rect)
{
    dc->FillRect(&rect, active ? &theGuiToolkitGlobals.brushActiveCaption : &theGuiToolkitGlobals.brushInactiveCaption);
    return active ? theGuiToolkitGlobals.colorCaptionText : theGuiToolkitGlobals.colorInactiveCaptionText;
}

int CGTVisualManager::CaptionGlyphStyle(const IGTLookCaptionButton& button, BOOL activeCaption, BOOL disabled)
{
    if (disabled)
        return CGTMenuGlyphs::Grey;
    const COLORREF own = button.GetForegroundColor();
    if (own != noColor) {
        const BOOL light = GetRValue(own) >= 193 && GetGValue(own) >= 193 && GetBValue(own) >= 193;
        return light ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black;
    }
    return activeCaption ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black;
}

void CGTVisualManager::DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption, BOOL horizontal,
                                         BOOL maximized, BOOL disabled, int glyph)
{
    CRect rect = GetCaptionButtonRect(*button);
    const BOOL pushedAndHot = button->IsPushed() && button->IsHighlighted();
    if (glyph == -1)
        glyph = button->GetIconID(horizontal, maximized);
    CRect glyphRect = rect;
    if (pushedAndHot)
        glyphRect.OffsetRect(1, 1);
    CGTMenuGlyphs::DrawCentered(dc, glyph, glyphRect, CaptionGlyphStyle(*button, activeCaption, disabled));
    if (disabled)
        return;
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (pushedAndHot) {
        dc->Draw3dRect(&rect, g.colorBarDarkShadow, g.colorBarLight);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarDarkShadow, g.colorBarHighlight);
    } else if (!IsLook2000) {
        dc->Draw3dRect(&rect, g.colorBarLight, g.colorBarDarkShadow);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    } else if (button->IsHighlighted() || button->IsPushed())
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
}

void CGTVisualManager::DrawMenuSystemButton(CDC* dc, CRect rect, IGTLookButton*, UINT command, UINT style, BOOL)
{
    UINT kind;
    switch (command) {
    case SC_MINIMIZE:
        kind = DFCS_CAPTIONMIN;
        break;
    case SC_RESTORE:
        kind = DFCS_CAPTIONRESTORE;
        break;
    case SC_CLOSE:
        kind = DFCS_CAPTIONCLOSE;
        break;
    default:
        return;
    }
    if (style & GTButtonPressed)
        kind |= DFCS_PUSHED;
    if (style & GTButtonDisabled)
        kind |= DFCS_INACTIVE;
    dc->DrawFrameControl(&rect, DFC_CAPTION, kind);
}

void CGTVisualManager::DrawStatusPaneBorder(CDC* dc, IGTLookBar*, CRect rect, UINT, UINT paneStyle)
{
    if (paneStyle & GTPaneNoBorders)
        return;
    if (paneStyle & GTPanePopOut)
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
    else
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
}

void CGTVisualManager::DrawStatusProgress(CDC* dc, IGTLookBar*, CRect rect, int total, int current, COLORREF barColor,
                                          COLORREF endColor, COLORREF textColor, BOOL showPercent)
{
    if (total == 0)
        return;
    CRect filled = rect;
    filled.right = filled.left + static_cast<int>(static_cast<long long>(rect.Width()) * current / total);
    if (endColor == noColor)
        dc->FillSolidRect(&filled, barColor);
    else
        CGTDrawManager(*dc).FillGradient(filled, barColor, endColor, FALSE, 0, 0);
    if (!showPercent)
        return;

    CString text;
    text.Format(L"%d%%", static_cast<int>(static_cast<long long>(current) * 100 / total));
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldText = dc->SetTextColor(theGuiToolkitGlobals.colorBarText);
    dc->DrawText(text, &rect, format);
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(&filled);
    dc->SetTextColor(textColor == noColor ? theGuiToolkitGlobals.colorHighlightText : textColor);
    dc->DrawText(text, &rect, format);
    dc->RestoreDC(saved);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
}

void CGTVisualManager::DrawStatusSizeGrip(CDC* dc, IGTLookBar*, CRect rect)
{
    CFont* oldFont = dc->SelectObject(&theGuiToolkitGlobals.fontMarlett);
    CString face;
    dc->GetTextFace(face);
    if (face.CompareNoCase(L"Marlett") != 0) {
        // Without the symbol font its "o" would be a plain letter: the system draws the grip.
        dc->SelectObject(oldFont);
        const int side = std::min(rect.Width(), rect.Height());
        CRect grip(rect.right - side, rect.bottom - side, rect.right, rect.bottom);
        dc->DrawFrameControl(&grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        return;
    }
    const UINT oldAlign = dc->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    const COLORREF oldText = dc->SetTextColor(theGuiToolkitGlobals.colorBarShadow);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->ExtTextOut(rect.right, rect.bottom, ETO_CLIPPED, &rect, L"o", 1, nullptr);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldText);
    dc->SetTextAlign(oldAlign);
    dc->SelectObject(oldFont);
}

void CGTVisualManager::DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                           IGTLookButton*)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const COLORREF oldText = dc->GetTextColor();
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
    dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarHighlight);
    CRect glyphRect = rect;
    if (dropped) {
        glyphRect.OffsetRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarHighlight);
    } else if (highlighted)
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    CGTMenuGlyphs::DrawCentered(dc, CGTMenuGlyphs::ArrowDown, glyphRect,
                                disabled ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black);
    dc->SetTextColor(oldText);
}

void CGTVisualManager::DrawComboBorder(CDC* dc, CRect rect, BOOL, BOOL dropped, BOOL highlighted, IGTLookButton*)
{
    if (!dropped && !highlighted)
        return;
    if (FlatOpenMenuButtons) {
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarDarkShadow, theGuiToolkitGlobals.colorBarDarkShadow);
    } else
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
}

void CGTVisualManager::DrawEditBorder(CDC* dc, CRect rect, BOOL, BOOL highlighted, IGTLookButton*)
{
    if (highlighted)
        dc->DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
}

void CGTVisualManager::DrawTearOffCaption(CDC* dc, CRect rect, BOOL highlighted)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
    rect.DeflateRect(2, 1);
    dc->FillRect(&rect,
                 highlighted ? &theGuiToolkitGlobals.brushActiveCaption : &theGuiToolkitGlobals.brushInactiveCaption);
}

void CGTVisualManager::FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    if (button->IsShowAllButton()) {
        if (state == 2)
            CGTDrawManager(*dc).BrightenRect(rect, -1, noColor, 0, noColor);
        return;
    }
    if (!FillCheckedButtons && !button->IsMenuItem())
        return;
    if (button->IsOutlookButton())
        return;
    const UINT style = button->GetStyle();
    if ((style & (GTButtonChecked | GTButtonIndeterminate)) == 0 || state == 2 || button->IsCustomizeMode())
        return;
    rect.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushLight);
}

void CGTVisualManager::DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    const COLORREF dark =
        button->IsOutlookButton() ? theGuiToolkitGlobals.colorBarDarkShadow : theGuiToolkitGlobals.colorBarShadow;
    if (state == 1)
        dc->Draw3dRect(&rect, dark, theGuiToolkitGlobals.colorBarHighlight);
    else if (state == 2)
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, dark);
}

void CGTVisualManager::DrawMenuButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    if (FlatOpenMenuButtons && button->DrawOwnBorder(dc, rect, state))
        return;
    DrawButtonBorder(dc, button, rect, state);
}

void CGTVisualManager::FillMenuHighlight(CDC* dc, IGTLookButton*, CRect rect, BOOL, BOOL, COLORREF&)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushHighlight);
}

BOOL CGTVisualManager::HighlightsWholeMenuItem() const
{
    return FALSE;
}

COLORREF CGTVisualManager::GetMenuTextColor(BOOL highlighted, BOOL disabled) const
{
    if (highlighted)
        return disabled ? theGuiToolkitGlobals.colorBtnFace : theGuiToolkitGlobals.colorHighlightText;
    return disabled ? theGuiToolkitGlobals.colorGrayText : theGuiToolkitGlobals.colorBtnText;
}

void CGTVisualManager::DrawRarelyUsedMenuArea(CDC* dc, CRect rect)
{
    CGTDrawManager(*dc).BrightenRect(rect, -1, noColor, 0, noColor);
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
}

void CGTVisualManager::DrawMenuCheck(CDC* dc, IGTLookButton* button, CRect rect, BOOL highlighted, BOOL radio)
{
    rect.DeflateRect(0, 1);
    const UINT style = button->GetStyle();
    const int state = highlighted ? 2 : (style & (GTButtonChecked | GTButtonPressed)) != 0 ? 1 : 0;
    FillButtonInterior(dc, button, rect, state);
    CGTMenuGlyphs::DrawCentered(dc, radio ? CGTMenuGlyphs::RadioDot : CGTMenuGlyphs::CheckMark, rect,
                                (style & GTButtonDisabled) ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black);
    DrawButtonBorder(dc, button, rect, 1);
}

COLORREF CGTVisualManager::GetToolbarButtonTextColor(IGTLookButton* button, int state) const
{
    const BOOL disabled = (button->GetStyle() & GTButtonDisabled) != 0 ||
        (button->IsCustomizeMode() && !button->IsUsableInCustomizeMode());
    if (button->IsOutlookButton())
        return disabled ? theGuiToolkitGlobals.colorBarFace : theGuiToolkitGlobals.colorWindow;
    if (disabled)
        return theGuiToolkitGlobals.colorGrayText;
    return state == 2 ? button->GetHotTextColor() : theGuiToolkitGlobals.colorBarText;
}

COLORREF CGTVisualManager::GetImageShadowColor() const
{
    return noColor;
}

COLORREF CGTVisualManager::GetCaptionBarTextColor(IGTLookBar*) const
{
    return theGuiToolkitGlobals.colorWindow;
}

void CGTVisualManager::FillCaptionBarBackground(CDC* dc, IGTLookBar*, CRect rect, COLORREF background, BOOL flat)
{
    if (background == noColor)
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
    else
        dc->FillSolidRect(&rect, background);
    if (!flat)
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
}

COLORREF CGTVisualManager::FillOutlookScrollButton(CDC* dc, CRect rect, BOOL, BOOL, BOOL)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
    return theGuiToolkitGlobals.colorBarText;
}

void CGTVisualManager::DrawOutlookScrollButtonBorder(CDC* dc, CRect& rect, BOOL highlighted, BOOL pressed)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (highlighted && pressed) {
        dc->Draw3dRect(&rect, g.colorBarDarkShadow, g.colorBarFace);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarHighlight);
    } else if (highlighted || pressed) {
        dc->Draw3dRect(&rect, g.colorBarFace, g.colorBarDarkShadow);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    } else
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    rect.DeflateRect(1, 1);
}

void CGTVisualManager::DrawOutlookBarStrip(CDC* dc, CRect rect)
{
    if (rect.IsRectEmpty())
        return;
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
    dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
}

COLORREF CGTVisualManager::FillOutlookBarCaption(CDC* dc, CRect rect)
{
    dc->FillSolidRect(&rect, theGuiToolkitGlobals.colorBarShadow);
    return theGuiToolkitGlobals.colorBarHighlight;
}

COLORREF CGTVisualManager::DrawOutlookPageButtonBorder(CDC* dc, CRect& rect, BOOL highlighted, BOOL pressed)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (highlighted && pressed)
        dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarHighlight);
    else
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    rect.DeflateRect(1, 1);
    return g.colorBarText;
}

void CGTVisualManager::FillOutlookPageButton(CDC* dc, CRect rect)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManager::DrawAppBarBorder(CDC* dc, CWnd*, CRect rectWindow, CRect, BOOL pressed)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    dc->FillRect(&rectWindow, &theGuiToolkitGlobals.brushBarFace);
    if (pressed)
        dc->Draw3dRect(&rectWindow, g.colorBarShadow, g.colorBarHighlight);
    else
        dc->Draw3dRect(&rectWindow, g.colorBarHighlight, g.colorBarShadow);
}

void CGTVisualManager::DrawAppBarCaption(CDC* dc, CWnd*, CRect, CRect rectCaption, const CString& text)
{
    const COLORREF textColor = FillMiniFrameCaption(dc, rectCaption, TRUE, nullptr);
    CFont* oldFont = dc->SelectObject(&theGuiToolkitGlobals.fontBold);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(textColor);
    rectCaption.DeflateRect(4, 0);
    dc->DrawText(text, &rectCaption, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    dc->SelectObject(oldFont);
}
