// The Windows XP look of tab windows, the tasks pane and small controls.
#include <guitoolkit/core/CGTWinXPVisualManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <algorithm>
#include <vsstyle.h>
#include <vssym32.h>

using namespace VisualManagerColors;

namespace {
COLORREF Either(COLORREF color, COLORREF fallback)
{
    return color == noColor ? fallback : color;
}
}  // namespace

BOOL CGTWinXPVisualManager::ThemesTabs(const IGTLookTabWnd& tabWnd) const
{
    return CGTDockingValues::TabsUseTheme() && IsThemeOpen(GTThemeClass::Tab) &&
        tabWnd.GetTabLook() == GTTabLook::Plain3D && !tabWnd.HasRoundedEnds() && !tabWnd.UsesDialogColors();
}

void CGTWinXPVisualManager::DrawTabPart(CDC* dc, const CRect& rect, int part, int state, BOOL tabsOnTop)
{
    DrawThemePart(GTThemeClass::Tab, dc, rect, part, state);
    // The style draws tabs for the top only.
    if (!tabsOnTop)
        CGTDrawManager(*dc).MirrorArea(rect, FALSE);
}

void CGTWinXPVisualManager::FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd)
{
    if (!ThemesTabs(*tabWnd)) {
        CGTVisualManagerXPThemed::FillTabArea(dc, rect, tabWnd);
        return;
    }
    if (tabWnd->AreTabsOnTop())
        rect.bottom += 2;
    else
        --rect.top;
    DrawTabPart(dc, rect, TABP_PANE, 0, tabWnd->AreTabsOnTop());
}

void CGTWinXPVisualManager::DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    if (!ThemesTabs(*tabWnd)) {
        CGTVisualManagerXPThemed::DrawTab(dc, rect, tab, active, tabWnd);
        return;
    }
    const BOOL onTop = tabWnd->AreTabsOnTop();
    const int state = active ? TIS_SELECTED : tab == tabWnd->GetHighlightedTab() ? TIS_HOT : TIS_NORMAL;
    ++rect.right;
    if (!active && onTop)
        --rect.bottom;
    DrawTabPart(dc, rect, TABP_TABITEM, state, onTop);
    COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    GetThemePartColor(GTThemeClass::Tab, TABP_TABITEM, state, TMT_TEXTCOLOR, text);
    const COLORREF oldText = dc->SetTextColor(text);
    DrawTabContent(dc, rect, tab, active, tabWnd);
    dc->SetTextColor(oldText);
}

void CGTWinXPVisualManager::FillTabButton(CDC* dc, CRect rect, IGTLookPushButton* button, IGTLookTabWnd* tabWnd)
{
    if (!ThemesTabs(*tabWnd)) {
        CGTVisualManagerXPThemed::FillTabButton(dc, rect, button, tabWnd);
        return;
    }
    // The button shows the part of the pane behind it.
    const CRect tabArea = tabWnd->GetTabAreaRect();
    CRect page = tabArea;
    if (CWnd* window = tabWnd->GetControlWindow())
        window->GetClientRect(&page);
    if (tabWnd->AreTabsOnTop())
        page.top = tabArea.bottom;
    else
        page.bottom = tabArea.top + 2;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(&rect);
    FillTabArea(dc, page, tabWnd);
    dc->RestoreDC(saved);
}

BOOL CGTWinXPVisualManager::FillTabBackground(CDC* dc, CRect rect, CRect rectTabStrip, IGTLookTabWnd* tabWnd)
{
    if (CGTDockingValues::TabsUseTheme() && IsThemeOpen(GTThemeClass::Tab) &&
        tabWnd->GetTabLook() == GTTabLook::Plain3D)
        return FALSE;
    return CGTVisualManagerXPThemed::FillTabBackground(dc, rect, rectTabStrip, tabWnd);
}

BOOL CGTWinXPVisualManager::IsTabThemed() const
{
    return IsThemeOpen(GTThemeClass::Tab);
}

void CGTWinXPVisualManager::FillTasksPane(CDC* dc, IGTLookTasksPane* pane, CRect rect)
{
    if (!DrawThemePart(GTThemeClass::ExplorerBar, dc, rect, EBP_HEADERBACKGROUND, 0))
        CGTVisualManagerXPThemed::FillTasksPane(dc, pane, rect);
}

void CGTWinXPVisualManager::DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL selected,
                                                  BOOL canCollapse)
{
    IGTLookTasksPane* pane = group->GetPane();
    if (!IsThemeOpen(GTThemeClass::ExplorerBar) || pane->IsToolBox()) {
        CGTVisualManagerXPThemed::DrawTasksGroupCaption(dc, group, highlighted, selected, canCollapse);
        return;
    }
    const CString name = group->GetName();
    if (name.IsEmpty())
        return;
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const BOOL special = group->IsSpecial();
    const CRect caption = group->GetCaptionRect();
    DrawThemePart(GTThemeClass::ExplorerBar, dc, caption, special ? EBP_SPECIALGROUPHEAD : EBP_NORMALGROUPHEAD, 0);

    CRect text = caption;
    const HICON icon = group->GetIcon();
    const CSize iconSize = group->GetIconSize();
    if (icon != nullptr && iconSize.cx <= caption.Width() && iconSize.cy <= caption.Height()) {
        ::DrawIconEx(dc->GetSafeHdc(), caption.left, caption.bottom - iconSize.cy, icon, 0, 0, 0, nullptr, DI_NORMAL);
        text.left += iconSize.cx + 5;
    } else
        text.left += pane->GetCaptionOffsetX() != -1 ? pane->GetCaptionOffsetX() : TasksPaneMetrics[4];
    text.top += pane->GetCaptionOffsetY() != -1 ? pane->GetCaptionOffsetY() : TasksPaneMetrics[5];
    CRect button = caption;
    button.left = std::max<int>(caption.left, caption.right - caption.Height());
    if (canCollapse)
        text.right = button.left;

    const COLORREF own = highlighted ? group->GetHotTextColor() : group->GetTextColor();
    CFont* oldFont = dc->SelectObject(&g.fontBold);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldText = dc->SetTextColor(Either(own, special ? g.colorWindow : g.colorHighlight));
    dc->DrawText(name, &text, DT_SINGLELINE | DT_END_ELLIPSIS);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);

    if (!canCollapse)
        return;
    const BOOL collapsed = group->IsCollapsed();
    const int part = special ? (collapsed ? EBP_SPECIALGROUPEXPAND : EBP_SPECIALGROUPCOLLAPSE)
                             : (collapsed ? EBP_NORMALGROUPEXPAND : EBP_NORMALGROUPCOLLAPSE);
    DrawThemePart(GTThemeClass::ExplorerBar, dc, button, part, highlighted ? 2 : 1);
}

void CGTWinXPVisualManager::FillTasksGroupInterior(CDC* dc, CRect rect, BOOL special)
{
    if (!DrawThemePart(GTThemeClass::ExplorerBar, dc, rect,
                       special ? EBP_SPECIALGROUPBACKGROUND : EBP_NORMALGROUPBACKGROUND, 0))
        CGTVisualManagerXPThemed::FillTasksGroupInterior(dc, rect, special);
}

void CGTWinXPVisualManager::DrawTasksGroupBorder(CDC* dc, CRect rect, BOOL special, BOOL closed)
{
    if (!IsThemeOpen(GTThemeClass::ExplorerBar)) {
        CGTVisualManagerXPThemed::DrawTasksGroupBorder(dc, rect, special, closed);
        return;
    }
    if (closed) {
        rect.bottom = rect.top + 1;
        DrawThemePart(GTThemeClass::ExplorerBar, dc, rect, special ? EBP_SPECIALGROUPHEAD : EBP_NORMALGROUPHEAD, 0);
    }
}

void CGTWinXPVisualManager::DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL selected)
{
    if (!IsThemeOpen(GTThemeClass::ExplorerBar)) {
        CGTVisualManagerXPThemed::DrawTask(dc, task, images, highlighted, selected);
        return;
    }
    if (task->IsSeparator()) {
        CRect rect = task->GetRect();
        rect.top = rect.CenterPoint().y;
        rect.bottom = rect.top + 1;
        DrawThemePart(GTThemeClass::ExplorerBar, dc, rect, EBP_NORMALGROUPHEAD, 0);
        return;
    }
    DrawTaskInColors(dc, task, images, highlighted, theGuiToolkitGlobals.colorHighlight, DT_SINGLELINE | DT_VCENTER);
}

void CGTWinXPVisualManager::GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground,
                                              COLORREF& selectedText, COLORREF& todayMarker) const
{
    CGTVisualManagerXPThemed::GetCalendarColors(background, text, selectedBackground, selectedText, todayMarker);
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    if (g.bitsPerPixel > 8 && !g.isBlackHighContrast && ExplorerBarFillColor != noColor &&
        ExplorerBarTextColor != noColor) {
        background = ExplorerBarFillColor;
        text = ExplorerBarTextColor;
    }
}

BOOL CGTWinXPVisualManager::DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator* calculator)
{
    if (!DrawThemePart(GTThemeClass::Button, dc, rect, BP_PUSHBUTTON,
                       state == 1       ? PBS_PRESSED
                           : state == 2 ? PBS_HOT
                                        : PBS_NORMAL))
        return CGTVisualManagerXPThemed::DrawCalculatorButton(dc, rect, state, calculator);
    return TRUE;
}

BOOL CGTWinXPVisualManager::DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd* edit)
{
    if (!IsThemeOpen(GTThemeClass::Button))
        return CGTVisualManagerXPThemed::DrawBrowseButton(dc, rect, state, edit);
    dc->FillRect(&rect, CBrush::FromHandle(::GetSysColorBrush(COLOR_WINDOW)));
    DrawThemePart(GTThemeClass::Button, dc, rect, BP_PUSHBUTTON,
                  state == 1       ? PBS_PRESSED
                      : state == 2 ? PBS_HOT
                                   : PBS_NORMAL);
    return TRUE;
}

void CGTWinXPVisualManager::DrawSpinButtons(CDC* dc, CRect rect, int state, BOOL horizontal, CWnd* spin)
{
    if (!IsThemeOpen(GTThemeClass::Spin)) {
        CGTVisualManagerXPThemed::DrawSpinButtons(dc, rect, state, horizontal, spin);
        return;
    }
    CRect halves[2] = {rect, rect};
    if (horizontal)
        halves[0].right = halves[1].left = rect.CenterPoint().x;
    else
        halves[0].bottom = halves[1].top = rect.CenterPoint().y;
    const int parts[2] = {horizontal ? SPNP_UPHORZ : SPNP_UP, horizontal ? SPNP_DOWNHORZ : SPNP_DOWN};
    for (int half = 0; half < 2; ++half) {
        // Both halves number their states alike.
        int halfState = UPS_NORMAL;
        if (state & 16)
            halfState = UPS_DISABLED;
        else if (state & (1 << half))
            halfState = UPS_PRESSED;
        else if (state & (4 << half))
            halfState = UPS_HOT;
        DrawThemePart(GTThemeClass::Spin, dc, halves[half], parts[half], halfState);
    }
}

void CGTWinXPVisualManager::FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect)
{
    if (IsThemeOpen(GTThemeClass::Button) && !page->HasOwnBackground())
        CGTVisualManager::FillTabPage(dc, page, rect);
    else
        CGTVisualManagerXPThemed::FillTabPage(dc, page, rect);
}
