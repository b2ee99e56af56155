#include "afxoleimpl.h"
#include <vector>

COleDispatchDriver::COleDispatchDriver() : m_lpDispatch(nullptr), m_bAutoRelease(TRUE) {}

COleDispatchDriver::COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease)
{
}

COleDispatchDriver::COleDispatchDriver(const COleDispatchDriver& dispatchSrc) : COleDispatchDriver()
{
    *this = dispatchSrc;
}

COleDispatchDriver::~COleDispatchDriver()
{
    ReleaseDispatch();
}

const COleDispatchDriver& COleDispatchDriver::operator=(const COleDispatchDriver& dispatchSrc)
{
    if (this != &dispatchSrc) {
        if (dispatchSrc.m_lpDispatch != nullptr)
            dispatchSrc.m_lpDispatch->AddRef();
        AttachDispatch(dispatchSrc.m_lpDispatch, TRUE);
    }
    return *this;
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* pError)
{
    LPDISPATCH lpDispatch = nullptr;
    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch, (void**)&lpDispatch);
    if (FAILED(hr)) {
        if (pError != nullptr)
            pError->m_sc = hr;
        return FALSE;
    }
    AttachDispatch(lpDispatch, TRUE);
    return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCWSTR lpszProgID, COleException* pError)
{
    CLSID clsid;
    HRESULT hr = AfxOleClassIdFromName(lpszProgID, &clsid);
    if (FAILED(hr)) {
        if (pError != nullptr)
            pError->m_sc = hr;
        return FALSE;
    }
    return CreateDispatch(clsid, pError);
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch()
{
    LPDISPATCH lpDispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return lpDispatch;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch != nullptr && m_bAutoRelease)
        m_lpDispatch->Release();
    m_lpDispatch = nullptr;
}

// --- Invocation ------------------------------------------------------------------------------

namespace {
// Variants that are cleared however the call ends.
class CVariants {
public:
    explicit CVariants(size_t nCount) : m_vars(nCount) {}
    CVariants(const CVariants&) = delete;
    CVariants& operator=(const CVariants&) = delete;
    ~CVariants()
    {
        for (VARIANT& var : m_vars)
            ::VariantClear(&var);
    }
    VARIANT* Data() { return m_vars.data(); }
    VARIANT& operator[](size_t i) { return m_vars[i]; }

private:
    struct CInit : VARIANT {
        CInit() { ::VariantInit(this); }
    };
    std::vector<CInit> m_vars;
};

// Reads one argument of type vt from the list into var.
void ReadArgument(VARTYPE vt, va_list& argList, VARIANT& var)
{
    var.vt = vt;
    switch (vt) {
    case VT_I1:
        var.cVal = (CHAR)va_arg(argList, int);
        break;
    case VT_UI1:
        var.bVal = (BYTE)va_arg(argList, int);
        break;
    case VT_I2:
        var.iVal = (SHORT)va_arg(argList, int);
        break;
    case VT_UI2:
        var.uiVal = (USHORT)va_arg(argList, int);
        break;
    case VT_I4:
        var.lVal = va_arg(argList, LONG);
        break;
    case VT_UI4:
        var.ulVal = va_arg(argList, ULONG);
        break;
    case VT_I8:
        var.llVal = va_arg(argList, LONGLONG);
        break;
    case VT_UI8:
        var.ullVal = va_arg(argList, ULONGLONG);
        break;
    case VT_R4:
        var.fltVal = (FLOAT)va_arg(argList, double);
        break;
    case VT_R8:
        var.dblVal = va_arg(argList, double);
        break;
    case VT_DATE:
        var.date = va_arg(argList, DATE);
        break;
    case VT_CY:
        var.cyVal = va_arg(argList, CY);
        break;
    case VT_ERROR:
        var.scode = va_arg(argList, SCODE);
        break;
    case VT_BOOL:
        var.boolVal = va_arg(argList, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_BSTR: {
        LPCOLESTR lpsz = va_arg(argList, LPCOLESTR);
        var.bstrVal = ::SysAllocString(lpsz != nullptr ? lpsz : L"");
        if (var.bstrVal == nullptr) {
            var.vt = VT_EMPTY;
            AfxThrowMemoryException();
        }
        break;
    }
    case VT_DISPATCH:
    case VT_UNKNOWN:
        var.punkVal = va_arg(argList, LPUNKNOWN);
        if (var.punkVal != nullptr)
            var.punkVal->AddRef();
        break;
    case VT_VARIANT: {
        const VARIANT* pSrc = va_arg(argList, const VARIANT*);
        var.vt = VT_EMPTY;
        HRESULT hr = pSrc != nullptr ? ::VariantCopy(&var, const_cast<VARIANT*>(pSrc)) : E_POINTER;
        if (FAILED(hr))
            AfxThrowOleException(hr);
        break;
    }
    default:
        var.vt = VT_EMPTY;
        AfxThrowOleException(E_INVALIDARG);
    }
}

bool IsResultType(VARTYPE vt)
{
    switch (vt) {
    case VT_EMPTY:
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_CY:
    case VT_ERROR:
    case VT_BOOL:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
    case VT_VARIANT:
        return true;
    default:
        return false;
    }
}

// Hands the result, already of type vtRet, to the caller's variable; the variant lets go of
// what the caller now owns.
void StoreResult(VARTYPE vtRet, VARIANT& var, void* pvRet)
{
    switch (vtRet) {
    case VT_I1:
        *(CHAR*)pvRet = var.cVal;
        break;
    case VT_UI1:
        *(BYTE*)pvRet = var.bVal;
        break;
    case VT_I2:
        *(SHORT*)pvRet = var.iVal;
        break;
    case VT_UI2:
        *(USHORT*)pvRet = var.uiVal;
        break;
    case VT_I4:
        *(LONG*)pvRet = var.lVal;
        break;
    case VT_UI4:
        *(ULONG*)pvRet = var.ulVal;
        break;
    case VT_I8:
        *(LONGLONG*)pvRet = var.llVal;
        break;
    case VT_UI8:
        *(ULONGLONG*)pvRet = var.ullVal;
        break;
    case VT_R4:
        *(FLOAT*)pvRet = var.fltVal;
        break;
    case VT_R8:
        *(double*)pvRet = var.dblVal;
        break;
    case VT_DATE:
        *(DATE*)pvRet = var.date;
        break;
    case VT_CY:
        *(CY*)pvRet = var.cyVal;
        break;
    case VT_ERROR:
        *(SCODE*)pvRet = var.scode;
        break;
    case VT_BOOL:
        *(BOOL*)pvRet = var.boolVal != VARIANT_FALSE;
        break;
    case VT_BSTR:
        *(CString*)pvRet = var.bstrVal != nullptr ? var.bstrVal : L"";
        break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        *(LPUNKNOWN*)pvRet = var.punkVal;
        var.vt = VT_EMPTY;
        break;
    case VT_VARIANT:
        *(VARIANT*)pvRet = var;
        var.vt = VT_EMPTY;
        break;
    }
}

[[noreturn]] void ThrowDispatchException(EXCEPINFO& excepInfo)
{
    if (excepInfo.pfnDeferredFillIn != nullptr)
        excepInfo.pfnDeferredFillIn(&excepInfo);
    COleDispatchException* e =
        new COleDispatchException(excepInfo.bstrDescription, excepInfo.dwHelpContext, excepInfo.wCode);
    e->m_strSource = excepInfo.bstrSource;
    e->m_strHelpFile = excepInfo.bstrHelpFile;
    e->m_scError = excepInfo.scode != S_OK ? excepInfo.scode : DISP_E_EXCEPTION;
    ::SysFreeString(excepInfo.bstrDescription);
    ::SysFreeString(excepInfo.bstrSource);
    ::SysFreeString(excepInfo.bstrHelpFile);
    throw e;
}
}  // namespace

void AFX_CDECL COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                                const BYTE* pbParamInfo, ...)
{
    va_list argList;
    va_start(argList, pbParamInfo);
    CAfxVaEnd end(argList);
    InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
}

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const BYTE* pbParamInfo, va_list argList)
{
    if (m_lpDispatch == nullptr)
        AfxThrowOleException(E_POINTER);
    if (!IsResultType(vtRet) || (vtRet != VT_EMPTY && pvRet == nullptr))
        AfxThrowOleException(E_INVALIDARG);
    // Automation wants the arguments last to first.
    size_t nArgs = pbParamInfo != nullptr ? strlen((const char*)pbParamInfo) : 0;
    CVariants args(nArgs);
    for (size_t i = 0; i < nArgs; i++)
        ReadArgument(pbParamInfo[i], argList, args[nArgs - 1 - i]);
    DISPID dispidNamed = DISPID_PROPERTYPUT;
    DISPPARAMS params = {args.Data(), nullptr, (UINT)nArgs, 0};
    BOOL bPut = (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if (bPut) {
        params.rgdispidNamedArgs = &dispidNamed;
        params.cNamedArgs = 1;
    }
    CVariants result(1);
    EXCEPINFO excepInfo = {};
    UINT nArgErr = 0;
    HRESULT hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params,
                                      bPut ? nullptr : &result[0], &excepInfo, &nArgErr);
    if (hr == DISP_E_EXCEPTION)
        ThrowDispatchException(excepInfo);
    if (FAILED(hr))
        AfxThrowOleException(hr);
    if (vtRet == VT_EMPTY)
        return;
    if (vtRet != VT_VARIANT && result[0].vt != vtRet) {
        hr = ::VariantChangeType(&result[0], &result[0], 0, vtRet);
        if (FAILED(hr))
            AfxThrowOleException(hr);
    }
    StoreResult(vtRet, result[0], pvRet);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const
{
    const_cast<COleDispatchDriver*>(this)->InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, nullptr);
}

void AFX_CDECL COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...)
{
    va_list argList;
    va_start(argList, vtProp);
    CAfxVaEnd end(argList);
    SetPropertyV(dwDispID, vtProp, argList);
}

void COleDispatchDriver::SetPropertyV(DISPID dwDispID, VARTYPE vtProp, va_list argList)
{
    BYTE params[] = {(BYTE)vtProp, 0};
    InvokeHelperV(dwDispID, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, argList);
}
