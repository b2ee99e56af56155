#pragma once
#include <windows.h>
#include <objbase.h>

// Enters a COM apartment for the life of the scope: the multithreaded one unless the
// program asks for another (the monitor runs in a single-threaded apartment).
class TComInitializer {
public:
    explicit TComInitializer(DWORD iApartment = COINIT_MULTITHREADED);
    ~TComInitializer();

    TComInitializer(const TComInitializer&) = delete;
    TComInitializer& operator=(const TComInitializer&) = delete;
};
