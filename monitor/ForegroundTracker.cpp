#include "ForegroundTracker.h"

TForegroundTracker::TForegroundTracker(IInputHooks& iHooks, IMonitorClock& iClock) : m_Hooks(iHooks), m_Clock(iClock) {}

void TForegroundTracker::OnForegroundChange(DWORD iEvent, HWND iWindow)
{
    if (iEvent != EVENT_SYSTEM_FOREGROUND)
        return;
    m_LastSeen = iWindow;
    if (GetWindowLongW(iWindow, GWL_STYLE) & WS_CHILD)
        return;
    DWORD processId = 0;
    GetWindowThreadProcessId(iWindow, &processId);
    GetProcessEntry(processId, iWindow, true);
}

// No window in front (the program in front closed and none took its place) is a change to
// no program: the interval so far is the leaving program's, what follows nobody's.
void TForegroundTracker::CheckForeground(HWND iWindow)
{
    if (iWindow == m_LastSeen)
        return;
    if (iWindow) {
        OnForegroundChange(EVENT_SYSTEM_FOREGROUND, iWindow);
        return;
    }
    m_LastSeen = nullptr;
    Credit();
    m_Current = nullptr;
}

SmartPtr<TProcessCacheEntry> TForegroundTracker::GetProcessEntry(DWORD iProcessId, HWND iWindow, bool iCredit)
{
    if (iCredit)
        Credit();
    SmartPtr<TProcessCacheEntry>& entry = m_Cache[iProcessId];
    if (!entry) {
        entry = new TProcessCacheEntry;
        if (iWindow)
            entry->Window = iWindow;
    }
    if (iWindow)
        entry->TakeTitle(iWindow);
    if (iCredit)
        m_Current = entry;
    if (entry->Name.empty())
        entry->Fill(iProcessId);
    return entry;
}

// The counters are cleared at every interval end, whether the interval counts or not.
void TForegroundTracker::Credit()
{
    DWORD now = m_Clock.TickCount();
    LONG keys = m_Hooks.TakeKeyEvents();
    LONG mice = m_Hooks.TakeMouseEvents();
    if (m_Current && now - m_Hooks.LastInputTime() <= IdleLimitMs) {
        m_Current->KeyEvents += keys;
        m_Current->MouseEvents += mice;
        m_Current->Time += now - m_LastSwitch;
    }
    m_LastSwitch = now;
}

void TForegroundTracker::CloseInterval()
{
    if (m_Current)
        GetProcessEntry(m_Current->ProcessId, nullptr, true);
}

void TForegroundTracker::Trim(DWORD iQuantumMs)
{
    DWORD total = 0;
    TProcessCacheEntry* smallest = nullptr;
    for (auto& item : m_Cache) {
        total += item.second->Time;
        if (!smallest || item.second->Time < smallest->Time)
            smallest = item.second.get();
    }
    if (total <= iQuantumMs)
        return;
    DWORD excess = total - iQuantumMs;
    if (smallest->Time > excess)
        smallest->Time -= excess;
}

std::vector<TActivityRecord> TForegroundTracker::TakeRecords(long long iPeriodStart)
{
    std::vector<TActivityRecord> records;
    for (auto item = m_Cache.begin(); item != m_Cache.end();) {
        TProcessCacheEntry& entry = *item->second;
        if (!entry.Name.empty() && entry.Time != 0)
            records.push_back({iPeriodStart, entry.Name, entry.Owner, entry.Title, entry.Path, entry.Time,
                               entry.KeyEvents, entry.MouseEvents});
        if (item->second == m_Current && !entry.Name.empty()) {
            entry.ResetCounters();
            ++item;
        } else {
            item = m_Cache.erase(item);
        }
    }
    return records;
}
