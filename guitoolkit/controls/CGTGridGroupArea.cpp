// The grouping area above the header: one box per grouping level, running diagonally down
// to the right, or a prompt while nothing is grouped.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>

namespace {

const int MarginLeft = 9;
const int MarginTop = 7;
const int BoxExtra = 52;
const int BoxGap = 4;
const int LevelStep = 10;
const int PromptMargin = 5;

// The band's colour; the prompt is written in it too.
COLORREF BandColor()
{
    return theGuiToolkitGlobals.colorBtnShadow;
}

}  // namespace

int CGTGridCtrl::GetGroupBoxRect(int iIndex, CRect& oRect, CDC* iDc) const
{
    oRect.SetRectEmpty();
    CRect client;
    GetClientRect(client);
    const int bandBottom = std::min(client.top + m_GroupAreaHeight, client.bottom);
    int x = client.left + MarginLeft;
    int index = 0;
    for (int level = 0; level < m_Columns.GetGroupColumnCount(); ++level) {
        const int column = m_Columns.GetGroupColumn(level);
        if (column == -1) {
            x += BoxGap;
            continue;
        }
        const int width = iDc->GetTextExtent(GetColumnName(column)).cx + BoxExtra;
        if (index++ == iIndex) {
            const int top = client.top + MarginTop + LevelStep * level;
            oRect =
                CRect(x, top, std::min(x + width, (int)client.right), std::min(top + GetRowHeight() + 3, bandBottom));
            return column;
        }
        x += width + BoxGap;
    }
    return -1;
}

int CGTGridCtrl::HitTestGroupBox(int iX, int iY, CRect* oRect)
{
    if (GetSafeHwnd() == nullptr)
        return -1;
    CClientDC dc(this);
    CFont* oldFont = SelectPaintFont(&dc);
    int found = -1;
    for (int index = 0; index < m_Columns.GetGroupColumnCount(); ++index) {
        CRect box;
        const int column = GetGroupBoxRect(index, box, &dc);
        if (column != -1 && box.PtInRect(CPoint(iX, iY))) {
            found = column;
            if (oRect != nullptr)
                *oRect = box;
            break;
        }
    }
    dc.SelectObject(oldFont);
    return found;
}

int CGTGridCtrl::HitTestGroupInsertPos(int iX, int iY, CPoint* oPoint)
{
    if (GetSafeHwnd() == nullptr)
        return -1;
    CRect client;
    GetClientRect(client);
    const CRect band(client.left + MarginLeft, client.top + MarginTop, client.right,
                     std::min(client.top + m_GroupAreaHeight, client.bottom));
    if (!band.PtInRect(CPoint(iX, iY)))
        return -1;
    CClientDC dc(this);
    CFont* oldFont = SelectPaintFont(&dc);
    CPoint marker(client.left + MarginLeft, (client.top + band.bottom) / 2);
    const int levels = m_Columns.GetGroupColumnCount();
    int position = levels;
    BOOL first = TRUE;
    for (int index = 0; index < levels; ++index) {
        CRect box;
        if (GetGroupBoxRect(index, box, &dc) == -1)
            continue;
        const int middle = (box.top + box.bottom) / 2;
        if (first)
            marker = CPoint(box.left, middle);
        first = FALSE;
        if (iX <= (box.left + box.right) / 2) {
            position = index;
            break;
        }
        marker = CPoint(box.right, middle);
    }
    dc.SelectObject(oldFont);
    if (oPoint != nullptr)
        *oPoint = marker;
    return position;
}

void CGTGridCtrl::DrawGroupArea(CDC* iDc, CRect iRect)
{
    if (!m_GroupAreaShown)
        return;
    iDc->FillSolidRect(iRect, GetPrintColor(GTGridPrintHeaderFill, BandColor()));
    const int levels = m_Columns.GetGroupColumnCount();
    // The prompt is a hint for the mouse: paper shows none.
    if (levels == 0 && m_Printing)
        return;
    if (levels == 0) {
        CString prompt;
        {
            CGTLocalResource scope;
            prompt.LoadString(IDS_GT_GROUP_PROMPT);
        }
        CRect box = iRect;
        box.DeflateRect(PromptMargin, PromptMargin);
        box.right = std::min(box.right, box.left + (int)iDc->GetTextExtent(prompt).cx + 2 * PromptMargin);
        iDc->FillRect(box, &theGuiToolkitGlobals.brushBtnFace);
        const COLORREF oldColor = iDc->SetTextColor(BandColor());
        CRect text(box.left + PromptMargin, box.top + PromptMargin, box.right - PromptMargin, box.bottom);
        iDc->DrawText(prompt, text, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        iDc->SetTextColor(oldColor);
        return;
    }
    CPen pen(PS_SOLID, 1, GetPrintColor(GTGridPrintHeaderFrame, theGuiToolkitGlobals.colorBtnDarkShadow));
    CPen* oldPen = iDc->SelectObject(&pen);
    int x = iRect.left + PrintScaleX(MarginLeft);
    int y = iRect.top + PrintScaleY(MarginTop);
    for (int level = 0; level < levels; ++level, y += PrintScaleY(LevelStep)) {
        const int column = m_Columns.GetGroupColumn(level);
        if (column == -1) {
            x += PrintScaleX(BoxGap);
            continue;
        }
        const int width = iDc->GetTextExtent(GetColumnName(column)).cx + PrintScaleX(BoxExtra);
        const CRect box(x, y, std::min(x + width, (int)iRect.right),
                        std::min(y + GetRowHeight() + PrintScaleY(3), (int)iRect.bottom));
        if (m_Printing)
            iDc->FillSolidRect(box, GetPrintColor(GTGridPrintGroupBoxFill, theGuiToolkitGlobals.colorBtnFace));
        else
            iDc->FillRect(box, &theGuiToolkitGlobals.brushBtnFace);
        iDc->SetTextColor(GetPrintColor(GTGridPrintText, theGuiToolkitGlobals.colorBtnText));
        m_Columns.DrawColumn(iDc, column, box, PrintScaleX(5), PrintScaleX(5), m_Printing, FALSE, TRUE);
        if (level < levels - 1) {
            iDc->MoveTo(box.right - PrintScaleX(5), box.bottom);
            iDc->LineTo(box.right - PrintScaleX(5), box.bottom + PrintScaleY(4));
            iDc->LineTo(box.right + PrintScaleX(5), box.bottom + PrintScaleY(4));
        }
        x += width + PrintScaleX(BoxGap);
    }
    iDc->SelectObject(oldPen);
}
