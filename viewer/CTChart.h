#pragma once
#include <afxole.h>

// The window of the chart control on the report view's form. Everything the viewer asks of
// the chart goes through its IDispatch by dispatch id.
class CTChart : public CWnd {
    DECLARE_DYNCREATE(CTChart)
public:
    CTChart() = default;
    ~CTChart() override = default;

    // Creates the chart control; the class name and the context are not used.
    BOOL Create(LPCWSTR iClassName, LPCWSTR iWindowName, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                CCreateContext* iContext = nullptr) override;

    // The control's IDispatch in a driver that releases it; an empty driver when the window
    // hosts no control (its calls then raise E_POINTER).
    COleDispatchDriver GetDispatch();
};
