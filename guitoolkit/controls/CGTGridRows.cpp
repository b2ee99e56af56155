// The grid's rows: adding, removing and finding them, and giving each shown row its place.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>

namespace {

BOOL HoldsAny(const CGTGridRow* iRow, const std::unordered_set<const CGTGridRow*>& iRows)
{
    for (POSITION position = iRow->GetSubRows().GetHeadPosition(); position != nullptr;) {
        const CGTGridRow* sub = iRow->GetSubRows().GetNext(position);
        if (iRows.count(sub) != 0 || HoldsAny(sub, iRows))
            return TRUE;
    }
    return FALSE;
}

}  // namespace

int CGTGridCtrl::AddRow(CGTGridRow* iRow, BOOL iRedraw)
{
    // A row is owned once: by this grid, or by the row it hangs under.
    if (iRow == nullptr || iRow->GetParent() != nullptr || m_RowSet.count(iRow) != 0 || HoldsAny(iRow, m_RowSet))
        return -1;
    iRow->SetOwnerList(this);
    const int id = (int)m_Rows.Add(iRow);
    m_RowSet.insert(iRow);
    iRow->SetRowId(id);
    MarkRowsChanged();
    if (iRedraw) {
        AdjustLayout();
        iRow->Redraw();
    }
    return id;
}

void CGTGridCtrl::RemoveAll()
{
    m_Anchor = m_Current = CGTGridItemId{-1, -1};
    SetCurSel(-1, -1, 0, FALSE);
    FreeGroupRows(0);
    for (INT_PTR i = 0; i < m_Rows.GetSize(); ++i)
        delete m_Rows[i];
    m_Rows.RemoveAll();
    m_RowSet.clear();
    m_ToolTip.Hide();
    m_Shown.RemoveAll();
    m_CurrentRow = nullptr;
    m_CurrentItem = nullptr;
    MarkRowsChanged();
    m_Cache.CleanUp();
}

CGTGridRow* CGTGridCtrl::GetRow(int iId) const
{
    if (iId < 0)
        return nullptr;
    if (m_VirtualMode)
        return ShownRowAt(iId);
    // After a layout an id is a shown position; before it, the id the row was added with.
    if (!m_RowsChanged && iId < m_Shown.GetSize())
        return m_Shown[iId]->GetRowId() == iId ? m_Shown[iId] : nullptr;
    if (!m_RowsChanged && !IsRowListShown())
        return nullptr;
    if (iId < m_Rows.GetSize() && m_Rows[iId]->GetRowId() == iId)
        return m_Rows[iId];
    for (INT_PTR i = 0; i < m_Rows.GetSize(); ++i) {
        if (m_Rows[i]->GetRowId() == iId)
            return m_Rows[i];
        if (CGTGridRow* sub = m_Rows[i]->FindSubRowById(iId))
            return sub;
    }
    return nullptr;
}

int CGTGridCtrl::GetRowCount(BOOL iShownOnly) const
{
    if (m_VirtualMode)
        return m_VirtualRows;
    if (!iShownOnly)
        return (int)(IsRowListShown() ? m_Rows.GetSize() : m_Shown.GetSize());
    if (IsSortingActive() && !IsGrouping())
        return (int)m_Shown.GetSize();
    int count = 0;
    for (INT_PTR i = 0; i < m_Shown.GetSize(); ++i)
        count += m_Shown[i]->IsParentExpanded();
    return count;
}

CGTGridRow* CGTGridCtrl::GetCurSelRow() const
{
    if (m_VirtualMode)
        return GetRow(m_Anchor.m_Row);
    if (m_CurrentRow != nullptr)
        return m_CurrentRow;
    return m_CurrentItem != nullptr ? m_CurrentItem->GetParentRow() : nullptr;
}

void CGTGridCtrl::SelectRow(CGTGridRow* iRow, BOOL iRedraw)
{
    if (iRow != nullptr)
        SetCurSel(iRow->GetRowId(), -1, GTGridSelectRow | GTGridSelectKeyboard | GTGridSelectNew, iRedraw);
    else
        SetCurSel(-1, -1, 0, iRedraw);
}

void CGTGridCtrl::CollectRows(CGTGridRow* iRow, CArray<CGTGridRow*, CGTGridRow*>& oRows) const
{
    if (iRow->IsGroup() && !iRow->HasValueField()) {
        iRow->SetRect(CRect(0, 0, 0, 0));
        return;
    }
    oRows.Add(iRow);
    for (POSITION position = iRow->GetSubRows().GetHeadPosition(); position != nullptr;)
        CollectRows(iRow->GetSubRows().GetNext(position), oRows);
}

void CGTGridCtrl::PositionRows()
{
    m_FirstVisible = -1;
    if (m_VirtualMode) {
        m_ToolTip.Hide();
        m_RowsChanged = FALSE;
        const int height = GetRowHeight();
        m_FirstVisible = height > 0 ? m_VertOffset / height : 0;
        m_Cache.ForEachRow([&](int iIndex, CGTGridRow* iRow) {
            PositionRow(iRow, height * iIndex - m_VertOffset + m_RowsArea.top - 1, iIndex);
        });
        return;
    }
    if (m_RowsChanged)
        RebuildShownList();
    m_ToolTip.Hide();
    const BOOL hideCollapsed = !IsSortingActive() || IsGrouping();
    int y = m_RowsArea.top - m_VertOffset - 1;
    for (int i = 0; i < m_Shown.GetSize(); ++i) {
        CGTGridRow* row = m_Shown[i];
        row->SetRowId(i);
        if (hideCollapsed && !row->IsParentExpanded()) {
            row->SetRect(CRect(0, 0, 0, 0));
            SetCellRects(row);
            continue;
        }
        PositionRow(row, y, i);
        y = row->GetRect().bottom;
        if (m_FirstVisible < 0 && y >= m_RowsArea.top)
            m_FirstVisible = i;
    }
}

void CGTGridCtrl::PositionRow(CGTGridRow* iRow, int iY, int iIndex)
{
    iRow->SetRowId(iIndex);
    const int left = m_RowsArea.left - (m_Printing ? 0 : m_HorzOffset);
    const int height = iRow->IsGroup() ? GetGroupRowHeight() : GetRowHeight();
    const int right = m_Printing ? std::min(left + TotalColumnSpan(), (int)m_RowsArea.right) : left + TotalColumnSpan();
    iRow->SetRect(CRect(left, iY, right, iY + height));
    SetCellRects(iRow);
}

void CGTGridCtrl::SetCellRects(CGTGridRow* iRow) const
{
    const CRect row = iRow->GetRect();
    CArray<CRect, const CRect&> cells;
    cells.SetSize(iRow->GetItemCount());
    if (row.Height() > 0 && !iRow->IsGroupCaption()) {
        int level = 0;
        for (const CGTGridRow* parent = iRow->GetParent(); parent != nullptr; parent = parent->GetParent())
            ++level;
        const int indent = GetGroupIndent() + GetRowHeight();
        int x = row.left;
        int position = 0;
        for (int column = m_Columns.GetNextColumn(position), first = TRUE; column >= 0;
             column = m_Columns.GetNextColumn(position), first = FALSE) {
            const int span = ColumnSpan(column, first);
            CRect cell(x, row.top, x + span, row.bottom);
            if (first)
                cell.left = std::min((int)cell.right, x + indent + level * GetRowHeight());
            if (column < cells.GetSize())
                cells[column] = cell;
            x += span;
        }
    }
    for (int i = 0; i < iRow->GetItemCount(); ++i)
        iRow->GetItem(i)->SetRect(cells[i]);
}

CGTGridRow* CGTGridCtrl::HitTestRow(CPoint iPoint, int& oColumn, CGTGridItem*& oItem, int& oArea) const
{
    oColumn = -1;
    oItem = nullptr;
    oArea = -1;
    if (!m_RowsArea.PtInRect(iPoint))
        return nullptr;
    if (m_VirtualMode) {
        CGTGridRow* row = ShownRowAt(HitTestVirtual(iPoint, oColumn, oArea));
        oItem = row != nullptr && oColumn >= 0 && oColumn < row->GetItemCount() ? row->GetItem(oColumn) : nullptr;
        if (row == nullptr)
            oColumn = oArea = -1;
        return row;
    }
    for (int i = std::max(m_FirstVisible, 0); i < m_Shown.GetSize(); ++i) {
        const CRect& rect = m_Shown[i]->GetRect();
        if (rect.IsRectEmpty())
            continue;
        if (rect.top > iPoint.y)
            break;
        if (CGTGridRow* row = m_Shown[i]->HitTest(iPoint, oColumn, oItem, oArea))
            return row;
    }
    return nullptr;
}
