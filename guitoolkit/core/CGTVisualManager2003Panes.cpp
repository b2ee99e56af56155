// The Office 2003 look: tabs and the tasks pane.
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>

using namespace VisualManagerColors;

namespace {
const COLORREF white = RGB(255, 255, 255);

COLORREF Scale(COLORREF color, int percent)
{
    return CGTDrawManager::ScaleColor(color, percent);
}
}  // namespace

BOOL CGTVisualManager2003::FirstSpecial(const IGTLookTabWnd& tabWnd)
{
    return tabWnd.GetTabLook() == GTTabLook::Flat;
}

BOOL CGTVisualManager2003::SecondSpecial(const IGTLookTabWnd& tabWnd)
{
    return tabWnd.GetTabLook() == GTTabLook::SlopedCompact;
}

BOOL CGTVisualManager2003::ThirdSpecial(const IGTLookTabWnd& tabWnd)
{
    return tabWnd.GetTabLook() == GTTabLook::Sloped;
}

BOOL CGTVisualManager2003::DrawsOwnTabs(const IGTLookTabWnd& tabWnd)
{
    return !FirstSpecial(tabWnd) && !tabWnd.HasFlatFrame() && IsNormalColorMode();
}

void CGTVisualManager2003::FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd)
{
    if (tabWnd->HasFlatFrame()) {
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBtnFace);
        return;
    }
    if (FirstSpecial(*tabWnd) || !IsNormalColorMode()) {
        CGTVisualManagerXPThemed::FillTabArea(dc, rect, tabWnd);
        return;
    }
    if (tabWnd->AreTabsOnTop())
        Gradient(dc, rect, ToolbarGradientDark, ToolbarGradientLight, TRUE);
    else
        Gradient(dc, rect, ToolbarGradientLight, ToolbarGradientDark, TRUE);
}

void CGTVisualManager2003::FillTab(CDC* dc, CRect rect, CBrush* brush, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    if (!DrawsOwnTabs(*tabWnd)) {
        CGTVisualManagerXPThemed::FillTab(dc, rect, brush, tab, active, tabWnd);
        return;
    }
    const COLORREF own = tabWnd->GetTabBackgroundColor(tab);
    const COLORREF color = own != noColor ? own : Scale(BarGradientDark, 105);
    if (own == noColor) {
        const BOOL whiteActive = ActiveTabsOnWindowColor || ThirdSpecial(*tabWnd) || tabWnd->HasRoundedEnds();
        if (whiteActive && active) {
            dc->FillRect(&rect, &theGuiToolkitGlobals.brushWindow);
            return;
        }
        if (!whiteActive && !active)
            return;
    }
    if (tabWnd->AreTabsOnTop())
        Gradient(dc, rect, Scale(color, 120), color, TRUE);
    else
        Gradient(dc, rect, color, Scale(color, 120), TRUE);
}

void CGTVisualManager2003::DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    const CRect area = tabWnd->GetTabAreaRect();
    if (!SecondSpecial(*tabWnd) || tabWnd->HasRoundedEnds() || !IsNormalColorMode() || rect.left < area.left + 10 ||
        rect.right > area.right - 10) {
        CGTVisualManagerXPThemed::DrawTab(dc, rect, tab, active, tabWnd);
        return;
    }
    const BOOL onTop = tabWnd->AreTabsOnTop();
    if (onTop)
        ++rect.top;
    COLORREF color = tab == tabWnd->GetHighlightedTab() ? MenuHighlightColor : tabWnd->GetTabBackgroundColor(tab);
    if (color == noColor && active)
        color = white;
    COLORREF first = color != noColor ? Scale(color, 150) : ToolbarGradientDark;
    COLORREF second = color != noColor ? color : ToolbarGradientLight;
    if (onTop)
        std::swap(first, second);
    // A sloped leading edge, the farEdge edge square.
    const int slope = rect.Height() - 2;
    const int edge = onTop ? rect.bottom - 1 : rect.top;
    const int farEdge = onTop ? rect.top : rect.bottom - 1;
    const CPoint outline[5] = {CPoint(rect.left - slope, edge), CPoint(rect.left + 2, farEdge),
                               CPoint(rect.right - 2, farEdge), CPoint(rect.right, farEdge + (onTop ? 2 : -2)),
                               CPoint(rect.right, edge)};
    CRgn region;
    region.CreatePolygonRgn(const_cast<CPoint*>(outline), 5, WINDING);
    const int saved = dc->SaveDC();
    dc->SelectClipRgn(&region, RGN_AND);
    CRect fill(rect.left - slope, rect.top, rect.right + 1, rect.bottom);
    Gradient(dc, fill, first, second, TRUE);
    dc->RestoreDC(saved);

    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    CPen dark(PS_SOLID, 1, g.colorBarDarkShadow), shadow(PS_SOLID, 1, g.colorBarShadow),
        light(PS_SOLID, 1, g.colorBarHighlight);
    CPen* old = dc->SelectObject(&dark);
    dc->Polyline(outline, 5);
    dc->SelectObject(&light);
    dc->MoveTo(outline[1].x, outline[1].y + (onTop ? 1 : -1));
    dc->LineTo(outline[2].x, outline[2].y + (onTop ? 1 : -1));
    if (!active) {
        dc->SelectObject(&shadow);
        dc->MoveTo(outline[0]);
        dc->LineTo(outline[4]);
    }
    dc->SelectObject(old);
    DrawTabContent(dc, rect, tab, active, tabWnd);
}

void CGTVisualManager2003::FillTabButton(CDC* dc, CRect rect, IGTLookPushButton* button, IGTLookTabWnd* tabWnd)
{
    if (!DrawsOwnTabs(*tabWnd)) {
        CGTVisualManagerXPThemed::FillTabButton(dc, rect, button, tabWnd);
        return;
    }
    const BOOL styled = SecondSpecial(*tabWnd) || ThirdSpecial(*tabWnd);
    if (button->IsPushed() && button->IsHighlighted())
        Gradient(dc, rect, PressedGradientLight, PressedGradientDark, TRUE);
    else if (button->IsHighlighted() || button->IsPushed())
        Gradient(dc, rect, HotGradientDark, HotGradientLight, TRUE);
    else if (!styled) {
        // A plain button shows the tab area under it.
        CRect area = tabWnd->GetTabAreaRect();
        const int saved = dc->SaveDC();
        dc->IntersectClipRect(&rect);
        FillTabArea(dc, area, tabWnd);
        dc->RestoreDC(saved);
    }
}

void CGTVisualManager2003::GetTabColors(IGTLookTabWnd* tabWnd, COLORREF& dark, COLORREF& black, COLORREF& highlight,
                                        COLORREF& face, COLORREF& darkShadow, COLORREF& light, CBrush*& faceBrush,
                                        CBrush*& blackBrush)
{
    CGTVisualManagerXPThemed::GetTabColors(tabWnd, dark, black, highlight, face, darkShadow, light, faceBrush,
                                           blackBrush);
    if (!DrawsOwnTabs(*tabWnd) || !IsStandardScheme)
        return;
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    dark = g.colorBarShadow;
    black = g.colorBarDarkShadow;
    highlight = g.colorBarLight;
    const int active = tabWnd->GetActiveTab();
    if (active < 0 || tabWnd->GetTabBackgroundColor(active) == noColor)
        face = white;
    darkShadow = g.colorBarShadow;
    light = g.colorBarFace;
}

BOOL CGTVisualManager2003::FillTabBackground(CDC* dc, CRect rect, CRect rectTabStrip, IGTLookTabWnd* tabWnd)
{
    if (!DrawsOwnTabs(*tabWnd) || SecondSpecial(*tabWnd) || ThirdSpecial(*tabWnd))
        return CGTVisualManager::FillTabBackground(dc, rect, rectTabStrip, tabWnd);
    const int active = tabWnd->GetActiveTab();
    COLORREF color = active >= 0 ? tabWnd->GetTabBackgroundColor(active) : noColor;
    if (color == noColor)
        color = BarGradientDark;
    COLORREF from = color, to = Scale(color, 130);
    if (tabWnd->AreTabsOnTop())
        std::swap(from, to);
    CGTDrawManager(*dc).FillGradientRotated(rect, from, to, 45);
    return TRUE;
}

void CGTVisualManager2003::FillTasksPane(CDC* dc, IGTLookTasksPane* pane, CRect rect)
{
    if (!IsNormalColorMode()) {
        CGTVisualManagerXPThemed::FillTasksPane(dc, pane, rect);
        return;
    }
    Gradient(dc, rect, TaskPaneGradientBottom, TaskPaneGradientTop, TRUE);
}

void CGTVisualManager2003::FillTasksGroupInterior(CDC* dc, CRect rect, BOOL special)
{
    if (!IsNormalColorMode()) {
        CGTVisualManagerXPThemed::FillTasksGroupInterior(dc, rect, special);
        return;
    }
    if (special)
        Gradient(dc, rect, SpecialAreaBottom, SpecialAreaTop, TRUE);
    else
        Gradient(dc, rect, GroupAreaBottom, GroupAreaTop, TRUE);
}

void CGTVisualManager2003::DrawTasksGroupBorder(CDC* dc, CRect rect, BOOL, BOOL)
{
    CPen* oldPen = dc->SelectObject(&TaskGroupBorderPen);
    const CPoint outline[5] = {rect.TopLeft(), CPoint(rect.right - 1, rect.top),
                               CPoint(rect.right - 1, rect.bottom - 1), CPoint(rect.left, rect.bottom - 1),
                               rect.TopLeft()};
    dc->Polyline(outline, 5);
    dc->SelectObject(oldPen);
}

void CGTVisualManager2003::DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL selected)
{
    if (task->IsSeparator()) {
        const CRect rect = task->GetRect();
        const int y = (rect.top + rect.bottom) / 2;
        CPen* oldPen = dc->SelectObject(&penSeparator);
        dc->MoveTo(rect.left, y);
        dc->LineTo(rect.right, y);
        dc->SelectObject(oldPen);
        return;
    }
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const COLORREF hot = g.colorHotLinkText;
    g.colorHotLinkText = g.colorHighlight;
    CGTVisualManagerXPThemed::DrawTask(dc, task, images, highlighted, selected);
    g.colorHotLinkText = hot;
}

void CGTVisualManager2003::DrawTasksScrollButton(CDC* dc, CRect rect, int, int glyph, BOOL highlighted)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    dc->FillRect(&rect, &g.brushBarFace);
    if (highlighted) {
        const COLORREF fill = !IsNormalColorMode() ? g.colorWindow
            : MenuHighlightColor != noColor        ? MenuHighlightColor
                                                   : colorHotFill;
        dc->FillSolidRect(&rect, fill);
        dc->Draw3dRect(&rect, colorHotBorder, colorHotBorder);
    } else
        dc->Draw3dRect(&rect, g.colorBarShadow, g.colorBarShadow);
    CGTMenuGlyphs::DrawCentered(dc, glyph, rect, CGTMenuGlyphs::Black);
}

void CGTVisualManager2003::DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL selected,
                                                 BOOL canCollapse)
{
    if (!IsNormalColorMode()) {
        CGTVisualManagerXPThemed::DrawTasksGroupCaption(dc, group, highlighted, selected, canCollapse);
        return;
    }
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    CRect caption = group->GetCaptionRect();
    if (group->GetPane()->IsToolBox()) {
        CRect band = caption;
        band.DeflateRect(1, 1);
        --band.bottom;
        Gradient(dc, band, Scale(ToolbarGradientDark, 105), Scale(ToolbarGradientDark, 120), TRUE);
    } else {
        // Rounded-off top corners.
        const CPoint outline[6] = {CPoint(caption.left, caption.bottom),   CPoint(caption.left, caption.top + 2),
                                   CPoint(caption.left + 2, caption.top),  CPoint(caption.right - 2, caption.top),
                                   CPoint(caption.right, caption.top + 2), CPoint(caption.right, caption.bottom)};
        CRgn region;
        region.CreatePolygonRgn(const_cast<CPoint*>(outline), 6, WINDING);
        const int saved = dc->SaveDC();
        dc->SelectClipRgn(&region, RGN_AND);
        if (group->IsSpecial())
            Gradient(dc, caption, SpecialAreaBottom, SpecialAreaTop, FALSE);
        else
            Gradient(dc, caption, GroupCaptionColor2, GroupCaptionColor1, FALSE);
        dc->RestoreDC(saved);
    }
    int x = caption.left + TasksPaneMetrics[4];
    if (const HICON icon = group->GetIcon()) {
        const CSize size = group->GetIconSize();
        ::DrawIconEx(dc->GetSafeHdc(), caption.left + 1, caption.bottom - size.cy, icon, 0, 0, 0, nullptr, DI_NORMAL);
        x = caption.left + size.cx + 5;
    }
    CRect text(x, caption.top, canCollapse ? caption.right - caption.Height() : caption.right, caption.bottom);
    CFont* oldFont = dc->SelectObject(&g.fontBold);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldText = dc->SetTextColor(highlighted ? g.colorHighlight : g.colorBarText);
    dc->DrawText(group->GetName(), &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);
    if (!canCollapse)
        return;
    const CSize glyph = CGTMenuGlyphs::GetSize();
    CRect square(caption.right - glyph.cx - 4, caption.CenterPoint().y - glyph.cy / 2 - 2, caption.right - 2,
                 caption.CenterPoint().y + glyph.cy / 2 + 2);
    if (square.left <= x)
        return;
    dc->FillRect(&square, &g.brushBarFace);
    dc->Draw3dRect(&square, g.colorBarShadow, g.colorBarShadow);
    CGTMenuGlyphs::DrawCentered(dc, group->IsCollapsed() ? CGTMenuGlyphs::ArrowDown : CGTMenuGlyphs::ArrowUp, square);
}
