// The selection: anchor, current cell and ranges, the one entry that changes them
// (SetCurSel), the notifications, and bringing a row into view.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>

void CGTGridRange::Normalize()
{
    if (m_Left > m_Right)
        std::swap(m_Left, m_Right);
    if (m_Top > m_Bottom)
        std::swap(m_Top, m_Bottom);
}

BOOL CGTGridCtrl::RangeCoversColumn(const CGTGridRange& iRange, int iColumn) const
{
    const int here = m_Columns.IndexToOrder(iColumn);
    const int left = m_Columns.IndexToOrder(iRange.m_Left);
    const int right = m_Columns.IndexToOrder(iRange.m_Right);
    if (here < 0 || left < 0 || right < 0)
        return FALSE;
    return here >= std::min(left, right) && here <= std::max(left, right);
}

BOOL CGTGridCtrl::IsColumnSelected(int iColumn) const
{
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;)
        if (RangeCoversColumn(m_Selection.GetNext(position), iColumn))
            return TRUE;
    return FALSE;
}

BOOL CGTGridCtrl::IsItemSelected(const CGTGridItem& iItem) const
{
    int row, column;
    iItem.GetItemId(row, column);
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;) {
        const CGTGridRange& range = m_Selection.GetNext(position);
        if (row >= range.m_Top && row <= range.m_Bottom && (m_WholeRowSelection || RangeCoversColumn(range, column)))
            return TRUE;
    }
    return FALSE;
}

BOOL CGTGridCtrl::IsRowSelected(const CGTGridRow& iRow) const
{
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;) {
        const CGTGridRange& range = m_Selection.GetNext(position);
        if (iRow.GetRowId() >= range.m_Top && iRow.GetRowId() <= range.m_Bottom)
            return TRUE;
    }
    return FALSE;
}

void CGTGridCtrl::AddSelectionRange(const CGTGridRange& iRange)
{
    m_Selection.AddTail(iRange);
}

void CGTGridCtrl::SetCurrentItem(CGTGridRow* iRow, CGTGridItem* iItem)
{
    m_CurrentRow = iRow;
    m_CurrentItem = iItem;
}

CGTGridItem* CGTGridCtrl::ItemAt(const CGTGridItemId& iId) const
{
    CGTGridRow* row = GetRow(iId.m_Row);
    if (row == nullptr || iId.m_Column < 0 || iId.m_Column >= row->GetItemCount())
        return nullptr;
    return row->GetItem(iId.m_Column);
}

CGTGridRange CGTGridCtrl::RangeOf(int iRow, int iColumn, DWORD iFlags) const
{
    CGTGridRange range = {iColumn, iRow, iColumn, iRow};
    if ((iFlags & GTGridSelectRow) || iColumn == -1) {
        range.m_Left = m_Columns.GetFirstVisibleColumn();
        range.m_Right = m_Columns.GetLastVisibleColumn();
    }
    if ((iFlags & GTGridSelectColumn) || iRow == -1) {
        range.m_Top = 0;
        range.m_Bottom = ShownRowCount() - 1;
    }
    return range;
}

CGTGridRange CGTGridCtrl::RangeBetween(const CGTGridItemId& iFrom, const CGTGridItemId& iTo, DWORD iFlags) const
{
    if (iFrom.IsNull())
        return RangeOf(iTo.m_Row, iTo.m_Column, iFlags);
    const CGTGridRange from = RangeOf(iFrom.m_Row, iFrom.m_Column, iFlags);
    const CGTGridRange to = RangeOf(iTo.m_Row, iTo.m_Column, iFlags);
    // Columns stay as given: a range covers the columns between them in display order.
    CGTGridRange range = {from.m_Left, std::min(from.m_Top, to.m_Top), to.m_Right,
                          std::max(from.m_Bottom, to.m_Bottom)};
    if (from.m_Left != from.m_Right || to.m_Left != to.m_Right) {
        range.m_Left = m_Columns.GetFirstVisibleColumn();
        range.m_Right = m_Columns.GetLastVisibleColumn();
    }
    return range;
}

void CGTGridCtrl::SelectRange(const CGTGridRange& iRange, BOOL iSelect, BOOL iRedraw)
{
    OnSelChanging(iRange, iSelect);
    if (iRedraw)
        InvalidateRowsOf(iRange);
    OnSelChanged(iRange, iSelect);
}

void CGTGridCtrl::InvalidateRowsOf(const CGTGridRange& iRange)
{
    if (GetSafeHwnd() == nullptr)
        return;
    const int first = std::max(iRange.m_Top, std::max(m_FirstVisible, 0));
    for (int id = first; id <= iRange.m_Bottom && id < ShownRowCount(); ++id) {
        CGTGridRow* row = ShownRowAt(id);
        if (row == nullptr)
            continue;
        CRect rect = row->GetRect();
        if (rect.top > m_RowsArea.bottom)
            break;
        rect.InflateRect(1, 1);
        InvalidateRect(rect);
    }
}

void CGTGridCtrl::ClearRanges(BOOL iRedraw)
{
    while (!m_Selection.IsEmpty()) {
        const CGTGridRange range = m_Selection.RemoveHead();
        SelectRange(range, FALSE, iRedraw);
    }
}

void CGTGridCtrl::LookUpCurrent()
{
    // A virtual row may leave the cache: nothing keeps a pointer to one.
    if (m_VirtualMode) {
        m_CurrentRow = nullptr;
        m_CurrentItem = nullptr;
        return;
    }
    m_CurrentRow = GetRow(m_Anchor.m_Row);
    m_CurrentItem = ItemAt(m_Anchor);
}

BOOL CGTGridCtrl::SetCurSel(int iRow, int iColumn, DWORD iFlags, BOOL iRedraw)
{
    const CGTGridItemId cell = {iRow, iColumn};
    if (cell == m_Current && iFlags != 0 && (iFlags & 0x46F) == 0)
        return FALSE;
    // Ids that name no shown row and no column change nothing.
    if (iRow < -1 || iColumn < -1 || iColumn >= GetColumnCount() || (iRow >= 0 && GetRow(iRow) == nullptr))
        return FALSE;
    if (m_CurrentItem != nullptr && m_CurrentItem->GetInPlaceWnd() != nullptr)
        EndEditItem(FALSE);
    if (GetColumnCount() == 0 || ShownRowCount() == 0)
        iFlags = 0;
    const CRect oldRect = m_SelectionRect;
    CGTGridItem* oldItem = m_CurrentItem;
    CGTGridRow* oldRow = m_CurrentRow;

    if (iFlags & GTGridSelectAll) {
        if (m_Anchor.IsNull())
            m_Anchor = cell;
        m_Current = cell;
        ClearRanges(iRedraw);
        m_Selection.AddTail(
            CGTGridRange{m_Columns.GetFirstVisibleColumn(), 0, m_Columns.GetLastVisibleColumn(), ShownRowCount() - 1});
    } else if ((iRow < 0 && iColumn < 0) || iFlags == 0) {
        m_Anchor = m_Current = CGTGridItemId{-1, -1};
        ClearRanges(iRedraw);
    } else if (iFlags & GTGridSelectAnchorInRange) {
        for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;) {
            const CGTGridRange& range = m_Selection.GetNext(position);
            if (iRow >= range.m_Top && iRow <= range.m_Bottom &&
                (m_WholeRowSelection || RangeCoversColumn(range, iColumn)))
                m_Anchor = cell;
        }
    } else if (!(iFlags & (GTGridSelectKeyboard | GTGridSelectClick))) {
        if (!(iFlags & GTGridSelectExtendLast) || m_Selection.IsEmpty())
            return FALSE;
        m_Selection.GetTail() = RangeBetween(m_Anchor, cell, iFlags);
        m_Current = cell;
    } else if (iFlags & GTGridSelectNew) {
        ClearRanges(iRedraw);
        m_Selection.AddTail(RangeOf(iRow, iColumn, iFlags));
        m_Anchor = m_Current = cell;
    } else if (iFlags & GTGridSelectExtend) {
        if (m_Selection.IsEmpty())
            m_Selection.AddTail(RangeOf(iRow, iColumn, iFlags));
        else
            m_Selection.GetTail() = RangeBetween(m_Anchor, cell, iFlags);
        if (m_Anchor.IsNull())
            m_Anchor = cell;
        m_Current = cell;
    } else if (iFlags & GTGridSelectAdd) {
        m_Selection.AddTail(RangeOf(iRow, iColumn, iFlags));
        m_Anchor = m_Current = cell;
    } else {
        return FALSE;
    }

    if (m_WholeRowSelection)
        for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;) {
            CGTGridRange& range = m_Selection.GetNext(position);
            range.m_Left = m_Columns.GetFirstVisibleColumn();
            range.m_Right = m_Columns.GetLastVisibleColumn();
        }
    LookUpCurrent();
    m_SelectionRect = GetSelectionRect();
    const BOOL window = GetSafeHwnd() != nullptr;
    if (iRedraw && window) {
        InvalidateRect(oldRect.IsRectEmpty() ? nullptr : &oldRect);
        InvalidateRect(m_SelectionRect.IsRectEmpty() ? nullptr : &m_SelectionRect);
    }
    if (m_WholeRowSelection && m_SingleSelection) {
        OnChangeSelection(m_CurrentItem, oldItem);
        if (window && oldRow != nullptr)
            InvalidateRect(oldRow->GetRect());
        if (window && m_CurrentRow != nullptr)
            InvalidateRect(m_CurrentRow->GetRect());
    }
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;)
        SelectRange(m_Selection.GetNext(position), TRUE, iRedraw);
    if (iRedraw && window && !m_RedrawHeld)
        UpdateWindow();
    return TRUE;
}

void CGTGridCtrl::OnChangeSelection(CGTGridItem*, CGTGridItem*) {}

void CGTGridCtrl::NotifySelection(UINT iCode, const CGTGridRange& iRange, BOOL iSelect)
{
    CWnd* target = GetSafeHwnd() != nullptr ? GetNotifyTarget() : nullptr;
    if (target == nullptr)
        return;
    CGTGridSelectionNotify notify = {{m_hWnd, (UINT_PTR)GetDlgCtrlID(), iCode}, iRange, iSelect};
    target->SendMessage(WM_NOTIFY, GetDlgCtrlID(), (LPARAM)&notify);
}

void CGTGridCtrl::OnSelChanging(const CGTGridRange& iRange, BOOL iSelect)
{
    NotifySelection(GTGridSelChanging, iRange, iSelect);
}

void CGTGridCtrl::OnSelChanged(const CGTGridRange& iRange, BOOL iSelect)
{
    NotifySelection(GTGridSelChanged, iRange, iSelect);
    if (GetSafeHwnd() != nullptr)
        InvalidateRect(m_HeaderRect);
}

CRect CGTGridCtrl::GetSelectionRect()
{
    CRect bounds(0, 0, 0, 0);
    // A virtual grid builds only the rows on screen, not every row of a large range.
    int first = 0;
    int last = ShownRowCount() - 1;
    if (m_VirtualMode && GetRowHeight() > 0) {
        first = m_VertOffset / GetRowHeight();
        last = std::min(last, (m_VertOffset + m_RowsArea.Height()) / GetRowHeight() + 1);
    }
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;) {
        const CGTGridRange& range = m_Selection.GetNext(position);
        for (int id = std::max(range.m_Top, first); id <= std::min(range.m_Bottom, last); ++id) {
            CGTGridRow* row = GetRow(id);
            if (row == nullptr)
                continue;
            CRect left = ItemAt({id, range.m_Left}) != nullptr ? ItemAt({id, range.m_Left})->GetRect() : row->GetRect();
            CRect right =
                ItemAt({id, range.m_Right}) != nullptr ? ItemAt({id, range.m_Right})->GetRect() : row->GetRect();
            left.NormalizeRect();
            right.NormalizeRect();
            CRect both;
            both.UnionRect(left, right);
            if (both.IsRectEmpty())
                continue;
            if (bounds.IsRectEmpty())
                bounds = both;
            else
                bounds.UnionRect(bounds, both);
        }
    }
    return bounds;
}

void CGTGridCtrl::EnsureVisible(CGTGridRow* iRow, BOOL iExpandParents)
{
    if (iRow == nullptr || iRow->GetOwnerList() != this || m_RowHeight == 0)
        return;
    if (iExpandParents && IsRowListShown()) {
        for (CGTGridRow* parent = iRow->GetParent(); parent != nullptr; parent = parent->GetParent())
            if (!parent->IsExpanded())
                parent->Expand(TRUE);
    }
    const CRect rect = iRow->GetRect();
    if (rect.IsRectEmpty())
        return;
    if (rect.top < m_RowsArea.top - 1)
        SetVertOffset(m_VertOffset - (m_RowsArea.top - 1 - rect.top));
    else if (rect.bottom > m_RowsArea.bottom)
        SetVertOffset(m_VertOffset + rect.bottom - m_RowsArea.bottom);
    CGTGridItemId cell = m_Current;
    if (cell.IsNull() && !m_WholeRowSelection)
        cell = m_Anchor;
    CGTGridItem* item = ItemAt(cell);
    if (item == nullptr || item->GetParentRow() != iRow)
        return;
    const CRect area = item->GetRect();
    if (area.left < m_RowsArea.left)
        SetHorzOffset(m_HorzOffset - (m_RowsArea.left - area.left));
    else if (area.right > m_RowsArea.right)
        SetHorzOffset(m_HorzOffset + std::min(area.right - m_RowsArea.right, area.left - m_RowsArea.left));
}
