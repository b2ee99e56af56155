#include "ChartPainter.h"

#include <algorithm>

#include "BarPlot.h"
#include "ChartLegend.h"
#include "PiePlot.h"

namespace {

// The margins in percent of the panel, inside its border.
RECT Content(const ChartSettings& iSettings, const RECT& iBounds)
{
    const int border = iSettings.Border ? 1 : 0;
    const LONG x = (iBounds.right - iBounds.left) * iSettings.MarginX / 100 + border;
    const LONG y = (iBounds.bottom - iBounds.top) * iSettings.MarginY / 100 + border;
    return {iBounds.left + x, iBounds.top + y, iBounds.right - x, iBounds.bottom - y};
}

// The title sits in the top margin where it fits there, else on top of the content, which
// then loses the title's height.
void DrawTitle(const ChartCanvas& iCanvas, const RECT& iBounds, RECT& ioContent)
{
    const std::wstring& title = iCanvas.Settings().Title;
    if (title.empty())
        return;
    const int height = iCanvas.TitleHeight();
    const LONG margin = ioContent.top - iBounds.top - (iCanvas.Settings().Border ? 1 : 0);
    LONG top = ioContent.top - (margin + height) / 2;
    if (margin < height + iCanvas.Gap()) {
        top = ioContent.top;
        ioContent.top += height + iCanvas.Gap();
    }
    DrawLine(iCanvas.Dc(), iCanvas.TitleFont(), ChartColours::kText, title,
             {ioContent.left, top, ioContent.right, top + height}, DT_CENTER);
}

ValueScale BarScale(const ChartModel& iModel)
{
    double lowest = 0;
    double highest = 0;
    for (const auto& series : iModel.Series()) {
        if (series->Kind != SeriesKind::Bars)
            continue;
        for (const ChartPoint& point : series->Points) {
            lowest = std::min(lowest, point.Value);
            highest = std::max(highest, point.Value);
        }
    }
    return ValueScale(lowest, highest);
}

void DrawSeries(const ChartCanvas& iCanvas, const ChartModel& iModel, const RECT& iPlot)
{
    const auto& all = iModel.Series();
    if (all.empty() || iPlot.right <= iPlot.left || iPlot.bottom <= iPlot.top)
        return;
    const ValueScale scale = BarScale(iModel);
    const LONG count = static_cast<LONG>(all.size());
    const LONG width = iPlot.right - iPlot.left;
    for (LONG i = 0; i < count; ++i) {
        RECT cell = {iPlot.left + i * width / count, iPlot.top, iPlot.left + (i + 1) * width / count, iPlot.bottom};
        if (i > 0)
            cell.left += iCanvas.Gap();
        if (all[i]->Kind == SeriesKind::Pie) {
            DrawPie(iCanvas, *all[i], cell);
        } else {
            DrawBars(iCanvas, *all[i], scale, cell);
        }
    }
}

}  // namespace

void DrawChart(const ChartModel& iModel, HDC iDc, const RECT& iBounds)
{
    SavedDc saved(iDc);
    IntersectClipRect(iDc, iBounds.left, iBounds.top, iBounds.right, iBounds.bottom);
    SetBkMode(iDc, TRANSPARENT);
    const ChartSettings& settings = iModel.Settings();
    FillSolid(iDc, iBounds, settings.PanelColour);
    if (settings.Border) {
        GdiObject brush(CreateSolidBrush(ChartColours::kBorder));
        FrameRect(iDc, &iBounds, static_cast<HBRUSH>(brush.Get()));
    }

    ChartCanvas canvas(iDc, settings);
    RECT content = Content(settings, iBounds);
    DrawTitle(canvas, iBounds, content);
    ChartLegend legend(canvas, iModel);
    if (settings.LegendShown && !legend.IsEmpty()) {
        const int width = legend.Width(content.right - content.left);
        legend.Draw({content.right - width, content.top, content.right, content.bottom});
        content.right -= width + 2 * canvas.Gap();
    }
    DrawSeries(canvas, iModel, content);
}
