#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A colour that the chart picks by the point's index.
constexpr COLORREF kAutomaticColour = 0x20000000;

enum class SeriesKind : LONG {
    Bars = 5,
    Pie = 6
};

enum class MarkKind : LONG {
    None = 0,
    Percent = 1,
    Value = 2,
    Label = 3
};

struct ChartPoint {
    double Value;
    std::wstring Label;
    COLORREF Colour;  // an RGB colour or kAutomaticColour
};

struct ChartSeries {
    SeriesKind Kind;
    MarkKind Marks = MarkKind::None;
    std::vector<ChartPoint> Points;
};

// Everything of the chart's look that callers set one value at a time.
struct ChartSettings {
    LONG TitleSize = 120;  // tenths of a point
    std::wstring Title;
    bool LegendShown = true;
    LONG AxisShown = 1;
    LONG GridLines = 1;
    LONG LabelSize = 8;  // points
    bool LabelsShown = true;
    COLORREF PanelColour = RGB(255, 255, 255);
    LONG Border = 1;
    bool FlatBars = true;
    LONG MarginX = 2;  // percent of the width, left and right
    LONG MarginY = 4;  // percent of the height, top and bottom
};

// The chart's series and settings. Every change is checked first, so that a refused one
// changes nothing, and is then reported to the owner, which repaints.
class ChartModel {
public:
    explicit ChartModel(std::function<void()> iChanged) : m_Changed(std::move(iChanged)) {}
    ChartModel(const ChartModel&) = delete;
    ChartModel& operator=(const ChartModel&) = delete;

    const ChartSettings& Settings() const { return m_Settings; }
    template <class T>
    void Set(T ChartSettings::*iField, T iValue)
    {
        m_Settings.*iField = std::move(iValue);
        m_Changed();
    }
    void SetMargins(LONG iHorizontal, LONG iVertical);

    const std::vector<std::shared_ptr<ChartSeries>>& Series() const { return m_Series; }
    void RemoveSeries();
    LONG AddSeries(LONG iKind);
    std::shared_ptr<ChartSeries> SeriesAt(LONG iIndex) const;

    LONG AddPoint(ChartSeries& ioSeries, double iValue, std::wstring iLabel, COLORREF iColour);
    void SetMarks(ChartSeries& ioSeries, LONG iMarks);
    void RemovePoints();

private:
    ChartSettings m_Settings;
    std::vector<std::shared_ptr<ChartSeries>> m_Series;
    std::function<void()> m_Changed;
};
