// The classic look of tab windows.
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <afxcmn.h>
#include <iterator>

using namespace VisualManagerColors;

namespace {
BOOL IsSpecialLook(const IGTLookTabWnd& tabWnd)
{
    return tabWnd.GetTabLook() != GTTabLook::Plain3D;
}

// The outline of a tab from its leading bottom corner (at the page) round to the trailing
// one. Tabs at the bottom are the same shape turned upside down.
int BuildTabOutline(const CRect& rect, GTTabLook look, BOOL onTop, CPoint (&points)[8])
{
    const int slope = look == GTTabLook::Sloped ? rect.Height() / 2 : look == GTTabLook::SlopedCompact ? 3 : 0;
    const int page = onTop ? rect.bottom : rect.top;
    const int edge = onTop ? rect.top : rect.bottom - 1;
    const int corner = onTop ? 2 : -2;
    int count = 0;
    if (look == GTTabLook::Plain3D) {
        points[count++] = CPoint(rect.left, page);
        points[count++] = CPoint(rect.left, edge + corner);
        points[count++] = CPoint(rect.left + 2, edge);
        points[count++] = CPoint(rect.right - 3, edge);
        points[count++] = CPoint(rect.right - 1, edge + corner);
        points[count++] = CPoint(rect.right - 1, page);
    } else {
        points[count++] = CPoint(rect.left, page);
        points[count++] = CPoint(rect.left + slope, edge);
        points[count++] = CPoint(rect.right - 1 - slope, edge);
        points[count++] = CPoint(rect.right - 1, page);
    }
    return count;
}
}  // namespace

void CGTVisualManager::FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManager::DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    CPoint points[8];
    const int count = BuildTabOutline(rect, tabWnd->GetTabLook(), tabWnd->AreTabsOnTop(), points);

    CRgn region;
    region.CreatePolygonRgn(points, count, WINDING);
    const int saved = dc->SaveDC();
    dc->SelectClipRgn(&region, RGN_AND);
    const COLORREF own = tabWnd->GetTabBackgroundColor(tab);
    CBrush ownBrush;
    CBrush* brush = &theGuiToolkitGlobals.brushBarFace;
    if (own != noColor && ownBrush.CreateSolidBrush(own))
        brush = &ownBrush;
    FillTab(dc, rect, brush, tab, active, tabWnd);
    dc->RestoreDC(saved);

    DrawTabOutline(dc, points, count, active, tabWnd);
    DrawTabContent(dc, rect, tab, active, tabWnd);
}

void CGTVisualManager::DrawTabOutline(CDC* dc, const CPoint* points, int count, BOOL active, IGTLookTabWnd* tabWnd)
{
    COLORREF dark, black, highlight, face, darkShadow, light;
    CBrush* faceBrush;
    CBrush* blackBrush;
    GetTabColors(tabWnd, dark, black, highlight, face, darkShadow, light, faceBrush, blackBrush);
    // Leading and top edges in the light colours, the trailing edge in the dark ones; the
    // active tab stays open towards the page.
    const int lead = count / 2;
    CPen lightPen(PS_SOLID, 1, highlight);
    CPen darkPen(PS_SOLID, 1, darkShadow);
    CPen* oldPen = dc->SelectObject(&lightPen);
    dc->Polyline(points, lead + 1);
    dc->SelectObject(&darkPen);
    dc->Polyline(points + lead, count - lead);
    if (!active) {
        dc->SelectObject(&lightPen);
        dc->MoveTo(points[0]);
        dc->LineTo(points[count - 1]);
    }
    dc->SelectObject(oldPen);
}

void CGTVisualManager::FillTab(CDC* dc, CRect rect, CBrush* brush, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    if (active && IsSpecialLook(*tabWnd) && !theGuiToolkitGlobals.isBlackHighContrast &&
        tabWnd->GetTabBackgroundColor(tab) == noColor) {
        dc->FillSolidRect(&rect, RGB(255, 255, 255));
        return;
    }
    if (brush != nullptr)
        dc->FillRect(&rect, brush);
}

void CGTVisualManager::DrawTabContent(CDC* dc, CRect rect, int tab, BOOL, IGTLookTabWnd* tabWnd)
{
    const CString label = tabWnd->GetTabLabel(tab);
    const GTTabLook look = tabWnd->GetTabLook();
    if (look != GTTabLook::Flat) {
        const CSize imageSize = tabWnd->GetImageSize();
        CImageList* images = tabWnd->GetImageList();
        const int image = tabWnd->GetTabImage(tab);
        const HICON icon = tabWnd->GetTabIcon(tab);
        const BOOL hasImage = (images != nullptr && image >= 0) || icon != nullptr;
        if (hasImage && imageSize.cx + tabWnd->GetImageMargin() <= rect.Width()) {
            const CPoint at(rect.left + 4, rect.top + (rect.Height() - imageSize.cy) / 2);
            if (images != nullptr && image >= 0)
                images->Draw(dc, image, at, ILD_TRANSPARENT);
            else
                dc->DrawState(at, imageSize, icon, DSS_NORMAL, static_cast<HBRUSH>(nullptr));
            rect.left += 4 + imageSize.cx + 6;
        }
    }
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (tabWnd->DrawsLabelsWithoutPrefix())
        format |= DT_NOPREFIX;
    if (look == GTTabLook::Sloped || look == GTTabLook::SlopedCompact)
        format |= DT_CENTER;
    const COLORREF own = tabWnd->GetTabTextColor(tab);
    const COLORREF oldText = own != noColor ? dc->SetTextColor(own) : dc->GetTextColor();
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(label, &rect, format);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldText);
}

void CGTVisualManager::FillTabButton(CDC* dc, CRect rect, IGTLookPushButton*, IGTLookTabWnd*)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManager::GetTabColors(IGTLookTabWnd* tabWnd, COLORREF& dark, COLORREF& black, COLORREF& highlight,
                                    COLORREF& face, COLORREF& darkShadow, COLORREF& light, CBrush*& faceBrush,
                                    CBrush*& blackBrush)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const BOOL dialog = tabWnd->UsesDialogColors();
    const int active = tabWnd->GetActiveTab();
    const COLORREF own = tabWnd->DrawsColoredTabs() && active >= 0 ? tabWnd->GetTabBackgroundColor(active) : noColor;
    if (dialog) {
        face = g.colorBtnFace;
        dark = g.colorBtnShadow;
        black = g.colorBtnText;
        highlight = g.colorBtnHighlight;
        darkShadow = g.colorBtnDarkShadow;
        light = g.colorBtnLight;
        faceBrush = &g.brushBtnFace;
    } else {
        face = g.colorBarFace;
        dark = g.colorBarShadow;
        black = g.colorBarText;
        highlight = g.colorBarHighlight;
        darkShadow = g.colorBarDarkShadow;
        light = g.colorBarLight;
        faceBrush = &g.brushBarFace;
    }
    if (own != noColor)
        face = own;
    blackBrush = &g.brushDarkShadow;
}

BOOL CGTVisualManager::FillTabBackground(CDC* dc, CRect rect, CRect rectTabStrip, IGTLookTabWnd* tabWnd)
{
    const int active = tabWnd->GetActiveTab();
    const COLORREF own = active >= 0 ? tabWnd->GetTabBackgroundColor(active) : noColor;
    if (own == noColor)
        return FALSE;
    const int saved = dc->SaveDC();
    dc->ExcludeClipRect(&rectTabStrip);
    dc->FillSolidRect(&rect, own);
    dc->RestoreDC(saved);
    return TRUE;
}

BOOL CGTVisualManager::DrawsTabsWithTheme() const
{
    return FALSE;
}

BOOL CGTVisualManager::IsTabThemed() const
{
    return FALSE;
}

COLORREF CGTVisualManager::GetTabAutoColorDefault() const
{
    return noColor;
}

int CGTVisualManager::GetTabBorderSize() const
{
    return -1;
}

BOOL CGTVisualManager::UsesTabAutoColors() const
{
    return TRUE;
}

void CGTVisualManager::DrawTabButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button, UINT, IGTLookTabWnd*)
{
    if (button->IsPushed() && button->IsHighlighted())
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarShadow, theGuiToolkitGlobals.colorBarHighlight);
    else if (button->IsPushed() || button->IsHighlighted())
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
}
