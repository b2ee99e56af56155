#pragma once
#include <afx.h>

#include <functional>

// The system's text for an HRESULT on one line; empty when it has none.
CString SystemMessage(HRESULT iError);

// Runs a step that builds a report (a selection, Refresh, a drill-down) and shows what it
// raises in a message box: COM errors and dispatch exceptions by their description, else by
// the system's text for their HRESULT. What the step built before it failed stays. FALSE when
// it failed.
BOOL RunReportStep(const std::function<void()>& iStep);
