#pragma once
#include <csl/IMultiLockEx.h>
#include <csl/MultiLockPolicies.h>
#include <stdexcept>

// Re-entrant shared/exclusive lock assembled from policies (see MultiLockPolicies.h).
// Holds belong to an owner: the calling thread, or owner 0 for anonymous holds, which
// any thread may give back. Two shared holders that both ask to become exclusive can
// never both get it: the second is told "dead-lock" at once and keeps its shared hold.
template <class Notify, class WakeUp>
class TMultiLockEx : public IMultiLockEx, public Notify, public WakeUp {
public:
    TMultiLockEx() : m_State(kUnlocked) {}
    TMultiLockEx(const TMultiLockEx&) = delete;
    TMultiLockEx& operator=(const TMultiLockEx&) = delete;

    bool Lock(DWORD iTimeout) override { return LockExclusive(iTimeout); }
    void Lock() override { LockExclusive(); }
    void Unlock() override { Release(this->CurrentOwner()); }

    bool LockShared(DWORD iTimeout) override { return AcquireShared(this->CurrentOwner(), iTimeout); }
    void LockShared() override { AcquireShared(this->CurrentOwner(), INFINITE); }
    bool LockExclusive(DWORD iTimeout) override { return AcquireExclusive(this->CurrentOwner(), iTimeout); }
    void LockExclusive() override { AcquireExclusive(this->CurrentOwner(), INFINITE); }

    bool LockSharedAnonymous(DWORD iTimeout) override { return AcquireShared(0, iTimeout); }
    void LockSharedAnonymous() override { AcquireShared(0, INFINITE); }
    bool LockExclusiveAnonymous(DWORD iTimeout) override { return AcquireExclusive(0, iTimeout); }
    void LockExclusiveAnonymous() override { AcquireExclusive(0, INFINITE); }
    void UnlockAnonymous() override { Release(0); }

    // True when taken within the time (INFINITE: no limit).
    bool AcquireShared(DWORD iOwner, DWORD iTimeout);
    bool AcquireExclusive(DWORD iOwner, DWORD iTimeout);
    // Gives back the owner's most recent hold; an owner that holds nothing is refused
    // with std::logic_error and the lock is left as it was.
    void Release(DWORD iOwner);

private:
    enum {
        kUnlocked = 0,
        kShared = 1,
        kExclusive = 2
    };
    typedef WakeUp Signals;

    // Under the inner lock; a failure gives it back and restores the state.
    void AddHold(DWORD iOwner, bool iExclusive, LONG iRestoreState)
    {
        try {
            WakeUp::AddHold(iOwner, iExclusive);
        } catch (...) {
            InterlockedExchange(&m_State, iRestoreState);
            this->InnerUnlock();
            throw;
        }
    }

    bool WaitToUpgrade(DWORD iOwner, DWORD iTimeout);

    volatile LONG m_State;
};

template <class Notify, class WakeUp>
bool TMultiLockEx<Notify, WakeUp>::AcquireShared(DWORD iOwner, DWORD iTimeout)
{
    const _ml_timeout limit(iTimeout);
    for (;;) {
        this->InnerLock();
        const LONG previous = InterlockedCompareExchange(&m_State, kShared, kUnlocked);
        if (previous == kUnlocked) {
            AddHold(iOwner, false, kUnlocked);
            this->OnSharedFromFree();
            this->ChangeFlags(Signals::kFree, Signals::kDowngraded);
            return true;
        }
        if (previous == kShared) {
            AddHold(iOwner, false, kShared);
            this->ClearFlags(Signals::kSingleOwner);
            return true;
        }
        const int mine = this->CountHolds(iOwner);
        if (mine == this->TotalHolds()) {
            AddHold(iOwner, false, kExclusive);
            this->InnerUnlock();
            return true;
        }
        const LONG bits = Signals::kFree | Signals::kDowngraded | (mine > 0 ? Signals::kSingleOwner : 0);
        if (!this->Wait(bits, iOwner, limit.Remaining()))
            return false;
    }
}

template <class Notify, class WakeUp>
bool TMultiLockEx<Notify, WakeUp>::AcquireExclusive(DWORD iOwner, DWORD iTimeout)
{
    const _ml_timeout limit(iTimeout);
    for (;;) {
        this->InnerLock();
        const LONG previous = InterlockedCompareExchange(&m_State, kExclusive, kUnlocked);
        if (previous == kUnlocked) {
            AddHold(iOwner, true, kUnlocked);
            this->OnExclusiveFromFree();
            this->ClearFlags(Signals::kFree | Signals::kDowngraded);
            return true;
        }
        const int mine = this->CountHolds(iOwner);
        if (mine == this->TotalHolds()) {
            AddHold(iOwner, true, previous);
            if (previous == kExclusive) {
                this->InnerUnlock();
                return true;
            }
            InterlockedExchange(&m_State, kExclusive);
            this->OnUpgraded();
            this->ClearFlags(Signals::kDowngraded);
            return true;
        }
        bool signalled;
        if (mine == 0)
            signalled = this->Wait(Signals::kFree, iOwner, limit.Remaining());
        else if (previous == kExclusive)
            signalled = this->Wait(Signals::kFree | Signals::kSingleOwner, iOwner, limit.Remaining());
        else
            signalled = WaitToUpgrade(iOwner, limit.Remaining());
        if (!signalled)
            return false;
    }
}

// A shared holder waits until it is the only holder; a second one asking meanwhile
// could never be served while the first keeps its hold.
template <class Notify, class WakeUp>
bool TMultiLockEx<Notify, WakeUp>::WaitToUpgrade(DWORD iOwner, DWORD iTimeout)
{
    if (InterlockedIncrement(&this->m_UpgradeWaiters) > 1) {
        InterlockedDecrement(&this->m_UpgradeWaiters);
        this->InnerUnlock();
        throw std::runtime_error("dead-lock");
    }
    struct WaiterCount {
        volatile LONG& count;
        ~WaiterCount() { InterlockedDecrement(&count); }
    } waiting{this->m_UpgradeWaiters};
    return this->Wait(Signals::kFree | Signals::kSingleOwner, iOwner, iTimeout);
}

template <class Notify, class WakeUp>
void TMultiLockEx<Notify, WakeUp>::Release(DWORD iOwner)
{
    this->InnerLockUninterrupted();
    const _ml_release_result result = this->RemoveHold(iOwner);
    if (!result.held) {
        this->InnerUnlock();
        throw std::logic_error("Unlock by an owner that holds no lock");
    }
    if (result.empty) {
        if (InterlockedExchange(&m_State, kUnlocked) == kExclusive)
            this->OnExclusiveEnded();
        else
            this->OnSharedEnded();
        this->ChangeFlags(Signals::kDowngraded, Signals::kFree);
        return;
    }
    LONG bits = result.singleOwner ? Signals::kSingleOwner : 0;
    if (result.downgrade && m_State == kExclusive) {
        InterlockedExchange(&m_State, kShared);
        bits |= Signals::kDowngraded;
    }
    this->SetFlags(bits);
}
