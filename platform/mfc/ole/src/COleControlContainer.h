// The controls that one window hosts (kept as a property of that window): their sites, and
// the in-place frame that the controls ask for while they activate. Controls have no
// toolbars or menus of their own to merge: the frame offers no border space and no menus.
#pragma once
#include "OleUnknown.h"
#include "afxoleimpl.h"
#include <vector>

class COleControlSite;

class COleControlContainer final : public COleUnknown<COleControlContainer, IOleInPlaceFrame> {
public:
    // Creates a control of the class in pWndParent at rect (client coordinates), with the id
    // and the visibility, enabled state, tab stop and group of dwStyle; pWndCtrl, when given,
    // becomes the control window's object. E_NOTIMPL while control hosting is off.
    static HRESULT CreateControl(CWnd* pWndCtrl, REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle,
                                 const RECT& rect, CWnd* pWndParent, UINT nID, HWND* phWndCtrl);
    // Closes the control whose window hWndCtrl is; FALSE when it is no hosted control.
    static BOOL DestroyControl(HWND hWndCtrl);
    // The window goes: every control it hosts is closed.
    static void OnDestroyWindow(HWND hWnd);
    static COleControlSite* FindSite(HWND hWndCtrl);

    HWND GetContainerWindow() const { return m_hWnd; }
    void* QueryBase(REFIID riid);

    // IOleWindow, IOleInPlaceUIWindow, IOleInPlaceFrame
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    explicit COleControlContainer(HWND hWnd) : m_hWnd(hWnd) {}
    ~COleControlContainer() = default;
    static COleControlContainer* FromWindow(HWND hWnd);
    // Closes one control; the container leaves its window when it hosts none.
    void RemoveSite(COleControlSite* pSite);

    HWND m_hWnd;
    std::vector<COleControlSite*> m_sites;

    friend class COleUnknown<COleControlContainer, IOleInPlaceFrame>;
};
