#pragma once

#include <windows.h>

#include <string>

// One program's activity in one quantum, as it is reported to the server.
struct TActivityRecord {
    long long periodStart = 0;  // seconds since 1970, UTC; a multiple of the quantum
    std::wstring name;
    std::wstring owner;
    std::wstring title;
    std::wstring path;
    DWORD time = 0;  // ms
    LONG keyEvents = 0;
    LONG mouseEvents = 0;
};
