// The Office XP look of grippers, pane caption buttons, tab windows and the tasks pane.
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <guitoolkit/core/VisualManagerDrawing.h>
#include <afxcmn.h>
#include <algorithm>

using namespace VisualManagerColors;
using namespace VisualManagerDrawing;

namespace {
COLORREF Either(COLORREF color, COLORREF fallback)
{
    return color == noColor ? fallback : color;
}

BOOL IsSpecialTab(const IGTLookTabWnd& tabWnd)
{
    return tabWnd.GetTabLook() != GTTabLook::Plain3D || tabWnd.HasRoundedEnds();
}

void Line(CDC* dc, CPen& pen, CPoint from, CPoint to)
{
    CPen* oldPen = dc->SelectObject(&pen);
    dc->MoveTo(from);
    dc->LineTo(to);
    dc->SelectObject(oldPen);
}
}  // namespace

void CGTVisualManagerXP::DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar)
{
    if (bar != nullptr && bar->UsesDialogColors()) {
        CGTVisualManager::DrawGripper(dc, rect, horizontal, bar);
        return;
    }
    CreatePatternBrushes();
    const GTLookBarKind kind = bar != nullptr ? bar->GetLookKind() : GTLookBarKind::Other;
    const BOOL docking = kind == GTLookBarKind::DockingPane;
    const COLORREF oldText = dc->SetTextColor(colorSeparatorDark);
    const COLORREF oldBack = dc->SetBkColor(
        docking || kind == GTLookBarKind::MenuBar ? theGuiToolkitGlobals.colorBarFace : colorBarBackground);
    if (!docking) {
        CRect band;
        if (horizontal) {
            const int mid = (rect.left + rect.right) / 2;
            band.SetRect(mid - 1, rect.top + 5, mid + 2, rect.bottom - 5);
        } else {
            const int mid = (rect.top + rect.bottom) / 2;
            band.SetRect(rect.left + 5, mid - 1, rect.right - 5, mid + 2);
        }
        dc->FillRect(&band, horizontal ? &brushPatternHorizontal : &brushPatternVertical);
    } else {
        CRect band = rect;
        band.DeflateRect(4, 0);
        dc->FillRect(&band, horizontal ? &brushPatternVertical : &brushPatternHorizontal);
        // Opaque: the title's cells show the bar face over the pattern.
        DrawDockingBarGripperText(dc, rect, horizontal, bar, theGuiToolkitGlobals.colorBarText, OPAQUE);
    }
    dc->SetBkColor(oldBack);
    dc->SetTextColor(oldText);
}

void CGTVisualManagerXP::DrawDockingBarGripperText(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar,
                                                   COLORREF textColor, int backgroundMode)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    CString title;
    if (CWnd* window = bar->GetControlWindow())
        window->GetWindowText(title);
    const CString text = L" " + title + L" ";
    const int oldMode = dc->SetBkMode(backgroundMode);
    const COLORREF oldText = dc->SetTextColor(textColor);
    CFont* oldFont = dc->SelectObject(horizontal ? &g.fontVert : &g.fontRegular);
    TEXTMETRIC metrics = {};
    dc->GetTextMetrics(&metrics);
    const int height = metrics.tmHeight;
    if (horizontal) {
        // The vertical font runs the text downward, its cells to the left of the point.
        dc->TextOut(rect.right - (rect.Width() - height + 1) / 2, rect.top, text);
    } else {
        rect.top += (rect.Height() - height - 1) / 2;
        dc->DrawText(text, &rect, 0);
    }
    dc->SelectObject(oldFont);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
}

void CGTVisualManagerXP::DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption, BOOL horizontal,
                                           BOOL maximized, BOOL disabled, int glyph)
{
    const CRect rect = GetCaptionButtonRect(*button);
    const BOOL pushed = button->IsPushed();
    const BOOL hot = button->IsHighlighted() || button->IsDroppedDown();
    BOOL glyphFlag = activeCaption;
    if (pushed && hot && !disabled) {
        FillHighlight(dc, rect, &brushPressedFill, nullptr);
        glyphFlag = TRUE;
    } else if (pushed || hot) {
        if (!disabled)
            FillHighlight(dc, rect, &brushHotFill, nullptr);
        glyphFlag = FALSE;
    }
    if (glyph == -1)
        glyph = button->GetIconID(horizontal, maximized);
    if (glyph != -1) {
        const CSize size = CGTMenuGlyphs::GetSize();
        DrawCaptionButtonGlyph(dc, button, glyph, glyphFlag, disabled, rect.left + (rect.Width() - size.cx) / 2,
                               rect.top + (rect.Height() - size.cy) / 2);
    }
    if ((pushed || hot) && !disabled)
        Frame(dc, rect, theGuiToolkitGlobals.colorBarDarkShadow);
}

void CGTVisualManagerXP::FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd)
{
    if (tabWnd->GetTabLook() == GTTabLook::Flat)
        CGTVisualManager::FillTabArea(dc, rect, tabWnd);
    else
        dc->FillRect(&rect, tabWnd->IsPropertySheetTab() ? &theGuiToolkitGlobals.brushBtnFace : &brushAutoHideBar);
}

void CGTVisualManagerXP::DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    if (IsSpecialTab(*tabWnd)) {
        CGTVisualManager::DrawTab(dc, rect, tab, active, tabWnd);
        return;
    }
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const COLORREF own = tabWnd->GetTabBackgroundColor(tab);
    CBrush ownBrush;
    CBrush* brush = &g.brushBarFace;
    if (own != noColor && ownBrush.CreateSolidBrush(own))
        brush = &ownBrush;
    FillTab(dc, rect, brush, tab, active, tabWnd);

    COLORREF dark, black, highlight, face, darkShadow, light;
    CBrush* faceBrush;
    CBrush* blackBrush;
    GetTabColors(tabWnd, dark, black, highlight, face, darkShadow, light, faceBrush, blackBrush);
    const BOOL onTop = tabWnd->AreTabsOnTop();
    const int farEdge = onTop ? rect.top : rect.bottom - 1;
    if (active) {
        dc->FillSolidRect(rect.left, rect.top, 1, rect.Height(), highlight);
        dc->FillSolidRect(rect.left, farEdge, rect.Width(), 1, onTop ? highlight : darkShadow);
        dc->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), darkShadow);
    } else if (rect.Height() > 6)
        dc->FillSolidRect(rect.right - 1, rect.top + 3, 1, rect.Height() - 6, dark);

    const COLORREF normal = tabWnd->UsesDialogColors() ? g.colorBtnText : g.colorBarText;
    const COLORREF oldText = dc->SetTextColor(active || tabWnd->KeepsTextColor() ? normal : colorBarFaceDeep);
    DrawTabContent(dc, rect, tab, active, tabWnd);
    dc->SetTextColor(oldText);
}

void CGTVisualManagerXP::FillTab(CDC* dc, CRect rect, CBrush* brush, int tab, BOOL active, IGTLookTabWnd* tabWnd)
{
    const COLORREF own = tabWnd->GetTabBackgroundColor(tab);
    if (own != noColor && !active) {
        dc->FillSolidRect(&rect, own);
        return;
    }
    if (IsSpecialTab(*tabWnd))
        CGTVisualManager::FillTab(dc, rect, brush, tab, active, tabWnd);
    else if (active && brush != nullptr)
        dc->FillRect(&rect, brush);
}

void CGTVisualManagerXP::FillTabButton(CDC* dc, CRect rect, IGTLookPushButton* button, IGTLookTabWnd* tabWnd)
{
    if (tabWnd->GetTabLook() != GTTabLook::Flat) {
        dc->FillRect(&rect, &brushAutoHideBar);
        return;
    }
    CBrush* brush = &theGuiToolkitGlobals.brushBarFace;
    if (button->IsHighlighted())
        brush = button->IsPushed() ? &brushPressedFill : &brushHotFill;
    dc->FillRect(&rect, brush);
    FillHighlight(dc, rect, brush, nullptr);
}

void CGTVisualManagerXP::DrawTabButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button, UINT,
                                             IGTLookTabWnd* tabWnd)
{
    const BOOL pushed = button->IsPushed(), hot = button->IsHighlighted();
    const COLORREF darkShadow = theGuiToolkitGlobals.colorBarDarkShadow;
    if (tabWnd->GetTabLook() == GTTabLook::Flat) {
        if (pushed || hot)
            Frame(dc, rect, darkShadow);
    } else if (pushed && hot)
        dc->Draw3dRect(&rect, darkShadow, colorSeparatorDark);
    else if (pushed || hot)
        dc->Draw3dRect(&rect, colorSeparatorDark, darkShadow);
}

void CGTVisualManagerXP::DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL,
                                               BOOL canCollapse)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const CRect caption = group->GetCaptionRect();
    IGTLookTasksPane* pane = group->GetPane();
    const BOOL toolBox = pane->IsToolBox();
    int x = caption.left;
    if (toolBox) {
        CRect band(caption.left + 1, caption.top, caption.right - 1, caption.bottom - 1);
        dc->FillSolidRect(&band, g.isBlackHighContrast ? g.colorWindow : g.colorBarShadow);
        if (canCollapse) {
            const int middle = (caption.top + caption.bottom - 1) / 2;
            CRect box(caption.left + 7, middle - 4, caption.left + 16, middle + 5);
            dc->FillRect(&box, &g.brushBarFace);
            CGTVisualManager::DrawExpandBox(dc, box, !group->IsCollapsed(), g.colorBarText);
            x = caption.left + 22;
            canCollapse = FALSE;
        }
    }

    const HICON icon = group->GetIcon();
    const CSize iconSize = group->GetIconSize();
    const BOOL showIcon = icon != nullptr && iconSize.cx < (caption.right - x) - caption.Height();
    if (showIcon)
        ::DrawIconEx(dc->GetSafeHdc(), x + 1, caption.bottom - iconSize.cy, icon, 0, 0, 0, nullptr, DI_NORMAL);

    const int offsetX = pane->GetCaptionOffsetX() != -1 ? pane->GetCaptionOffsetX() : TasksPaneMetrics[4];
    const int offsetY = pane->GetCaptionOffsetY() != -1 ? pane->GetCaptionOffsetY() : TasksPaneMetrics[5];
    CRect text(x + (showIcon ? iconSize.cx + 5 : offsetX), caption.top + offsetY, 0, caption.bottom);
    text.right = std::max<int>(text.left, canCollapse ? caption.right - caption.Height() : caption.right - offsetX);
    COLORREF color;
    if (toolBox && !g.isBlackHighContrast)
        color = g.colorWindow;
    else
        color =
            Either(canCollapse && highlighted ? group->GetHotTextColor() : group->GetTextColor(), g.colorWindowText);
    CFont* oldFont = dc->SelectObject(&g.fontBold);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldText = dc->SetTextColor(color);
    const CString name = group->GetName();
    dc->DrawText(name, &text, DT_SINGLELINE | DT_VCENTER);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);

    if (!canCollapse || name.IsEmpty())
        return;
    const CSize glyph = CGTMenuGlyphs::GetSize();
    const CRect square(std::max<int>(x, caption.right - glyph.cx),
                       std::max<int>(caption.top, caption.bottom - glyph.cy), caption.right, caption.bottom);
    if (square.Width() < glyph.cx || square.Height() < glyph.cy)
        return;
    if (highlighted) {
        CPen* oldPen = dc->SelectObject(&g.penHighlight);
        CBrush* oldBrush = dc->SelectObject(&brushHotFill);
        const COLORREF oldBack = dc->GetBkColor();
        dc->Rectangle(&square);
        dc->SetBkColor(oldBack);
        dc->SelectObject(oldBrush);
        dc->SelectObject(oldPen);
    }
    CGTMenuGlyphs::Draw(dc, group->IsCollapsed() ? CGTMenuGlyphs::ArrowDown : CGTMenuGlyphs::ArrowUp, square.TopLeft(),
                        CGTMenuGlyphs::Black);
}

void CGTVisualManagerXP::FillTasksGroupInterior(CDC* dc, CRect rect, BOOL)
{
    Line(dc, theGuiToolkitGlobals.penBarShadow, rect.TopLeft(), CPoint(rect.right, rect.top));
}

void CGTVisualManagerXP::DrawTasksGroupBorder(CDC*, CRect, BOOL, BOOL) {}

void CGTVisualManagerXP::DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const CRect rect = task->GetRect();
    if (task->IsSeparator()) {
        const int y = (rect.top + rect.bottom) / 2;
        Line(dc, g.penBarShadow, CPoint(rect.left, y), CPoint(rect.right, y));
        return;
    }
    int imageWidth = 0, imageHeight = 0;
    if (images == nullptr || !::ImageList_GetIconSize(images->GetSafeHandle(), &imageWidth, &imageHeight))
        imageWidth = imageHeight = 0;
    if (task->GetImage() >= 0 && imageWidth > 0)
        images->Draw(dc, task->GetImage(), rect.TopLeft(), ILD_TRANSPARENT);

    IGTLookTasksPane* pane = task->GetPane();
    CRect text = rect;
    text.left += imageWidth + (pane->GetTaskOffset() != -1 ? pane->GetTaskOffset() : TasksPaneMetrics[7]);

    CFont* font = &g.fontRegular;
    COLORREF color;
    if (task->IsLabel()) {
        if (task->IsBold())
            font = &g.fontBold;
        color = Either(task->GetTextColor(), g.colorWindowText);
    } else if (!task->IsEnabled())
        color = g.colorGrayText;
    else if (highlighted) {
        font = &g.fontUnderline;
        color = Either(task->GetHotTextColor(), g.colorHotLinkText);
    } else
        color = Either(task->GetTextColor(), g.colorWindowText);
    const UINT format =
        pane->WrapsTaskText(task->IsLabel()) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    CFont* oldFont = dc->SelectObject(font);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldText = dc->SetTextColor(color);
    dc->DrawText(task->GetName(), &text, format);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);
}

void CGTVisualManagerXP::DrawTasksScrollButton(CDC* dc, CRect rect, int topExtension, int glyph, BOOL highlighted)
{
    CRect fill = rect;
    fill.top -= topExtension;
    dc->FillRect(&fill, &theGuiToolkitGlobals.brushWindow);
    if (highlighted) {
        dc->FillRect(&rect, &brushHotFill);
        Frame(dc, rect, colorHotBorder);
    }
    CGTMenuGlyphs::DrawCentered(dc, glyph, rect, CGTMenuGlyphs::Black);
}
