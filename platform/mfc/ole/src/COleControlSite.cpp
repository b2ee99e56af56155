#include "COleControlSite.h"
#include "COleControlContainer.h"

COleControlSite::COleControlSite(COleControlContainer* pContainer, UINT nID, LPCWSTR lpszName, const RECT& rect)
    : m_pContainer(pContainer), m_nID(nID), m_strName(lpszName), m_rect(rect), m_pObject(nullptr),
      m_pInPlaceObject(nullptr), m_hWndCtrl(nullptr)
{
    m_pContainer->AddRef();
}

COleControlSite::~COleControlSite()
{
    Close();
}

void* COleControlSite::QueryBase(REFIID riid)
{
    return riid == IID_IOleWindow ? static_cast<IOleWindow*>(this) : nullptr;
}

// HIMETRIC units (hundredths of a millimetre) of a size in screen pixels.
static SIZEL PixelsToHimetric(CSize size)
{
    HDC hDC = ::GetDC(nullptr);
    SIZEL sizel = {::MulDiv(size.cx, 2540, ::GetDeviceCaps(hDC, LOGPIXELSX)),
                   ::MulDiv(size.cy, 2540, ::GetDeviceCaps(hDC, LOGPIXELSY))};
    ::ReleaseDC(nullptr, hDC);
    return sizel;
}

HRESULT COleControlSite::CreateControl(REFCLSID clsid, DWORD dwStyle)
{
    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                    IID_IOleObject, (void**)&m_pObject);
    if (FAILED(hr))
        return hr;
    DWORD dwMisc = 0;
    m_pObject->GetMiscStatus(DVASPECT_CONTENT, &dwMisc);
    BOOL bSiteFirst = (dwMisc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (bSiteFirst && FAILED(hr = m_pObject->SetClientSite(this)))
        return hr;
    if (FAILED(hr = InitNew()))
        return hr;
    if (!bSiteFirst && FAILED(hr = m_pObject->SetClientSite(this)))
        return hr;
    SIZEL sizel = PixelsToHimetric(m_rect.Size());
    m_pObject->SetExtent(DVASPECT_CONTENT, &sizel);
    hr = m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_pContainer->GetContainerWindow(), &m_rect);
    if (FAILED(hr))
        return hr;
    // Only windowed controls are hosted: the window is what the program works with.
    if (FAILED(hr = m_pObject->QueryInterface(IID_IOleInPlaceObject, (void**)&m_pInPlaceObject)))
        return hr;
    if (FAILED(hr = m_pInPlaceObject->GetWindow(&m_hWndCtrl)))
        return hr;
    if (m_hWndCtrl == nullptr || ::GetParent(m_hWndCtrl) != m_pContainer->GetContainerWindow())
        return E_UNEXPECTED;
    CRect rectClip = GetClipRect();
    m_pInPlaceObject->SetObjectRects(&m_rect, &rectClip);
    ::SetPropW(m_hWndCtrl, kAfxControlSiteProp, this);
    ApplyStyle(dwStyle);
    LPDISPATCH lpDispatch = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IDispatch, (void**)&lpDispatch)))
        m_dispDriver.AttachDispatch(lpDispatch);
    return S_OK;
}

HRESULT COleControlSite::InitNew()
{
    IPersistStreamInit* pInit = nullptr;
    if (FAILED(m_pObject->QueryInterface(IID_IPersistStreamInit, (void**)&pInit)))
        return S_OK;  // nothing to initialise
    HRESULT hr = pInit->InitNew();
    pInit->Release();
    return hr;
}

void COleControlSite::ApplyStyle(DWORD dwStyle)
{
    ::SetWindowLongPtrW(m_hWndCtrl, GWLP_ID, (LONG_PTR)m_nID);
    const DWORD dwBits = WS_TABSTOP | WS_GROUP;
    DWORD dwOld = (DWORD)::GetWindowLongW(m_hWndCtrl, GWL_STYLE);
    ::SetWindowLongW(m_hWndCtrl, GWL_STYLE, (LONG)((dwOld & ~dwBits) | (dwStyle & dwBits)));
    ::EnableWindow(m_hWndCtrl, !(dwStyle & WS_DISABLED));
    ::ShowWindow(m_hWndCtrl, (dwStyle & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
}

void COleControlSite::Close()
{
    if (m_hWndCtrl != nullptr)
        ::RemovePropW(m_hWndCtrl, kAfxControlSiteProp);
    m_dispDriver.ReleaseDispatch();
    if (m_pInPlaceObject != nullptr) {
        m_pInPlaceObject->InPlaceDeactivate();
        m_pInPlaceObject->Release();
        m_pInPlaceObject = nullptr;
    }
    if (m_pObject != nullptr) {
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
        m_pObject->Release();
        m_pObject = nullptr;
    }
    // A control that keeps its window after closing does not leave it behind.
    if (m_hWndCtrl != nullptr && ::IsWindow(m_hWndCtrl))
        ::DestroyWindow(m_hWndCtrl);
    m_hWndCtrl = nullptr;
    if (m_pContainer != nullptr) {
        m_pContainer->Release();
        m_pContainer = nullptr;
    }
}

CRect COleControlSite::GetPosRect() const
{
    // The program may have moved the control's window since the control last heard of it.
    if (m_hWndCtrl == nullptr || !::IsWindow(m_hWndCtrl))
        return m_rect;
    CRect rect;
    ::GetWindowRect(m_hWndCtrl, &rect);
    ::MapWindowPoints(nullptr, m_pContainer->GetContainerWindow(), (LPPOINT)&rect, 2);
    return rect;
}

CRect COleControlSite::GetClipRect() const
{
    CRect rect;
    ::GetClientRect(m_pContainer->GetContainerWindow(), &rect);
    return rect;
}

// --- IOleClientSite, IOleInPlaceSite, IOleControlSite ---------------------------------------

STDMETHODIMP COleControlSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer == nullptr)
        return E_POINTER;
    *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP COleControlSite::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_pContainer != nullptr ? m_pContainer->GetContainerWindow() : nullptr;
    return *phwnd != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                               LPRECT lprcPosRect, LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr ||
        lpFrameInfo == nullptr)
        return E_POINTER;
    *ppFrame = nullptr;
    *ppDoc = nullptr;  // the frame is the document window too
    if (m_pContainer == nullptr)
        return E_UNEXPECTED;
    m_pContainer->AddRef();
    *ppFrame = m_pContainer;
    *lprcPosRect = GetPosRect();
    *lprcClipRect = GetClipRect();
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = ::GetAncestor(m_pContainer->GetContainerWindow(), GA_ROOT);
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP COleControlSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (lprcPosRect == nullptr)
        return E_POINTER;
    m_rect = *lprcPosRect;
    if (m_pInPlaceObject != nullptr) {
        CRect rectClip = GetClipRect();
        m_pInPlaceObject->SetObjectRects(&m_rect, &rectClip);
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::GetExtendedControl(IDispatch** ppDisp)
{
    if (ppDisp == nullptr)
        return E_POINTER;
    *ppDisp = nullptr;
    return E_NOTIMPL;
}

// --- Ambient properties --------------------------------------------------------------------

STDMETHODIMP COleControlSite::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP COleControlSite::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*, VARIANT* pVarResult,
                                     EXCEPINFO*, UINT*)
{
    if (!(wFlags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (pVarResult == nullptr)
        return E_POINTER;
    ::VariantInit(pVarResult);
    switch (dispIdMember) {
    case DISPID_AMBIENT_USERMODE:
        pVarResult->vt = VT_BOOL;
        pVarResult->boolVal = VARIANT_TRUE;
        return S_OK;
    case DISPID_AMBIENT_DISPLAYNAME:
        pVarResult->vt = VT_BSTR;
        pVarResult->bstrVal = m_strName.AllocSysString();
        return S_OK;
    case DISPID_AMBIENT_BACKCOLOR:
    case DISPID_AMBIENT_FORECOLOR:
        // System colours, as OLE_COLOR names them: the container draws a dialog's face.
        pVarResult->vt = VT_UI4;
        pVarResult->ulVal = 0x80000000 | (dispIdMember == DISPID_AMBIENT_BACKCOLOR ? COLOR_BTNFACE : COLOR_BTNTEXT);
        return S_OK;
    case DISPID_AMBIENT_FONT:
        return GetAmbientFont(pVarResult);
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT COleControlSite::GetAmbientFont(VARIANT* pVarResult)
{
    HWND hWnd = m_pContainer != nullptr ? m_pContainer->GetContainerWindow() : nullptr;
    HFONT hFont = hWnd != nullptr ? (HFONT)::SendMessageW(hWnd, WM_GETFONT, 0, 0) : nullptr;
    if (hFont == nullptr)
        hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTW lf = {};
    ::GetObjectW(hFont, sizeof(lf), &lf);
    HDC hDC = ::GetDC(nullptr);
    int nLogPixelsY = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    FONTDESC desc = {sizeof(desc)};
    desc.lpstrName = lf.lfFaceName;
    desc.cySize.int64 = (LONGLONG)::MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, nLogPixelsY) * 10000;
    desc.sWeight = (SHORT)lf.lfWeight;
    desc.sCharset = lf.lfCharSet;
    desc.fItalic = lf.lfItalic;
    desc.fUnderline = lf.lfUnderline;
    desc.fStrikethrough = lf.lfStrikeOut;
    IFontDisp* pFont = nullptr;
    HRESULT hr = ::OleCreateFontIndirect(&desc, IID_IFontDisp, (void**)&pFont);
    if (FAILED(hr))
        return hr;
    pVarResult->vt = VT_DISPATCH;
    pVarResult->pdispVal = pFont;
    return S_OK;
}
