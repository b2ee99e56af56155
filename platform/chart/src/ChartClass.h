#pragma once
#include <windows.h>

// The chart control's class as containers and the registry know it.
inline constexpr CLSID CLSID_Chart = {0xFAB9B41C, 0x87D6, 0x474D, {0xAB, 0x7E, 0xF0, 0x7D, 0x78, 0xF2, 0x42, 0x2E}};
inline constexpr wchar_t kChartProgId[] = L"ChartControl.Chart.1";
inline constexpr wchar_t kChartIndependentProgId[] = L"ChartControl.Chart";
inline constexpr wchar_t kChartDescription[] = L"Chart Control";
