// The viewer's calls on its chart as the viewer makes them: through the window that hosts the
// control (CWnd's InvokeHelper and properties) and dispatch drivers for the objects that the
// control hands out. ChartTestSupport.h has the same calls made straight through IDispatch.
#pragma once
#include <afxole.h>

#include "ChartTestSupport.h"

void ShowView(CWnd& ioChart);
void SetupChart(CWnd& ioChart);
void OutputChart(CWnd& ioChart, const ChartPoints& iPoints);
void SetChartTitle(CWnd& ioChart);
