#pragma once
#include <csl/TCriticalSection.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

// The monitors being watched, each by a wait registered with the system's pool rather than by
// a thread of its own: the system waits on many handles per thread, so a terminal server's
// hundreds of sessions cost a handful of threads and leave the service's pool free.
class TMonitorWatches {
public:
    // Told of a monitor that ended while watched (its process handle is still open), on a
    // thread of the system's pool and under the watches' lock; never once EndAll has begun.
    using TEnded = std::function<void(DWORD iSession, HANDLE iProcess)>;

    // A monitor asked to end has iPatience ms to report what it holds.
    TMonitorWatches(TEnded iEnded, DWORD iPatience);
    ~TMonitorWatches();
    TMonitorWatches(const TMonitorWatches&) = delete;
    TMonitorWatches& operator=(const TMonitorWatches&) = delete;

    // Takes the started process's handles. A monitor started once EndAll has begun is ended
    // at once, the same way.
    void Watch(const PROCESS_INFORMATION& iProcess, DWORD iSession);
    // Asks every watched monitor to end, gives them all together the time to report what they
    // hold, and only then ends the rest by force; the monitors' calls are served meanwhile.
    void EndAll();

private:
    struct TWatch;
    using TWatchList = std::vector<std::unique_ptr<TWatch>>;

    static void CALLBACK OnProcessEnded(void* iWatch, BOOLEAN iTimedOut);
    // Out of the list, and reported ended, unless EndAll has it.
    std::unique_ptr<TWatch> TakeEnded(TWatch* iWatch);
    // Every watch, its wait undone; from then on none is reported.
    TWatchList TakeAll();
    void End(const TWatchList& iWatches);

    TEnded m_Ended;
    DWORD m_Patience;
    TCriticalSection m_Lock;
    TWatchList m_Watches;
    bool m_Ending = false;
};
