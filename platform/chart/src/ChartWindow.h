#pragma once
#include <windows.h>

#include "ChartModel.h"

// The control's window while it is active in place: a child of the container's window that
// paints the chart. Changes ask for a paint, so that a run of changes paints once.
class ChartWindow {
public:
    explicit ChartWindow(const ChartModel& iModel) : m_Model(iModel) {}
    ChartWindow(const ChartWindow&) = delete;
    ChartWindow& operator=(const ChartWindow&) = delete;
    ~ChartWindow() { Destroy(); }

    // Answers the failure's HRESULT.
    HRESULT Create(HWND iParent, const RECT& iPosition);
    void Destroy();
    HWND Handle() const { return m_Handle; }

    // When the DLL unloads: a later load elsewhere in memory registers its own procedure.
    static void UnregisterWindowClass();

private:
    static LRESULT CALLBACK Procedure(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam);
    void Paint();

    const ChartModel& m_Model;
    HWND m_Handle = nullptr;
};
