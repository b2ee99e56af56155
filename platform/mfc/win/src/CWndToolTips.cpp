// Tooltips of EnableToolTips: one tooltip control per thread, owned by the window whose
// tools it shows; OnToolHitTest says which tool lies under the mouse.
#include "afxstate.h"

static void RemoveLastTool(AFX_THREAD_STATE* pState)
{
    if (pState->nLastHit != -1 && pState->pToolTip != nullptr && pState->pToolTip->m_hWnd != nullptr) {
        pState->pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        pState->pToolTip->SendMessage(TTM_DELTOOLW, 0, (LPARAM)&pState->lastInfo);
    }
    pState->nLastHit = -1;
    pState->pLastHit = nullptr;
}

// True when the nearest window up from the target that shows tooltips is hOwner.
static bool IsNearestToolTipOwner(HWND hTarget, HWND hOwner)
{
    HWND hWnd = hTarget;
    while (hWnd != nullptr && hWnd != hOwner) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && (pWnd->m_nFlags & WF_TOOLTIPS))
            return false;
        hWnd = ::GetParent(hWnd);
    }
    return hWnd != nullptr;
}

// The thread's tooltip control, made anew when the one there belongs to another window;
// null when it cannot be created.
static CToolTipCtrl* ThreadToolTipOf(CWnd* pOwner, AFX_THREAD_STATE* pState)
{
    CToolTipCtrl*& pToolTip = pState->pToolTip;
    if (pToolTip != nullptr && (pToolTip->m_hWnd == nullptr || ::GetParent(pToolTip->m_hWnd) != pOwner->m_hWnd)) {
        RemoveLastTool(pState);
        delete pToolTip;
        pToolTip = nullptr;
    }
    if (pToolTip == nullptr) {
        pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP)) {
            delete pToolTip;
            pToolTip = nullptr;
            return nullptr;
        }
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
    }
    return pToolTip;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pToolTip != nullptr && pState->pToolTip->m_hWnd != nullptr)
        pState->pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL bOld = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable)
        m_nFlags |= WF_TOOLTIPS;
    else {
        m_nFlags &= ~WF_TOOLTIPS;
        AFX_THREAD_STATE* pState = AfxGetThreadState();
        if (pState->pLastHit == this)
            RemoveLastTool(pState);
        CancelToolTips();
    }
    return bOld;
}

BOOL CWnd::EnableTrackingToolTips(BOOL bEnable)
{
    BOOL bOld = (m_nFlags & WF_TRACKINGTOOLTIPS) != 0;
    if (bEnable)
        m_nFlags |= WF_TRACKINGTOOLTIPS;
    else
        m_nFlags &= ~WF_TRACKINGTOOLTIPS;
    return bOld;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    int nID = ::GetDlgCtrlID(hWndChild);
    if (nID == 0)
        return -1;
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND | TTF_CENTERTIP;
        pTI->lpszText = LPSTR_TEXTCALLBACKW;
    }
    return nID;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    UINT message = pMsg->message;
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE && message != WM_LBUTTONUP && message != WM_RBUTTONUP &&
        message != WM_MBUTTONUP) {
        if ((message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
            (message >= WM_SYSKEYDOWN && message <= WM_SYSDEADCHAR) || message == WM_LBUTTONDOWN ||
            message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN)
            CancelToolTips();
        return;
    }
    if (!IsNearestToolTipOwner(pMsg->hwnd, m_hWnd))
        return;
    CToolTipCtrl* pToolTip = ThreadToolTipOf(this, pState);
    if (pToolTip == nullptr)
        return;
    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    INT_PTR nHit = OnToolHitTest(point, &ti);
    if (pState->nLastHit != nHit || pState->pLastHit != this) {
        RemoveLastTool(pState);
        if (nHit != -1) {
            if (ti.hwnd == nullptr)
                ti.hwnd = m_hWnd;
            pToolTip->SendMessage(TTM_ADDTOOLW, 0, (LPARAM)&ti);
            pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
            pState->lastInfo = ti;
            pState->lastInfo.lpszText = nullptr;
            pState->pLastHit = this;
            pState->nLastHit = nHit;
        }
    }
    if (nHit != -1) {
        MSG msg = *pMsg;
        msg.hwnd = m_hWnd;
        msg.lParam = MAKELPARAM(point.x, point.y);
        pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)&msg);
    }
    if (ti.lpszText != nullptr && ti.lpszText != LPSTR_TEXTCALLBACKW && !IS_INTRESOURCE(ti.lpszText))
        free(ti.lpszText);  // a hit test may give text allocated with malloc
}
