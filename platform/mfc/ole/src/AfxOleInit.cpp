// Start of OLE on a thread, control hosting, and the window side's entry into this part.
#include "afxoleimpl.h"
#include "COleControlContainer.h"
#include <atomic>
#include <cstdlib>

const WCHAR kAfxDropTargetProp[] = L"AfxOleDropTarget";
const WCHAR kAfxControlContainerProp[] = L"AfxOleControlContainer";
const WCHAR kAfxControlSiteProp[] = L"AfxOleControlSite";

static thread_local BOOL t_bOleInit = FALSE;
static std::atomic<bool> s_bContainerEnabled{false};

// A program ends on the thread that started it: OLE is undone there, once.
static void AfxOleTermAtExit()
{
    if (t_bOleInit) {
        t_bOleInit = FALSE;
        ::OleUninitialize();
    }
}

BOOL AFXAPI AfxOleInit()
{
    if (t_bOleInit)
        return TRUE;
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    t_bOleInit = TRUE;
    static const int s_nAtExit = std::atexit(AfxOleTermAtExit);
    (void)s_nAtExit;
    return TRUE;
}

BOOL AFXAPI AfxOleIsInitialized()
{
    return t_bOleInit;
}

void AFXAPI AfxEnableControlContainer()
{
    s_bContainerEnabled = true;
    AfxOleInstallWndSupport();
}

BOOL AFXAPI AfxOleContainerEnabled()
{
    return s_bContainerEnabled;
}

HRESULT AFXAPI AfxOleClassIdFromName(LPCWSTR lpszName, CLSID* pclsid)
{
    if (lpszName == nullptr)
        return E_INVALIDARG;
    return lpszName[0] == L'{' ? ::CLSIDFromString(lpszName, pclsid) : ::CLSIDFromProgID(lpszName, pclsid);
}

namespace {
class COleWndSupportImpl : public COleWndSupport {
public:
    HRESULT CreateDlgControl(CWnd* pWndParent, REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                             UINT nID, HWND* phWndCtrl) override
    {
        return COleControlContainer::CreateControl(nullptr, clsid, lpszWindowName, dwStyle, rect, pWndParent, nID,
                                                   phWndCtrl);
    }
    BOOL DestroyControl(CWnd* pWnd) override
    {
        if (!COleControlContainer::DestroyControl(pWnd->m_hWnd))
            return FALSE;
        // A window object that only attached the control's window saw no WM_NCDESTROY.
        if (pWnd->m_hWnd != nullptr && !::IsWindow(pWnd->m_hWnd))
            pWnd->Detach();
        return TRUE;
    }
    void OnDestroy(HWND hWnd) override
    {
        if (auto pTarget = static_cast<COleDropTarget*>(::GetPropW(hWnd, kAfxDropTargetProp)))
            pTarget->Revoke();
        COleControlContainer::OnDestroyWindow(hWnd);
    }
};
}  // namespace

void AFXAPI AfxOleInstallWndSupport()
{
    // Never destroyed: windows may still go while the program's statics are destroyed.
    static COleWndSupportImpl* s_pSupport = new COleWndSupportImpl;
    AfxSetOleWndSupport(s_pSupport);
}
