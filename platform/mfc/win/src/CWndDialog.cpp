// Windows from dialog templates: the one creation path of dialogs, form views and template
// bars, the initial data of their controls, and dialog keys.
#include "CDlgControls.h"

#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCEW(240)
#endif

BOOL CWnd::CreateDlg(LPCWSTR lpszTemplateName, CWnd* pParentWnd)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, (LPCWSTR)RT_DIALOG);
    HRSRC hResource = ::FindResourceW(hInst, lpszTemplateName, (LPCWSTR)RT_DIALOG);
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    if (hTemplate == nullptr)
        return FALSE;
    return CreateDlgIndirect((LPCDLGTEMPLATE)::LockResource(hTemplate), pParentWnd, hInst);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    CDlgControls controls(lpDialogTemplate);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CDlgControls* pOuterControls = pState->pDlgControls;
    if (controls.HasControls()) {
        controls.m_pWnd = this;
        pState->pDlgControls = &controls;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, controls.GetTemplate(), pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    pState->pDlgControls = pOuterControls;
    // The object may be gone when its creation failed after the hook (PostNcDestroy).
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    // A hosted control that could not be made fails the window: it goes, and with it the
    // controls made before and, through PostNcDestroy, an object that deletes itself.
    if (hWnd != nullptr && controls.m_bFailed) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return hWnd != nullptr;
}

BOOL CWnd::ExecuteDlgInit(LPCWSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
    HRSRC hResource = ::FindResourceW(hInst, lpszResourceName, RT_DLGINIT);
    if (hResource == nullptr)
        return TRUE;  // a template without initial data
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    return hData == nullptr || ExecuteDlgInit(::LockResource(hData));
}

// The messages of the initial data, as resource compilers write them.
static const WORD kDlgInitListBoxAdd = 0x0401;
static const WORD kDlgInitComboBoxAdd = 0x0403;
static const WORD kDlgInitComboBoxExAdd = 0x1234;

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    // Entries: control id, message, length of the data, the data (an ANSI string); id 0 ends.
    const BYTE* p = static_cast<const BYTE*>(lpResource);
    BOOL bSuccess = TRUE;
    while (p != nullptr && *(const WORD*)p != 0) {
        WORD nIDC = *(const WORD*)p;
        WORD nMsg = *(const WORD*)(p + 2);
        DWORD dwLen = *(const DWORD*)(p + 4);
        const char* pszData = (const char*)(p + 8);
        p += 8 + dwLen;
        CString strText(pszData, (int)strnlen(pszData, dwLen));
        LRESULT lResult;
        if (nMsg == kDlgInitListBoxAdd)
            lResult = SendDlgItemMessage(nIDC, LB_ADDSTRING, 0, (LPARAM)(LPCWSTR)strText);
        else if (nMsg == kDlgInitComboBoxAdd)
            lResult = SendDlgItemMessage(nIDC, CB_ADDSTRING, 0, (LPARAM)(LPCWSTR)strText);
        else if (nMsg == kDlgInitComboBoxExAdd) {
            COMBOBOXEXITEMW item = {};
            item.mask = CBEIF_TEXT;
            item.iItem = -1;
            item.pszText = const_cast<LPWSTR>((LPCWSTR)strText);
            lResult = SendDlgItemMessage(nIDC, CBEM_INSERTITEMW, 0, (LPARAM)&item);
        } else
            continue;  // data for hosted controls: not for the standard controls
        if (lResult == LB_ERR || lResult == LB_ERRSPACE)
            bSuccess = FALSE;
    }
    return bSuccess;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    bool bInput = (lpMsg->message >= WM_KEYFIRST && lpMsg->message <= WM_KEYLAST) ||
        (lpMsg->message >= WM_MOUSEFIRST && lpMsg->message <= WM_MOUSELAST);
    return bInput && ::IsDialogMessageW(m_hWnd, lpMsg);
}
