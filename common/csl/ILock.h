#pragma once
#include <windows.h>

// What every lock of the system offers: a timed take, an unlimited take, a release.
class ILock {
public:
    virtual bool Lock(DWORD iTimeout) = 0;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;

protected:
    ~ILock() = default;
};
