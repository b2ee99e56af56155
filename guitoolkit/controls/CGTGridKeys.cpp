// The keyboard on the grid, in-place editing, the message filter, focus and cell tooltips.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/controls/CGTGridColumnChooser.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <afxctrls.h>
#include <windowsx.h>

namespace {

BOOL IsDown(int iKey)
{
    return CGTKeyState::Current().IsDown(iKey);
}

}  // namespace

// --- Editing ------------------------------------------------------------------------------

BOOL CGTGridCtrl::EditItem(CGTGridRow* iRow, LPPOINT iPoint)
{
    CGTGridRow* editing = m_CurrentItem != nullptr ? m_CurrentItem->GetParentRow() : m_CurrentRow;
    if (editing != nullptr && editing != iRow && editing->IsInEdit() && !EndEditItem(TRUE))
        return FALSE;
    if (iRow == nullptr || !IsEditable() || iRow->IsGroupCaption() || (iRow->IsGroup() && !iRow->HasValueField()))
        return FALSE;
    if (!iRow->OnEdit(iPoint))
        return FALSE;
    iRow->Redraw();
    SetCapture();
    return TRUE;
}

BOOL CGTGridCtrl::EndEditItem(BOOL iStore)
{
    CGTGridRow* row = m_CurrentItem != nullptr ? m_CurrentItem->GetParentRow() : m_CurrentRow;
    if (row == nullptr || !row->IsInEdit())
        return TRUE;
    if (iStore && !row->OnUpdateValue())
        return FALSE;
    row->OnEndEdit();
    ReleaseMouseCapture();
    row->Redraw();
    return TRUE;
}

void CGTGridCtrl::SetEditFocus()
{
    if (m_CurrentItem != nullptr && m_CurrentItem->GetInPlaceWnd() != nullptr)
        m_CurrentItem->GetInPlaceWnd()->SetFocus();
}

void CGTGridCtrl::SetCurItemCheck(int iState)
{
    if (m_CurrentItem == nullptr || m_CurrentItem->GetValue().vt != VT_BOOL)
        return;
    const VARIANT_BOOL value = iState != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    if (m_CurrentItem->GetValue().boolVal == value)
        return;
    VARIANT changed;
    changed.vt = VT_BOOL;
    changed.boolVal = value;
    m_CurrentItem->SetValue(changed);
    int row, column;
    m_CurrentItem->GetItemId(row, column);
    m_CurrentItem->GetParentRow()->OnItemChanged(m_CurrentItem, row, column);
    if (CWnd* editor = m_CurrentItem->GetInPlaceWnd()) {
        editor->SetWindowText(m_CurrentItem->FormatItem());
        editor->RedrawWindow();
    }
}

BOOL CGTGridCtrl::OnEditClipboardKey(UINT iKey)
{
    CWnd* editor = m_CurrentItem != nullptr ? m_CurrentItem->GetInPlaceWnd() : nullptr;
    if (editor == nullptr)
        return FALSE;
    const BOOL ctrl = IsDown(VK_CONTROL);
    const BOOL shift = IsDown(VK_SHIFT);
    UINT message = 0;
    if ((ctrl && iKey == 'C') || (ctrl && iKey == VK_INSERT))
        message = WM_COPY;
    else if ((ctrl && iKey == 'V') || (shift && iKey == VK_INSERT))
        message = WM_PASTE;
    else if ((ctrl && iKey == 'X') || (shift && iKey == VK_DELETE))
        message = WM_CUT;
    if (message == 0)
        return FALSE;
    editor->SendMessage(message);
    return TRUE;
}

// --- Keys ---------------------------------------------------------------------------------

BOOL CGTGridCtrl::ToggleGroupRow(CGTGridRow* iRow, int iExpand)
{
    if (iRow == nullptr || !iRow->IsGroup() || iRow->IsInEdit())
        return FALSE;
    if (IsSortingActive() && !iRow->IsGroupCaption())
        return FALSE;
    const BOOL expand = iExpand < 0 ? !iRow->IsExpanded() : iExpand;
    if (expand == iRow->IsExpanded())
        return FALSE;
    iRow->Expand(expand);
    return TRUE;
}

CGTGridRow* CGTGridCtrl::RowNextTo(CGTGridRow* iRow, BOOL iBelow) const
{
    const int step = iBelow ? 1 : -1;
    for (int id = iRow->GetRowId() + step; id >= 0 && id < ShownRowCount(); id += step) {
        CGTGridRow* row = ShownRowAt(id);
        if (row != nullptr && !row->GetRect().IsRectEmpty())
            return row;
    }
    return nullptr;
}

void CGTGridCtrl::MoveCurrentTo(CGTGridRow* iRow, int iColumn, BOOL iExtend)
{
    if (iRow == nullptr)
        return;
    const DWORD flags = GTGridSelectKeyboard | (iExtend && !m_SingleSelection ? GTGridSelectExtend : GTGridSelectNew);
    SetCurSel(iRow->GetRowId(), m_WholeRowSelection ? -1 : iColumn, flags, TRUE);
    EnsureVisible(iRow);
}

void CGTGridCtrl::OnPageKey(BOOL iDown, BOOL iExtend)
{
    CGTGridRow* row = GetRow(m_Current.m_Row);
    if (row == nullptr) {
        SetCurSel(0, m_WholeRowSelection ? -1 : 0, GTGridSelectKeyboard | GTGridSelectNew, TRUE);
        SetVertOffset(0);
        return;
    }
    CGTGridRow* target = row;
    int distance = 0;
    for (CGTGridRow* next = RowNextTo(row, iDown); next != nullptr && distance < m_RowsArea.Height();
         next = RowNextTo(next, iDown)) {
        target = next;
        distance += next->GetRect().Height();
    }
    MoveCurrentTo(target, m_Current.m_Column, iExtend);
}

void CGTGridCtrl::OnHomeEndKey(BOOL iEnd, BOOL iExtend)
{
    // Scrolled first, so that a virtual grid builds the rows of that end only.
    SetVertOffset(iEnd ? m_VertTotal : 0);
    CGTGridRow* target = nullptr;
    const int count = ShownRowCount();
    for (int i = 0; i < count && target == nullptr; ++i) {
        CGTGridRow* row = ShownRowAt(iEnd ? count - 1 - i : i);
        if (row != nullptr && !row->GetRect().IsRectEmpty())
            target = row;
    }
    MoveCurrentTo(target, m_Current.m_Column, iExtend);
}

void CGTGridCtrl::OnLeftRightKey(BOOL iRight, BOOL iExtend, BOOL iCtrl)
{
    if (iCtrl)
        return;
    CGTGridRow* row = GetRow(m_Current.m_Row);
    if (row != nullptr && row->IsGroup() && ToggleGroupRow(row, iRight))
        return;
    int next = -1;
    if (!m_WholeRowSelection && row != nullptr) {
        const int order = m_Columns.IndexToOrder(m_Current.m_Column);
        next = m_Columns.OrderToIndex(order + (iRight ? 1 : -1));
        if (order < 0)
            next = -1;
    }
    if (next < 0) {
        SetHorzOffset(iRight ? m_HorzTotal : 0);
        return;
    }
    MoveCurrentTo(row, next, iExtend);
}

void CGTGridCtrl::OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags)
{
    if (iChar == VK_ESCAPE)
        CancelPointerStates();
    if (IsPointerBusy())
        return;
    if (ShownRowCount() == 0 && m_Rows.IsEmpty()) {
        CWnd::OnKeyDown(iChar, iRepeat, iFlags);
        return;
    }
    const BOOL shift = IsDown(VK_SHIFT);
    const BOOL ctrl = IsDown(VK_CONTROL);
    CGTGridRow* row = GetRow(m_Current.m_Row);
    switch (iChar) {
    case VK_RETURN:
        ToggleGroupRow(row, -1);
        return;
    case VK_SPACE:
        if (m_WholeRowSelection || m_SingleSelection || (!shift && !ctrl))
            break;
        if (shift && ctrl)
            SetCurSel(m_Current.m_Row, m_Current.m_Column, GTGridSelectAll, TRUE);
        else
            SetCurSel(m_Current.m_Row, m_Current.m_Column,
                      GTGridSelectExtend | GTGridSelectKeyboard | (shift ? GTGridSelectRow : GTGridSelectColumn), TRUE);
        return;
    case VK_PRIOR:
    case VK_NEXT:
        OnPageKey(iChar == VK_NEXT, shift);
        return;
    case VK_HOME:
    case VK_END:
        OnHomeEndKey(iChar == VK_END, shift);
        return;
    case VK_LEFT:
    case VK_RIGHT:
        OnLeftRightKey(iChar == VK_RIGHT, shift, ctrl);
        return;
    case VK_UP:
    case VK_DOWN:
        if (row != nullptr)
            MoveCurrentTo(RowNextTo(row, iChar == VK_DOWN), m_Current.m_Column, shift);
        return;
    case 'A':
        if (!ctrl)
            break;
        SetCurSel(m_Current.m_Row, m_Current.m_Column, GTGridSelectAll, TRUE);
        return;
    case VK_ADD:
    case VK_SUBTRACT:
        ToggleGroupRow(row, iChar == VK_ADD);
        return;
    case VK_F2:
    case VK_F4:
        if (row != nullptr && EditItem(row) && iChar == VK_F4 && m_CurrentItem != nullptr && m_CurrentItem->HasButton())
            m_CurrentItem->DoClickButton(CPoint(-1, -1));
        return;
    default:
        break;
    }
    CWnd::OnKeyDown(iChar, iRepeat, iFlags);
}

void CGTGridCtrl::OnChar(UINT iChar, UINT iRepeat, UINT iFlags)
{
    if (IsPointerBusy() || iChar == VK_ESCAPE)
        return;
    CGTGridRow* row = GetRow(m_Current.m_Row);
    if (row != nullptr && IsEditable() && EditItem(row)) {
        row->PushChar(iChar);
        return;
    }
    CWnd::OnChar(iChar, iRepeat, iFlags);
}

BOOL CGTGridCtrl::PreTranslateMessage(MSG* iMessage)
{
    const UINT message = iMessage->message;
    if ((message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) || message == WM_KEYDOWN ||
        message == WM_SYSKEYDOWN)
        m_ToolTip.Hide();
    CGTGridRow* row = GetRow(m_Current.m_Row);
    const BOOL dropKey = (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
        (iMessage->wParam == VK_DOWN || iMessage->wParam == VK_RIGHT) && IsDown(VK_MENU);
    if (dropKey && row != nullptr && IsEditable() && m_CurrentItem != nullptr && m_CurrentItem->HasButton()) {
        if (row->IsInEdit() || EditItem(row))
            m_CurrentItem->DoClickButton(CPoint(-1, -1));
        return TRUE;
    }
    CWnd* editor = m_CurrentItem != nullptr ? m_CurrentItem->GetInPlaceWnd() : nullptr;
    if (editor != nullptr) {
        if (message == WM_KEYDOWN && iMessage->wParam == VK_RETURN) {
            CComboBox* combo = m_CurrentItem->GetComboWnd();
            if (combo != nullptr && combo->GetDroppedState())
                m_CurrentItem->OnSelectCombo();
            if (!EndEditItem(TRUE))
                CGTBeeper::Current().Beep(MB_OK);
            else
                SetFocus();
            return TRUE;
        }
        if (message == WM_KEYDOWN && iMessage->wParam == VK_ESCAPE) {
            EndEditItem(FALSE);
            SetFocus();
            return TRUE;
        }
        if (message == WM_KEYDOWN && OnEditClipboardKey((UINT)iMessage->wParam))
            return TRUE;
        const BOOL press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        const HWND combo = m_CurrentItem->GetComboWnd() != nullptr ? m_CurrentItem->GetComboWnd()->m_hWnd : nullptr;
        const HWND spin =
            m_CurrentItem->GetSpinWnd() != nullptr ? ((CWnd*)m_CurrentItem->GetSpinWnd())->m_hWnd : nullptr;
        if (press && iMessage->hwnd != editor->m_hWnd && iMessage->hwnd != combo && iMessage->hwnd != spin) {
            CPoint point(GET_X_LPARAM(iMessage->lParam), GET_Y_LPARAM(iMessage->lParam));
            ::MapWindowPoints(iMessage->hwnd, m_hWnd, &point, 1);
            if (!m_CurrentItem->GetRect().PtInRect(point))
                EndEditItem(TRUE);
        }
    }
    if (message == WM_MOUSEMOVE && iMessage->hwnd == m_hWnd)
        TrackToolTip(CPoint(GET_X_LPARAM(iMessage->lParam), GET_Y_LPARAM(iMessage->lParam)));
    return CWnd::PreTranslateMessage(iMessage);
}

// --- Focus and tooltips -------------------------------------------------------------------

void CGTGridCtrl::OnSetFocus(CWnd* iOldFocus)
{
    CWnd::OnSetFocus(iOldFocus);
    m_Focused = TRUE;
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;)
        InvalidateRowsOf(m_Selection.GetNext(position));
    if (m_CurrentRow != nullptr)
        m_CurrentRow->Redraw();
    else if (!m_RedrawHeld)
        UpdateWindow();
}

void CGTGridCtrl::OnKillFocus(CWnd* iNewFocus)
{
    CWnd::OnKillFocus(iNewFocus);
    if (iNewFocus != nullptr &&
        (IsChild(iNewFocus) || (m_Chooser != nullptr && iNewFocus == m_Chooser) || iNewFocus == GetParent()))
        return;
    if (m_CurrentRow != nullptr && !m_CurrentRow->OnKillFocus(iNewFocus))
        return;
    EndEditItem(FALSE);
    m_Focused = FALSE;
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;)
        InvalidateRowsOf(m_Selection.GetNext(position));
    if (m_CurrentRow != nullptr)
        m_CurrentRow->Redraw();
}

void CGTGridCtrl::TrackToolTip(CPoint iPoint)
{
    if (IsPointerBusy() || m_PressPending || CGTActivePopupMenu::Get() != nullptr)
        return;
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    if (m_ToolTip.GetSafeHwnd() != nullptr && m_ToolTip.IsWindowVisible()) {
        CRect shown;
        m_ToolTip.GetWindowRect(shown);
        if (shown.PtInRect(screen))
            return;
    }
    ReleaseMouseCapture();
    if (!m_CellTooltips) {
        m_ToolTip.Hide();
        return;
    }
    int column, area;
    CGTGridItem* item;
    CGTGridRow* row = HitTestRow(iPoint, column, item, area);
    CString text;
    CRect place(0, 0, 0, 0);
    if (row != nullptr && row->IsGroupCaption() && area != GTGridHitExpandBox) {
        CClientDC dc(this);
        CFont* oldFont = dc.SelectObject(&m_BoldFont);
        place = row->GetRect();
        place.left += row->GetHierarchyLevel() * GetRowHeight() + GetRowHeight();
        if (GetGroupRowText(row, text) && dc.GetTextExtent(text).cx + 6 <= place.Width())
            text.Empty();
        dc.SelectObject(oldFont);
    } else if (item != nullptr && !item->IsInEdit()) {
        text = item->GetValueTooltip();
        place = item->GetRect();
    }
    if (text.IsEmpty()) {
        m_ToolTip.Hide();
        return;
    }
    ClientToScreen(place);
    m_ToolTip.SendMessage(WM_SETFONT, (WPARAM)SendMessage(WM_GETFONT), FALSE);
    m_ToolTip.Track(place, text);
}

// --- Rows that open and close, the chooser ------------------------------------------------

void CGTGridCtrl::OnRowExpanded(CGTGridRow*)
{
    AdjustLayout();
}

void CGTGridCtrl::ShowColumnChooser(BOOL iShow)
{
    if (!iShow) {
        if (m_Chooser != nullptr && m_Chooser->GetSafeHwnd() != nullptr)
            m_Chooser->ShowWindow(SW_HIDE);
        m_ChooserShown = FALSE;
        return;
    }
    if (GetSafeHwnd() == nullptr)
        return;
    if (m_Chooser == nullptr) {
        if (m_ChooserRect.IsRectEmpty()) {
            CRect window;
            GetWindowRect(window);
            m_ChooserRect = CRect(window.right - 100, window.top + 50, window.right, window.top + 150);
        }
        // A failed creation deletes the chooser, which clears m_Chooser on its way out.
        m_Chooser = new CGTGridColumnChooser;
        if (!m_Chooser->Create(this, m_ChooserRect, this))
            return;
    }
    m_Chooser->ShowWindow(SW_SHOWNOACTIVATE);
    m_ChooserShown = TRUE;
}
