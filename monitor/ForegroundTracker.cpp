#include "ForegroundTracker.h"

TForegroundTracker::TForegroundTracker(IInputHooks& hooks, IMonitorClock& clock) : hooks_(hooks), clock_(clock) {}

void TForegroundTracker::OnForegroundChange(DWORD event, HWND window)
{
    if (event != EVENT_SYSTEM_FOREGROUND)
        return;
    lastSeen_ = window;
    if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)
        return;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    GetProcessEntry(processId, window, true);
}

// No window in front (the program in front closed and none took its place) is a change to
// no program: the interval so far is the leaving program's, what follows nobody's.
void TForegroundTracker::CheckForeground(HWND window)
{
    if (window == lastSeen_)
        return;
    if (window) {
        OnForegroundChange(EVENT_SYSTEM_FOREGROUND, window);
        return;
    }
    lastSeen_ = nullptr;
    Credit();
    current_ = nullptr;
}

SmartPtr<TProcessCacheEntry> TForegroundTracker::GetProcessEntry(DWORD processId, HWND window, bool credit)
{
    if (credit)
        Credit();
    SmartPtr<TProcessCacheEntry>& entry = cache_[processId];
    if (!entry) {
        entry = new TProcessCacheEntry;
        if (window)
            entry->window = window;
    }
    if (window)
        entry->TakeTitle(window);
    if (credit)
        current_ = entry;
    if (entry->name.empty())
        entry->Fill(processId);
    return entry;
}

// The counters are cleared at every interval end, whether the interval counts or not.
void TForegroundTracker::Credit()
{
    DWORD now = clock_.TickCount();
    LONG keys = hooks_.TakeKeyEvents();
    LONG mice = hooks_.TakeMouseEvents();
    if (current_ && now - hooks_.LastInputTime() <= IdleLimitMs) {
        current_->keyEvents += keys;
        current_->mouseEvents += mice;
        current_->time += now - lastSwitch_;
    }
    lastSwitch_ = now;
}

void TForegroundTracker::CloseInterval()
{
    if (current_)
        GetProcessEntry(current_->processId, nullptr, true);
}

void TForegroundTracker::Trim(DWORD quantumMs)
{
    DWORD total = 0;
    TProcessCacheEntry* smallest = nullptr;
    for (auto& item : cache_) {
        total += item.second->time;
        if (!smallest || item.second->time < smallest->time)
            smallest = item.second.get();
    }
    if (total <= quantumMs)
        return;
    DWORD excess = total - quantumMs;
    if (smallest->time > excess)
        smallest->time -= excess;
}

std::vector<TActivityRecord> TForegroundTracker::TakeRecords(long long periodStart)
{
    std::vector<TActivityRecord> records;
    for (auto item = cache_.begin(); item != cache_.end();) {
        TProcessCacheEntry& entry = *item->second;
        if (!entry.name.empty() && entry.time != 0)
            records.push_back({periodStart, entry.name, entry.owner, entry.title, entry.path, entry.time,
                               entry.keyEvents, entry.mouseEvents});
        if (item->second == current_ && !entry.name.empty()) {
            entry.ResetCounters();
            ++item;
        } else {
            item = cache_.erase(item);
        }
    }
    return records;
}
