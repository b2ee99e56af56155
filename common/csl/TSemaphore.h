#pragma once
#include <csl/ILock.h>
#include <csl/THandle.h>

// A counting Win32 semaphore, initial count 0, maximum 1000. Unlock may come from any
// thread. Waits are alertable.
class TSemaphore : public THandle, public ILock {
public:
    enum {
        kMaximumCount = 1000
    };

    TSemaphore();

    bool Lock(DWORD iTimeout) override;
    void Lock() override;
    void Unlock() override;
};
