// Display widths of the columns, stretched to the grid's width in stretch mode.
#include <guitoolkit/controls/CGTGridColumnsInfo.h>
#include <guitoolkit/controls/CGTGridCtrl.h>

int CGTGridColumnsInfo::NaturalWidth(int iColumn) const
{
    const CGTGridColumnsItem* column = m_Items[iColumn];
    if (column->m_Width > 0 || m_Owner == nullptr || m_Owner->GetSafeHwnd() == nullptr)
        return column->m_Width;
    CClientDC dc(m_Owner);
    CFont* oldFont = m_Owner->SelectPaintFont(&dc);
    const int width = dc.GetTextExtent(column->m_Caption).cx;
    dc.SelectObject(oldFont);
    return width;
}

void CGTGridColumnsInfo::RecalcWidths(int iAvailable, int iFixedColumn)
{
    CArray<int, int> shown;
    GetColumnOrderArray(shown);
    const int fixedOrder = iFixedColumn >= 0 ? IndexToOrder(iFixedColumn) : -1;
    auto stretchable = [&](INT_PTR iOrder) { return iOrder > fixedOrder && !m_Items[shown[iOrder]]->m_FixedWidth; };
    int naturalSum = 0;
    int fixedSum = 0;
    for (INT_PTR i = 0; i < shown.GetSize(); ++i) {
        const int width = NaturalWidth(shown[i]);
        naturalSum += width;
        if (!stretchable(i))
            fixedSum += width;
    }
    const int indent = !shown.IsEmpty() && m_Owner != nullptr ? m_Owner->GetGroupIndent() + m_Owner->GetRowHeight() : 0;
    if (!m_StretchMode) {
        m_TotalWidth = indent + naturalSum;
        return;
    }
    const int minimum = m_Owner != nullptr ? m_Owner->GetRowHeight() : 0;
    const int available = iAvailable - indent;
    m_TotalWidth = iAvailable;
    if (naturalSum >= available || naturalSum == fixedSum) {
        for (INT_PTR i = 0; i < shown.GetSize(); ++i) {
            const int width = NaturalWidth(shown[i]);
            m_Items[shown[i]]->m_StretchedWidth = stretchable(i) ? std::max(minimum, width) : width;
        }
        return;
    }
    const double factor = double(available - fixedSum) / double(naturalSum - fixedSum);
    int sum = 0;
    int first = -1;
    for (INT_PTR i = 0; i < shown.GetSize(); ++i) {
        const int width = NaturalWidth(shown[i]);
        const int display = stretchable(i) ? std::max(minimum, (int)(width * factor)) : width;
        if (stretchable(i) && first < 0)
            first = shown[i];
        m_Items[shown[i]]->m_StretchedWidth = display;
        sum += display;
    }
    if (available > sum && first >= 0)
        m_Items[first]->m_StretchedWidth += available - sum;
}
