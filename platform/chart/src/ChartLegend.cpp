#include "ChartLegend.h"

#include <algorithm>

#include "PiePlot.h"
#include "PointStyle.h"

ChartLegend::ChartLegend(const ChartCanvas& iCanvas, const ChartModel& iModel) : m_Canvas(iCanvas)
{
    for (const auto& series : iModel.Series()) {
        for (size_t i = 0; i < series->Points.size(); ++i) {
            const ChartPoint& point = series->Points[i];
            if (IsDrawn(*series, point))
                m_Entries.push_back({PointColour(point, i), point.Label});
        }
    }
}

int ChartLegend::Width(int iRoomWidth) const
{
    int label = 0;
    for (const LegendEntry& entry : m_Entries)
        label = std::max(label, TextWidth(m_Canvas.Dc(), m_Canvas.TextFont(), entry.Label));
    const int width = m_Canvas.TextHeight() + 2 * m_Canvas.Gap() + label;
    return std::min(width, iRoomWidth / 3);
}

void ChartLegend::Draw(const RECT& iRoom) const
{
    const int swatch = m_Canvas.TextHeight() - 2;
    const int pitch = m_Canvas.TextHeight() + m_Canvas.Gap();
    const int height = static_cast<int>(m_Entries.size()) * pitch;
    int top = iRoom.top + std::max(0, (static_cast<int>(iRoom.bottom - iRoom.top) - height) / 2);
    for (const LegendEntry& entry : m_Entries) {
        if (top + pitch > iRoom.bottom)
            break;
        const int swatchTop = top + (pitch - swatch) / 2;
        FillSolid(m_Canvas.Dc(), {iRoom.left, swatchTop, iRoom.left + swatch, swatchTop + swatch}, entry.Colour);
        DrawLine(m_Canvas.Dc(), m_Canvas.TextFont(), ChartColours::kText, entry.Label,
                 {iRoom.left + swatch + 2 * m_Canvas.Gap(), top, iRoom.right, top + pitch}, DT_LEFT);
        top += pitch;
    }
}
