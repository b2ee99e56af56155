#pragma once
#include <ole2.h>
#include <ocidl.h>

#include <atomic>
#include <memory>

#include "ChartModel.h"
#include "ChartWindow.h"
#include "Dispatch.h"
#include "InPlaceActivation.h"

// The chart control: a windowed control that a container hosts by class id, drives through
// IDispatch and asks to draw itself through IViewObject. It keeps nothing persistent: every
// chart starts empty and gets its content through dispatch calls.
class ChartControl : public TableDispatch,
                     public IOleObject,
                     public IOleControl,
                     public IOleInPlaceObject,
                     public IOleInPlaceActiveObject,
                     public IViewObject2,
                     public IPersistStreamInit {
public:
    static HRESULT Create(REFIID iIid, void** oObject);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iIid, void** oObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* iSite) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** oSite) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR iApplication, LPCOLESTR iObject) override;
    HRESULT STDMETHODCALLTYPE Close(DWORD iSaveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD iWhich, IMoniker* iMoniker) override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD iAssign, DWORD iWhich, IMoniker** oMoniker) override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* iData, BOOL iCreation, DWORD iReserved) override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD iReserved, IDataObject** oData) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG iVerb, LPMSG iMessage, IOleClientSite* iSite, LONG iIndex, HWND iParent,
                                     LPCRECT iPosition) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** oVerbs) override;
    HRESULT STDMETHODCALLTYPE Update() override;
    HRESULT STDMETHODCALLTYPE IsUpToDate() override;
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* oClassId) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD iForm, LPOLESTR* oType) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD iAspect, SIZEL* iSize) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD iAspect, SIZEL* oSize) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* iSink, DWORD* oConnection) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD iConnection) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** oAdvises) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD iAspect, DWORD* oStatus) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* iPalette) override;

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* oInfo) override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* iMessage) override;
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID iId) override;
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL iFreeze) override;

    // IOleWindow, through both in-place interfaces
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* oWindow) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL iEnter) override;

    // IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT iPosition, LPCRECT iClip) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;

    // IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG iMessage) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL iActivate) override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL iActivate) override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT iBorder, IOleInPlaceUIWindow* iWindow, BOOL iFrame) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL iEnable) override;

    // IViewObject2
    HRESULT STDMETHODCALLTYPE Draw(DWORD iAspect, LONG iIndex, void* iAspectInfo, DVTARGETDEVICE* iTarget,
                                   HDC iTargetDc, HDC iDc, LPCRECTL iBounds, LPCRECTL iWindowBounds,
                                   BOOL(STDMETHODCALLTYPE* iContinue)(ULONG_PTR), ULONG_PTR iContinueArgument) override;
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD iAspect, LONG iIndex, void* iAspectInfo, DVTARGETDEVICE* iTarget,
                                          HDC iTargetDc, LOGPALETTE** oColours) override;
    HRESULT STDMETHODCALLTYPE Freeze(DWORD iAspect, LONG iIndex, void* iAspectInfo, DWORD* oFreeze) override;
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD iFreeze) override;
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD iAspects, DWORD iFlags, IAdviseSink* iSink) override;
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* oAspects, DWORD* oFlags, IAdviseSink** oSink) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD iAspect, LONG iIndex, DVTARGETDEVICE* iTarget, LPSIZEL oSize) override;

    // IPersistStreamInit
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* oClassId) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override;
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM iStream) override;
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM iStream, BOOL iClearDirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* oSize) override;
    HRESULT STDMETHODCALLTYPE InitNew() override;

private:
    ChartControl();
    ~ChartControl() override;

    // After every change: the window repaints when it next can; without a window the view's
    // advise sink hears of it.
    void Changed();

    std::atomic<ULONG> m_References{1};
    std::shared_ptr<ChartModel> m_Model;
    ChartWindow m_Window;
    InPlaceActivation m_InPlace;
    ComPtr<IOleClientSite> m_Site;
    ComPtr<IOleAdviseHolder> m_OleAdvise;
    ComPtr<IAdviseSink> m_ViewSink;
    DWORD m_ViewAspects = 0;
    DWORD m_ViewFlags = 0;
    SIZEL m_Extent;
};
