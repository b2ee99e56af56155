// What the sources of the OLE part share.
#pragma once
#include <afxole.h>
#include <afxolewnd.h>

// Window properties: the drop target registered on a window, the controls a window hosts and
// the site of a hosted control's window.
extern const WCHAR kAfxDropTargetProp[];
extern const WCHAR kAfxControlContainerProp[];
extern const WCHAR kAfxControlSiteProp[];

// Connects the window side to this part, once per process.
void AFXAPI AfxOleInstallWndSupport();
BOOL AFXAPI AfxOleContainerEnabled();
// A class id from "{...}" or a ProgID.
HRESULT AFXAPI AfxOleClassIdFromName(LPCWSTR lpszName, CLSID* pclsid);

// Runs a call of a COM interface of this part: nothing thrown may leave it; an exception
// becomes the call's HRESULT.
template <class F>
HRESULT AfxOleGuardedCall(F f)
{
    try {
        return f();
    } catch (CException* e) {
        HRESULT hr = COleException::Process(e);
        e->Delete();
        return hr;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// Ends a list of variable arguments however the call leaves.
class CAfxVaEnd {
public:
    explicit CAfxVaEnd(va_list& argList) : m_argList(argList) {}
    CAfxVaEnd(const CAfxVaEnd&) = delete;
    CAfxVaEnd& operator=(const CAfxVaEnd&) = delete;
    ~CAfxVaEnd() { va_end(m_argList); }

private:
    va_list& m_argList;
};
