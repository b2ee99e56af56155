// The mouse on the grid: selecting by click and drag, column resizing, column dragging to
// reorder, group, hide and show, the double click and the right button.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridColumnChooser.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTHeaderItemDragWnd.h>
#include <guitoolkit/core/GuiToolkitSeams.h>

namespace {

const UINT_PTR PressTimer = 1;
const UINT PressDelay = 200;
const int ResizeSlack = 3;
const int DragSelectDistance = 6;

BOOL IsLeftButtonDown()
{
    return CGTKeyState::Current().GetAsyncKeyState(VK_LBUTTON) < 0;
}

}  // namespace

BOOL CGTGridCtrl::IsPointerBusy() const
{
    return m_DragColumn >= 0 || m_ResizeColumn >= 0 || m_DragSelecting;
}

void CGTGridCtrl::ReleaseMouseCapture()
{
    if (GetCapture() == this)
        ::ReleaseCapture();
}

void CGTGridCtrl::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CWnd::OnLButtonDown(iFlags, iPoint);
    SetFocus();
    CRect box;
    const int groupColumn = HitTestGroupBox(iPoint.x, iPoint.y, &box);
    if (groupColumn >= 0) {
        m_DragPoint = iPoint;
        StartDragColumn(groupColumn, box, TRUE, FALSE);
        return;
    }
    if (StartResize(iPoint))
        return;
    const int column = HitTestColumn(iPoint.x, iPoint.y);
    if (column >= 0) {
        // Released where it was pressed, a dragged caption counts as a click (DropColumn).
        m_DragPoint = iPoint;
        if (!StartDragColumn(column, GetColumnRect(column), FALSE, FALSE))
            SortByHeaderClick(column);
        return;
    }
    if (m_RowsArea.PtInRect(iPoint))
        OnRowsPress(iFlags, iPoint);
}

BOOL CGTGridCtrl::StartResize(CPoint iPoint)
{
    if (!m_HeaderRect.PtInRect(iPoint) || !IsLeftButtonDown())
        return FALSE;
    int position = 0;
    for (int column = m_Columns.GetNextColumn(position); column >= 0; column = m_Columns.GetNextColumn(position)) {
        const CRect rect = GetColumnRect(column);
        if (abs(iPoint.x - rect.right) > ResizeSlack)
            continue;
        SetCapture();
        m_ResizeColumn = column;
        m_ResizeLeft =
            rect.left + (column == m_Columns.GetFirstVisibleColumn() ? GetGroupIndent() + GetRowHeight() : 0);
        m_ResizeWidth = m_Columns.GetColumnDefaultWidth(column);
        TrackResize(iPoint.x);
        return TRUE;
    }
    return FALSE;
}

void CGTGridCtrl::TrackResize(int iX)
{
    auto invert = [this](CDC& iDc, int iLineX) {
        iDc.PatBlt(iLineX, m_RowsArea.top, 1, m_RowsArea.Height(), DSTINVERT);
    };
    const BOOL live = m_LiveResize && !m_Columns.m_StretchMode;
    if (iX < 0) {
        if (m_TrackX >= 0 && !live) {
            CClientDC dc(this);
            invert(dc, m_ResizeLeft);
            invert(dc, m_TrackX);
        }
        m_TrackX = -1;
        return;
    }
    if (live) {
        m_Columns.SetColumnWidth(m_ResizeColumn, std::max(GetRowHeight(), iX - m_ResizeLeft));
        AdjustLayout();
        MoveInPlaceControl();
        m_TrackX = iX;
        return;
    }
    CClientDC dc(this);
    if (m_TrackX < 0)
        invert(dc, m_ResizeLeft);
    else
        invert(dc, m_TrackX);
    invert(dc, iX);
    m_TrackX = iX;
}

void CGTGridCtrl::EndResize(int iX, BOOL iApply)
{
    const int column = m_ResizeColumn;
    TrackResize(-1);
    m_ResizeColumn = -1;
    ReleaseMouseCapture();
    m_Columns.SetColumnWidth(column, iApply ? std::max(GetRowHeight(), iX - m_ResizeLeft) : m_ResizeWidth);
    if (m_InLayout)
        return;
    PositionRows();
    AdjustLayout();
}

void CGTGridCtrl::OnRowsPress(UINT iFlags, CPoint iPoint)
{
    int column, area;
    CGTGridItem* item;
    CGTGridRow* row = HitTestRow(iPoint, column, item, area);
    DWORD flags = GTGridSelectClick;
    if (m_SingleSelection)
        flags |= GTGridSelectNew;
    else if (iFlags & MK_CONTROL)
        flags |= GTGridSelectAdd;
    else if (iFlags & MK_SHIFT)
        flags |= GTGridSelectExtend;
    else
        flags |= GTGridSelectNew;
    int rowId = -1;
    if (row != nullptr) {
        rowId = row->GetRowId();
        if (column < 0 && area == GTGridHitRow)
            flags |= GTGridSelectRow;
    } else {
        // Below the rows: the column under the pointer.
        CPoint header(iPoint.x, m_HeaderRect.top);
        column = m_HeaderRect.IsRectEmpty() ? -1 : HitTestColumn(header.x, header.y);
        if (column >= 0)
            flags |= GTGridSelectColumn;
    }
    const BOOL onCurrentRow = row != nullptr && row == m_CurrentRow;
    HoldRedraw(TRUE);
    SetCurSel(rowId, column, flags, TRUE);
    HoldRedraw(FALSE);
    EnsureVisible(row);
    if (row != nullptr && area == GTGridHitExpandBox) {
        row->Expand(!row->IsExpanded());
    } else if (onCurrentRow && item != nullptr && IsEditable() && item->IsAllowEdit() && EditItem(row, &iPoint)) {
        item->ForwardMouseMessage(WM_LBUTTONDOWN, iFlags, iPoint);
        return;
    }
    StartPendingPress(iPoint);
}

void CGTGridCtrl::StartPendingPress(CPoint iPoint)
{
    SetTimer(PressTimer, PressDelay, nullptr);
    m_PressPending = TRUE;
    m_PressIsClick = TRUE;
    m_PressPoint = iPoint;
    m_DragSelecting = FALSE;
    SetCapture();
}

void CGTGridCtrl::CancelPendingPress()
{
    KillTimer(PressTimer);
    m_PressPending = FALSE;
    m_PressIsClick = FALSE;
    m_PressPoint = CPoint(-1, -1);
    m_DragSelecting = FALSE;
    ReleaseMouseCapture();
}

void CGTGridCtrl::ExtendDragSelection(CPoint iPoint)
{
    CPoint inside(std::max(m_RowsArea.left, std::min(iPoint.x, m_RowsArea.right - 1)),
                  std::max(m_RowsArea.top, std::min(iPoint.y, m_RowsArea.bottom - 1)));
    int column, area;
    CGTGridItem* item;
    CGTGridRow* row = HitTestRow(inside, column, item, area);
    if (row != nullptr && !(row->GetRowId() == m_Current.m_Row && column == m_Current.m_Column))
        SetCurSel(row->GetRowId(), m_WholeRowSelection ? -1 : column, GTGridSelectExtendLast, TRUE);
}

void CGTGridCtrl::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (m_DragColumn >= 0) {
        TrackDragColumn(iPoint);
        return;
    }
    if (m_ResizeColumn >= 0) {
        TrackResize(iPoint.x);
        return;
    }
    if (m_PressPending) {
        const CPoint moved = iPoint - m_PressPoint;
        if (!m_DragSelecting && m_PressPoint.x >= 0 &&
            (abs(moved.x) >= DragSelectDistance || abs(moved.y) >= DragSelectDistance)) {
            m_DragSelecting = TRUE;
            m_PressIsClick = FALSE;
            KillTimer(PressTimer);
            ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        }
        if (m_DragSelecting)
            ExtendDragSelection(iPoint);
        return;
    }
    CWnd::OnMouseMove(iFlags, iPoint);
}

void CGTGridCtrl::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (m_DragColumn >= 0) {
        StopDragColumn(iPoint);
        return;
    }
    if (m_ResizeColumn >= 0) {
        EndResize(iPoint.x, TRUE);
        return;
    }
    if (m_PressPending) {
        const BOOL click = m_PressIsClick && !m_DragSelecting;
        const CPoint press = m_PressPoint;
        CancelPendingPress();
        if (click)
            OnClickCurItem(press);
    }
    ReleaseMouseCapture();
    CWnd::OnLButtonUp(iFlags, iPoint);
}

BOOL CGTGridCtrl::OnClickCurItem(CPoint iPoint)
{
    if (m_CurrentRow == nullptr || m_CurrentItem == nullptr || m_CurrentRow->IsInEdit())
        return FALSE;
    if (IsEditable() && IsEditOnFirstClick() && m_CurrentItem->IsAllowEdit() && m_CurrentItem->IsEnabled() &&
        m_CurrentItem->HitTest(iPoint) != nullptr)
        return EditItem(m_CurrentRow, &iPoint);
    return m_CurrentRow->OnClickValue(iPoint, 0);
}

void CGTGridCtrl::OnRButtonDown(UINT iFlags, CPoint iPoint)
{
    if (IsPointerBusy())
        return;
    SetFocus();
    int column, area;
    CGTGridItem* item;
    CGTGridRow* row = HitTestRow(iPoint, column, item, area);
    if (row == nullptr)
        return;
    const BOOL selected = item != nullptr ? IsItemSelected(*item) : IsRowSelected(*row);
    if (!selected) {
        DWORD flags = GTGridSelectClick | GTGridSelectNew;
        if (!m_SingleSelection && (iFlags & MK_SHIFT))
            flags = GTGridSelectClick | GTGridSelectExtend;
        else if (!m_SingleSelection && (iFlags & MK_CONTROL))
            flags = GTGridSelectClick | GTGridSelectAdd;
        SetCurSel(row->GetRowId(), column, flags, TRUE);
    }
    EnsureVisible(row);
}

void CGTGridCtrl::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    CGTGridRow* row = m_CurrentRow;
    if (row == nullptr || !row->GetRect().PtInRect(iPoint))
        return;
    if (row->IsGroup()) {
        row->Expand(!row->IsExpanded());
    } else {
        if (IsEditable() && EditItem(row, &iPoint) && m_CurrentItem != nullptr) {
            m_CurrentItem->ForwardMouseMessage(WM_LBUTTONDOWN, iFlags, iPoint);
            m_CurrentItem->ForwardMouseMessage(WM_LBUTTONUP, iFlags, iPoint);
        }
        row->OnDblClk(iPoint);
    }
    if (CWnd* target = GetNotifyTarget()) {
        NMHDR header = {m_hWnd, (UINT_PTR)GetDlgCtrlID(), (UINT)NM_DBLCLK};
        target->SendMessage(WM_NOTIFY, GetDlgCtrlID(), (LPARAM)&header);
    }
}

BOOL CGTGridCtrl::OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage)
{
    if (iHitTest == HTCLIENT && iWnd == this) {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        int position = 0;
        for (int column = m_Columns.GetNextColumn(position); m_HeaderRect.PtInRect(point) && column >= 0;
             column = m_Columns.GetNextColumn(position))
            if (abs(point.x - GetColumnRect(column).right) <= ResizeSlack && s_SplitCursor != nullptr) {
                ::SetCursor(s_SplitCursor);
                return TRUE;
            }
        if (m_CurrentItem != nullptr && m_CurrentItem->GetRect().PtInRect(point) && m_CurrentItem->OnSetCursor())
            return TRUE;
    }
    return CWnd::OnSetCursor(iWnd, iHitTest, iMessage);
}

// --- Column drag --------------------------------------------------------------------------

BOOL CGTGridCtrl::StartDragColumn(int iColumn, CRect iRect, BOOL iFromGroupArea, BOOL iFromChooser)
{
    if (!IsLeftButtonDown() || !(m_HeaderFlags & GTGridHeaderDrag))
        return FALSE;
    m_DragColumn = iColumn;
    m_DragFromGroupArea = iFromGroupArea;
    m_DragFromChooser = iFromChooser;
    if (!iFromGroupArea && !iFromChooser)
        SetPressedColumn(iColumn);
    RedrawWindow(iRect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    m_DragRect = iRect;
    ClientToScreen(m_DragRect);
    SetCapture();
    return TRUE;
}

void CGTGridCtrl::TrackDragColumn(CPoint iPoint)
{
    if (m_DragWnd == nullptr) {
        if (iPoint == m_DragPoint)
            return;
        CRect image = m_DragRect;
        if (m_DragFromGroupArea || m_DragFromChooser) {
            CClientDC dc(this);
            CFont* oldFont = SelectPaintFont(&dc);
            const CSize text = dc.GetTextExtent(GetColumnName(m_DragColumn));
            dc.SelectObject(oldFont);
            int width = text.cx + 52;
            if (m_DragFromChooser && m_Chooser != nullptr && m_Chooser->GetList().GetSafeHwnd() != nullptr) {
                CRect list;
                m_Chooser->GetList().GetWindowRect(list);
                width = std::max((int)text.cx + 20, list.Width());
            }
            image.right = image.left + width;
            image.bottom = image.top + text.cy + 10;
        }
        m_DragWnd = new CGTHeaderItemDragWnd;
        // A failed creation has already deleted the window object.
        if (!m_DragWnd->Create(this, m_DragColumn, image)) {
            m_DragWnd = nullptr;
            return;
        }
        m_DragRect = image;
        m_DragWnd->ShowWindow(SW_SHOWNOACTIVATE);
    }
    const CPoint moved = iPoint - m_DragPoint;
    m_DragWnd->SetWindowPos(nullptr, m_DragRect.left + moved.x, m_DragRect.top + moved.y, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    BOOL allowed = FALSE;
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    CRect chooser;
    if (m_ChooserShown && m_Chooser != nullptr && m_Chooser->GetSafeHwnd() != nullptr) {
        m_Chooser->GetWindowRect(chooser);
        allowed = chooser.PtInRect(screen) && !m_DragFromChooser;
    }
    CPoint marker;
    if (!allowed && IsGroupDropEnabled() && HitTestGroupInsertPos(iPoint.x, iPoint.y, &marker) >= 0) {
        allowed = TRUE;
        ShowDropMarker(marker.x, marker.y);
    } else if (!allowed && m_HeaderRect.PtInRect(iPoint)) {
        allowed = TRUE;
        int position = 0;
        int x = m_HeaderRect.left;
        for (int column = m_Columns.GetNextColumn(position); column >= 0; column = m_Columns.GetNextColumn(position)) {
            const CRect rect = GetColumnRect(column);
            x = iPoint.x <= rect.CenterPoint().x ? rect.left : rect.right;
            if (iPoint.x <= rect.CenterPoint().x)
                break;
        }
        ShowDropMarker(x, m_HeaderRect.CenterPoint().y);
    } else if (m_DropWnd != nullptr) {
        m_DropWnd->ShowWindow(SW_HIDE);
    }
    if (allowed && chooser.PtInRect(screen) && m_DropWnd != nullptr)
        m_DropWnd->ShowWindow(SW_HIDE);
    ::SetCursor(allowed ? s_DragCursor : s_NoDropCursor);
}

void CGTGridCtrl::ShowDropMarker(int iX, int iY)
{
    if (m_DropWnd == nullptr) {
        m_DropWnd = new CGTHeaderItemDropWnd;
        if (!m_DropWnd->Create(GetHeaderHeight())) {
            delete m_DropWnd;
            m_DropWnd = nullptr;
            return;
        }
    }
    CRect marker;
    m_DropWnd->GetWindowRect(marker);
    CPoint centre(iX, iY);
    ClientToScreen(&centre);
    m_DropWnd->SetWindowPos(&wndTop, centre.x - marker.Width() / 2, centre.y - marker.Height() / 2, 0, 0,
                            SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CGTGridCtrl::StopDragColumn(CPoint iPoint)
{
    const int column = m_DragColumn;
    const BOOL fromGroupArea = m_DragFromGroupArea;
    const BOOL fromChooser = m_DragFromChooser;
    const BOOL moved = m_DragWnd != nullptr;
    if (m_DragWnd != nullptr)
        m_DragWnd->DestroyWindow();
    m_DragWnd = nullptr;
    if (m_DropWnd != nullptr)
        m_DropWnd->ShowWindow(SW_HIDE);
    SetPressedColumn(-1);
    if (GetSafeHwnd() != nullptr)
        InvalidateRect(m_HeaderRect);
    m_DragColumn = -1;
    m_DragFromGroupArea = m_DragFromChooser = FALSE;
    ReleaseMouseCapture();
    if (column < 0 || iPoint == CPoint(-1, -1))
        return;
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    CRect chooser(0, 0, 0, 0);
    if (m_ChooserShown && m_Chooser != nullptr && m_Chooser->GetSafeHwnd() != nullptr)
        m_Chooser->GetWindowRect(chooser);
    if (chooser.PtInRect(screen)) {
        if (fromGroupArea)
            m_Columns.RemoveGroupColumn(column);
        else if (!fromChooser)
            m_Columns.SetColumnVisible(column, FALSE);
        MarkRowsChanged();
        AdjustLayout();
        m_Chooser->UpdateList();
        return;
    }
    CPoint marker;
    const int groupPosition = IsGroupDropEnabled() ? HitTestGroupInsertPos(iPoint.x, iPoint.y, &marker) : -1;
    if (groupPosition >= 0) {
        if (!m_Columns.IsColumnVisible(column))
            m_Columns.SetColumnVisible(column, TRUE);
        InsertGroupColumn(groupPosition, column);
        SetCurSel(m_Anchor.m_Row, m_Anchor.m_Column, GTGridSelectKeyboard | GTGridSelectNew);
        AdjustLayout();
        if (m_Chooser != nullptr)
            m_Chooser->UpdateList();
        return;
    }
    if (!m_HeaderRect.PtInRect(iPoint)) {
        // A group box dragged out of the grouping area ungroups its column.
        if (fromGroupArea && m_Columns.RemoveGroupColumn(column)) {
            MarkRowsChanged();
            AdjustLayout();
        }
        return;
    }
    DropColumn(iPoint, column, fromGroupArea, fromChooser, moved);
}

void CGTGridCtrl::DropColumn(CPoint iPoint, int iColumn, BOOL iFromGroupArea, BOOL iFromChooser, BOOL iMoved)
{
    int target = 0;
    int position = 0;
    for (int column = m_Columns.GetNextColumn(position); column >= 0; column = m_Columns.GetNextColumn(position)) {
        if (iPoint.x <= GetColumnRect(column).CenterPoint().x)
            break;
        ++target;
    }
    if (iFromGroupArea) {
        m_Columns.RemoveGroupColumn(iColumn);
    } else if (!m_Columns.IsColumnVisible(iColumn)) {
        m_Columns.SetColumnVisible(iColumn, TRUE);
    } else {
        const int own = m_Columns.IndexToOrder(iColumn);
        // Released on its own place, or right beside it: a click on the caption.
        if (!iFromChooser && (target == own || target == own + 1 || !iMoved)) {
            SortByHeaderClick(iColumn);
            return;
        }
        if (target > own)
            --target;
    }
    m_Columns.ChangeColumnOrder(target, iColumn);
    MarkRowsChanged();
    AdjustLayout();
    if (m_Chooser != nullptr)
        m_Chooser->UpdateList();
}
