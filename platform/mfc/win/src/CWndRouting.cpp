// Message dispatch of windows: the message map walk, commands and notifications,
// reflection of child notifications, pre-translation and the modal loop.
#include "afxstate.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_DELETEITEM()
    ON_WM_COMPAREITEM()
    ON_WM_VKEYTOITEM()
    ON_WM_CHARTOITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    } else {
        // Every colour-of-control message has one entry.
        UINT nKey = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? AFX_WM_CTLCOLOR : message;
        AFX_MSGCALL call = {message, wParam, lParam, 0, nullptr, 0};
        if (!DispatchToEntries(nKey, 0, 0, call))
            return FALSE;
        lResult = call.result;
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // A menu item or accelerator: a command that became disabled is not run.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd)
            return TRUE;  // no control notifications during UpdateData
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

// --- Reflection ----------------------------------------------------------------------------

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG msg = AfxGetThreadState()->lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    AFX_MSGCALL call = {message, wParam, lParam, 0, nullptr, 0};
    BOOL bHandled = FALSE;
    switch (message) {
    case WM_COMMAND:
        bHandled = DispatchToEntries(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, call);
        lResult = 1;
        break;
    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify = {&lResult, pNMHDR};
        call.pExtra = &notify;
        bHandled = DispatchToEntries(WM_REFLECT_BASE + WM_NOTIFY, (WORD)pNMHDR->code, 0, call);
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        bHandled = DispatchToEntries(WM_REFLECT_BASE + message, 0, 0, call);
        lResult = call.result;
        break;
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            bHandled = DispatchToEntries(WM_REFLECT_BASE + AFX_WM_CTLCOLOR, 0, 0, call);
            lResult = call.result;
        }
        break;
    }
    if (bHandled && pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

// Finds the permanent menu that holds an item id (owner-drawn menu items).
static CMenu* FindPopupMenuFromID(CMenu* pMenu, UINT nID)
{
    if (pMenu == nullptr)
        return nullptr;
    int nItems = (int)pMenu->GetMenuItemCount();
    for (int i = 0; i < nItems; ++i) {
        HMENU hPopup = ::GetSubMenu(pMenu->m_hMenu, i);
        if (hPopup != nullptr) {
            if (CMenu* pFound = FindPopupMenuFromID(CMenu::FromHandle(hPopup), nID))
                return pFound;
        } else if (pMenu->GetMenuItemID(i) == nID)
            return CMenu::FromHandlePermanent(pMenu->m_hMenu);
    }
    return nullptr;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        if (CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem)) {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        CMenu* pMenu = FindPopupMenuFromID(GetMenu(), lpMeasureItemStruct->itemID);
        if (pMenu == nullptr)
            pMenu = FindPopupMenuFromID(GetSystemMenu(FALSE), lpMeasureItemStruct->itemID);
        if (pMenu != nullptr) {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    } else if (HWND hWndChild = ::GetDlgItem(m_hWnd, nIDCtl); hWndChild != nullptr && ReflectLastMsg(hWndChild))
        return;
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (!ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult;
    if (pListBox != nullptr && ReflectLastMsg(pListBox->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult;
    if (pListBox != nullptr && ReflectLastMsg(pListBox->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || !ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || !ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

// --- Descendants, pre-translation, modal loop ---------------------------------------------

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
{
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (bOnlyPerm) {
            if (CWnd* pWnd = FromHandlePermanent(hChild))
                AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        } else
            ::SendMessageW(hChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hChild) != nullptr)
            SendMessageToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);  // wakes the loop
    }
}

BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg);
const MSG* AFXAPI AfxGetCurrentMessage();

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG msg;
    for (;;) {
        while (bIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageW(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!AfxPumpMessage()) {
                AfxPostQuitMessage(0);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle &&
                (AfxGetCurrentMessage()->message == 0x118 || AfxGetCurrentMessage()->message == WM_SYSKEYDOWN)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal()) {
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return m_nModalResult;
            }
            if (AfxIsIdleMessage(const_cast<MSG*>(AfxGetCurrentMessage()))) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        state.m_pOther = FromHandle(hWndChild);
        state.m_nID = (UINT)::GetDlgCtrlID(hWndChild);
        // A control that updates itself (ON_UPDATE_COMMAND_UI_REFLECT) comes first.
        CWnd* pPermanent = FromHandlePermanent(hWndChild);
        AFX_MSGCALL call = {WM_COMMAND, 0, 0, 0, &state, 0};
        if (pPermanent != nullptr &&
            pPermanent->DispatchToEntries(WM_REFLECT_BASE + WM_COMMAND, CN_UPDATE_COMMAND_UI, 0, call))
            continue;
        // Buttons that change their own state never lose it for want of a handler.
        BOOL bAuto = FALSE;
        if (::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) {
            UINT nStyle = (UINT)::GetWindowLongW(hWndChild, GWL_STYLE) & 0x0F;
            bAuto = nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_AUTORADIOBUTTON ||
                nStyle == BS_GROUPBOX;
        }
        state.DoUpdate(pTarget, bDisableIfNoHndler && !bAuto);
    }
}

void CWnd::DoDataExchange(CDataExchange*) {}
BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}
