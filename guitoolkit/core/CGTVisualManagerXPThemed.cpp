#include <guitoolkit/core/CGTVisualManagerXPThemed.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <vsstyle.h>
#include <vssym32.h>

IMPLEMENT_DYNAMIC(CGTVisualManagerXPThemed, CGTVisualManagerXP)

CGTVisualManagerXPThemed::CGTVisualManagerXPThemed(BOOL isTemporary)
    : CGTVisualManagerXP(isTemporary), CGTWinXPThemeManager(CGTThemeApi::Current())
{
}

BOOL CGTVisualManagerXPThemed::ThemesGridHeader() const
{
    return theGuiToolkitGlobals.bitsPerPixel > 8 && !theGuiToolkitGlobals.isBlackHighContrast &&
        IsThemeOpen(GTThemeClass::Header);
}

BOOL CGTVisualManagerXPThemed::IsThemed() const
{
    return IsThemeOpen(GTThemeClass::Window);
}

void CGTVisualManagerXPThemed::DrawStatusProgress(CDC* dc, IGTLookBar* statusBar, CRect rect, int total, int current,
                                                  COLORREF barColor, COLORREF endColor, COLORREF textColor,
                                                  BOOL showPercent)
{
    if (!ThemeDrawProgress(dc, rect, total, current, showPercent))
        CGTVisualManager::DrawStatusProgress(dc, statusBar, rect, total, current, barColor, endColor, textColor,
                                             showPercent);
}

void CGTVisualManagerXPThemed::DrawStatusSizeGrip(CDC* dc, IGTLookBar* statusBar, CRect rect)
{
    if (!DrawThemePart(GTThemeClass::ScrollBar, dc, rect, SBP_SIZEBOX, SZB_RIGHTALIGN))
        CGTVisualManager::DrawStatusSizeGrip(dc, statusBar, rect);
}

void CGTVisualManagerXPThemed::DrawPushButtonBorder(CDC* dc, CRect& rect, IGTLookPushButton* button)
{
    if (!IsThemeOpen(GTThemeClass::Toolbar)) {
        CGTVisualManagerXP::DrawPushButtonBorder(dc, rect, button);
        return;
    }
    DrawButtonParent(dc, rect, button);
    DrawThemePart(GTThemeClass::Toolbar, dc, rect, TP_BUTTON, PushButtonState(*button));
}

void CGTVisualManagerXPThemed::DrawHeaderItemBorder(CDC* dc, IGTLookControl* owner, CRect rect, BOOL pressed,
                                                    BOOL highlighted)
{
    const int state = pressed ? HIS_PRESSED : highlighted ? HIS_HOT : HIS_NORMAL;
    if (!DrawThemePart(GTThemeClass::Header, dc, rect, HP_HEADERITEM, state))
        CGTVisualManager::DrawHeaderItemBorder(dc, owner, rect, pressed, highlighted);
}

void CGTVisualManagerXPThemed::DrawSortArrow(CDC* dc, IGTLookControl* owner, CRect rect, BOOL up)
{
    if (!IsThemeOpen(GTThemeClass::Header)) {
        CGTVisualManagerXP::DrawSortArrow(dc, owner, rect, up);
        return;
    }
    const int apexX = rect.CenterPoint().x;
    POINT points[3];
    if (up) {
        points[0] = {apexX, rect.top};
        points[1] = {rect.right - 1, rect.bottom - 1};
        points[2] = {rect.left, rect.bottom - 1};
    } else {
        points[0] = {rect.left, rect.top};
        points[1] = {rect.right - 1, rect.top};
        points[2] = {apexX, rect.bottom - 1};
    }
    CBrush brush(::GetSysColor(COLOR_BTNSHADOW));
    CBrush* oldBrush = dc->SelectObject(&brush);
    CGdiObject* oldPen = dc->SelectStockObject(NULL_PEN);
    dc->Polygon(points, 3);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

void CGTVisualManagerXPThemed::DrawExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color)
{
    if (!DrawThemePart(GTThemeClass::TreeView, dc, rect, TVP_GLYPH, expanded ? GLPS_OPENED : GLPS_CLOSED))
        CGTVisualManager::DrawExpandBox(dc, rect, expanded, color);
}

void CGTVisualManagerXPThemed::DrawCheckBox(CDC* dc, CRect rect, BOOL focused, BOOL checked, BOOL enabled)
{
    if (!ThemeDrawCheckBox(dc, rect, focused, checked, enabled))
        CGTVisualManager::DrawCheckBox(dc, rect, focused, checked, enabled);
}

void CGTVisualManagerXPThemed::DrawWindowNcBorder(CWnd* window)
{
    COLORREF border = 0;
    if (!GetThemePartColor(GTThemeClass::ComboBox, 5, 0, TMT_BORDERCOLOR, border)) {
        CGTVisualManager::DrawWindowNcBorder(window);
        return;
    }
    CWindowDC dc(window);
    CRect rect;
    window->GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    dc.Draw3dRect(&rect, border, border);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(&rect, theGuiToolkitGlobals.colorWindow, theGuiToolkitGlobals.colorWindow);
}

BOOL CGTVisualManagerXPThemed::DrawPushButtonThemed(CDC* dc, CRect rect, IGTLookPushButton* button, UINT)
{
    return ThemeDrawPushButton(dc, rect, button);
}

BOOL CGTVisualManagerXPThemed::DrawComboDropButtonThemed(CDC* dc, CRect rect, BOOL disabled, BOOL dropped,
                                                         BOOL highlighted)
{
    return ThemeDrawComboDropButton(dc, rect, disabled, dropped, highlighted);
}

BOOL CGTVisualManagerXPThemed::DrawComboBorderThemed(CDC* dc, CRect rect, BOOL, BOOL dropped, BOOL highlighted)
{
    return ThemeDrawComboBorder(dc, rect, highlighted, dropped);
}

void CGTVisualManagerXPThemed::DrawOwnerDrawButtonFrame(CDC* dc, CRect rect, IGTLookPushButton* button)
{
    if (UsesWindowThemeForButton(button))
        DrawThemePart(GTThemeClass::Window, dc, rect, WP_SMALLCLOSEBUTTON, PushButtonState(*button));
    else if (IsThemeOpen(GTThemeClass::Button)) {
        DrawButtonParent(dc, rect, button);
        DrawThemePart(GTThemeClass::Button, dc, rect, BP_PUSHBUTTON, PushButtonState(*button));
    } else
        CGTVisualManagerXP::DrawOwnerDrawButtonFrame(dc, rect, button);
}

BOOL CGTVisualManagerXPThemed::UsesWindowThemeForButton(IGTLookPushButton* button) const
{
    return IsThemeOpen(GTThemeClass::Window) && button->HasCaptionLook();
}

void CGTVisualManagerXPThemed::FillGridHeader(CDC* dc, CRect rect, IGTLookGrid* grid)
{
    if (ThemesGridHeader())
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
    else
        CGTVisualManagerXP::FillGridHeader(dc, rect, grid);
}

void CGTVisualManagerXPThemed::DrawGridHeaderItemBorder(CDC* dc, CRect rect, IGTLookGrid* grid, BOOL pressed)
{
    if (ThemesGridHeader())
        DrawThemePart(GTThemeClass::Header, dc, rect, HP_HEADERITEM, HIS_NORMAL);
    else
        CGTVisualManager::DrawGridHeaderItemBorder(dc, rect, grid, pressed);
}
