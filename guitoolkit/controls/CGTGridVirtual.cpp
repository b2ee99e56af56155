// Virtual mode: the grid holds no rows of its own but asks for the ones it shows, through
// a data callback or WM_NOTIFY to its owner, and keeps them in its page cache.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <climits>

BOOL CGTGridCtrl::SetVirtualMode(BOOL iOn, int iRows)
{
    if (iOn && (iRows < 0 || iRows > INT_MAX / std::max(GetRowHeight(), 1)))
        return FALSE;
    RemoveAll();
    m_VirtualMode = iOn;
    m_VirtualRows = iOn ? iRows : 0;
    // A virtual grid shows its rows in the owner's order: it never groups.
    if (iOn)
        m_Columns.SetGroupColumns(CList<int, int>());
    m_VertOffset = 0;
    AdjustLayout();
    return TRUE;
}

void CGTGridCtrl::SetVirtualDataCallback(GTGridVirtualDataCallback iCallback, DWORD_PTR iUserValue)
{
    m_VirtualCallback = iCallback;
    m_VirtualUserValue = iUserValue;
}

BOOL CGTGridCtrl::GetVirtualRowInfo(CGTGridVirtualRequest* ioRequest)
{
    const HRESULT cleared = ::VariantClear(&ioRequest->m_Value);
    if (FAILED(cleared))
        AfxThrowOleException(cleared);
    ioRequest->m_Number = -1;
    ioRequest->m_UserData = 0;
    ioRequest->m_Background = m_Theme.m_Background;
    ioRequest->m_Text = m_Theme.m_Text;
    memset(ioRequest->m_Answer, 0, sizeof(ioRequest->m_Answer));
    if (m_VirtualCallback != nullptr)
        return m_VirtualCallback(ioRequest, m_VirtualUserValue);
    CWnd* owner = GetNotifyTarget();
    if (owner == nullptr)
        return FALSE;
    ioRequest->m_Header = {GetSafeHwnd(), (UINT_PTR)GetDlgCtrlID(), GTGridGetVirtualData};
    return (BOOL)owner->SendMessage(WM_NOTIFY, GetDlgCtrlID(), (LPARAM)ioRequest);
}

CGTGridRow* CGTGridCtrl::GetVirtualRow(int iId)
{
    if (iId < 0)
        return nullptr;
    m_Request.m_Row = iId;
    m_Request.m_Column = -1;
    if (!GetVirtualRowInfo(&m_Request))
        return nullptr;
    CGTGridRow* row = CreateVirtualRow(&m_Request);
    if (row == nullptr)
        return nullptr;
    for (int column = 0; column < GetColumnCount(); ++column) {
        m_Request.m_Row = iId;
        m_Request.m_Column = column;
        if (!GetVirtualRowInfo(&m_Request))
            break;
        CGTGridItem* item = CreateVirtualItem(row, &m_Request);
        if (item == nullptr)
            break;
        row->AddItem(item);
    }
    PositionRow(row, GetRowHeight() * iId - m_VertOffset + m_RowsArea.top - 1, iId);
    return row;
}

CGTGridRow* CGTGridCtrl::CreateVirtualRow(CGTGridVirtualRequest* iRequest)
{
    CGTGridRow* row = CreateRowObject();
    if (row == nullptr)
        return nullptr;
    row->SetOwnerList(this);
    row->SetRowId(iRequest->m_Row);
    row->SetData(iRequest->m_UserData);
    return row;
}

CGTGridItem* CGTGridCtrl::CreateVirtualItem(CGTGridRow* iRow, CGTGridVirtualRequest* iRequest)
{
    CGTGridItem* item = iRow->CreateItem(iRequest->m_Row, iRequest->m_Column);
    if (item == nullptr)
        return nullptr;
    switch (iRequest->m_Value.vt) {
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_BSTR:
    case VT_BOOL:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
        item->SetValue(iRequest->m_Value);
        break;
    default:
        break;
    }
    return item;
}

CGTGridRow* CGTGridCtrl::CachedVirtualRow(int iId)
{
    if (iId < 0 || iId >= m_VirtualRows)
        return nullptr;
    if (CGTGridRow* row = m_Cache.GetRow(iId))
        return row;
    CGTGridRow* editing = m_CurrentItem != nullptr ? m_CurrentItem->GetParentRow() : nullptr;
    m_Cache.KeepRows(m_Anchor.m_Row, editing != nullptr ? editing->GetRowId() : -1);
    CGTGridRow* row = GetVirtualRow(iId);
    if (row == nullptr)
        return nullptr;
    // Its selection follows from the ranges, which name rows by id.
    m_Cache.SetRow(iId, row);
    return row;
}

CGTGridRow* CGTGridCtrl::ShownRowAt(int iIndex) const
{
    if (m_VirtualMode)
        return const_cast<CGTGridCtrl*>(this)->CachedVirtualRow(iIndex);
    return iIndex >= 0 && iIndex < m_Shown.GetSize() ? m_Shown[iIndex] : nullptr;
}

int CGTGridCtrl::ShownRowCount() const
{
    return m_VirtualMode ? m_VirtualRows : (int)m_Shown.GetSize();
}

int CGTGridCtrl::HitTestVirtual(CPoint iPoint, int& oColumn, int& oArea) const
{
    oColumn = -1;
    oArea = -1;
    const int height = GetRowHeight();
    if (height <= 0)
        return -1;
    const int index = (m_VertOffset - m_RowsArea.top + iPoint.y + 1) / height;
    const int top = height * index - m_VertOffset + m_RowsArea.top - 1;
    const int left = m_RowsArea.left - m_HorzOffset;
    if (index < 0 || index >= m_VirtualRows ||
        !CRect(left, top, left + m_Columns.m_TotalWidth, top + height).PtInRect(iPoint))
        return -1;
    oArea = GTGridHitRow;
    int x = left;
    int position = 0;
    for (int column = m_Columns.GetNextColumn(position), first = TRUE; column >= 0;
         column = m_Columns.GetNextColumn(position), first = FALSE) {
        const int indent = first ? GetGroupIndent() + height : 0;
        const int end = x + m_Columns.GetColumnWidth(column) + indent;
        if (iPoint.x >= x + indent && iPoint.x < end) {
            oColumn = column;
            oArea = GTGridHitValue;
            break;
        }
        x = end;
    }
    return index;
}
