// Hosted controls and drop targets belong to the OLE part of the library, which the window
// side does not link. The window side reaches that part through this interface, which the
// OLE part installs the first time a program uses it.
#pragma once
#include "afxwnd.h"

class COleWndSupport {
public:
    virtual ~COleWndSupport() = default;
    // Creates a control named by class id in pWndParent, as a template item asks; E_NOTIMPL
    // while the program has not turned control hosting on (AfxEnableControlContainer).
    virtual HRESULT CreateDlgControl(CWnd* pWndParent, REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle,
                                     const RECT& rect, UINT nID, HWND* phWndCtrl) = 0;
    // Closes the hosted control whose window pWnd holds; FALSE when it holds none.
    virtual BOOL DestroyControl(CWnd* pWnd) = 0;
    // The window is being destroyed: the controls it hosts are closed while their windows
    // still exist, and its drop target is revoked.
    virtual void OnDestroy(HWND hWnd) = 0;
};

void AFXAPI AfxSetOleWndSupport(COleWndSupport* pSupport);
COleWndSupport* AFXAPI AfxGetOleWndSupport();
