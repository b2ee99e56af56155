#include "PiePlot.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "PointStyle.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStartAngle = -kPi / 2;  // twelve o'clock, y growing downwards
constexpr double kArcStep = kPi / 90;     // two degrees between the points of an arc

struct Circle {
    double X;
    double Y;
    double Radius;

    POINT At(double iAngle, double iRadius) const
    {
        return {static_cast<LONG>(std::lround(X + iRadius * std::cos(iAngle))),
                static_cast<LONG>(std::lround(Y + iRadius * std::sin(iAngle)))};
    }
};

void DrawSlice(const ChartCanvas& iCanvas, const Circle& iPie, double iFrom, double iTo, COLORREF iColour)
{
    std::vector<POINT> outline{iPie.At(0, 0)};
    const int steps = std::max(1, static_cast<int>(std::ceil((iTo - iFrom) / kArcStep)));
    for (int i = 0; i <= steps; ++i)
        outline.push_back(iPie.At(iFrom + (iTo - iFrom) * i / steps, iPie.Radius));
    // The panel's colour between slices keeps neighbours of like colours apart.
    FillPolygon(iCanvas.Dc(), outline.data(), static_cast<int>(outline.size()), iColour,
                iCanvas.Settings().PanelColour);
}

void DrawMark(const ChartCanvas& iCanvas, const Circle& iPie, double iAngle, const std::wstring& iMark)
{
    const int width = TextWidth(iCanvas.Dc(), iCanvas.TextFont(), iMark);
    const int height = iCanvas.TextHeight();
    // Far enough out that the text's nearest corner stays clear of the pie.
    const double distance = iPie.Radius + iCanvas.Gap() +
        std::max(std::fabs(std::cos(iAngle)) * width, std::fabs(std::sin(iAngle)) * height) / 2;
    const POINT centre = iPie.At(iAngle, distance);
    DrawLine(
        iCanvas.Dc(), iCanvas.TextFont(), ChartColours::kText, iMark,
        {centre.x - width / 2 - 1, centre.y - height / 2, centre.x + width / 2 + 1, centre.y - height / 2 + height},
        DT_CENTER);
}

}  // namespace

bool IsDrawn(const ChartSeries& iSeries, const ChartPoint& iPoint)
{
    return iSeries.Kind != SeriesKind::Pie || iPoint.Value > 0;
}

void DrawPie(const ChartCanvas& iCanvas, const ChartSeries& iSeries, const RECT& iCell)
{
    double total = 0;
    for (const ChartPoint& point : iSeries.Points)
        total += IsDrawn(iSeries, point) ? point.Value : 0;
    if (!(total > 0) || !std::isfinite(total))
        return;
    const bool marked = iSeries.Marks != MarkKind::None;
    const double room = std::min(iCell.right - iCell.left, iCell.bottom - iCell.top) / 2.0 - iCanvas.Gap();
    const Circle pie{(iCell.left + iCell.right) / 2.0, (iCell.top + iCell.bottom) / 2.0,
                     marked ? room - 2 * iCanvas.TextHeight() : room};
    if (pie.Radius < 1)
        return;
    double angle = kStartAngle;
    for (size_t i = 0; i < iSeries.Points.size(); ++i) {
        const ChartPoint& point = iSeries.Points[i];
        if (!IsDrawn(iSeries, point))
            continue;
        const double sweep = 2 * kPi * point.Value / total;
        DrawSlice(iCanvas, pie, angle, angle + sweep, PointColour(point, i));
        // A slice thinner than a line of text would crowd its neighbours' marks.
        if (marked && sweep * pie.Radius >= iCanvas.TextHeight())
            DrawMark(iCanvas, pie, angle + sweep / 2, MarkText(iSeries.Marks, point, total));
        angle += sweep;
    }
}
