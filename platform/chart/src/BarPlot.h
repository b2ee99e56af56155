#pragma once
#include "ChartCanvas.h"
#include "ValueScale.h"

// One bar series in its cell, on the scale that every bar series of the chart shares: grid
// lines, bars from the baseline (below it for values under 0), marks, value axis and category
// labels.
void DrawBars(const ChartCanvas& iCanvas, const ChartSeries& iSeries, const ValueScale& iScale, const RECT& iCell);
