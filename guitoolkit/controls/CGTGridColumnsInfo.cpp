#include <guitoolkit/controls/CGTGridColumnsInfo.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <afximagelist.h>
#include <vector>

IMPLEMENT_DYNAMIC(CGTGridColumnsItem, CObject)
IMPLEMENT_DYNAMIC(CGTGridColumnsInfo, CObject)

CGTGridColumnsItem::CGTGridColumnsItem(const CString& iCaption, int iWidth, int iImage)
    : m_Width(iWidth), m_Caption(iCaption), m_Align(0), m_Visible(TRUE), m_Image(iImage), m_FixedWidth(FALSE),
      m_StretchedWidth(0)
{
}

UINT GridAlignFlags(int iAlign)
{
    const UINT common = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (iAlign & 2)
        return common | DT_CENTER;
    if (iAlign & 1)
        return common | DT_RIGHT;
    return common | DT_LEFT;
}

CGTGridColumnsInfo::CGTGridColumnsInfo()
    : m_StretchMode(FALSE), m_TotalWidth(0), m_MultiSort(FALSE), m_GroupBoxImages(TRUE), m_Owner(nullptr)
{
}

CGTGridColumnsInfo::~CGTGridColumnsInfo()
{
    DeleteAllColumns();
}

CGTGridColumnsItem* CGTGridColumnsInfo::Column(int iColumn) const
{
    return iColumn >= 0 && iColumn < m_Items.GetSize() ? m_Items[iColumn] : nullptr;
}

int CGTGridColumnsInfo::GetColumnCount(BOOL iVisibleOnly) const
{
    int count = 0;
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
        if (!iVisibleOnly || m_Items[i]->m_Visible)
            ++count;
    return count;
}

LPCWSTR CGTGridColumnsInfo::GetColumnName(int iColumn) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    return column != nullptr ? (LPCWSTR)column->m_Caption : nullptr;
}

int CGTGridColumnsInfo::GetColumnAlign(int iColumn) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    return column != nullptr ? column->m_Align : 0;
}

int CGTGridColumnsInfo::GetColumnImage(int iColumn) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    return column != nullptr ? column->m_Image : 0;
}

int CGTGridColumnsInfo::GetColumnDefaultWidth(int iColumn) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    return column != nullptr ? column->m_Width : 0;
}

BOOL CGTGridColumnsInfo::IsColumnVisible(int iColumn) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    return column != nullptr ? column->m_Visible : TRUE;
}

BOOL CGTGridColumnsInfo::IsFixedWidthColumn(int iColumn) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    return column != nullptr ? column->m_FixedWidth : TRUE;
}

int CGTGridColumnsInfo::GetColumnWidth(int iColumn) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    if (column == nullptr)
        return 0;
    if (m_StretchMode)
        return column->m_StretchedWidth;
    return column->m_Visible ? column->m_Width : 0;
}

BOOL CGTGridColumnsInfo::GetColumnWidthLimits(int iColumn, int& oMinimum, int& oMaximum) const
{
    CGTGridColumnsItem* column = Column(iColumn);
    if (!m_StretchMode || column == nullptr)
        return FALSE;
    if (column->m_FixedWidth) {
        oMinimum = oMaximum = column->m_Width;
        return FALSE;
    }
    const int rowHeight = m_Owner != nullptr ? m_Owner->GetRowHeight() : 0;
    const int here = IndexToOrder(iColumn);
    int share = 0;
    int position = 0;
    for (int other = GetNextColumn(position); other >= 0; other = GetNextColumn(position)) {
        if (other == iColumn)
            continue;
        const CGTGridColumnsItem* item = m_Items[other];
        share += item->m_FixedWidth || IndexToOrder(other) < here ? item->m_Width : rowHeight;
    }
    oMinimum = rowHeight;
    oMaximum = m_TotalWidth - share;
    if (oMinimum < oMaximum)
        return TRUE;
    oMaximum = oMinimum;
    return FALSE;
}

BOOL CGTGridColumnsInfo::SetColumnAlign(int iColumn, int iAlign)
{
    CGTGridColumnsItem* column = Column(iColumn);
    if (column == nullptr)
        return FALSE;
    column->m_Align = iAlign;
    return TRUE;
}

BOOL CGTGridColumnsInfo::SetColumnWidth(int iColumn, int iWidth)
{
    CGTGridColumnsItem* column = Column(iColumn);
    if (column == nullptr)
        return FALSE;
    column->m_Width = iWidth;
    if (!m_StretchMode)
        return TRUE;
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
        if (!m_Items[i]->m_FixedWidth)
            m_Items[i]->m_StretchedWidth = m_Items[i]->m_Width;
    if (column->m_Visible)
        RecalcWidths(m_TotalWidth);
    return TRUE;
}

BOOL CGTGridColumnsInfo::SetFixedWidth(int iColumn, BOOL iFixed)
{
    CGTGridColumnsItem* column = Column(iColumn);
    if (column == nullptr)
        return FALSE;
    column->m_FixedWidth = iFixed;
    return TRUE;
}

BOOL CGTGridColumnsInfo::SetStretchedWidth(int iColumn, int iWidth)
{
    CGTGridColumnsItem* column = Column(iColumn);
    if (column == nullptr)
        return FALSE;
    column->m_StretchedWidth = iWidth;
    return TRUE;
}

int CGTGridColumnsInfo::GetSortColumnCount() const
{
    int count = 0;
    POSITION position = m_Sort.GetStartPosition();
    while (position != nullptr) {
        int column, direction;
        m_Sort.GetNextAssoc(position, column, direction);
        if (direction != 0)
            ++count;
    }
    return count;
}

int CGTGridColumnsInfo::GetSortColumn() const
{
    POSITION position = m_Sort.GetStartPosition();
    if (m_MultiSort || position == nullptr)
        return -1;
    int column, direction;
    m_Sort.GetNextAssoc(position, column, direction);
    return direction != 0 ? column : -1;
}

int CGTGridColumnsInfo::GetColumnSortDirection(int iColumn) const
{
    int direction = 0;
    return m_Sort.Lookup(iColumn, direction) ? direction : 0;
}

void CGTGridColumnsInfo::SetSortDirection(int iColumn, int iDirection)
{
    m_Sort.SetAt(iColumn, iDirection);
}

void CGTGridColumnsInfo::RemoveSortColumn(int iColumn)
{
    m_Sort.RemoveKey(iColumn);
}

int CGTGridColumnsInfo::GetGroupColumn(int iPosition) const
{
    POSITION position = m_Groups.FindIndex(iPosition);
    return position != nullptr ? m_Groups.GetAt(position) : -1;
}

int CGTGridColumnsInfo::GetGroupColumnPos(int iColumn) const
{
    int index = 0;
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr; ++index)
        if (m_Groups.GetNext(position) == iColumn)
            return index;
    return -1;
}

BOOL CGTGridColumnsInfo::RemoveGroupColumn(int iColumn)
{
    POSITION position = m_Groups.Find(iColumn);
    if (position == nullptr)
        return FALSE;
    m_Groups.RemoveAt(position);
    return TRUE;
}

int CGTGridColumnsInfo::InsertGroupColumn(int iPosition, int iColumn)
{
    if (iPosition == m_Groups.GetCount()) {
        m_Groups.AddTail(iColumn);
    } else {
        POSITION before = iPosition >= 0 ? m_Groups.FindIndex(iPosition) : nullptr;
        if (before == nullptr)
            return -1;
        m_Groups.InsertBefore(before, iColumn);
    }
    int index = 0;
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr; ++index) {
        POSITION here = position;
        if (m_Groups.GetNext(position) == iColumn && index != iPosition) {
            m_Groups.RemoveAt(here);
            return index < iPosition ? iPosition - 1 : iPosition;
        }
    }
    return iPosition;
}

BOOL CGTGridColumnsInfo::GetSortKeyColumns(CArray<int, int>& oKeys, int iCount) const
{
    if (iCount == -1)
        iCount = GetGroupColumnCount() + GetSortColumnCount();
    oKeys.RemoveAll();
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr && oKeys.GetSize() < iCount;)
        oKeys.Add(m_Groups.GetNext(position));
    const INT_PTR end = m_Order.IsEmpty() ? m_Items.GetSize() : m_Order.GetSize();
    for (INT_PTR i = 0; i < end && oKeys.GetSize() < iCount; ++i) {
        const int column = m_Order.IsEmpty() ? (int)i : m_Order[i];
        if (Column(column) == nullptr)
            AfxThrowInvalidArgException();
        if (GetColumnSortDirection(column) != 0)
            oKeys.Add(column);
    }
    return TRUE;
}

BOOL CGTGridColumnsInfo::GetColumnOrderArray(CArray<int, int>& oOrder, int iCount) const
{
    oOrder.RemoveAll();
    int position = 0;
    for (int column = GetNextColumn(position); column >= 0 && (iCount < 0 || oOrder.GetSize() < iCount);
         column = GetNextColumn(position))
        oOrder.Add(column);
    return TRUE;
}

void CGTGridColumnsInfo::SetColumnOrderArray(const CArray<int, int>& iOrder)
{
    std::vector<bool> named(m_Items.GetSize());
    m_Order.RemoveAll();
    auto add = [&](int iColumn) {
        if (Column(iColumn) == nullptr || !m_Items[iColumn]->m_Visible || named[iColumn])
            return;
        named[iColumn] = true;
        m_Order.Add(iColumn);
    };
    for (INT_PTR i = 0; i < iOrder.GetSize(); ++i)
        add(iOrder[i]);
    for (int column = 0; column < m_Items.GetSize(); ++column)
        add(column);
}

void CGTGridColumnsInfo::SetGroupColumns(const CList<int, int>& iGroups)
{
    std::vector<bool> named(m_Items.GetSize());
    m_Groups.RemoveAll();
    for (POSITION position = iGroups.GetHeadPosition(); position != nullptr;) {
        const int column = iGroups.GetNext(position);
        if (column == -1) {
            m_Groups.AddTail(column);
        } else if (Column(column) != nullptr && !named[column]) {
            named[column] = true;
            m_Groups.AddTail(column);
        }
    }
}

BOOL CGTGridColumnsInfo::SetColumnVisible(int iColumn, BOOL iVisible)
{
    CGTGridColumnsItem* column = Column(iColumn);
    if (column == nullptr || column->m_Visible == iVisible)
        return TRUE;
    column->m_Visible = iVisible;
    if (m_Order.IsEmpty())
        return TRUE;
    if (iVisible) {
        m_Order.Add(iColumn);
        return TRUE;
    }
    for (INT_PTR i = 0; i < m_Order.GetSize(); ++i)
        if (m_Order[i] == iColumn) {
            m_Order.RemoveAt(i);
            break;
        }
    return TRUE;
}

BOOL CGTGridColumnsInfo::ChangeColumnOrder(int iPosition, int iColumn)
{
    if (Column(iColumn) == nullptr || !IsColumnVisible(iColumn))
        return FALSE;
    CArray<int, int> previous;
    GetColumnOrderArray(previous);
    m_Order.RemoveAll();
    for (INT_PTR i = 0; i < previous.GetSize(); ++i)
        if (previous[i] != iColumn)
            m_Order.Add(previous[i]);
    m_Order.InsertAt(std::max(0, std::min(iPosition, (int)m_Order.GetSize())), iColumn);
    return TRUE;
}

int CGTGridColumnsInfo::GetNextColumn(int& ioPosition) const
{
    if (!m_Order.IsEmpty())
        return ioPosition >= 0 && ioPosition < m_Order.GetSize() ? m_Order[ioPosition++] : -1;
    while (ioPosition >= 0 && ioPosition < m_Items.GetSize()) {
        const int column = ioPosition++;
        if (m_Items[column]->m_Visible)
            return column;
    }
    return -1;
}

int CGTGridColumnsInfo::GetEndPosition() const
{
    return m_Order.IsEmpty() ? (int)m_Items.GetSize() : (int)m_Order.GetSize();
}

int CGTGridColumnsInfo::IndexToOrder(int iColumn) const
{
    int order = 0;
    int position = 0;
    for (int column = GetNextColumn(position); column >= 0; column = GetNextColumn(position), ++order)
        if (column == iColumn)
            return order;
    return -1;
}

int CGTGridColumnsInfo::OrderToIndex(int iPosition) const
{
    int order = 0;
    int position = 0;
    for (int column = GetNextColumn(position); column >= 0; column = GetNextColumn(position), ++order)
        if (order == iPosition)
            return column;
    return -1;
}

int CGTGridColumnsInfo::GetFirstVisibleColumn() const
{
    return OrderToIndex(0);
}

int CGTGridColumnsInfo::GetLastVisibleColumn() const
{
    int last = -1;
    int position = 0;
    for (int column = GetNextColumn(position); column >= 0; column = GetNextColumn(position))
        last = column;
    return last;
}

int CGTGridColumnsInfo::InsertColumn(int iPosition, const CString& iCaption, int iWidth, int iImage)
{
    if (iPosition < 0 || iPosition > m_Items.GetSize())
        return -1;
    m_Items.InsertAt(iPosition, new CGTGridColumnsItem(iCaption, iWidth, iImage));
    ShiftIndexesFrom(iPosition);
    return iPosition;
}

void CGTGridColumnsInfo::ShiftIndexesFrom(int iColumn)
{
    auto shifted = [iColumn](int iIndex) { return iIndex >= iColumn ? iIndex + 1 : iIndex; };
    CMap<int, int, int, int> sort;
    for (POSITION position = m_Sort.GetStartPosition(); position != nullptr;) {
        int column, direction;
        m_Sort.GetNextAssoc(position, column, direction);
        sort.SetAt(shifted(column), direction);
    }
    m_Sort.RemoveAll();
    for (POSITION position = sort.GetStartPosition(); position != nullptr;) {
        int column, direction;
        sort.GetNextAssoc(position, column, direction);
        m_Sort.SetAt(column, direction);
    }
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr;) {
        int& column = m_Groups.GetNext(position);
        column = shifted(column);
    }
    if (m_Order.IsEmpty())
        return;
    // The new column is shown where it was inserted: before the column it pushed aside.
    INT_PTR place = m_Order.GetSize();
    for (INT_PTR i = 0; i < m_Order.GetSize(); ++i) {
        if (m_Order[i] == iColumn)
            place = i;
        m_Order[i] = shifted(m_Order[i]);
    }
    m_Order.InsertAt(place, iColumn);
}

void CGTGridColumnsInfo::DeleteAllColumns()
{
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
        delete m_Items[i];
    m_Items.RemoveAll();
    m_Sort.RemoveAll();
    m_Groups.RemoveAll();
    m_Order.RemoveAll();
}
