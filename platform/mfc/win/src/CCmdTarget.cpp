#include "afxstate.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

static bool EntryMatches(const AFX_MSGMAP_ENTRY& e, UINT nMessage, UINT nCode, UINT nID)
{
    if (e.pnRegistered != nullptr) {
        if (nMessage < 0xC000 || *e.pnRegistered != nMessage)
            return false;
    } else if (e.nMessage != nMessage)
        return false;
    return e.nCode == nCode && nID >= e.nID && nID <= e.nLastID;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e)
            if (EntryMatches(*e, nMessage, nCode, nID))
                return e;
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchToEntries(UINT nMessage, UINT nCode, UINT nID, AFX_MSGCALL& call)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e)
            if (EntryMatches(*e, nMessage, nCode, nID) && e->pfn(this, call))
                return TRUE;
    }
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = WM_COMMAND;
    UINT nEntryCode = CN_UPDATE_COMMAND_UI;
    if (nCode != (int)CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(nCode) != 0 ? HIWORD(nCode) : WM_COMMAND;
        nEntryCode = LOWORD(nCode);
    }
    if (pHandlerInfo != nullptr) {
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMsg, nEntryCode, nID);
        if (pEntry == nullptr)
            return FALSE;
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = pEntry;
        return TRUE;
    }
    AFX_MSGCALL call = {nMsg, 0, 0, nID, pExtra, 0};
    return DispatchToEntries(nMsg, nEntryCode, nID, call);
}

void AFXAPI AfxDoWaitCursor(int nCode);

void CCmdTarget::BeginWaitCursor()
{
    AfxDoWaitCursor(1);
}
void CCmdTarget::EndWaitCursor()
{
    AfxDoWaitCursor(-1);
}
void CCmdTarget::RestoreWaitCursor()
{
    AfxDoWaitCursor(0);
}

// --- CCmdUI -------------------------------------------------------------------------------

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pParentMenu(nullptr), m_pOther(nullptr),
      m_bEnableChanged(FALSE), m_bContinueRouting(FALSE), m_nIndexMax(0)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr)
            return;  // popups stay as they are
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther != nullptr) {
        // A control that loses its enabled state must not keep the focus.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
            HWND hParent = ::GetParent(m_pOther->m_hWnd);
            if (hParent != nullptr)
                ::SendMessageW(hParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

static BOOL IsButton(CWnd* pWnd)
{
    return (pWnd->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) != 0;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr) {
        if (m_pSubMenu == nullptr)
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != nullptr && IsButton(m_pOther))
        m_pOther->SendMessage(BM_SETCHECK, nCheck);
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu == nullptr) {
        SetCheck(bOn ? 1 : 0);
        return;
    }
    if (m_pSubMenu != nullptr)
        return;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    m_pMenu->GetMenuItemInfo(m_nIndex, &info, TRUE);
    info.fType |= MFT_RADIOCHECK;
    info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
    m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
}

void CCmdUI::SetText(LPCWSTR lpszText)
{
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr)
            return;
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<LPWSTR>(lpszText);
        m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
    } else if (m_pOther != nullptr) {
        CString strOld;
        m_pOther->GetWindowText(strOld);
        if (strOld != lpszText)  // no repaint when nothing changes
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and items without command
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bResult;
}
