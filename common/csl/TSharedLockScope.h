#pragma once
#include <csl/IMultiLockEx.h>
#include <csl/TLockScope.h>

// Holds a shared/exclusive lock shared for the life of the scope; released as TLockScope
// releases, so a failing release never leaves the destructor.
class TSharedLockScope : public TLockScope {
public:
    explicit TSharedLockScope(IMultiLock& iLock) : TLockScope(TakeShared(iLock), TAdopt()) {}

private:
    static IMultiLock& TakeShared(IMultiLock& iLock)
    {
        iLock.LockShared();
        return iLock;
    }
};
