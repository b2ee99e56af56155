#include "InPlaceActivation.h"

HRESULT InPlaceActivation::Activate(IOleClientSite* iSite, IOleInPlaceActiveObject* iActive, bool iUi)
{
    if (!IsActive()) {
        HRESULT hr = Enter(iSite);
        if (FAILED(hr))
            return hr;
    }
    return iUi ? EnterUi(iActive) : S_OK;
}

HRESULT InPlaceActivation::Enter(IOleClientSite* iSite)
{
    ComPtr<IOleInPlaceSite> site;
    if (!iSite || FAILED(iSite->QueryInterface(IID_PPV_ARGS(&site))))
        return E_NOINTERFACE;
    if (site->CanInPlaceActivate() != S_OK)
        return E_FAIL;
    HRESULT hr = site->OnInPlaceActivate();
    if (FAILED(hr))
        return hr;
    HWND parent = nullptr;
    RECT position{};
    RECT clip{};
    OLEINPLACEFRAMEINFO frameInfo{sizeof(frameInfo)};
    hr = site->GetWindow(&parent);
    if (SUCCEEDED(hr))
        hr = site->GetWindowContext(&m_Frame, &m_Document, &position, &clip, &frameInfo);
    if (SUCCEEDED(hr))
        hr = m_Window.Create(parent, position);
    if (FAILED(hr)) {
        m_Frame.Reset();
        m_Document.Reset();
        site->OnInPlaceDeactivate();
        return hr;
    }
    m_Site = site;
    return S_OK;
}

HRESULT InPlaceActivation::EnterUi(IOleInPlaceActiveObject* iActive)
{
    if (m_UiActive)
        return S_OK;
    HRESULT hr = m_Site->OnUIActivate();
    if (FAILED(hr))
        return hr;
    m_UiActive = true;
    if (m_Frame)
        m_Frame->SetActiveObject(iActive, nullptr);
    if (m_Document)
        m_Document->SetActiveObject(iActive, nullptr);
    SetFocus(m_Window.Handle());
    return S_OK;
}

HRESULT InPlaceActivation::UiDeactivate()
{
    if (!m_UiActive)
        return S_OK;
    m_UiActive = false;
    if (m_Frame)
        m_Frame->SetActiveObject(nullptr, nullptr);
    if (m_Document)
        m_Document->SetActiveObject(nullptr, nullptr);
    return m_Site->OnUIDeactivate(FALSE);
}

HRESULT InPlaceActivation::Deactivate()
{
    if (!IsActive())
        return S_OK;
    UiDeactivate();
    m_Window.Destroy();
    ComPtr<IOleInPlaceSite> site = std::move(m_Site);
    m_Frame.Reset();
    m_Document.Reset();
    return site->OnInPlaceDeactivate();
}

HRESULT InPlaceActivation::Move(const RECT* iPosition)
{
    if (!iPosition)
        return E_POINTER;
    if (m_Window.Handle())
        MoveWindow(m_Window.Handle(), iPosition->left, iPosition->top, iPosition->right - iPosition->left,
                   iPosition->bottom - iPosition->top, TRUE);
    return S_OK;
}
