#include "TestControl.h"
#include <olectl.h>

const CLSID CLSID_ZvTestControl = {0x6F1C2E8A, 0x3B4D, 0x4C5E, {0x9A, 0x7B, 0x1D, 0x2E, 0x3F, 0x40, 0x51, 0x62}};
const CLSID CLSID_ZvFailingControl = {0x6F1C2E8A, 0x3B4D, 0x4C5E, {0x9A, 0x7B, 0x1D, 0x2E, 0x3F, 0x40, 0x51, 0x63}};
const WCHAR kZvTestControlProgID[] = L"ZvOleTests.TestControl";
const WCHAR kZvTestControlClsid[] = L"{6F1C2E8A-3B4D-4C5E-9A7B-1D2E3F405162}";
const WCHAR kZvFailingControlClsid[] = L"{6F1C2E8A-3B4D-4C5E-9A7B-1D2E3F405163}";

LONG TestControlLog::nLive = 0;
LONG TestControlLog::nInitNew = 0;
BOOL TestControlLog::bUserMode = FALSE;
std::wstring TestControlLog::strFontName;
std::wstring TestControlLog::strDisplayName;
OLE_COLOR TestControlLog::backColor = 0;

namespace {
const WCHAR kWindowClass[] = L"ZvTestControlWindow";

HRESULT Ambient(IOleClientSite* pSite, DISPID dispid, VARIANT* pResult)
{
    IDispatch* pAmbient = nullptr;
    HRESULT hr = pSite->QueryInterface(IID_IDispatch, (void**)&pAmbient);
    if (FAILED(hr))
        return hr;
    DISPPARAMS params = {};
    hr = pAmbient->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, pResult, nullptr, nullptr);
    pAmbient->Release();
    return hr;
}

class CTestControl final : public IOleObject, public IOleInPlaceObject, public IPersistStreamInit, public IDispatch {
public:
    explicit CTestControl(BOOL bFailing) : m_bFailing(bFailing) { ::InterlockedIncrement(&TestControlLog::nLive); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IOleObject)
            *ppv = static_cast<IOleObject*>(this);
        else if (riid == IID_IOleInPlaceObject || riid == IID_IOleWindow)
            *ppv = static_cast<IOleInPlaceObject*>(this);
        else if (riid == IID_IPersistStreamInit || riid == IID_IPersist)
            *ppv = static_cast<IPersistStreamInit*>(this);
        else if (riid == IID_IDispatch)
            *ppv = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG nRef = ::InterlockedDecrement(&m_nRef);
        if (nRef == 0) {
            InPlaceDeactivate();
            delete this;
        }
        return (ULONG)nRef;
    }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* pClientSite) override
    {
        if (pClientSite != nullptr)
            pClientSite->AddRef();
        if (m_pSite != nullptr)
            m_pSite->Release();
        m_pSite = pClientSite;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite** ppClientSite) override
    {
        *ppClientSite = m_pSite;
        if (m_pSite != nullptr)
            m_pSite->AddRef();
        return S_OK;
    }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD) override { return InPlaceDeactivate(); }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND, LPCRECT) override
    {
        if (iVerb != OLEIVERB_INPLACEACTIVATE || pActiveSite == nullptr)
            return OLEOBJ_S_INVALIDVERB;
        return m_bFailing ? E_FAIL : Activate(pActiveSite);
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* pClsid) override { return GetClassID(pClsid); }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL* psizel) override
    {
        m_extent = *psizel;
        return S_OK;
    }
    STDMETHODIMP GetExtent(DWORD, SIZEL* psizel) override
    {
        *psizel = m_extent;
        return S_OK;
    }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* pdwStatus) override
    {
        *pdwStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_RECOMPOSEONRESIZE;
        return S_OK;
    }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND* phwnd) override
    {
        *phwnd = m_hWnd;
        return m_hWnd != nullptr ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override
    {
        if (m_hWnd == nullptr)
            return S_OK;
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        IOleInPlaceSite* pInPlaceSite = nullptr;
        if (m_pSite != nullptr && SUCCEEDED(m_pSite->QueryInterface(IID_IOleInPlaceSite, (void**)&pInPlaceSite))) {
            pInPlaceSite->OnInPlaceDeactivate();
            pInPlaceSite->Release();
        }
        return S_OK;
    }
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT lprcPosRect, LPCRECT) override
    {
        ::MoveWindow(m_hWnd, lprcPosRect->left, lprcPosRect->top, lprcPosRect->right - lprcPosRect->left,
                     lprcPosRect->bottom - lprcPosRect->top, TRUE);
        return S_OK;
    }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

    // IPersistStreamInit
    STDMETHODIMP GetClassID(CLSID* pClassID) override
    {
        *pClassID = m_bFailing ? CLSID_ZvFailingControl : CLSID_ZvTestControl;
        return S_OK;
    }
    STDMETHODIMP IsDirty() override { return S_FALSE; }
    STDMETHODIMP Load(IStream*) override { return E_NOTIMPL; }
    STDMETHODIMP Save(IStream*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHODIMP InitNew() override
    {
        ::InterlockedIncrement(&TestControlLog::nInitNew);
        return S_OK;
    }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        *pctinfo = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
                        EXCEPINFO* pExcepInfo, UINT*) override
    {
        if (dispid == 1 && (wFlags & DISPATCH_PROPERTYPUT)) {
            VARIANT value;
            ::VariantInit(&value);
            if (pParams->cArgs != 1 || FAILED(::VariantChangeType(&value, &pParams->rgvarg[0], 0, VT_I4)))
                return DISP_E_TYPEMISMATCH;
            m_nValue = value.lVal;
            return S_OK;
        }
        if (dispid == 1 && (wFlags & DISPATCH_PROPERTYGET)) {
            pResult->vt = VT_I4;
            pResult->lVal = m_nValue;
            return S_OK;
        }
        if (dispid == 2 && pParams->cArgs == 2) {
            pResult->vt = VT_I4;
            pResult->lVal = pParams->rgvarg[0].lVal + pParams->rgvarg[1].lVal;
            return S_OK;
        }
        if (dispid == 4) {
            pResult->vt = VT_I4;
            pResult->lVal = PositionLeft();
            return S_OK;
        }
        if (dispid == 3) {
            pExcepInfo->bstrDescription = ::SysAllocString(L"The test control refuses.");
            pExcepInfo->bstrSource = ::SysAllocString(L"TestControl");
            pExcepInfo->scode = E_INVALIDARG;
            return DISP_E_EXCEPTION;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    ~CTestControl()
    {
        if (m_pSite != nullptr)
            m_pSite->Release();
        ::InterlockedDecrement(&TestControlLog::nLive);
    }

    HRESULT Activate(IOleClientSite* pActiveSite)
    {
        if (m_hWnd != nullptr)
            return S_OK;
        IOleInPlaceSite* pInPlaceSite = nullptr;
        HRESULT hr = pActiveSite->QueryInterface(IID_IOleInPlaceSite, (void**)&pInPlaceSite);
        if (FAILED(hr))
            return hr;
        HWND hWndParent = nullptr;
        IOleInPlaceFrame* pFrame = nullptr;
        IOleInPlaceUIWindow* pDoc = nullptr;
        RECT rectPos, rectClip;
        OLEINPLACEFRAMEINFO frameInfo = {sizeof(frameInfo)};
        if (pInPlaceSite->CanInPlaceActivate() == S_OK && SUCCEEDED(pInPlaceSite->OnInPlaceActivate()) &&
            SUCCEEDED(pInPlaceSite->GetWindow(&hWndParent)) &&
            SUCCEEDED(pInPlaceSite->GetWindowContext(&pFrame, &pDoc, &rectPos, &rectClip, &frameInfo))) {
            m_hWnd = ::CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE, rectPos.left, rectPos.top,
                                       rectPos.right - rectPos.left, rectPos.bottom - rectPos.top, hWndParent, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr);
        }
        if (pFrame != nullptr)
            pFrame->Release();
        if (pDoc != nullptr)
            pDoc->Release();
        pInPlaceSite->Release();
        if (m_hWnd == nullptr)
            return E_FAIL;
        ReadAmbients(pActiveSite);
        return S_OK;
    }

    // Where the site says the control stands now.
    LONG PositionLeft()
    {
        IOleInPlaceSite* pInPlaceSite = nullptr;
        if (m_pSite == nullptr || FAILED(m_pSite->QueryInterface(IID_IOleInPlaceSite, (void**)&pInPlaceSite)))
            return -1;
        IOleInPlaceFrame* pFrame = nullptr;
        IOleInPlaceUIWindow* pDoc = nullptr;
        RECT rectPos = {-1}, rectClip;
        OLEINPLACEFRAMEINFO frameInfo = {sizeof(frameInfo)};
        pInPlaceSite->GetWindowContext(&pFrame, &pDoc, &rectPos, &rectClip, &frameInfo);
        if (pFrame != nullptr)
            pFrame->Release();
        if (pDoc != nullptr)
            pDoc->Release();
        pInPlaceSite->Release();
        return rectPos.left;
    }

    void ReadAmbients(IOleClientSite* pSite)
    {
        VARIANT var;
        ::VariantInit(&var);
        TestControlLog::bUserMode = SUCCEEDED(Ambient(pSite, DISPID_AMBIENT_USERMODE, &var)) && var.vt == VT_BOOL &&
            var.boolVal != VARIANT_FALSE;
        ::VariantClear(&var);
        if (SUCCEEDED(Ambient(pSite, DISPID_AMBIENT_DISPLAYNAME, &var)) && var.vt == VT_BSTR)
            TestControlLog::strDisplayName = var.bstrVal;
        ::VariantClear(&var);
        if (SUCCEEDED(Ambient(pSite, DISPID_AMBIENT_BACKCOLOR, &var)) &&
            SUCCEEDED(::VariantChangeType(&var, &var, 0, VT_UI4)))
            TestControlLog::backColor = var.ulVal;
        ::VariantClear(&var);
        IFont* pFont = nullptr;
        if (SUCCEEDED(Ambient(pSite, DISPID_AMBIENT_FONT, &var)) && var.vt == VT_DISPATCH &&
            SUCCEEDED(var.pdispVal->QueryInterface(IID_IFont, (void**)&pFont))) {
            BSTR bstrName = nullptr;
            if (SUCCEEDED(pFont->get_Name(&bstrName)))
                TestControlLog::strFontName = bstrName;
            ::SysFreeString(bstrName);
            pFont->Release();
        }
        ::VariantClear(&var);
    }

    LONG m_nRef = 1;
    BOOL m_bFailing;
    IOleClientSite* m_pSite = nullptr;
    HWND m_hWnd = nullptr;
    SIZEL m_extent = {0, 0};
    LONG m_nValue = 0;
};

class CTestControlFactory : public IClassFactory {
public:
    explicit CTestControlFactory(BOOL bFailing) : m_bFailing(bFailing) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid != IID_IUnknown && riid != IID_IClassFactory) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (pOuter != nullptr)
            return CLASS_E_NOAGGREGATION;
        CTestControl* pControl = new CTestControl(m_bFailing);
        HRESULT hr = pControl->QueryInterface(riid, ppv);
        pControl->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    BOOL m_bFailing;
};

CTestControlFactory s_factory(FALSE);
CTestControlFactory s_failingFactory(TRUE);
}  // namespace

CTestControlRegistration::CTestControlRegistration() : m_dwCookie(0), m_dwFailingCookie(0)
{
    WNDCLASSW wndClass = {};
    wndClass.lpfnWndProc = ::DefWindowProcW;
    wndClass.hInstance = ::GetModuleHandleW(nullptr);
    wndClass.hbrBackground = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    wndClass.lpszClassName = kWindowClass;
    ::RegisterClassW(&wndClass);
    ::CoRegisterClassObject(CLSID_ZvTestControl, &s_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_dwCookie);
    ::CoRegisterClassObject(CLSID_ZvFailingControl, &s_failingFactory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                            &m_dwFailingCookie);
    CString strKey;
    strKey.Format(L"%s\\CLSID", kZvTestControlProgID);
    ::RegSetValueW(HKEY_CLASSES_ROOT, strKey, REG_SZ, kZvTestControlClsid,
                   (DWORD)(wcslen(kZvTestControlClsid) * sizeof(WCHAR)));
}

CTestControlRegistration::~CTestControlRegistration()
{
    ::CoRevokeClassObject(m_dwCookie);
    ::CoRevokeClassObject(m_dwFailingCookie);
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kZvTestControlProgID);
}
