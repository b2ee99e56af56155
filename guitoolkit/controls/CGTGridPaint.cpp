// Painting of the grid: the rows area with its lines and rows, the header and the
// selection frame, through one memory DC per paint.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridColumnChooser.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>

namespace {
const COLORREF NoColor = (COLORREF)-1;
}  // namespace

BOOL CGTGridCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTGridCtrl::OnPaint()
{
    CPaintDC dc(this);
    Paint(dc);
}

COLORREF CGTGridCtrl::GetLineColor() const
{
    // In a dialog the grid stands on the button face: its lines need the darker shade.
    const COLORREF base = m_InDialog ? theGuiToolkitGlobals.colorBtnShadow : theGuiToolkitGlobals.colorBtnFace;
    return theGuiToolkitGlobals.bitsPerPixel > 8 ? CGTDrawManager::ScaleColor(base, 94) : base;
}

CFont* CGTGridCtrl::SelectPaintFont(CDC* iDc) const
{
    if (iDc->IsPrinting() && m_PrintFont != nullptr)
        return iDc->SelectObject(CFont::FromHandle(m_PrintFont));
    HFONT font = m_Font != nullptr ? m_Font : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    return iDc->SelectObject(CFont::FromHandle(font));
}

void CGTGridCtrl::Paint(CDC& iDc)
{
    CRect client;
    GetClientRect(client);
    CRect clip;
    iDc.GetClipBox(clip);
    m_InvalidBand = clip.IsRectEmpty() ? m_RowsArea : clip;
    m_InvalidBand.top = std::max(m_InvalidBand.top, m_RowsArea.top);
    const CRect below(client.left, m_RowsArea.bottom, client.right, client.bottom);
    if (!below.IsRectEmpty())
        iDc.FillRect(below, &theGuiToolkitGlobals.brushWindow);
    if (m_RowsArea.IsRectEmpty())
        return;
    {
        CGTMemDC memory(iDc, this);
        CDC& dc = memory.GetDC();
        m_PaintLineColor = GetLineColor();
        CRect back = m_RowsArea;
        back.top = std::min(back.top, m_HeaderRect.top);
        FillBackground(&dc, back);
        CFont* oldFont = SelectPaintFont(&dc);
        dc.SetTextColor(GetTextColor());
        dc.SetBkMode(TRANSPARENT);
        CRect band;
        if (band.IntersectRect(m_InvalidBand, m_RowsArea)) {
            dc.IntersectClipRect(band);
            DrawGridLinesAndRows(&dc);
            DrawSelectionFrame(&dc);
            dc.SelectClipRgn(nullptr);
        }
        m_InvalidBand.SetRectEmpty();
        DrawGroupArea(
            &dc,
            CRect(client.left, client.top, client.right, client.top + std::min(m_GroupAreaHeight, client.Height())));
        DrawHeader(&dc);
        dc.SelectObject(oldFont);
    }
    // The chooser a loaded state asked for comes with the first paint.
    if (m_ChooserShown && m_Chooser == nullptr)
        ShowColumnChooser(TRUE);
}

void CGTGridCtrl::FillBackground(CDC* iDc, const CRect& iRect)
{
    CBrush* brush = GetBackgroundBrush();
    iDc->FillRect(iRect, brush != nullptr ? brush : &theGuiToolkitGlobals.brushWindow);
}

void CGTGridCtrl::DrawGridLinesAndRows(CDC* iDc)
{
    CPen* oldPen = iDc->SelectObject(&m_GroupLinePen);
    DrawColumnLines(iDc, m_RowsArea.bottom);
    iDc->SelectObject(&m_LinePen);
    // A refused virtual row leaves its band empty.
    const int height = std::max(GetRowHeight(), 1);
    for (int i = std::max(m_FirstVisible, 0); i < ShownRowCount(); ++i) {
        CGTGridRow* row = ShownRowAt(i);
        if (row != nullptr ? !DrawRow(iDc, row) : height * i - m_VertOffset + m_RowsArea.top > m_RowsArea.bottom)
            break;
    }
    iDc->SelectObject(oldPen);
}

void CGTGridCtrl::DrawColumnLines(CDC* iDc, int iBottom)
{
    int x = m_RowsArea.left - (m_Printing ? 0 : m_HorzOffset);
    int position = 0;
    for (int column = m_Columns.GetNextColumn(position), first = TRUE; column >= 0;
         column = m_Columns.GetNextColumn(position), first = FALSE) {
        x += ColumnSpan(column, first);
        iDc->MoveTo(x - 1, m_RowsArea.top - 1);
        iDc->LineTo(x - 1, iBottom);
    }
}

BOOL CGTGridCtrl::DrawRow(CDC* iDc, CGTGridRow* iRow)
{
    const CRect rect = iRow->GetRect();
    if (rect.IsRectEmpty())
        return TRUE;
    if (rect.top >= m_InvalidBand.bottom)
        return FALSE;
    if (rect.bottom < m_InvalidBand.top)
        return TRUE;
    const int height = GetRowHeight();
    const int indent = IsSortingActive() && !IsGrouping() ? 0 : iRow->GetHierarchyLevel() * height;
    const BOOL caption = iRow->IsGroupCaption() || !iRow->HasValueField();

    // Paper shows no row margin.
    CRect margin(std::max(rect.left, m_RowsArea.left), rect.top + 1, rect.left + indent + height, rect.bottom);
    if (margin.left < margin.right && !m_Printing)
        FillRowMargin(iDc, margin, iRow, !caption);

    if (caption) {
        CRect fill(rect.left + indent, rect.top + 1, rect.right, rect.bottom);
        if (m_Printing) {
            iDc->FillSolidRect(fill, GetPrintColor(GTGridPrintGroupFill, ::GetSysColor(COLOR_3DLIGHT)));
        } else if (!PaintLook(iDc, fill, m_Theme.m_GroupRows)) {
            CBrush* brush = GetGroupBrush() != nullptr ? GetGroupBrush() : GetBackgroundBrush();
            iDc->FillRect(fill, brush != nullptr ? brush : &theGuiToolkitGlobals.brushLight);
        }
        if (iRow->IsGroup()) {
            CFont* bold = m_Printing && m_PrintBoldFont != nullptr ? CFont::FromHandle(m_PrintBoldFont) : &m_BoldFont;
            CFont* oldFont = iDc->SelectObject(bold);
            const CRect box(rect.left + indent, rect.top, rect.left + indent + height, rect.top + height);
            iRow->OnDrawExpandBox(iDc, box);
            const CRect name(box.right, rect.top + 1, rect.right, rect.bottom);
            if (m_Printing)
                iRow->OnPrintName(iDc, name);
            else
                iRow->OnDrawName(iDc, name);
            iDc->SelectObject(oldFont);
        }
    } else if (m_Printing) {
        iRow->OnPrintItems(iDc, m_RowsArea);
        iDc->MoveTo(rect.left + indent, rect.bottom);
        iDc->LineTo(rect.right, rect.bottom);
    } else {
        iRow->OnDrawItems(iDc, m_RowsArea);
        iDc->MoveTo(rect.left + indent, rect.bottom);
        iDc->LineTo(m_RowsArea.right, rect.bottom);
    }
    if (m_FocusRect && m_Focused && m_WholeRowSelection && iRow == m_CurrentRow)
        iDc->DrawFocusRect(rect);
    return TRUE;
}

COLORREF CGTGridCtrl::FillSelectedCell(CDC* iDc, const CRect& iRect, CGTGridItem*)
{
    const BOOL focused = GetSafeHwnd() != nullptr && CWnd::GetFocus() == this;
    const COLORREF text = focused ? theGuiToolkitGlobals.colorHighlightText : theGuiToolkitGlobals.colorBtnText;
    if (PaintLook(iDc, iRect, m_Theme.m_SelectedCells))
        return m_Theme.m_SelectedCells.m_Text != NoColor ? m_Theme.m_SelectedCells.m_Text : text;
    if (focused)
        iDc->FillRect(iRect,
                      m_SelectedBrush.GetSafeHandle() != nullptr ? &m_SelectedBrush
                                                                 : &theGuiToolkitGlobals.brushHighlight);
    else
        iDc->FillRect(iRect, m_InDialog ? &theGuiToolkitGlobals.brushLight : &theGuiToolkitGlobals.brushBtnFace);
    return text;
}

void CGTGridCtrl::FillRowMargin(CDC* iDc, CRect iRect, CGTGridRow*, BOOL iLine)
{
    const CGTGridLook& look = m_Theme.m_RowMargin;
    const int cells = iRect.left + GetGroupIndent() + GetRowHeight();
    if (look.m_Fill != NoColor && look.m_GradientFill != NoColor && look.m_GradientAngle == 0) {
        PaintLook(iDc, CRect(iRect.left, iRect.top, cells, iRect.bottom), look, FALSE);
        if (cells < iRect.right)
            iDc->FillSolidRect(CRect(cells, iRect.top, iRect.right, iRect.bottom), look.m_GradientFill);
    } else if (!PaintLook(iDc, iRect, look, FALSE)) {
        iDc->FillSolidRect(iRect, m_PaintLineColor != NoColor ? m_PaintLineColor : GetLineColor());
    }
    if (iLine && iRect.right <= cells && look.m_Border != NoColor)
        iDc->FillSolidRect(iRect.right - 1, iRect.top, 1, iRect.Height(), look.m_Border);
}

void CGTGridCtrl::DrawSelectionFrame(CDC* iDc)
{
    if (iDc->IsPrinting() || IsGrouping() || !IsSelectionFrameShown() || m_SelectionRect.IsRectEmpty())
        return;
    const COLORREF oldBack = iDc->GetBkColor();
    CRect frame = m_SelectionRect;
    iDc->Draw3dRect(frame, theGuiToolkitGlobals.colorBtnDarkShadow, theGuiToolkitGlobals.colorBtnDarkShadow);
    frame.DeflateRect(1, 1);
    iDc->Draw3dRect(frame, theGuiToolkitGlobals.colorBtnDarkShadow, theGuiToolkitGlobals.colorBtnDarkShadow);
    iDc->SetBkColor(oldBack);
}

CRect CGTGridCtrl::GetColumnRect(int iColumn) const
{
    const int count = GetColumnCount();
    if (iColumn < 0 || iColumn > count || (iColumn < count && !m_Columns.IsColumnVisible(iColumn)))
        return CRect(0, 0, 0, 0);
    int left = m_HeaderRect.left - (m_Printing ? 0 : m_HorzOffset);
    int position = 0;
    for (int column = m_Columns.GetNextColumn(position), first = TRUE; column >= 0;
         column = m_Columns.GetNextColumn(position), first = FALSE) {
        const int span = ColumnSpan(column, first);
        if (column == iColumn)
            return CRect(left, m_HeaderRect.top, left + span, m_HeaderRect.bottom);
        left += span;
    }
    return CRect(left, m_HeaderRect.top, m_HeaderRect.right + 2, m_HeaderRect.bottom);
}

int CGTGridCtrl::HitTestColumn(int iX, int iY) const
{
    if (!m_HeaderRect.PtInRect(CPoint(iX, iY)))
        return -1;
    int position = 0;
    for (int column = m_Columns.GetNextColumn(position); column >= 0; column = m_Columns.GetNextColumn(position))
        if (GetColumnRect(column).right >= iX)
            return column;
    return -1;
}

void CGTGridCtrl::DrawHeader(CDC* iDc)
{
    if (m_HeaderRect.IsRectEmpty())
        return;
    FillHeaderBackground(iDc, m_HeaderRect);
    const int saved = iDc->SaveDC();
    iDc->IntersectClipRect(m_HeaderRect);
    for (int column = 0; column <= GetColumnCount(); ++column) {
        const CRect item = GetColumnRect(column);
        if (!item.IsRectEmpty())
            m_Columns.DrawColumn(iDc, column, item, 5, 5, FALSE, FALSE, FALSE);
    }
    iDc->RestoreDC(saved);
}

void CGTGridCtrl::FillHeaderBackground(CDC* iDc, const CRect& iRect)
{
    if (!PaintLook(iDc, iRect, m_Theme.m_Header))
        CGTVisualManager::GetCurrent()->FillGridHeader(iDc, iRect, this);
}

void CGTGridCtrl::FillHeaderItem(CDC* iDc, const CRect& iRect, int iColumn)
{
    if (IsColumnSelected(iColumn) && PaintLook(iDc, iRect, m_Theme.m_SelectedHeader))
        return;
    if (!PaintLook(iDc, iRect, m_Theme.m_Header))
        CGTVisualManager::GetCurrent()->DrawGridHeaderItemBorder(iDc, iRect, this, FALSE);
}

void CGTGridCtrl::DrawSortMark(CDC* iDc, const CRect& iRect, BOOL iAscending)
{
    CPen light(PS_SOLID, 1, theGuiToolkitGlobals.colorBtnHighlight);
    CPen dark(PS_SOLID, 1, theGuiToolkitGlobals.colorBtnDarkShadow);
    CPen* old = iDc->SelectObject(&light);
    const int middle = iRect.CenterPoint().x;
    if (iAscending) {
        iDc->MoveTo(iRect.left, iRect.bottom - 1);
        iDc->LineTo(iRect.right - 1, iRect.bottom - 1);
        iDc->LineTo(middle, iRect.top);
        iDc->SelectObject(&dark);
        iDc->LineTo(iRect.left, iRect.bottom - 1);
    } else {
        iDc->MoveTo(iRect.right - 1, iRect.top);
        iDc->LineTo(middle, iRect.bottom - 1);
        iDc->SelectObject(&dark);
        iDc->LineTo(iRect.left, iRect.top);
        iDc->LineTo(iRect.right - 1, iRect.top);
    }
    iDc->SelectObject(old);
}
