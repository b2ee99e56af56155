// Window objects: the handle map, creation through the CBT hook, subclassing, the window
// procedure and the end of a window's life.
#include "afxstate.h"
#include "afxhandlemap.h"
#include "afxolewnd.h"
#include <atomic>
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

static const WCHAR kOldProcProp[] = L"AfxOldProc";

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state;
    return &state;
}

static CHandleMap<CWnd, HWND>& WndMap()
{
    static thread_local CHandleMap<CWnd, HWND> map(&CWnd::m_hWnd);
    return map;
}

CWnd::CWnd() : m_hWnd(nullptr), m_nFlags(0), m_pfnSuper(nullptr), m_nModalResult(0), m_hWndOwner(nullptr) {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_nFlags(0), m_pfnSuper(nullptr), m_nModalResult(0), m_hWndOwner(nullptr) {}

CWnd::~CWnd()
{
    bool bMarker = this == &wndTop || this == &wndBottom || this == &wndTopMost || this == &wndNoTopMost;
    if (m_hWnd != nullptr && !bMarker)
        DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return WndMap().FromHandle(hWnd);
}
CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return WndMap().LookupPermanent(hWnd);
}
void PASCAL CWnd::DeleteTempMap()
{
    WndMap().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    return WndMap().Attach(this, m_hWnd, hWndNew, [this] { Detach(); });
}

HWND CWnd::Detach()
{
    return WndMap().Detach(this, m_hWnd);
}

// Puts the library's procedure in front of the window's own.
static void InstallWndProc(CWnd* pWnd, HWND hWnd)
{
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (pfnOld != AfxWndProc) {
        pWnd->m_pfnSuper = pfnOld;
        ::SetPropW(hWnd, kOldProcProp, (HANDLE)pfnOld);
    }
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    InstallWndProc(this, hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC pfnOld = m_pfnSuper ? m_pfnSuper : (WNDPROC)::GetPropW(m_hWnd, kOldProcProp);
    if (pfnOld != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnOld);
    ::RemovePropW(m_hWnd, kOldProcProp);
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow() {}

// --- Creation ----------------------------------------------------------------------------

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->pWndInit != nullptr) {
        CWnd* pWnd = pState->pWndInit;
        pState->pWndInit = nullptr;
        HWND hWnd = (HWND)wParam;
        pWnd->Attach(hWnd);
        MSG msg = {hWnd, 0, 0, 0, 0, {0, 0}};
        AfxGuardedCall(msg, [pWnd]() -> LRESULT {
            pWnd->PreSubclassWindow();
            return 0;
        });
        InstallWndProc(pWnd, hWnd);
    }
    return ::CallNextHookEx(pState->hHookCbt, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->hHookCbt == nullptr)
        pState->hHookCbt = ::SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    pState->pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    BOOL bAttached = pState->pWndInit == nullptr;
    pState->pWndInit = nullptr;
    if (pState->hHookCbt != nullptr) {
        ::UnhookWindowsHookEx(pState->hHookCbt);
        pState->hHookCbt = nullptr;
    }
    return bAttached;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTW cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // The object may be gone when its creation failed after the hook (PostNcDestroy).
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxEndDeferRegisterClass(_afxWnd);
        cs.lpszClass = _afxWnd;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // A hosted control is closed, not torn down under its object's feet.
    COleWndSupport* pOleSupport = AfxGetOleWndSupport();
    if (pOleSupport != nullptr && pOleSupport->DestroyControl(this))
        return TRUE;
    HWND hWnd = m_hWnd;
    BOOL bPermanent = WndMap().LookupPermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // Still mapped: the window was attached, never subclassed, so it saw no WM_NCDESTROY here.
    if (bPermanent ? WndMap().LookupPermanent(hWnd) == this : m_hWnd == hWnd)
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr) {
        if (pThread->m_pMainWnd == this) {
            AfxPostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = nullptr;
    }
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pLastHit == this) {
        pState->pLastHit = nullptr;
        pState->nLastHit = -1;
    }
    if (pState->pLastInfoWnd == this)
        pState->pLastInfoWnd = nullptr;
    Default();
    FinishNcDestroy();
}

void CWnd::FinishNcDestroy()
{
    HWND hWnd = m_hWnd;
    if ((WNDPROC)::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == AfxWndProc) {
        WNDPROC pfnOld = m_pfnSuper ? m_pfnSuper : (WNDPROC)::GetPropW(hWnd, kOldProcProp);
        if (pfnOld != nullptr)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnOld);
    }
    ::RemovePropW(hWnd, kOldProcProp);
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();  // may delete this
}

// --- The window procedure ----------------------------------------------------------------

IMPLEMENT_DYNAMIC(CForeignException, CException)

BOOL CForeignException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return CopyMessage(m_strText, lpszError, nMaxError);
}

// Results that keep the system consistent after a handler threw.
static LRESULT DefaultExceptionResult(const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE || pMsg->message == WM_NCCREATE)
        return pMsg->message == WM_CREATE ? -1 : FALSE;
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);
    return 0;
}

LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->ProcessWndProcException(e, pMsg);
    WCHAR szText[512] = L"";
    e->GetErrorMessage(szText, _countof(szText));
    ::OutputDebugStringW(szText);
    return DefaultExceptionResult(pMsg);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG msgOld = pState->lastSentMsg;
    pState->lastSentMsg.hwnd = hWnd;
    pState->lastSentMsg.message = nMsg;
    pState->lastSentMsg.wParam = wParam;
    pState->lastSentMsg.lParam = lParam;
    MSG msgCaught = pState->lastSentMsg;
    LRESULT lResult = AfxGuardedCall(msgCaught, [&]() -> LRESULT {
        LRESULT lr = pWnd->WindowProc(nMsg, wParam, lParam);
        // After the window's own handler, while its children still exist.
        COleWndSupport* pOleSupport = AfxGetOleWndSupport();
        if (nMsg == WM_DESTROY && pOleSupport != nullptr)
            pOleSupport->OnDestroy(hWnd);
        // A class whose WM_NCDESTROY handler did not reach the base still lets go here.
        if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
            pWnd->FinishNcDestroy();
        return lr;
    });
    pState->lastSentMsg = msgOld;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->m_hWnd == hWnd)
        return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
    // A detached window keeps its original procedure behind ours.
    WNDPROC pfnOld = (WNDPROC)::GetPropW(hWnd, kOldProcProp);
    if (pfnOld != nullptr)
        return ::CallWindowProcW(pfnOld, hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    MSG* pMsg = &AfxGetThreadState()->lastSentMsg;
    pMsg->time = ::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    pMsg->pt.x = (short)LOWORD(dwPos);
    pMsg->pt.y = (short)HIWORD(dwPos);
    return pMsg;
}

// --- The OLE part of the library ------------------------------------------------------------

static std::atomic<COleWndSupport*> s_pOleWndSupport{nullptr};

void AFXAPI AfxSetOleWndSupport(COleWndSupport* pSupport)
{
    s_pOleWndSupport = pSupport;
}

COleWndSupport* AFXAPI AfxGetOleWndSupport()
{
    return s_pOleWndSupport;
}

// --- Window classes ----------------------------------------------------------------------

const WCHAR _afxWnd[] = L"AfxWnd";
const WCHAR _afxWndFrameOrView[] = L"AfxFrameOrView";
const WCHAR _afxWndControlBar[] = L"AfxControlBar";

BOOL AFXAPI AfxRegisterClass(WNDCLASSW* lpWndClass)
{
    WNDCLASSW wndcls;
    if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    return ::RegisterClassW(lpWndClass) != 0;
}

LPCWSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::wstring> names;  // registered names must outlive their users
    HINSTANCE hInst = AfxGetInstanceHandle();
    WCHAR szName[96];
    wsprintfW(szName, L"Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground,
              (void*)hIcon);
    WNDCLASSW wndcls = {};
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProcW;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = szName;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
    return names.insert(szName).first->c_str();
}

BOOL AFXAPI AfxEndDeferRegisterClass(LPCWSTR lpszClassName)
{
    WNDCLASSW wndcls = {};
    wndcls.lpfnWndProc = ::DefWindowProcW;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hCursor = ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wndcls.lpszClassName = lpszClassName;
    wndcls.style = CS_DBLCLKS;
    if (lstrcmpW(lpszClassName, _afxWndFrameOrView) == 0) {
        wndcls.style |= CS_HREDRAW | CS_VREDRAW;
        wndcls.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    } else if (lstrcmpW(lpszClassName, _afxWndControlBar) == 0)
        wndcls.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    return AfxRegisterClass(&wndcls);
}

BOOL AFXAPI AfxEndDeferRegisterClass(LONG fToRegister)
{
    static const struct {
        LONG fClass;
        LPCWSTR lpszClassName;
    } libraryClasses[] = {
        {AFX_WND_REG, _afxWnd},
        {AFX_WNDCONTROLBAR_REG, _afxWndControlBar},
        {AFX_WNDMDIFRAME_REG, _afxWndFrameOrView},
        {AFX_WNDFRAMEORVIEW_REG, _afxWndFrameOrView},
    };
    static const struct {
        LONG fClass;
        DWORD dwICC;
    } commonControls[] = {
        {AFX_WNDCOMMCTLS_REG, ICC_WIN95_CLASSES},
        {AFX_WNDCOMMCTL_UPDOWN_REG, ICC_UPDOWN_CLASS},
        {AFX_WNDCOMMCTL_TREEVIEW_REG, ICC_TREEVIEW_CLASSES},
        {AFX_WNDCOMMCTL_TAB_REG, ICC_TAB_CLASSES},
        {AFX_WNDCOMMCTL_PROGRESS_REG, ICC_PROGRESS_CLASS},
        {AFX_WNDCOMMCTL_LISTVIEW_REG, ICC_LISTVIEW_CLASSES},
        {AFX_WNDCOMMCTL_HOTKEY_REG, ICC_HOTKEY_CLASS},
        {AFX_WNDCOMMCTL_BAR_REG, ICC_BAR_CLASSES},
        {AFX_WNDCOMMCTL_ANIMATE_REG, ICC_ANIMATE_CLASS},
        {AFX_WNDCOMMCTL_INTERNET_REG, ICC_INTERNET_CLASSES},
        {AFX_WNDCOMMCTL_COOL_REG, ICC_COOL_CLASSES},
        {AFX_WNDCOMMCTL_USEREX_REG, ICC_USEREX_CLASSES},
        {AFX_WNDCOMMCTL_DATE_REG, ICC_DATE_CLASSES},
        {AFX_WNDCOMMCTL_LINK_REG, ICC_LINK_CLASS},
    };
    BOOL bResult = TRUE;
    for (const auto& entry : libraryClasses)
        if ((fToRegister & entry.fClass) && !AfxEndDeferRegisterClass(entry.lpszClassName))
            bResult = FALSE;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), 0};
    for (const auto& entry : commonControls)
        if (fToRegister & entry.fClass)
            icc.dwICC |= entry.dwICC;
    if (icc.dwICC != 0 && !::InitCommonControlsEx(&icc))
        bResult = FALSE;
    return bResult;
}
