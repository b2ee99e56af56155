#include "QuantumRecords.h"

#include <algorithm>

namespace {

// What the program in front holds beyond the length of the quantum that ended: the part of
// the unwatched stretch that belongs to later quanta.
DWORD TakeUnwatchedTime(const TForegroundTracker& tracker, TProcessCacheEntry& current, DWORD quantumMs)
{
    DWORD total = 0;
    for (const auto& item : tracker.Cache())
        total += item.second->time;
    const DWORD unwatched = total > quantumMs ? std::min(total - quantumMs, current.time) : 0;
    current.time -= unwatched;
    return unwatched;
}

}  // namespace

std::vector<TActivityRecord> TakeQuantumRecords(TForegroundTracker& tracker, const TQuantum& quantum,
                                                long long periodStart, long long runningPeriod)
{
    tracker.CloseInterval();
    const SmartPtr<TProcessCacheEntry> current = tracker.Current();
    const long long nextPeriod = periodStart + quantum.Seconds();
    const bool quantaMissed = current && !current->name.empty() && runningPeriod > nextPeriod;
    DWORD unwatched = quantaMissed ? TakeUnwatchedTime(tracker, *current, quantum.LengthMs()) : 0;
    tracker.Trim(quantum.LengthMs());
    std::vector<TActivityRecord> records = tracker.TakeRecords(periodStart);
    for (long long period = nextPeriod; period < runningPeriod && unwatched > 0; period += quantum.Seconds()) {
        const DWORD time = std::min(unwatched, quantum.LengthMs());
        records.push_back({period, current->name, current->owner, current->title, current->path, time, 0, 0});
        unwatched -= time;
    }
    if (unwatched > 0)
        current->time += unwatched;
    return records;
}
