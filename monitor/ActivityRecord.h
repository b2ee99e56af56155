#pragma once

#include <windows.h>

#include <string>

// One program's activity in one quantum, as it is reported to the server.
struct TActivityRecord {
    long long PeriodStart = 0;  // seconds since 1970, UTC; a multiple of the quantum
    std::wstring Name;
    std::wstring Owner;
    std::wstring Title;
    std::wstring Path;
    DWORD Time = 0;  // ms
    LONG KeyEvents = 0;
    LONG MouseEvents = 0;
};
