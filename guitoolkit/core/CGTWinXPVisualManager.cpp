// The Windows XP look: construction, colours, bars, menus and toolbar buttons.
#include <guitoolkit/core/CGTWinXPVisualManager.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <algorithm>
#include <vsstyle.h>
#include <vssym32.h>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

IMPLEMENT_DYNCREATE(CGTWinXPVisualManager, CGTVisualManagerXPThemed)

namespace {
// The rectangle of the monitor that holds the window, in the window's client coordinates.
CRect MonitorRect(CWnd* window)
{
    CRect rect = theGuiToolkitGlobals.rectWorkArea;
    if (window == nullptr || window->GetSafeHwnd() == nullptr)
        return rect;
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfo(::MonitorFromWindow(window->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &info))
        rect = info.rcMonitor;
    window->ScreenToClient(&rect);
    return rect;
}
}  // namespace

CGTWinXPVisualManager::CGTWinXPVisualManager(BOOL isTemporary)
    : CGTVisualManagerXPThemed(isTemporary), OfficeXPMenus(FALSE), ExplorerBarFillColor(noColor),
      ExplorerBarTextColor(noColor)
{
    RaiseHotImages = FALSE;
    const int metrics[9] = {12, 12, 15, 25, 13, 7, 12, 5, 4};
    std::copy(metrics, metrics + 9, TasksPaneMetrics);
    if (!IsTemporary)
        theGuiToolkitGlobals.UpdateSysColors();
    CGTWinXPVisualManager::UpdateColors();
}

void CGTWinXPVisualManager::UpdateColors()
{
    CGTVisualManagerXPThemed::UpdateColors();
    RaiseHotImages = TRUE;
    OpenThemes();
    if (IsThemeOpen(GTThemeClass::Window))
        RaiseHotImages = FALSE;
    ExplorerBarFillColor = ExplorerBarTextColor = noColor;
    CopyThemeColors();
}

void CGTWinXPVisualManager::CopyThemeColors()
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const int properties[6] = {TMT_TEXTCOLOR,          TMT_FILLCOLOR,       TMT_EDGELIGHTCOLOR,
                               TMT_EDGEHIGHLIGHTCOLOR, TMT_EDGESHADOWCOLOR, TMT_EDGEDKSHADOWCOLOR};
    COLORREF* bar[6] = {&g.colorBarText,      &g.colorBarFace,   &g.colorBarLight,
                        &g.colorBarHighlight, &g.colorBarShadow, &g.colorBarDarkShadow};
    COLORREF* button[6] = {&g.colorBtnText,      &g.colorBtnFace,   &g.colorBtnLight,
                           &g.colorBtnHighlight, &g.colorBtnShadow, &g.colorBtnDarkShadow};
    for (int i = 0; i < 6; ++i) {
        GetThemePartColor(GTThemeClass::Toolbar, 1, 0, properties[i], *bar[i]);
        GetThemePartColor(GTThemeClass::Button, 1, 0, properties[i], *button[i]);
    }
    // The brushes of the two faces follow their colours.
    g.brushBarFace.DeleteObject();
    g.brushBarFace.CreateSolidBrush(g.colorBarFace);
    g.brushBtnFace.DeleteObject();
    g.brushBtnFace.CreateSolidBrush(g.colorBtnFace);
    GetThemePartColor(GTThemeClass::ExplorerBar, 5, 0, TMT_FILLCOLOR, ExplorerBarFillColor);
    GetThemePartColor(GTThemeClass::ExplorerBar, 5, 0, TMT_TEXTCOLOR, ExplorerBarTextColor);
}

BOOL CGTWinXPVisualManager::UsesClassicMenus() const
{
    return IsThemeOpen(GTThemeClass::Window) && !OfficeXPMenus;
}

BOOL CGTWinXPVisualManager::KeepsOfficeXPMenuButton(IGTLookButton* button) const
{
    IGTLookBar* bar = button->GetParentBar();
    const GTLookBarKind kind = bar != nullptr ? bar->GetLookKind() : GTLookBarKind::Other;
    return OfficeXPMenus && button->IsMenuButton() &&
        (kind == GTLookBarKind::MenuBar || kind == GTLookBarKind::PopupMenuBar);
}

void CGTWinXPVisualManager::DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip)
{
    const GTLookBarKind kind = bar->GetLookKind();
    const GTThemeClass theme = kind == GTLookBarKind::StatusBar ? GTThemeClass::Status : GTThemeClass::Rebar;
    if (kind == GTLookBarKind::CaptionBar || bar->UsesDialogColors() || !IsThemeOpen(theme) ||
        (kind == GTLookBarKind::PopupMenuBar && OfficeXPMenus)) {
        CGTVisualManagerXPThemed::DrawBarBackground(dc, bar, rectClient, rectClip);
        return;
    }
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    if (kind == GTLookBarKind::PopupMenuBar) {
        dc->FillRect(&rectClip, CBrush::FromHandle(::GetSysColorBrush(COLOR_MENU)));
        return;
    }
    // One background over the whole monitor: bars side by side continue each other.
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(&rectClip);
    DrawThemePart(theme, dc, MonitorRect(bar->GetControlWindow()), 0, 0);
    dc->RestoreDC(saved);
}

void CGTWinXPVisualManager::DrawMenuBorder(CDC* dc, IGTLookPopupMenu* popupMenu, CRect rect)
{
    if (UsesClassicMenus()) {
        CGTVisualManager::DrawMenuBorder(dc, popupMenu, rect);
        return;
    }
    const BOOL joins = !IsThemeOpen(GTThemeClass::Window) ||
        (popupMenu != nullptr && !popupMenu->IsCustomizeMode() && popupMenu->DropsFromMenuBar());
    const BOOL saved = JoinsMenuToButton;
    JoinsMenuToButton = joins;
    CGTVisualManagerXPThemed::DrawMenuBorder(dc, popupMenu, rect);
    JoinsMenuToButton = saved;
}

void CGTWinXPVisualManager::DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar)
{
    if (!IsThemeOpen(GTThemeClass::Rebar)) {
        CGTVisualManagerXPThemed::DrawGripper(dc, rect, horizontal, bar);
        return;
    }
    const COLORREF oldText = dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    const COLORREF oldBack = dc->SetBkColor(::GetSysColor(COLOR_BTNFACE));
    // A docking bar's gripper is its caption, which runs across the bar.
    const BOOL docking = bar != nullptr && bar->GetLookKind() == GTLookBarKind::DockingPane;
    const BOOL horizontalGrip = docking ? !horizontal : horizontal;
    DrawThemePart(GTThemeClass::Rebar, dc, rect, horizontalGrip ? RP_GRIPPER : RP_GRIPPERVERT, 0);
    if (docking)
        DrawDockingBarGripperText(dc, rect, horizontal, bar, ::GetSysColor(COLOR_BTNTEXT), TRANSPARENT);
    dc->SetBkColor(oldBack);
    dc->SetTextColor(oldText);
}

void CGTWinXPVisualManager::DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal)
{
    const BOOL officeMenu = bar != nullptr && bar->GetLookKind() == GTLookBarKind::PopupMenuBar && OfficeXPMenus;
    if (!IsThemeOpen(GTThemeClass::Toolbar) || (bar != nullptr && bar->UsesDialogColors()) || officeMenu)
        CGTVisualManagerXPThemed::DrawSeparator(dc, bar, rect, horizontal);
    else
        DrawThemePart(GTThemeClass::Toolbar, dc, rect, horizontal ? TP_SEPARATOR : TP_SEPARATORVERT, 0);
}

void CGTWinXPVisualManager::DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption,
                                              BOOL horizontal, BOOL maximized, BOOL disabled, int glyph)
{
    if (!IsThemeOpen(GTThemeClass::Toolbar)) {
        CGTVisualManagerXPThemed::DrawCaptionButton(dc, button, activeCaption, horizontal, maximized, disabled, glyph);
        return;
    }
    CRect rect = GetCaptionButtonRect(*button);
    const BOOL hot = button->IsHighlighted() || button->IsDroppedDown();
    const int state = disabled ? TS_DISABLED : button->IsPushed() && hot ? TS_PRESSED : hot ? TS_HOT : TS_NORMAL;
    const UINT hitTest = button->GetHitTest();
    if ((hitTest == HTOBJECT || hitTest == HTCLOSE) && glyph == -1) {
        rect.DeflateRect(1, 1);
        if (DrawThemePart(GTThemeClass::Window, dc, rect, WP_SMALLCLOSEBUTTON, state))
            return;
    }
    DrawThemePart(GTThemeClass::Toolbar, dc, rect, TP_BUTTON, state);
    if (glyph == -1)
        glyph = button->GetIconID(horizontal, maximized);
    if (glyph == -1)
        return;
    const CSize size = CGTMenuGlyphs::GetSize();
    DrawCaptionButtonGlyph(dc, button, glyph, activeCaption, disabled, rect.left + (rect.Width() - size.cx) / 2,
                           rect.top + (rect.Height() - size.cy) / 2);
}

void CGTWinXPVisualManager::DrawCaptionButtonGlyph(CDC* dc, IGTLookCaptionButton* button, int glyph, BOOL glyphFlag,
                                                   BOOL disabled, int x, int y)
{
    if (IsThemeOpen(GTThemeClass::Button) && button->IsPushed())
        CGTMenuGlyphs::Draw(dc, glyph, CPoint(x, y), disabled ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black);
    else
        CGTVisualManagerXPThemed::DrawCaptionButtonGlyph(dc, button, glyph, glyphFlag, disabled, x, y);
}

void CGTWinXPVisualManager::DrawMenuSystemButton(CDC* dc, CRect rect, IGTLookButton* button, UINT command, UINT style,
                                                 BOOL highlighted)
{
    if (!IsThemeOpen(GTThemeClass::Window)) {
        CGTVisualManagerXPThemed::DrawMenuSystemButton(dc, rect, button, command, style, highlighted);
        return;
    }
    int part;
    switch (command) {
    case SC_MINIMIZE:
        part = WP_MDIMINBUTTON;
        break;
    case SC_CLOSE:
        part = WP_MDICLOSEBUTTON;
        break;
    case SC_RESTORE:
        part = WP_MDIRESTOREBUTTON;
        break;
    default:
        return;
    }
    // The three buttons number their states alike.
    const BOOL pressed = (style & GTButtonPressed) != 0;
    int state = MINBS_NORMAL;
    if (style & GTButtonDisabled)
        state = MINBS_DISABLED;
    else if (pressed && highlighted)
        state = MINBS_PUSHED;
    else if (highlighted)
        state = MINBS_HOT;
    DrawThemePart(GTThemeClass::Window, dc, rect, part, state);
}

void CGTWinXPVisualManager::DrawStatusPaneBorder(CDC* dc, IGTLookBar* statusBar, CRect rect, UINT paneId,
                                                 UINT paneStyle)
{
    if (!IsThemeOpen(GTThemeClass::Status))
        CGTVisualManagerXPThemed::DrawStatusPaneBorder(dc, statusBar, rect, paneId, paneStyle);
    else if ((paneStyle & GTPaneNoBorders) == 0)
        DrawThemePart(GTThemeClass::Status, dc, rect, SP_PANE, 0);
}

void CGTWinXPVisualManager::DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                                IGTLookButton* button)
{
    if (!ThemeDrawComboDropButton(dc, rect, disabled, dropped, highlighted))
        CGTVisualManagerXPThemed::DrawComboDropButton(dc, rect, disabled, dropped, highlighted, button);
}

void CGTWinXPVisualManager::DrawComboBorder(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                            IGTLookButton* button)
{
    if (!ThemeDrawComboBorder(dc, rect, highlighted, dropped))
        CGTVisualManagerXPThemed::DrawComboBorder(dc, rect, disabled, dropped, highlighted, button);
}

void CGTWinXPVisualManager::DrawEditBorder(CDC* dc, CRect rect, BOOL disabled, BOOL highlighted, IGTLookButton* button)
{
    if (!IsThemeOpen(GTThemeClass::Window))
        CGTVisualManagerXPThemed::DrawEditBorder(dc, rect, disabled, highlighted, button);
    else if (highlighted)
        Frame(dc, rect, ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CGTWinXPVisualManager::FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    if (!IsThemeOpen(GTThemeClass::Toolbar) || KeepsOfficeXPMenuButton(button)) {
        CGTVisualManagerXPThemed::FillButtonInterior(dc, button, rect, state);
        return;
    }
    IGTLookBar* bar = button->GetParentBar();
    if (bar != nullptr && bar->GetLookKind() == GTLookBarKind::PopupMenuBar && state != 1 && state != 2)
        return;
    const UINT style = button->GetStyle();
    int themeState = TS_NORMAL;
    if (style & GTButtonDisabled)
        themeState = TS_DISABLED;
    else if (style & GTButtonPressed)
        themeState = TS_PRESSED;
    else if (style & GTButtonChecked)
        themeState = state == 2 ? TS_HOTCHECKED : TS_CHECKED;
    else if (state == 2)
        themeState = TS_HOT;
    DrawThemePart(GTThemeClass::Toolbar, dc, rect, TP_BUTTON, themeState);
}

void CGTWinXPVisualManager::DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    // The theme's button includes its border.
    if (!IsThemeOpen(GTThemeClass::Toolbar) || KeepsOfficeXPMenuButton(button))
        CGTVisualManagerXPThemed::DrawButtonBorder(dc, button, rect, state);
}

void CGTWinXPVisualManager::DrawMenuButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state)
{
    if (!IsThemeOpen(GTThemeClass::Toolbar)) {
        CGTVisualManager::DrawMenuButtonBorder(dc, button, rect, state);
        return;
    }
    rect.InflateRect(2, 2);
    DrawThemePart(GTThemeClass::Toolbar, dc, rect, state > 0 ? TP_SEPARATOR : TP_SEPARATORVERT, 0);
}

void CGTWinXPVisualManager::FillMenuHighlight(CDC* dc, IGTLookButton* button, CRect rect, BOOL highlighted,
                                              BOOL disabled, COLORREF& textColor)
{
    if (UsesClassicMenus())
        CGTVisualManager::FillMenuHighlight(dc, button, rect, highlighted, disabled, textColor);
    else
        CGTVisualManagerXPThemed::FillMenuHighlight(dc, button, rect, highlighted, disabled, textColor);
}

void CGTWinXPVisualManager::DrawRarelyUsedMenuArea(CDC* dc, CRect rect)
{
    if (!UsesClassicMenus()) {
        CGTVisualManagerXPThemed::DrawRarelyUsedMenuArea(dc, rect);
        return;
    }
    rect.right = rect.left + 2 * GetMenuImageMargin() + GetMenuItemImageSize().cx + 2;
    CGTDrawManager(*dc).BrightenRect(rect, 94, noColor, 0, noColor);
}

COLORREF CGTWinXPVisualManager::GetToolbarButtonTextColor(IGTLookButton* button, int state) const
{
    if (IsThemeOpen(GTThemeClass::Toolbar) && !button->IsOutlookButton())
        return CGTVisualManager::GetToolbarButtonTextColor(button, state);
    return CGTVisualManagerXPThemed::GetToolbarButtonTextColor(button, state);
}

COLORREF CGTWinXPVisualManager::FillOutlookScrollButton(CDC* dc, CRect rect, BOOL highlighted, BOOL pressed,
                                                        BOOL disabled)
{
    if (!IsThemeOpen(GTThemeClass::Button))
        return CGTVisualManagerXPThemed::FillOutlookScrollButton(dc, rect, highlighted, pressed, disabled);
    rect.InflateRect(1, 1);
    DrawThemePart(GTThemeClass::Button, dc, rect, BP_PUSHBUTTON,
                  pressed           ? PBS_PRESSED
                      : highlighted ? PBS_HOT
                                    : PBS_NORMAL);
    return theGuiToolkitGlobals.colorBtnText;
}

void CGTWinXPVisualManager::DrawOutlookScrollButtonBorder(CDC* dc, CRect& rect, BOOL highlighted, BOOL pressed)
{
    if (!IsThemeOpen(GTThemeClass::Button))
        CGTVisualManager::DrawOutlookScrollButtonBorder(dc, rect, highlighted, pressed);
}

COLORREF CGTWinXPVisualManager::FillCommandListItem(CDC* dc, CRect rect, BOOL selected)
{
    if (!UsesClassicMenus())
        return CGTVisualManagerXPThemed::FillCommandListItem(dc, rect, selected);
    dc->FillRect(&rect, CBrush::FromHandle(::GetSysColorBrush(COLOR_MENU)));
    const COLORREF text = ::GetSysColor(COLOR_MENUTEXT);
    if (selected)
        Frame(dc, rect, text);
    return text;
}

CSize CGTWinXPVisualManager::GetButtonExtraSize() const
{
    return IsThemeOpen(GTThemeClass::Window) ? CSize(2, 2) : CSize(0, 0);
}

CSize CGTWinXPVisualManager::GetCaptionButtonExtraSize() const
{
    return GetButtonExtraSize();
}

COLORREF CGTWinXPVisualManager::FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar)
{
    return CGTVisualManager::FillMiniFrameCaption(dc, rect, active, floatingBar);
}

void CGTWinXPVisualManager::DrawMiniFrameBorder(CDC* dc, IGTLookMiniFrame* frame, CRect rect, CRect borderSize)
{
    CGTVisualManager::DrawMiniFrameBorder(dc, frame, rect, borderSize);
}

BOOL CGTWinXPVisualManager::GetMenuStyleFlag() const
{
    return OfficeXPMenus;
}
