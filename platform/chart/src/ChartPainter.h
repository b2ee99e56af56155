#pragma once
#include <windows.h>

#include "ChartModel.h"

// Draws the whole chart into the rectangle of any DC (screen, memory, printer or metafile) and
// leaves the DC's state as it found it: panel and border, title, legend at the right and a cell
// for each series, in series order, in what is left.
void DrawChart(const ChartModel& iModel, HDC iDc, const RECT& iBounds);
