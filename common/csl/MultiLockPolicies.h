#pragma once
#include <windows.h>
#include <csl/ESystemException.h>
#include <csl/TWaitableTimer.h>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

// Policies that TMultiLockEx is assembled from.

// Guards a lock's bookkeeping; held for a few instructions, never across a wait.
class _ml_interlocked_inner_lock {
public:
    _ml_interlocked_inner_lock() : m_InnerLock(0) {}

protected:
    void InnerLock();
    // For releases: an interrupt here would leave the hold in place for good, so it waits
    // queued for the thread's next alertable wait.
    void InnerLockUninterrupted();
    void InnerUnlock();

private:
    volatile LONG m_InnerLock;
};

// What the release of one hold left behind.
struct _ml_release_result {
    bool held;         // false: the owner held nothing and nothing changed
    bool empty;        // no hold is left
    bool singleOwner;  // every remaining hold belongs to one owner
    bool downgrade;    // the exclusive hold ended and only shared holds remain
};

// One entry per acquisition, most recent last; the top bit marks an exclusive one.
template <class Inner>
class _ml_full_owners_list : public Inner {
protected:
    static DWORD CurrentOwner() { return GetCurrentThreadId() & kOwnerMask; }

    void AddHold(DWORD iOwner, bool iExclusive) { m_Entries.push_back(iOwner | (iExclusive ? kExclusive : 0)); }

    int CountHolds(DWORD iOwner) const
    {
        return static_cast<int>(std::count_if(m_Entries.begin(), m_Entries.end(),
                                              [iOwner](DWORD entry) { return OwnerOf(entry) == iOwner; }));
    }

    int TotalHolds() const { return static_cast<int>(m_Entries.size()); }

    // Removes the owner's most recent acquisition.
    _ml_release_result RemoveHold(DWORD iOwner)
    {
        _ml_release_result result = {};
        auto last = std::find_if(m_Entries.rbegin(), m_Entries.rend(),
                                 [iOwner](DWORD entry) { return OwnerOf(entry) == iOwner; });
        if (last == m_Entries.rend())
            return result;
        const bool wasExclusive = (*last & kExclusive) != 0;
        m_Entries.erase(std::next(last).base());
        result.held = true;
        result.empty = m_Entries.empty();
        result.singleOwner = !result.empty && CountHolds(OwnerOf(m_Entries.front())) == TotalHolds();
        result.downgrade = wasExclusive &&
            std::none_of(m_Entries.begin(), m_Entries.end(), [](DWORD entry) { return (entry & kExclusive) != 0; });
        return result;
    }

private:
    static const DWORD kExclusive = 0x80000000;
    static const DWORD kOwnerMask = 0x7FFFFFFF;
    static DWORD OwnerOf(DWORD iEntry) { return iEntry & kOwnerMask; }

    std::vector<DWORD> m_Entries;
};

// One record per owner with its number of holds. An exclusive hold lasts until its
// owner's last hold ends; the holds inside it are not told apart.
template <class Inner>
class _ml_single_owners_list : public Inner {
protected:
    static DWORD CurrentOwner() { return GetCurrentThreadId(); }

    void AddHold(DWORD iOwner, bool)
    {
        auto record = Find(iOwner);
        if (record != m_Records.end())
            ++record->second;
        else
            m_Records.emplace_back(iOwner, 1);
    }

    int CountHolds(DWORD iOwner) const
    {
        auto record = const_cast<_ml_single_owners_list*>(this)->Find(iOwner);
        return record == m_Records.end() ? 0 : record->second;
    }

    int TotalHolds() const
    {
        int total = 0;
        for (const auto& record : m_Records)
            total += record.second;
        return total;
    }

    _ml_release_result RemoveHold(DWORD iOwner)
    {
        _ml_release_result result = {};
        auto record = Find(iOwner);
        if (record == m_Records.end())
            return result;
        if (--record->second == 0)
            m_Records.erase(record);
        result.held = true;
        result.empty = m_Records.empty();
        result.singleOwner = m_Records.size() == 1;
        return result;
    }

private:
    typedef std::vector<std::pair<DWORD, int>> Records;

    Records::iterator Find(DWORD iOwner)
    {
        return std::find_if(m_Records.begin(), m_Records.end(),
                            [iOwner](const std::pair<DWORD, int>& record) { return record.first == iOwner; });
    }

    Records m_Records;
};

// The wake-up events of a lock's signal bits, created on first need.
class _ml_signal_events {
public:
    _ml_signal_events();
    ~_ml_signal_events();
    _ml_signal_events(const _ml_signal_events&) = delete;
    _ml_signal_events& operator=(const _ml_signal_events&) = delete;

    // The bit's event, created in the given state when it does not exist yet.
    HANDLE Get(LONG iBit, bool iSignalled);
    // Signal or reset the events of the bits that exist; false when the system refused.
    bool Set(LONG iBits);
    bool Reset(LONG iBits);

private:
    static int IndexOf(LONG iBit);
    bool Change(LONG iBits, BOOL(WINAPI* iChange)(HANDLE));

    HANDLE m_Events[3];
};

// Signal bits, their events and the waiting for them.
template <class Owners>
class _ml_free_signal_event : public Owners {
public:
    // kDowngraded is set exactly while the lock is held shared, so that every thread
    // waiting to share it comes in, and none is woken while it is exclusive.
    enum {
        kFree = 2,
        kSingleOwner = 4,
        kDowngraded = 8
    };

    _ml_free_signal_event() : m_UpgradeWaiters(0), m_Signals(kFree) {}

protected:
    // Give back the inner lock. The events change while it is still held, so an event
    // never disagrees with its bit when another thread looks.
    void ChangeFlags(LONG iClear, LONG iSet)
    {
        const bool done = m_Events.Reset(m_Signals & iClear & ~iSet) && m_Events.Set(iSet & ~m_Signals);
        m_Signals = (m_Signals & ~iClear) | iSet;
        this->InnerUnlock();
        if (!done)
            ThrowLastSystemError();
    }
    void ClearFlags(LONG iBits) { ChangeFlags(iBits, 0); }
    void SetFlags(LONG iBits) { ChangeFlags(0, iBits); }

    // Entered holding the inner lock, which it gives back. True when one of the bits
    // came (the caller tries again), false when the time ran out.
    bool Wait(LONG iBits, DWORD iOwner, DWORD iTimeout);

    volatile LONG m_UpgradeWaiters;

private:
    bool OwnsAll(DWORD iOwner) const
    {
        return this->TotalHolds() > 0 && this->CountHolds(iOwner) == this->TotalHolds();
    }

    LONG m_Signals;
    _ml_signal_events m_Events;
};

// Waits for any of the handles, alertable, until one of them is signalled; returns its
// index. Wake-ups for asynchronous calls wait again, unless the call interrupted the thread;
// a failed wait throws.
DWORD _ml_wait_any(const HANDLE* iHandles, DWORD iCount);

template <class Owners>
bool _ml_free_signal_event<Owners>::Wait(LONG iBits, DWORD iOwner, DWORD iTimeout)
{
    static const LONG order[] = {kSingleOwner, kDowngraded, kFree};
    HANDLE handles[4];
    LONG handleBits[3];
    DWORD count = 0;
    try {
        for (LONG bit : order) {
            if (iBits & bit) {
                handles[count] = m_Events.Get(bit, (m_Signals & bit) != 0);
                handleBits[count++] = bit;
            }
        }
    } catch (...) {
        this->InnerUnlock();
        throw;
    }
    this->InnerUnlock();
    std::unique_ptr<TWaitableTimer> timer;
    if (iTimeout != INFINITE) {
        timer.reset(new TWaitableTimer(true));
        timer->Set(iTimeout);
        handles[count] = timer->GetHandle();
    }
    for (;;) {
        const DWORD index = _ml_wait_any(handles, count + (timer ? 1 : 0));
        if (index == count)
            return false;
        if (handleBits[index] != kSingleOwner)
            return true;
        this->InnerLock();
        if (OwnsAll(iOwner)) {
            this->InnerUnlock();
            return true;
        }
        // A waiter holds some of the lock, so the single owner announced can only have been
        // this one: the bit outlived that moment. Put it right and wait on.
        ClearFlags(kSingleOwner);
    }
}

// Notification hooks: none.
class _ml_no_notify {
protected:
    void OnExclusiveFromFree() {}
    void OnSharedFromFree() {}
    void OnExclusiveEnded() {}
    void OnSharedEnded() {}
    void OnUpgraded() {}
};

// Notification hooks that a derived lock may override.
class _ml_notify {
protected:
    virtual ~_ml_notify() = default;
    virtual void OnExclusiveFromFree() {}
    virtual void OnSharedFromFree() {}
    virtual void OnExclusiveEnded() {}
    virtual void OnSharedEnded() {}
    virtual void OnUpgraded() {}
};

// What is left of a timed acquisition's time across its waits.
class _ml_timeout {
public:
    explicit _ml_timeout(DWORD iTimeout) : m_Timeout(iTimeout), m_Start(GetTickCount()) {}

    DWORD Remaining() const
    {
        if (m_Timeout == INFINITE)
            return INFINITE;
        const DWORD elapsed = GetTickCount() - m_Start;
        return elapsed >= m_Timeout ? 0 : m_Timeout - elapsed;
    }

private:
    DWORD m_Timeout;
    DWORD m_Start;
};
