// The classic look of customization lists, mini frames, splitters, headers and the
// tasks pane.
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/VisualManagerColors.h>
#include <afxcmn.h>

using namespace VisualManagerColors;

namespace {
COLORREF Either(COLORREF color, COLORREF fallback)
{
    return color == noColor ? fallback : color;
}

void DrawLine(CDC* dc, CPen& pen, CPoint from, CPoint to)
{
    CPen* oldPen = dc->SelectObject(&pen);
    dc->MoveTo(from);
    dc->LineTo(to);
    dc->SelectObject(oldPen);
}

// Text in a font and colour, the DC's own put back afterwards.
void DrawTextWith(CDC* dc, const CString& text, CRect rect, UINT format, CFont& font, COLORREF color)
{
    CFont* oldFont = dc->SelectObject(&font);
    const COLORREF oldText = dc->SetTextColor(color);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, &rect, format);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldText);
    dc->SelectObject(oldFont);
}
}  // namespace

COLORREF CGTVisualManager::FillCommandListItem(CDC* dc, CRect rect, BOOL selected)
{
    if (!selected) {
        dc->FillRect(&rect, &theGuiToolkitGlobals.brushBarFace);
        return theGuiToolkitGlobals.colorBarText;
    }
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushHighlight);
    CRect frame = rect;
    frame.DeflateRect(1, 1);
    dc->PatBlt(frame.left, frame.top, frame.Width(), 1, PATINVERT);
    dc->PatBlt(frame.left, frame.bottom - 1, frame.Width(), 1, PATINVERT);
    dc->PatBlt(frame.left, frame.top + 1, 1, frame.Height() - 2, PATINVERT);
    dc->PatBlt(frame.right - 1, frame.top + 1, 1, frame.Height() - 2, PATINVERT);
    return theGuiToolkitGlobals.colorHighlightText;
}

void CGTVisualManager::DrawCommandListMenuArrow(CDC* dc, CRect rect, BOOL selected)
{
    const CSize glyph = CGTMenuGlyphs::GetSize();
    const CPoint at(rect.right - glyph.cx, rect.top + (rect.Height() - glyph.cy) / 2);
    CGTMenuGlyphs::Draw(dc, CGTMenuGlyphs::TriangleRight, at, selected ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black);
    CRect separator(at.x - 1 - 2, rect.top + 2, at.x - 1, rect.bottom - 2);
    dc->Draw3dRect(&separator, theGuiToolkitGlobals.colorBtnShadow, theGuiToolkitGlobals.colorBtnHighlight);
}

CSize CGTVisualManager::GetButtonExtraSize() const
{
    return CSize(0, 0);
}

CSize CGTVisualManager::GetCaptionButtonExtraSize() const
{
    return CSize(0, 0);
}

COLORREF CGTVisualManager::FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar)
{
    if (floatingBar != nullptr && floatingBar->GetLookKind() == GTLookBarKind::Toolbar)
        active = TRUE;
    dc->FillRect(&rect, active ? &theGuiToolkitGlobals.brushActiveCaption : &theGuiToolkitGlobals.brushInactiveCaption);
    return active ? theGuiToolkitGlobals.colorCaptionText : theGuiToolkitGlobals.colorInactiveCaptionText;
}

void CGTVisualManager::DrawMiniFrameBorder(CDC* dc, IGTLookMiniFrame* frame, CRect rect, CRect borderSize)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    const int state = frame != nullptr ? frame->GetLookState() : 0;
    if (state == 1 || state == 2) {
        const COLORREF mark = state == 1 ? RGB(127, 0, 0) : RGB(0, 0, 127);
        dc->Draw3dRect(&rect, mark, g.colorBarDarkShadow);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarHighlight, mark);
    } else {
        dc->Draw3dRect(&rect, g.colorBarFace, g.colorBarDarkShadow);
        rect.DeflateRect(1, 1);
        dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    }
    rect.DeflateRect(borderSize.left - 2, borderSize.top - 2, borderSize.right - 2, borderSize.bottom - 2);
    dc->Draw3dRect(&rect, g.colorBarFace, g.colorBarFace);
    rect.InflateRect(1, 1);
    dc->Draw3dRect(&rect, g.colorBarFace, g.colorBarFace);
}

void CGTVisualManager::DrawFloatingToolbarBorder(CDC* dc, CRect rect)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    dc->Draw3dRect(&rect, g.colorBarFace, g.colorBarDarkShadow);
    rect.DeflateRect(1, 1);
    dc->Draw3dRect(&rect, g.colorBarHighlight, g.colorBarShadow);
    rect.DeflateRect(1, 1);
    dc->Draw3dRect(&rect, g.colorBarFace, g.colorBarFace);
}

void CGTVisualManager::FillSliderArea(CDC* dc, IGTLookControl* owner, CRect rect)
{
    dc->FillRect(&rect, DialogColors(owner) ? &theGuiToolkitGlobals.brushBtnFace : &theGuiToolkitGlobals.brushBarFace);
}

void CGTVisualManager::DrawHeaderItemBorder(CDC* dc, IGTLookControl* owner, CRect rect, BOOL pressed, BOOL)
{
    const BOOL dialog = DialogColors(owner);
    const COLORREF shadow = dialog ? theGuiToolkitGlobals.colorBtnShadow : theGuiToolkitGlobals.colorBarShadow;
    if (pressed)
        dc->Draw3dRect(&rect, shadow, shadow);
    else
        dc->Draw3dRect(&rect, dialog ? theGuiToolkitGlobals.colorBtnHighlight : theGuiToolkitGlobals.colorBarHighlight,
                       shadow);
}

void CGTVisualManager::DrawSortArrow(CDC* dc, IGTLookControl* owner, CRect rect, BOOL up)
{
    const BOOL dialog = DialogColors(owner);
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    CPen lightPen(PS_SOLID, 1, dialog ? g.colorBtnHighlight : g.colorBarHighlight);
    CPen darkPen(PS_SOLID, 1, dialog ? g.colorBtnDarkShadow : g.colorBarDarkShadow);
    const int apexX = rect.CenterPoint().x;
    const CPoint bottomLeft(rect.left, rect.bottom - 1), bottomRight(rect.right - 1, rect.bottom - 1);
    const CPoint topLeft(rect.left, rect.top), topRight(rect.right - 1, rect.top);
    if (up) {
        const CPoint apex(apexX, rect.top);
        DrawLine(dc, lightPen, bottomLeft, bottomRight);
        DrawLine(dc, lightPen, bottomRight, apex);
        DrawLine(dc, darkPen, apex, bottomLeft);
    } else {
        const CPoint apex(apexX, rect.bottom - 1);
        DrawLine(dc, lightPen, topRight, apex);
        DrawLine(dc, darkPen, apex, topLeft);
        DrawLine(dc, darkPen, topLeft, topRight);
    }
}

void CGTVisualManager::FillTasksPane(CDC* dc, IGTLookTasksPane*, CRect rect)
{
    dc->FillRect(&rect, &theGuiToolkitGlobals.brushWindow);
}

void CGTVisualManager::DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL,
                                             BOOL canCollapse)
{
    const GuiToolkitGlobals& g = theGuiToolkitGlobals;
    IGTLookTasksPane* pane = group->GetPane();
    CRect rect = group->GetCaptionRect();
    CRect textRect = rect;
    if (pane->IsToolBox()) {
        CRect caption(rect.left + 1, rect.top, rect.right - 1, rect.bottom - 1);
        dc->FillSolidRect(&caption, g.colorBarShadow);
        if (canCollapse) {
            CRect box(CPoint(rect.left + 6, rect.top + (rect.Height() - 9) / 2), CSize(9, 9));
            dc->FillRect(&box, &theGuiToolkitGlobals.brushBarFace);
            DrawExpandBox(dc, box, !group->IsCollapsed(), g.colorBarText);
            textRect.left = box.right;
        }
    } else
        dc->FillRect(&rect,
                     group->IsSpecial() ? &theGuiToolkitGlobals.brushHighlight : &theGuiToolkitGlobals.brushBarFace);

    if (const HICON icon = group->GetIcon(); icon != nullptr) {
        const CSize iconSize(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
        if (iconSize.cx <= textRect.Width() && iconSize.cy <= textRect.Height()) {
            dc->DrawState(CPoint(textRect.left, textRect.top + (textRect.Height() - iconSize.cy) / 2), iconSize, icon,
                          DSS_NORMAL, static_cast<HBRUSH>(nullptr));
            textRect.left += iconSize.cx;
        }
    }
    const int offsetX = pane->GetCaptionOffsetX() != -1 ? pane->GetCaptionOffsetX() : TasksPaneMetrics[4];
    const int offsetY = pane->GetCaptionOffsetY() != -1 ? pane->GetCaptionOffsetY() : TasksPaneMetrics[5];
    textRect.left += offsetX;
    textRect.top += offsetY;
    if (canCollapse)
        textRect.right -= CGTMenuGlyphs::GetSize().cx;

    const COLORREF own = highlighted ? group->GetHotTextColor() : group->GetTextColor();
    const COLORREF color = Either(own, group->IsSpecial() ? g.colorWindow : g.colorWindowText);
    DrawTextWith(dc, group->GetName(), textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS,
                 theGuiToolkitGlobals.fontBold, color);

    if (canCollapse) {
        const CSize glyph = CGTMenuGlyphs::GetSize();
        const CPoint at(rect.right - glyph.cx - 2, rect.top + (rect.Height() - glyph.cy) / 2);
        CGTMenuGlyphs::Draw(dc, group->IsCollapsed() ? CGTMenuGlyphs::DoubleArrowDown : CGTMenuGlyphs::DoubleArrowUp,
                            at, group->IsSpecial() ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black);
    }
}

void CGTVisualManager::FillTasksGroupInterior(CDC*, CRect, BOOL) {}

void CGTVisualManager::DrawTasksGroupBorder(CDC* dc, CRect rect, BOOL special, BOOL closed)
{
    CPen* oldPen = dc->SelectObject(special ? &theGuiToolkitGlobals.penHighlight : &theGuiToolkitGlobals.penBarFace);
    dc->MoveTo(rect.left, rect.top);
    dc->LineTo(rect.left, rect.bottom - 1);
    dc->LineTo(rect.right - 1, rect.bottom - 1);
    if (closed) {
        dc->LineTo(rect.right - 1, rect.top);
        dc->LineTo(rect.left, rect.top);
    } else
        dc->LineTo(rect.right - 1, rect.top - 1);
    dc->SelectObject(oldPen);
}

void CGTVisualManager::DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL)
{
    DrawTaskInColors(dc, task, images, highlighted, theGuiToolkitGlobals.colorWindowText,
                     DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CGTVisualManager::DrawTaskInColors(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted,
                                        COLORREF commandColor, UINT singleLineFormat)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    CRect rect = task->GetRect();
    if (task->IsSeparator()) {
        const int y = rect.CenterPoint().y;
        DrawLine(dc, g.penBarFace, CPoint(rect.left, y), CPoint(rect.right, y));
        return;
    }
    IGTLookTasksPane* pane = task->GetPane();
    if (images != nullptr && task->GetImage() >= 0) {
        IMAGEINFO info;
        if (images->GetImageInfo(task->GetImage(), &info)) {
            const CRect image(info.rcImage);
            images->Draw(dc, task->GetImage(), CPoint(rect.left, rect.top + (rect.Height() - image.Height()) / 2),
                         ILD_TRANSPARENT);
            rect.left += image.Width();
        }
    }
    rect.left += pane->GetTaskOffset() != -1 ? pane->GetTaskOffset() : TasksPaneMetrics[7];

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
        color = Either(task->GetHotTextColor(), commandColor);
    } else
        color = Either(task->GetTextColor(), commandColor);
    const UINT format = pane->WrapsTaskText(task->IsLabel()) ? DT_WORDBREAK : singleLineFormat;
    DrawTextWith(dc, task->GetName(), rect, format, *font, color);
}

void CGTVisualManager::DrawTasksScrollButton(CDC* dc, CRect rect, int topExtension, int glyph, BOOL highlighted)
{
    CRect fill = rect;
    fill.top -= topExtension;
    dc->FillRect(&fill, &theGuiToolkitGlobals.brushBarFace);
    if (highlighted) {
        CGTDrawManager(*dc).BrightenRect(rect, -1, noColor, 0, noColor);
        dc->Draw3dRect(&rect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarDarkShadow);
    }
    CGTMenuGlyphs::DrawCentered(dc, glyph, rect, CGTMenuGlyphs::Black);
}
