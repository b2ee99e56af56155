#include "ChartControl.h"

#include <new>

#include "ChartClass.h"
#include "ChartModule.h"
#include "ChartParts.h"

namespace {

// Five by three and a half inches in HIMETRIC, until the container says otherwise.
constexpr SIZEL kDefaultExtent = {12700, 8890};

}  // namespace

HRESULT ChartControl::Create(REFIID iIid, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    *oObject = nullptr;
    ChartControl* control = new (std::nothrow) ChartControl();
    if (!control)
        return E_OUTOFMEMORY;
    HRESULT hr = control->QueryInterface(iIid, oObject);
    control->Release();
    return hr;
}

ChartControl::ChartControl()
    : m_Model(std::make_shared<ChartModel>([this] { Changed(); })), m_Window(*m_Model), m_InPlace(m_Window),
      m_Extent(kDefaultExtent)
{
    m_Members = ChartMembers(m_Model);
    ChartModule::ObjectCreated();
}

ChartControl::~ChartControl()
{
    m_InPlace.Deactivate();
    ChartModule::ObjectDestroyed();
}

void ChartControl::Changed()
{
    if (m_Window.Handle()) {
        InvalidateRect(m_Window.Handle(), nullptr, FALSE);
        return;
    }
    if (!m_ViewSink || !(m_ViewAspects & DVASPECT_CONTENT))
        return;
    ComPtr<IAdviseSink> sink = m_ViewSink;
    if (m_ViewFlags & ADVF_ONLYONCE)
        m_ViewSink.Reset();
    sink->OnViewChange(DVASPECT_CONTENT, -1);
}

HRESULT ChartControl::QueryInterface(REFIID iIid, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    if (iIid == IID_IUnknown || iIid == IID_IDispatch) {
        *oObject = static_cast<IDispatch*>(this);
    } else if (iIid == IID_IOleObject) {
        *oObject = static_cast<IOleObject*>(this);
    } else if (iIid == IID_IOleControl) {
        *oObject = static_cast<IOleControl*>(this);
    } else if (iIid == IID_IOleWindow || iIid == IID_IOleInPlaceObject) {
        *oObject = static_cast<IOleInPlaceObject*>(this);
    } else if (iIid == IID_IOleInPlaceActiveObject) {
        *oObject = static_cast<IOleInPlaceActiveObject*>(this);
    } else if (iIid == IID_IViewObject || iIid == IID_IViewObject2) {
        *oObject = static_cast<IViewObject2*>(this);
    } else if (iIid == IID_IPersist || iIid == IID_IPersistStreamInit) {
        *oObject = static_cast<IPersistStreamInit*>(this);
    } else {
        *oObject = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG ChartControl::AddRef()
{
    return ++m_References;
}

ULONG ChartControl::Release()
{
    ULONG left = --m_References;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ChartControl::SetClientSite(IOleClientSite* iSite)
{
    m_Site = iSite;
    return S_OK;
}

HRESULT ChartControl::GetClientSite(IOleClientSite** oSite)
{
    if (!oSite)
        return E_POINTER;
    return m_Site.CopyTo(oSite);
}

HRESULT ChartControl::SetHostNames(LPCOLESTR, LPCOLESTR)
{
    return S_OK;
}

HRESULT ChartControl::Close(DWORD)
{
    m_InPlace.Deactivate();
    if (m_OleAdvise)
        m_OleAdvise->SendOnClose();
    return S_OK;
}

HRESULT ChartControl::SetMoniker(DWORD, IMoniker*)
{
    return E_NOTIMPL;
}

HRESULT ChartControl::GetMoniker(DWORD, DWORD, IMoniker** oMoniker)
{
    if (oMoniker)
        *oMoniker = nullptr;
    return E_NOTIMPL;
}

HRESULT ChartControl::InitFromData(IDataObject*, BOOL, DWORD)
{
    return E_NOTIMPL;
}

HRESULT ChartControl::GetClipboardData(DWORD, IDataObject** oData)
{
    if (oData)
        *oData = nullptr;
    return E_NOTIMPL;
}

HRESULT ChartControl::DoVerb(LONG iVerb, LPMSG, IOleClientSite* iSite, LONG, HWND, LPCRECT)
{
    IOleClientSite* site = iSite ? iSite : m_Site.Get();
    switch (iVerb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW: {
        HRESULT hr = m_InPlace.Activate(site, this, false);
        if (SUCCEEDED(hr))
            ShowWindow(m_Window.Handle(), SW_SHOW);
        return hr;
    }
    case OLEIVERB_INPLACEACTIVATE:
        return m_InPlace.Activate(site, this, false);
    case OLEIVERB_UIACTIVATE:
        return m_InPlace.Activate(site, this, true);
    case OLEIVERB_HIDE:
        m_InPlace.UiDeactivate();
        if (m_Window.Handle())
            ShowWindow(m_Window.Handle(), SW_HIDE);
        return S_OK;
    default:
        return E_NOTIMPL;
    }
}

HRESULT ChartControl::EnumVerbs(IEnumOLEVERB** oVerbs)
{
    if (oVerbs)
        *oVerbs = nullptr;
    return OLE_S_USEREG;
}

HRESULT ChartControl::Update()
{
    return S_OK;
}

HRESULT ChartControl::IsUpToDate()
{
    return S_OK;
}

HRESULT ChartControl::GetUserClassID(CLSID* oClassId)
{
    return GetClassID(oClassId);
}

HRESULT ChartControl::GetUserType(DWORD, LPOLESTR* oType)
{
    if (oType)
        *oType = nullptr;
    return OLE_S_USEREG;
}

HRESULT ChartControl::SetExtent(DWORD iAspect, SIZEL* iSize)
{
    if (iAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!iSize)
        return E_POINTER;
    m_Extent = *iSize;
    return S_OK;
}

HRESULT ChartControl::GetExtent(DWORD iAspect, SIZEL* oSize)
{
    if (iAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!oSize)
        return E_POINTER;
    *oSize = m_Extent;
    return S_OK;
}

HRESULT ChartControl::Advise(IAdviseSink* iSink, DWORD* oConnection)
{
    if (!m_OleAdvise) {
        HRESULT hr = CreateOleAdviseHolder(&m_OleAdvise);
        if (FAILED(hr))
            return hr;
    }
    return m_OleAdvise->Advise(iSink, oConnection);
}

HRESULT ChartControl::Unadvise(DWORD iConnection)
{
    return m_OleAdvise ? m_OleAdvise->Unadvise(iConnection) : OLE_E_NOCONNECTION;
}

HRESULT ChartControl::EnumAdvise(IEnumSTATDATA** oAdvises)
{
    if (!oAdvises)
        return E_POINTER;
    *oAdvises = nullptr;
    return m_OleAdvise ? m_OleAdvise->EnumAdvise(oAdvises) : S_OK;
}

HRESULT ChartControl::GetMiscStatus(DWORD, DWORD* oStatus)
{
    if (!oStatus)
        return E_POINTER;
    *oStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
        OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
}

HRESULT ChartControl::SetColorScheme(LOGPALETTE*)
{
    return E_NOTIMPL;
}
