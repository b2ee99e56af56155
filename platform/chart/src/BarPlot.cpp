#include "BarPlot.h"

#include <algorithm>
#include <cmath>

#include "PointStyle.h"

namespace {

int AxisWidth(const ChartCanvas& iCanvas, const ValueScale& iScale)
{
    int width = 0;
    for (double tick : iScale.Ticks())
        width = std::max(width, TextWidth(iCanvas.Dc(), iCanvas.TextFont(), FormatNumber(tick, iScale.Decimals())));
    return width;
}

// Where the bars go: the cell less the room of the axis, the labels and the marks.
RECT PlotArea(const ChartCanvas& iCanvas, const ChartSeries& iSeries, const ValueScale& iScale, const RECT& iCell)
{
    const ChartSettings& settings = iCanvas.Settings();
    RECT plot = iCell;
    if (settings.AxisShown)
        plot.left += AxisWidth(iCanvas, iScale) + 2 * iCanvas.Gap();
    if (settings.LabelsShown)
        plot.bottom -= iCanvas.LabelHeight() + iCanvas.Gap();
    if (iSeries.Marks != MarkKind::None) {
        if (iScale.High() > 0)
            plot.top += iCanvas.TextHeight();
        if (iScale.Low() < 0)
            plot.bottom -= iCanvas.TextHeight();
    }
    return plot;
}

int ValueY(const RECT& iPlot, const ValueScale& iScale, double iValue)
{
    return iPlot.bottom - static_cast<int>(std::lround(iScale.Position(iValue) * (iPlot.bottom - iPlot.top)));
}

void DrawGrid(const ChartCanvas& iCanvas, const RECT& iPlot, const ValueScale& iScale)
{
    for (double tick : iScale.Ticks()) {
        const int y = ValueY(iPlot, iScale, tick);
        DrawSegment(iCanvas.Dc(), {iPlot.left, y}, {iPlot.right, y}, ChartColours::kGrid);
    }
}

void DrawAxis(const ChartCanvas& iCanvas, const RECT& iPlot, const ValueScale& iScale, LONG iCellLeft)
{
    HDC dc = iCanvas.Dc();
    const int gap = iCanvas.Gap();
    DrawSegment(dc, {iPlot.left, iPlot.top}, {iPlot.left, iPlot.bottom + 1}, ChartColours::kAxis);
    const int half = iCanvas.TextHeight() / 2;
    for (double tick : iScale.Ticks()) {
        const int y = ValueY(iPlot, iScale, tick);
        DrawSegment(dc, {iPlot.left - gap, y}, {iPlot.left, y}, ChartColours::kAxis);
        DrawLine(dc, iCanvas.TextFont(), ChartColours::kText, FormatNumber(tick, iScale.Decimals()),
                 {iCellLeft, y - half, iPlot.left - 2 * gap, y - half + iCanvas.TextHeight()}, DT_RIGHT);
    }
}

// Where a point's bar goes in its slot: the slot's middle 70%, from the baseline to the value.
// A shaded bar has a darker side and a lighter top that reach into the gap beside it.
struct BarPlace {
    RECT Slot;
    RECT Bar;
    int Depth;
};

BarPlace PlaceBar(const ChartCanvas& iCanvas, const RECT& iPlot, const ValueScale& iScale, size_t iIndex, size_t iCount,
                  double iValue)
{
    const LONG width = iPlot.right - iPlot.left;
    const RECT slot = {iPlot.left + static_cast<LONG>(iIndex * width / iCount), iPlot.top,
                       iPlot.left + static_cast<LONG>((iIndex + 1) * width / iCount), iPlot.bottom};
    const int inset = std::max<int>(1, (slot.right - slot.left) * 15 / 100);
    const int baseline = ValueY(iPlot, iScale, 0);
    const int end = ValueY(iPlot, iScale, iValue);
    const RECT bar = {slot.left + inset, std::min(end, baseline), slot.right - inset, std::max(end, baseline)};
    const int depth = iCanvas.Settings().FlatBars
        ? 0
        : std::min<LONG>({(bar.right - bar.left) / 4, 2 * inset - 1, iCanvas.TextHeight()});
    return {slot, bar, std::max(0, depth)};
}

void DrawBar(const ChartCanvas& iCanvas, const BarPlace& iPlace, COLORREF iColour)
{
    HDC dc = iCanvas.Dc();
    const RECT& bar = iPlace.Bar;
    const int depth = iPlace.Depth;
    FillSolid(dc, bar, iColour);
    if (depth < 1)
        return;
    const POINT side[] = {{bar.right, bar.top},
                          {bar.right + depth, bar.top - depth},
                          {bar.right + depth, bar.bottom - depth},
                          {bar.right, bar.bottom}};
    FillPolygon(dc, side, 4, Darker(iColour), Darker(iColour));
    const POINT top[] = {{bar.left, bar.top},
                         {bar.left + depth, bar.top - depth},
                         {bar.right + depth, bar.top - depth},
                         {bar.right, bar.top}};
    FillPolygon(dc, top, 4, Lighter(iColour), Lighter(iColour));
}

// Beyond the bar's end, centred over it and at most two slots wide, so that a mark a little
// wider than its bar stays whole; moved sideways where it would cross the value axis or leave
// the plot for the margin or the legend.
void DrawMark(const ChartCanvas& iCanvas, const RECT& iPlot, const BarPlace& iPlace, bool iBelow,
              const std::wstring& iMark)
{
    const LONG slot = iPlace.Slot.right - iPlace.Slot.left;
    const LONG room = iPlot.right - iPlot.left - 1;
    const LONG width = std::min<LONG>({TextWidth(iCanvas.Dc(), iCanvas.TextFont(), iMark) + 1, 2 * slot, room});
    const LONG centred = (iPlace.Slot.left + iPlace.Slot.right) / 2 - width / 2;
    const LONG left = std::max<LONG>(iPlot.left + 1, std::min<LONG>(centred, iPlot.right - width));
    const LONG height = iCanvas.TextHeight();
    const LONG top = iBelow ? iPlace.Bar.bottom : iPlace.Bar.top - iPlace.Depth - height;
    DrawLine(iCanvas.Dc(), iCanvas.TextFont(), ChartColours::kText, iMark, {left, top, left + width, top + height},
             DT_CENTER);
}

double TotalSize(const ChartSeries& iSeries)
{
    double total = 0;
    for (const ChartPoint& point : iSeries.Points)
        total += std::fabs(point.Value);
    return total;
}

}  // namespace

void DrawBars(const ChartCanvas& iCanvas, const ChartSeries& iSeries, const ValueScale& iScale, const RECT& iCell)
{
    const ChartSettings& settings = iCanvas.Settings();
    const RECT plot = PlotArea(iCanvas, iSeries, iScale, iCell);
    if (plot.right <= plot.left || plot.bottom <= plot.top)
        return;
    if (settings.GridLines)
        DrawGrid(iCanvas, plot, iScale);

    const size_t count = iSeries.Points.size();
    const double total = TotalSize(iSeries);
    for (size_t i = 0; i < count; ++i) {
        const ChartPoint& point = iSeries.Points[i];
        const BarPlace place = PlaceBar(iCanvas, plot, iScale, i, count, point.Value);
        DrawBar(iCanvas, place, PointColour(point, i));
        const std::wstring mark = MarkText(iSeries.Marks, point, total);
        if (!mark.empty())
            DrawMark(iCanvas, plot, place, point.Value < 0, mark);
        if (settings.LabelsShown)
            DrawLine(iCanvas.Dc(), iCanvas.LabelFont(), ChartColours::kText, point.Label,
                     {place.Slot.left, iCell.bottom - iCanvas.LabelHeight(), place.Slot.right, iCell.bottom},
                     DT_CENTER);
    }
    const int baseline = ValueY(plot, iScale, 0);
    DrawSegment(iCanvas.Dc(), {plot.left, baseline}, {plot.right, baseline}, ChartColours::kAxis);
    if (settings.AxisShown)
        DrawAxis(iCanvas, plot, iScale, iCell.left);
}
