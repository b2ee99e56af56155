// Resource ids of the chart demo.
#pragma once
#define IDD_CHART_DEMO 100
#define IDC_CHART 1049
