// Automation clients: COleDispatchDriver calls an IDispatch by dispatch id, with the
// arguments described by a string of VTS_ codes and the result converted to the type asked.
#pragma once
#include <afxwin.h>
#include <oleauto.h>

// Argument types of InvokeHelper, one VARTYPE per byte; they concatenate, as in
// "static BYTE params[] = VTS_R8 VTS_BSTR VTS_UI4;". The C++ type each one reads follows.
#define VTS_NONE ""
#define VTS_I2 "\x02"        // short
#define VTS_I4 "\x03"        // long
#define VTS_R4 "\x04"        // float
#define VTS_R8 "\x05"        // double
#define VTS_CY "\x06"        // CY
#define VTS_DATE "\x07"      // DATE
#define VTS_BSTR "\x08"      // LPCOLESTR (copied)
#define VTS_DISPATCH "\x09"  // LPDISPATCH
#define VTS_SCODE "\x0A"     // SCODE
#define VTS_BOOL "\x0B"      // BOOL
#define VTS_VARIANT "\x0C"   // const VARIANT* (copied)
#define VTS_UNKNOWN "\x0D"   // LPUNKNOWN
#define VTS_I1 "\x10"        // char
#define VTS_UI1 "\x11"       // BYTE
#define VTS_UI2 "\x12"       // WORD
#define VTS_UI4 "\x13"       // DWORD
#define VTS_I8 "\x14"        // LONGLONG
#define VTS_UI8 "\x15"       // ULONGLONG

class COleDispatchDriver {
public:
    COleDispatchDriver();
    explicit COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    COleDispatchDriver(const COleDispatchDriver& dispatchSrc);
    ~COleDispatchDriver();
    const COleDispatchDriver& operator=(const COleDispatchDriver& dispatchSrc);

    // A new object of the class (by class id, or by ProgID or "{class id}"); the cause of a
    // failure goes to pError.
    BOOL CreateDispatch(REFCLSID clsid, COleException* pError = nullptr);
    BOOL CreateDispatch(LPCWSTR lpszProgID, COleException* pError = nullptr);
    // Takes the pointer; with bAutoRelease the driver releases it (ReleaseDispatch, the end).
    void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    // Hands the pointer (and its reference) to the caller.
    LPDISPATCH DetachDispatch();
    void ReleaseDispatch();
    operator LPDISPATCH() { return m_lpDispatch; }

    // Calls member dwDispID (wFlags: DISPATCH_METHOD, DISPATCH_PROPERTYGET or _PUT) with the
    // arguments that pbParamInfo describes; the result, converted to vtRet, goes to pvRet:
    // VT_EMPTY none, VT_BSTR a CString, VT_BOOL a BOOL, VT_VARIANT a VARIANT and
    // VT_DISPATCH / VT_UNKNOWN a pointer the caller releases, other types their C++ type.
    // A failure of the object throws COleDispatchException (its exception: description and
    // source) or COleException (any other failure, and E_POINTER without an object).
    void AFX_CDECL InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...);
    void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                       va_list argList);
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;
    void AFX_CDECL SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);
    void SetPropertyV(DISPID dwDispID, VARTYPE vtProp, va_list argList);

    LPDISPATCH m_lpDispatch;
    BOOL m_bAutoRelease;
};
