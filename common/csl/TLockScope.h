#pragma once
#include <csl/ILock.h>

// Holds a lock for the life of the scope. The lock is forgotten before it is released,
// so it is released at most once even when its Unlock throws.
class TLockScope {
public:
    explicit TLockScope(ILock& iLock) : m_Lock(&iLock) { iLock.Lock(); }
    TLockScope(const TLockScope&) = delete;
    TLockScope& operator=(const TLockScope&) = delete;
    // Never throws: a failed release is logged.
    ~TLockScope();

    void Unlock();

protected:
    struct TAdopt {};
    // For scopes that take the lock their own way: the lock is held already.
    TLockScope(ILock& iLock, TAdopt) : m_Lock(&iLock) {}

private:
    ILock* m_Lock;
};

// Holds a lock taken by another of its members than Lock() (shared, say, or uninterrupted)
// for the life of the scope; released as TLockScope releases.
template <class TLock, void (TLock::*Take)()>
class TLockScopeTakenBy : public TLockScope {
public:
    explicit TLockScopeTakenBy(TLock& iLock) : TLockScope(Taken(iLock), TAdopt()) {}

private:
    static TLock& Taken(TLock& iLock)
    {
        (iLock.*Take)();
        return iLock;
    }
};
