#pragma once

#include <windows.h>

// Where the monitor reads which window has the foreground when it checks on its own.
class IForegroundSource {
public:
    virtual ~IForegroundSource() = default;
    virtual HWND ForegroundWindow() = 0;
};

class TSystemForeground : public IForegroundSource {
public:
    HWND ForegroundWindow() override { return GetForegroundWindow(); }
};
