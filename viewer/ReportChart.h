#pragma once
// What a report shows in the chart control, by the control's dispatch ids: one series of
// labelled values under a fixed title, reset at every build. An object that the control
// does not hand out is skipped with what would be done on it.
#include "ReportChartPoint.h"

#include <afxole.h>

#include <vector>

// Once, when the report view is first shown.
void ShowReportChartView(COleDispatchDriver& ioChart);
// Prepares the chart for a report's points.
void SetupReportChart(COleDispatchDriver& ioChart);
// Sorts the points highest first and shows the 12 largest, labels cut to 40 characters, and
// the rest as one "Others" point.
void OutputReportChart(COleDispatchDriver& ioChart, std::vector<ReportChartPoint>& ioPoints);
void SetReportChartTitle(COleDispatchDriver& ioChart);
