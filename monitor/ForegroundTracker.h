#pragma once

#include "ActivityRecord.h"
#include "InputHooks.h"
#include "MonitorClock.h"
#include "ProcessCacheEntry.h"

#include <map>
#include <vector>

// Turns foreground changes into per-program time and input counts. Each interval between two
// switches (or a switch and a quantum boundary) goes to the program that had the foreground,
// with the input counted meanwhile, unless the user was idle longer than the idle limit when
// it ended.
class TForegroundTracker {
public:
    using TCache = std::map<DWORD, SmartPtr<TProcessCacheEntry>>;
    static constexpr DWORD IdleLimitMs = 60000;

    TForegroundTracker(IInputHooks& iHooks, IMonitorClock& iClock);

    // The win-event report of a new foreground window: child windows and other events are
    // passed over.
    void OnForegroundChange(DWORD iEvent, HWND iWindow);
    // Raises a foreground change when window differs from the last one seen (for systems whose
    // foreground event never comes); a null window ends the running interval with no program
    // after it.
    void CheckForeground(HWND iWindow);
    // The entry of a process, created and filled on first sight. With credit, the running
    // interval ends here and the entry becomes the current one.
    SmartPtr<TProcessCacheEntry> GetProcessEntry(DWORD iProcessId, HWND iWindow, bool iCredit);

    // Ends the running interval at a quantum boundary.
    void CloseInterval();
    // When the entries of the quantum add up to more than its length, takes the excess off the
    // entry with the smallest time, if that one is larger than the excess.
    void Trim(DWORD iQuantumMs);
    // The records of the quantum that ends, for every entry with a name and time. The current
    // entry stays with its counters reset; every other entry leaves the cache.
    std::vector<TActivityRecord> TakeRecords(long long iPeriodStart);

    const TCache& Cache() const { return m_Cache; }
    const SmartPtr<TProcessCacheEntry>& Current() const { return m_Current; }

private:
    void Credit();

    IInputHooks& m_Hooks;
    IMonitorClock& m_Clock;
    TCache m_Cache;
    SmartPtr<TProcessCacheEntry> m_Current;
    DWORD m_LastSwitch = 0;
    HWND m_LastSeen = nullptr;
};
