// The members of CWnd that host a control and call it through its site.
#include "COleControlContainer.h"
#include "COleControlSite.h"

BOOL CWnd::CreateControl(REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID)
{
    HWND hWndCtrl = nullptr;
    return SUCCEEDED(
        COleControlContainer::CreateControl(this, clsid, lpszWindowName, dwStyle, rect, pParentWnd, nID, &hWndCtrl));
}

BOOL CWnd::CreateControl(LPCWSTR lpszClass, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID)
{
    CLSID clsid;
    return SUCCEEDED(AfxOleClassIdFromName(lpszClass, &clsid)) &&
        CreateControl(clsid, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

LPUNKNOWN CWnd::GetControlUnknown()
{
    COleControlSite* pSite = COleControlContainer::FindSite(m_hWnd);
    return pSite != nullptr ? pSite->GetControlUnknown() : nullptr;
}

static COleDispatchDriver& ControlDriver(HWND hWnd)
{
    COleControlSite* pSite = COleControlContainer::FindSite(hWnd);
    if (pSite == nullptr)
        AfxThrowOleException(E_POINTER);
    return pSite->GetDispatchDriver();
}

void AFX_CDECL CWnd::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                                  ...)
{
    va_list argList;
    va_start(argList, pbParamInfo);
    CAfxVaEnd end(argList);
    ControlDriver(m_hWnd).InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
}

void CWnd::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const
{
    ControlDriver(m_hWnd).GetProperty(dwDispID, vtProp, pvProp);
}

void AFX_CDECL CWnd::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...)
{
    va_list argList;
    va_start(argList, vtProp);
    CAfxVaEnd end(argList);
    ControlDriver(m_hWnd).SetPropertyV(dwDispID, vtProp, argList);
}
