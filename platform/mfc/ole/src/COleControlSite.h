// The site of one hosted control: its client site, in-place site and control site, and the
// ambient properties it answers (user mode, display name, font and colours of the container
// window). Controls fire no events that anybody here handles: the site sinks none.
#pragma once
#include "OleUnknown.h"
#include "afxoleimpl.h"
#include <olectl.h>

class COleControlContainer;

class COleControlSite final
    : public COleUnknown<COleControlSite, IOleClientSite, IOleInPlaceSite, IOleControlSite, IDispatch> {
public:
    COleControlSite(COleControlContainer* pContainer, UINT nID, LPCWSTR lpszName, const RECT& rect);

    // Creates, initialises and activates the control in place; on failure Close() undoes
    // what was done.
    HRESULT CreateControl(REFCLSID clsid, DWORD dwStyle);
    // Closes the control and lets go of it and of its window.
    void Close();

    HWND GetControlWindow() const { return m_hWndCtrl; }
    COleControlContainer* GetOwnerContainer() const { return m_pContainer; }
    LPUNKNOWN GetControlUnknown() const { return m_pObject; }
    COleDispatchDriver& GetDispatchDriver() { return m_dispDriver; }
    void* QueryBase(REFIID riid);

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow, IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                  LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;
    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch** ppDisp) override;
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
    STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }
    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*, VARIANT* pVarResult, EXCEPINFO*,
                        UINT*) override;

private:
    ~COleControlSite();
    HRESULT InitNew();
    // The style bits of the template item that the container sets on the control's window.
    void ApplyStyle(DWORD dwStyle);
    HRESULT GetAmbientFont(VARIANT* pVarResult);
    CRect GetPosRect() const;
    CRect GetClipRect() const;

    COleControlContainer* m_pContainer;  // a reference while the control is open
    UINT m_nID;
    CString m_strName;
    CRect m_rect;  // in the container window's client coordinates
    IOleObject* m_pObject;
    IOleInPlaceObject* m_pInPlaceObject;
    COleDispatchDriver m_dispDriver;
    HWND m_hWndCtrl;

    friend class COleUnknown<COleControlSite, IOleClientSite, IOleInPlaceSite, IOleControlSite, IDispatch>;
};
