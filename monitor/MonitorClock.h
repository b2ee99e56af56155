#pragma once

#include <windows.h>

// The monitor's two clocks: the calendar for quantum alignment and the tick count for
// foreground intervals, which the hook library's last-input time is also measured in.
class IMonitorClock {
public:
    virtual ~IMonitorClock() = default;
    virtual long long Now() = 0;  // seconds since 1970, UTC
    virtual DWORD TickCount() = 0;
};

class TSystemClock : public IMonitorClock {
public:
    long long Now() override;
    DWORD TickCount() override;
};
