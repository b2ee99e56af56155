#include "COleControlContainer.h"
#include "COleControlSite.h"
#include <algorithm>

COleControlContainer* COleControlContainer::FromWindow(HWND hWnd)
{
    return static_cast<COleControlContainer*>(::GetPropW(hWnd, kAfxControlContainerProp));
}

COleControlSite* COleControlContainer::FindSite(HWND hWndCtrl)
{
    return hWndCtrl != nullptr ? static_cast<COleControlSite*>(::GetPropW(hWndCtrl, kAfxControlSiteProp)) : nullptr;
}

HRESULT COleControlContainer::CreateControl(CWnd* pWndCtrl, REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle,
                                            const RECT& rect, CWnd* pWndParent, UINT nID, HWND* phWndCtrl)
{
    *phWndCtrl = nullptr;
    if (!AfxOleContainerEnabled())
        return E_NOTIMPL;
    HWND hWndParent = pWndParent->GetSafeHwnd();
    if (hWndParent == nullptr || (pWndCtrl != nullptr && pWndCtrl->m_hWnd != nullptr))
        return E_INVALIDARG;
    COleControlContainer* pContainer = FromWindow(hWndParent);
    if (pContainer == nullptr) {
        pContainer = new COleControlContainer(hWndParent);
        ::SetPropW(hWndParent, kAfxControlContainerProp, pContainer);
    }
    COleControlSite* pSite = new COleControlSite(pContainer, nID, lpszWindowName, rect);
    pContainer->m_sites.push_back(pSite);
    HRESULT hr = pSite->CreateControl(clsid, dwStyle);
    if (SUCCEEDED(hr) && pWndCtrl != nullptr && !pWndCtrl->SubclassWindow(pSite->GetControlWindow()))
        hr = E_UNEXPECTED;
    if (FAILED(hr)) {
        pContainer->RemoveSite(pSite);
        return hr;
    }
    *phWndCtrl = pSite->GetControlWindow();
    return S_OK;
}

BOOL COleControlContainer::DestroyControl(HWND hWndCtrl)
{
    COleControlSite* pSite = FindSite(hWndCtrl);
    if (pSite == nullptr)
        return FALSE;
    if (COleControlContainer* pContainer = pSite->GetOwnerContainer())
        pContainer->RemoveSite(pSite);
    return TRUE;
}

void COleControlContainer::OnDestroyWindow(HWND hWnd)
{
    // The container leaves the window with its last site.
    while (COleControlContainer* pContainer = FromWindow(hWnd))
        pContainer->RemoveSite(pContainer->m_sites.back());
}

void COleControlContainer::RemoveSite(COleControlSite* pSite)
{
    auto it = std::find(m_sites.begin(), m_sites.end(), pSite);
    if (it == m_sites.end())
        return;
    m_sites.erase(it);
    // The last site lets the container go with its own reference to it.
    BOOL bLast = m_sites.empty();
    if (bLast)
        ::RemovePropW(m_hWnd, kAfxControlContainerProp);
    AddRef();
    pSite->Close();
    pSite->Release();
    if (bLast)
        Release();
    Release();
}

void* COleControlContainer::QueryBase(REFIID riid)
{
    if (riid == IID_IOleWindow)
        return static_cast<IOleWindow*>(this);
    if (riid == IID_IOleInPlaceUIWindow)
        return static_cast<IOleInPlaceUIWindow*>(this);
    return nullptr;
}

STDMETHODIMP COleControlContainer::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = ::GetAncestor(m_hWnd, GA_ROOT);
    return S_OK;
}

STDMETHODIMP COleControlContainer::SetBorderSpace(LPCBORDERWIDTHS pborderwidths)
{
    if (pborderwidths == nullptr ||
        (pborderwidths->left == 0 && pborderwidths->top == 0 && pborderwidths->right == 0 &&
         pborderwidths->bottom == 0))
        return S_OK;
    return INPLACE_E_NOTOOLSPACE;
}
