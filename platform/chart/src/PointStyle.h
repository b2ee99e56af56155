#pragma once
#include <string>

#include "ChartModel.h"

// A number with at most the given digits after the point, without trailing zeros.
std::wstring FormatNumber(double iValue, int iDecimals);

// The colour a point is drawn in: its own, or for the automatic colour one of twelve distinct
// colours by the point's index.
COLORREF PointColour(const ChartPoint& iPoint, size_t iIndex);

// The mark of a point: its share of iTotal in percent, its value or its label.
std::wstring MarkText(MarkKind iKind, const ChartPoint& iPoint, double iTotal);
