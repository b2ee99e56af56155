#include "QuantumRecords.h"

#include <algorithm>

namespace {

// What the program in front holds beyond the length of the quantum that ended: the part of
// the unwatched stretch that belongs to later quanta.
DWORD TakeUnwatchedTime(const TForegroundTracker& iTracker, TProcessCacheEntry& ioCurrent, DWORD iQuantumMs)
{
    DWORD total = 0;
    for (const auto& item : iTracker.Cache())
        total += item.second->Time;
    const DWORD unwatched = total > iQuantumMs ? std::min(total - iQuantumMs, ioCurrent.Time) : 0;
    ioCurrent.Time -= unwatched;
    return unwatched;
}

}  // namespace

std::vector<TActivityRecord> TakeQuantumRecords(TForegroundTracker& ioTracker, const TQuantum& iQuantum,
                                                long long iPeriodStart, long long iRunningPeriod)
{
    ioTracker.CloseInterval();
    const SmartPtr<TProcessCacheEntry> current = ioTracker.Current();
    const long long nextPeriod = iPeriodStart + iQuantum.Seconds();
    const bool quantaMissed = current && !current->Name.empty() && iRunningPeriod > nextPeriod;
    DWORD unwatched = quantaMissed ? TakeUnwatchedTime(ioTracker, *current, iQuantum.LengthMs()) : 0;
    ioTracker.Trim(iQuantum.LengthMs());
    std::vector<TActivityRecord> records = ioTracker.TakeRecords(iPeriodStart);
    for (long long period = nextPeriod; period < iRunningPeriod && unwatched > 0; period += iQuantum.Seconds()) {
        const DWORD time = std::min(unwatched, iQuantum.LengthMs());
        records.push_back({period, current->Name, current->Owner, current->Title, current->Path, time, 0, 0});
        unwatched -= time;
    }
    if (unwatched > 0)
        current->Time += unwatched;
    return records;
}
