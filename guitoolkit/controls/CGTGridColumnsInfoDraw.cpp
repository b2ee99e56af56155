// Painting of one header item.
#include <guitoolkit/controls/CGTGridColumnsInfo.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <afximagelist.h>

void CGTGridColumnsInfo::DrawColumn(CDC* iDc, int iColumn, CRect iRect, int iTextMargin, int iArrowMargin,
                                    BOOL iPrinting, BOOL iNoSortArrow, BOOL iGroupBox)
{
    const CRect itemRect = iRect;
    DrawBorder(iDc, iColumn, iRect, iPrinting, iGroupBox);
    CGTGridColumnsItem* column = Column(iColumn);
    if (column == nullptr || m_Owner == nullptr)
        return;
    if (!iPrinting && !iGroupBox && iColumn == GetFirstVisibleColumn())
        iRect.left += m_Owner->GetGroupIndent() + m_Owner->GetRowHeight();
    iRect.left += DrawImage(iDc, iColumn, iRect, iGroupBox);
    if (GetColumnSortDirection(iColumn) != 0 && !iNoSortArrow)
        iRect = DrawArrow(iDc, iColumn, iRect, iArrowMargin);
    if (column->m_Image < 0 || iGroupBox) {
        CRect text = iRect;
        text.DeflateRect(iTextMargin, 0);
        COLORREF oldColor = iDc->GetTextColor();
        if (!iPrinting && m_Owner->GetHeaderTextColor() != (COLORREF)-1)
            iDc->SetTextColor(m_Owner->GetHeaderTextColor());
        iDc->DrawText(column->m_Caption, text, GridAlignFlags(iGroupBox ? 0 : column->m_Align));
        iDc->SetTextColor(oldColor);
    }
    if (!iGroupBox && !m_Owner->IsDragging() && m_Owner->GetPressedColumn() == iColumn)
        iDc->InvertRect(itemRect);
}

void CGTGridColumnsInfo::DrawBorder(CDC* iDc, int iColumn, const CRect& iRect, BOOL iPrinting, BOOL iGroupBox)
{
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    if (iPrinting) {
        iDc->Draw3dRect(iRect, RGB(0, 0, 0), RGB(0, 0, 0));
    } else if (iGroupBox) {
        iDc->Draw3dRect(iRect, globals.colorWindow, globals.colorBtnText);
        CRect inner = iRect;
        inner.right--;
        inner.bottom--;
        iDc->Draw3dRect(inner, globals.colorWindow, globals.colorBtnShadow);
    } else if (m_Owner != nullptr) {
        m_Owner->FillHeaderItem(iDc, iRect, iColumn);
    }
}

// Returns how far the text moves right.
int CGTGridColumnsInfo::DrawImage(CDC* iDc, int iColumn, const CRect& iRect, BOOL iGroupBox)
{
    CImageList* images = m_Owner->GetHeaderImageList();
    const int image = m_Items[iColumn]->m_Image;
    if (image < 0 || images == nullptr || (iGroupBox && (!m_GroupBoxImages || m_Owner->IsDragging())))
        return 0;
    IMAGEINFO info = {};
    if (!images->GetImageInfo(image, &info))
        return 0;
    const CSize size(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    images->Draw(iDc, image, CPoint(iRect.left + 1, iRect.top + (iRect.Height() - size.cy) / 2), ILD_NORMAL);
    return size.cx + 1;
}

// Returns what is left of the rectangle for the text.
CRect CGTGridColumnsInfo::DrawArrow(CDC* iDc, int iColumn, const CRect& iRect, int iArrowMargin)
{
    CRect area = iRect;
    area.DeflateRect(iArrowMargin, iArrowMargin);
    if (area.Width() < area.Height())
        return iRect;
    CRect arrow(area.right - area.Height(), area.top, area.right, area.bottom);
    const int inset = (int)(arrow.Height() * 0.134);
    arrow.DeflateRect(0, inset);
    m_Owner->DrawSortMark(iDc, arrow, GetColumnSortDirection(iColumn) > 0);
    CRect rest = iRect;
    rest.right = arrow.left - 1;
    return rest;
}
