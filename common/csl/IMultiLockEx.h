#pragma once
#include <csl/ILock.h>

// A shared/exclusive lock; ILock's operations take it exclusively.
class IMultiLock : public ILock {
public:
    virtual bool LockShared(DWORD iTimeout) = 0;
    virtual void LockShared() = 0;
    virtual bool LockExclusive(DWORD iTimeout) = 0;
    virtual void LockExclusive() = 0;

protected:
    ~IMultiLock() = default;
};

// Adds holds that belong to no thread: any thread may release them.
class IMultiLockEx : public IMultiLock {
public:
    virtual bool LockSharedAnonymous(DWORD iTimeout) = 0;
    virtual void LockSharedAnonymous() = 0;
    virtual bool LockExclusiveAnonymous(DWORD iTimeout) = 0;
    virtual void LockExclusiveAnonymous() = 0;
    virtual void UnlockAnonymous() = 0;

protected:
    ~IMultiLockEx() = default;
};
