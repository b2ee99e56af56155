#include <guitoolkit/toolbars/CGTExCheckList.h>
#include <guitoolkit/core/GuiToolkitSeams.h>

void CGTExCheckList::CheckIndex(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_Enabled.GetSize())
        AfxThrowInvalidArgException();
}

void CGTExCheckList::SetItemState(int iIndex, BOOL iEnabled)
{
    CheckIndex(iIndex);
    m_Enabled[iIndex] = iEnabled ? 1 : 0;
}

BOOL CGTExCheckList::GetItemState(int iIndex) const
{
    CheckIndex(iIndex);
    return m_Enabled[iIndex] != 0;
}

BOOL CGTExCheckList::RefuseLockedCheck(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    int index = -1;
    if (iMessage == WM_KEYDOWN) {
        if (iWParam != VK_SPACE)
            return FALSE;
        index = GetCaretIndex();
    } else {
        const CPoint point(static_cast<DWORD>(iLParam));
        BOOL outside = TRUE;
        index = static_cast<int>(ItemFromPoint(point, outside));
        CRect item;
        GetItemRect(index, &item);
        if (outside || point.x >= item.left + CheckBoxSize())
            return FALSE;
    }
    if (GetItemState(index))
        return FALSE;
    if (iMessage == WM_LBUTTONDOWN)
        SetFocus();
    CGTBeeper::Current().Beep(static_cast<UINT>(-1));
    return TRUE;
}

LRESULT CGTExCheckList::WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    switch (iMessage) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
        if (RefuseLockedCheck(iMessage, iWParam, iLParam))
            return 0;
        break;
    case LB_RESETCONTENT:
        m_Enabled.RemoveAll();
        break;
    case LB_DELETESTRING: {
        const LRESULT result = CCheckListBox::WindowProc(iMessage, iWParam, iLParam);
        if (result != LB_ERR && static_cast<int>(iWParam) < m_Enabled.GetSize())
            m_Enabled.RemoveAt(static_cast<int>(iWParam));
        return result;
    }
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const LRESULT result = CCheckListBox::WindowProc(iMessage, iWParam, iLParam);
        if (result >= 0)
            m_Enabled.InsertAt(static_cast<int>(result), 1);
        return result;
    }
    default:
        break;
    }
    return CCheckListBox::WindowProc(iMessage, iWParam, iLParam);
}
