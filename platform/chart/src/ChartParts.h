#pragma once
#include <memory>

#include "ChartModel.h"
#include "Dispatch.h"

// The chart's own dispatch members and, behind them, the objects it hands out: each a counted
// object that keeps only a weak link to the chart, so that one kept after its chart or its
// series is gone refuses every call with a text that says so.
DispatchMembers ChartMembers(std::weak_ptr<ChartModel> iChart);
