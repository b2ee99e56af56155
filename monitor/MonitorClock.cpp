#include "MonitorClock.h"

#include <ctime>

long long TSystemClock::Now()
{
    return _time64(nullptr);
}

DWORD TSystemClock::TickCount()
{
    return GetTickCount();
}
