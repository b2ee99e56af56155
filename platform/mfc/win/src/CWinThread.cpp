// Threads with a message pump: pre-translation through the window tree, idle-time command
// updates, and the release of temporary objects.
#include "afxstate.h"
#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetThreadState()->pCurrentWinThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

CWinThread::CWinThread() : CWinThread(nullptr, nullptr) {}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_bAutoDelete(TRUE), m_hThread(nullptr), m_nThreadID(0), m_msgCur(),
      m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread != nullptr)
        ::CloseHandle(m_hThread);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pCurrentWinThread == this)
        pState->pCurrentWinThread = nullptr;
}

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != nullptr)
        return m_pActiveWnd;
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}
int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}
void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pParam)
{
    CWinThread* pThread = static_cast<CWinThread*>(pParam);
    AfxGetThreadState()->pCurrentWinThread = pThread;
    UINT nResult;
    if (pThread->m_pfnThreadProc != nullptr)
        nResult = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
    else if (!pThread->InitInstance())
        nResult = (UINT)pThread->ExitInstance();
    else
        nResult = (UINT)pThread->Run();
    AfxEndThread(nResult);
    return nResult;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWinThread* pThread = pState->pCurrentWinThread;
    pState->pCurrentWinThread = nullptr;
    CWnd::DeleteTempMap();
    if (pThread != nullptr && bDelete)
        pThread->Delete();
    _endthreadex(nExitCode);
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    unsigned nThreadID = 0;
    m_hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, ThreadEntry, this, dwCreateFlags | CREATE_SUSPENDED,
                                       &nThreadID);
    if (m_hThread == nullptr)
        return FALSE;
    m_nThreadID = nThreadID;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

static CWinThread* BeginThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                               LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        pThread->Delete();
        return nullptr;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    return BeginThread(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* pThread = static_cast<CWinThread*>(pThreadClass->CreateObject());
    if (pThread == nullptr)
        AfxThrowMemoryException();
    return BeginThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

// --- The pump --------------------------------------------------------------------------------

static MSG s_msgNoThread;  // the last message of a thread without a CWinThread object

const MSG* AFXAPI AfxGetCurrentMessage()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? &pThread->m_msgCur : &s_msgNoThread;
}

BOOL AFXAPI AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    MSG& msg = s_msgNoThread;
    if (!::GetMessageW(&msg, nullptr, 0, 0))
        return FALSE;
    if (msg.message != WM_KICKIDLE && !CWnd::WalkPreTranslateTree(nullptr, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

static BOOL IsIdleMessageDefault(MSG* pMsg)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // A mouse move to where the mouse already was is no reason for idle work.
        if (pState->ptCursorLast.x == pMsg->pt.x && pState->ptCursorLast.y == pMsg->pt.y &&
            pMsg->message == pState->nMsgLast)
            return FALSE;
        pState->ptCursorLast = pMsg->pt;
        pState->nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;  // 0x0118: the caret's system timer
}

BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->IsIdleMessage(pMsg) : IsIdleMessageDefault(pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return IsIdleMessageDefault(pMsg);
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageW(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr) {
        // Thread messages go to the thread's own map (ON_THREAD_MESSAGE).
        UINT nKey = pMsg->message;
        AFX_MSGCALL call = {pMsg->message, pMsg->wParam, pMsg->lParam, 0, nullptr, 0};
        if (DispatchToEntries(nKey, 0, 0, call))
            return TRUE;
    }
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A modeless window outside the main window still gets the main window's accelerators.
    if (pMainWnd != nullptr && pMsg->hwnd != nullptr) {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg;
    for (;;) {
        while (bIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

void AFXAPI AfxFrameListIdleUpdate(CWnd* pMainWnd);

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        AfxFrameListIdleUpdate(pMainWnd);
    } else {
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CMenu::DeleteTempMap();
        CImageList::DeleteTempMap();
    }
    return lCount < 0;
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    LRESULT lResult = 0;
    if (pMsg->message == WM_CREATE)
        lResult = -1;
    else if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) {
        WCHAR szText[512] = L"";
        if (!e->GetErrorMessage(szText, _countof(szText)))
            lstrcpynW(szText, L"An internal application error occurred.", _countof(szText));
        AfxMessageBox(szText, MB_ICONEXCLAMATION);
    }
    return lResult;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}
