#pragma once
#include <csl/SmartPtr.h>

#include <windows.h>

// Where the local time comes from; tests put a clock of their own in its place.
class ILocalClock : public virtual SmartPtrObj {
public:
    virtual void GetLocalTime(SYSTEMTIME& oTime) = 0;
};

class TSystemLocalClock : public ILocalClock {
public:
    void GetLocalTime(SYSTEMTIME& oTime) override { ::GetLocalTime(&oTime); }
};
