// What the benchmarks share: the time a piece of work takes, and the median of runs.
#pragma once
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

inline double Milliseconds(const std::function<void()>& iWork)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    iWork();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double Median(std::vector<double> iValues)
{
    std::sort(iValues.begin(), iValues.end());
    return iValues[iValues.size() / 2];
}
