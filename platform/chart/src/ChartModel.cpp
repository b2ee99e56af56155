#include "ChartModel.h"

#include <cmath>

#include "ChartError.h"

void ChartModel::SetMargins(LONG iHorizontal, LONG iVertical)
{
    // Each margin is taken on both sides: together they leave at least a tenth of the panel.
    CheckRange(iHorizontal, 0, 45, L"The left and right margin in percent");
    CheckRange(iVertical, 0, 45, L"The top and bottom margin in percent");
    m_Settings.MarginX = iHorizontal;
    m_Settings.MarginY = iVertical;
    m_Changed();
}

void ChartModel::RemoveSeries()
{
    m_Series.clear();
    m_Changed();
}

LONG ChartModel::AddSeries(LONG iKind)
{
    if (iKind != static_cast<LONG>(SeriesKind::Bars) && iKind != static_cast<LONG>(SeriesKind::Pie))
        throw ChartError(E_INVALIDARG,
                         L"A series is of kind 5 (bars) or 6 (pie), not " + std::to_wstring(iKind) + L".");
    auto series = std::make_shared<ChartSeries>();
    series->Kind = static_cast<SeriesKind>(iKind);
    m_Series.push_back(std::move(series));
    m_Changed();
    return static_cast<LONG>(m_Series.size() - 1);
}

std::shared_ptr<ChartSeries> ChartModel::SeriesAt(LONG iIndex) const
{
    if (iIndex < 0 || static_cast<size_t>(iIndex) >= m_Series.size())
        throw ChartError(DISP_E_BADINDEX,
                         L"The chart has no series " + std::to_wstring(iIndex) + L": it has " +
                             std::to_wstring(m_Series.size()) + L".");
    return m_Series[iIndex];
}

LONG ChartModel::AddPoint(ChartSeries& ioSeries, double iValue, std::wstring iLabel, COLORREF iColour)
{
    if (!std::isfinite(iValue))
        throw ChartError(E_INVALIDARG, L"A point's value must be a finite number.");
    if (iColour != kAutomaticColour && (iColour & 0xFF000000) != 0)
        throw ChartError(E_INVALIDARG, L"A point's colour is an RGB value or 0x20000000 (automatic).");
    ioSeries.Points.push_back({iValue, std::move(iLabel), iColour});
    m_Changed();
    return static_cast<LONG>(ioSeries.Points.size() - 1);
}

void ChartModel::SetMarks(ChartSeries& ioSeries, LONG iMarks)
{
    CheckRange(iMarks, 0, 3, L"The marks (0 none, 1 percent, 2 value, 3 label)");
    ioSeries.Marks = static_cast<MarkKind>(iMarks);
    m_Changed();
}

void ChartModel::RemovePoints()
{
    for (auto& series : m_Series)
        series->Points.clear();
    m_Changed();
}
