// The control's drawing, persistence and in-place interfaces.
#include "ChartClass.h"
#include "ChartControl.h"
#include "ChartPainter.h"

HRESULT ChartControl::GetControlInfo(CONTROLINFO* oInfo)
{
    if (!oInfo)
        return E_POINTER;
    oInfo->hAccel = nullptr;
    oInfo->cAccel = 0;
    oInfo->dwFlags = 0;
    return S_OK;
}

HRESULT ChartControl::OnMnemonic(MSG*)
{
    return E_NOTIMPL;
}

HRESULT ChartControl::OnAmbientPropertyChange(DISPID)
{
    return S_OK;
}

HRESULT ChartControl::FreezeEvents(BOOL)
{
    return S_OK;
}

HRESULT ChartControl::GetWindow(HWND* oWindow)
{
    if (!oWindow)
        return E_POINTER;
    *oWindow = m_Window.Handle();
    return *oWindow ? S_OK : E_FAIL;
}

HRESULT ChartControl::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

HRESULT ChartControl::InPlaceDeactivate()
{
    return m_InPlace.Deactivate();
}

HRESULT ChartControl::UIDeactivate()
{
    return m_InPlace.UiDeactivate();
}

HRESULT ChartControl::SetObjectRects(LPCRECT iPosition, LPCRECT)
{
    return m_InPlace.Move(iPosition);
}

HRESULT ChartControl::ReactivateAndUndo()
{
    return INPLACE_E_NOTUNDOABLE;
}

HRESULT ChartControl::TranslateAccelerator(LPMSG)
{
    return S_FALSE;
}

HRESULT ChartControl::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

HRESULT ChartControl::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

HRESULT ChartControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

HRESULT ChartControl::EnableModeless(BOOL)
{
    return S_OK;
}

HRESULT ChartControl::Draw(DWORD iAspect, LONG iIndex, void*, DVTARGETDEVICE*, HDC, HDC iDc, LPCRECTL iBounds, LPCRECTL,
                           BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (iAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (iIndex != -1)
        return DV_E_LINDEX;
    if (!iDc || !iBounds)
        return E_INVALIDARG;
    try {
        DrawChart(*m_Model, iDc, {iBounds->left, iBounds->top, iBounds->right, iBounds->bottom});
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ChartControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** oColours)
{
    if (!oColours)
        return E_POINTER;
    *oColours = nullptr;
    return S_FALSE;
}

HRESULT ChartControl::Freeze(DWORD, LONG, void*, DWORD*)
{
    return E_NOTIMPL;
}

HRESULT ChartControl::Unfreeze(DWORD)
{
    return E_NOTIMPL;
}

HRESULT ChartControl::SetAdvise(DWORD iAspects, DWORD iFlags, IAdviseSink* iSink)
{
    m_ViewSink = iSink;
    m_ViewAspects = iAspects;
    m_ViewFlags = iFlags;
    return S_OK;
}

HRESULT ChartControl::GetAdvise(DWORD* oAspects, DWORD* oFlags, IAdviseSink** oSink)
{
    if (oAspects)
        *oAspects = m_ViewAspects;
    if (oFlags)
        *oFlags = m_ViewFlags;
    if (oSink)
        m_ViewSink.CopyTo(oSink);
    return S_OK;
}

HRESULT ChartControl::GetExtent(DWORD iAspect, LONG, DVTARGETDEVICE*, LPSIZEL oSize)
{
    return GetExtent(iAspect, oSize);
}

HRESULT ChartControl::GetClassID(CLSID* oClassId)
{
    if (!oClassId)
        return E_POINTER;
    *oClassId = CLSID_Chart;
    return S_OK;
}

HRESULT ChartControl::IsDirty()
{
    return S_FALSE;
}

HRESULT ChartControl::Load(LPSTREAM iStream)
{
    return iStream ? S_OK : E_POINTER;
}

HRESULT ChartControl::Save(LPSTREAM iStream, BOOL)
{
    return iStream ? S_OK : E_POINTER;
}

HRESULT ChartControl::GetSizeMax(ULARGE_INTEGER* oSize)
{
    if (!oSize)
        return E_POINTER;
    oSize->QuadPart = 0;
    return S_OK;
}

HRESULT ChartControl::InitNew()
{
    return S_OK;
}
