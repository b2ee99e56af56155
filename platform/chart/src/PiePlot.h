#pragma once
#include "ChartCanvas.h"

// One pie series in its cell: a slice for every value above 0, clockwise from twelve o'clock
// in the order of the points, with its mark outside the pie at the slice's middle.
void DrawPie(const ChartCanvas& iCanvas, const ChartSeries& iSeries, const RECT& iCell);

// Whether a point of the series is drawn: pies leave out values of 0 and below.
bool IsDrawn(const ChartSeries& iSeries, const ChartPoint& iPoint);
