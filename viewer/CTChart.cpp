#include "CTChart.h"

IMPLEMENT_DYNCREATE(CTChart, CWnd)

namespace {

const CLSID kChartClass = {0xFAB9B41C, 0x87D6, 0x474D, {0xAB, 0x7E, 0xF0, 0x7D, 0x78, 0xF2, 0x42, 0x2E}};

}  // namespace

BOOL CTChart::Create(LPCWSTR, LPCWSTR iWindowName, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                     CCreateContext*)
{
    return CreateControl(kChartClass, iWindowName, iStyle, iRect, iParent, iId);
}

COleDispatchDriver CTChart::GetDispatch()
{
    IDispatch* chart = nullptr;
    if (IUnknown* control = GetControlUnknown())
        control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&chart));
    return COleDispatchDriver(chart);
}
