// The tab window as one tab group of an MDI client area: a held tab dragged out of the strip is
// the client area's business (it may take the document to another group or split one off),
// and the group stays under the children that lie over it.
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/core/GuiToolkitMessages.h>

BOOL CGTTabWnd::GroupMouseDown(CPoint iPoint)
{
    m_GroupTabMove = FALSE;
    if (!IsMDITabGroup() || GetTabFromPoint(iPoint) != m_ActiveTab || m_ActiveTab < 0)
        return FALSE;
    CWnd* window = GetActiveWnd();
    if (window->GetSafeHwnd() == nullptr)
        return FALSE;
    GetParent()->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->GetSafeHwnd()));
    window->SetFocus();
    return TRUE;
}

BOOL CGTTabWnd::GroupMouseMove(UINT iFlags, CPoint iPoint)
{
    if (!m_TabMove || !IsMDITabGroup())
        return FALSE;
    if (!m_GroupTabMove) {
        const CSize moved = iPoint - m_TabMoveStart;
        m_GroupTabMove =
            std::abs(moved.cx) >= ::GetSystemMetrics(SM_CXDRAG) || std::abs(moved.cy) >= ::GetSystemMetrics(SM_CXDRAG);
    }
    if (!m_GroupTabMove)
        return FALSE;
    GetParent()->SendMessage(GTM_ON_TABGROUPMOUSEMOVE, iFlags, MAKELPARAM(iPoint.x, iPoint.y));
    // Out of the strip the client area follows the tab; within it the tabs still swap.
    return !IsPtInTabArea(iPoint);
}

BOOL CGTTabWnd::GroupMouseUp(CPoint iPoint)
{
    const BOOL moved = m_GroupTabMove;
    m_GroupTabMove = FALSE;
    if (!moved || !m_TabMove || IsPtInTabArea(iPoint))
        return FALSE;
    EndTabMove();
    GetParent()->SendMessage(GTM_ON_MOVETABCOMPLETE, reinterpret_cast<WPARAM>(this), MAKELPARAM(iPoint.x, iPoint.y));
    return TRUE;
}

void CGTTabWnd::OnWindowPosChanging(WINDOWPOS* ioPos)
{
    CGTBaseTabWnd::OnWindowPosChanging(ioPos);
    if (IsMDITabGroup() && (ioPos->flags & SWP_NOZORDER) == 0)
        ioPos->hwndInsertAfter = HWND_BOTTOM;
}
