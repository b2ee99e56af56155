#include "ValueScale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWantedSteps = 5;
constexpr int kMostTicks = 100;

// 1, 2 or 5 times a power of ten, at least the given step.
double RoundStep(double iStep)
{
    const double power = std::pow(10.0, std::floor(std::log10(iStep)));
    const double scaled = iStep / power;
    return (scaled <= 1 ? 1 : scaled <= 2 ? 2 : scaled <= 5 ? 5 : 10) * power;
}

}  // namespace

ValueScale::ValueScale(double iLowest, double iHighest)
{
    double low = std::min(0.0, iLowest);
    double high = std::max(0.0, iHighest);
    if (!(high - low > 0))
        high = low + 1;
    m_Step = RoundStep((high - low) / kWantedSteps);
    m_Low = std::floor(low / m_Step) * m_Step;
    m_High = std::ceil(high / m_Step) * m_Step;
    m_Decimals = m_Step >= 1 ? 0 : std::min(10, static_cast<int>(-std::floor(std::log10(m_Step))));
}

double ValueScale::Position(double iValue) const
{
    const double share = (iValue - m_Low) / (m_High - m_Low);
    return std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
}

std::vector<double> ValueScale::Ticks() const
{
    std::vector<double> ticks;
    const double count = std::round((m_High - m_Low) / m_Step);
    if (!std::isfinite(count) || count > kMostTicks)
        return ticks;
    for (int i = 0; i <= static_cast<int>(count); ++i)
        ticks.push_back(m_Low + i * m_Step);
    return ticks;
}
