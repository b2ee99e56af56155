#include "ReportChartPoint.h"

#include <cmath>

double ChartValue(const ReportChartPoint& iPoint)
{
    return std::isfinite(iPoint.Value) ? iPoint.Value : 0.0;
}

bool CompareChartPointsByValue(const ReportChartPoint& iA, const ReportChartPoint& iB)
{
    return ChartValue(iA) > ChartValue(iB);
}
