#pragma once
#include <afx.h>

// One value of a report's chart: a grid row's name and its time spent in milliseconds.
struct ReportChartPoint {
    CString Label;
    double Value;
};

// What the chart shows for a point: a value that is not a finite number counts as 0, since
// the chart refuses it.
double ChartValue(const ReportChartPoint& iPoint);
// The chart's order, highest value first: true when a's value is greater than b's.
bool CompareChartPointsByValue(const ReportChartPoint& iA, const ReportChartPoint& iB);
