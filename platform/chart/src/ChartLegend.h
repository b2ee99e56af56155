#pragma once
#include <string>
#include <vector>

#include "ChartCanvas.h"

struct LegendEntry {
    COLORREF Colour;
    std::wstring Label;
};

// A swatch and a label for every point drawn, series by series in the order of the points.
class ChartLegend {
public:
    ChartLegend(const ChartCanvas& iCanvas, const ChartModel& iModel);

    bool IsEmpty() const { return m_Entries.empty(); }
    // At most a third of the room's width: longer labels end in an ellipsis.
    int Width(int iRoomWidth) const;
    // Entries centred on the room's height; those that do not fit are left out.
    void Draw(const RECT& iRoom) const;

private:
    const ChartCanvas& m_Canvas;
    std::vector<LegendEntry> m_Entries;
};
