#pragma once

#include <windows.h>

// The input counters of the hook library: this session's input, counted by the hooks that
// the monitor installs in its own thread. Read and reset only in one atomic exchange.
class IInputHooks {
public:
    virtual ~IInputHooks() = default;
    virtual void Hook() = 0;
    virtual void Unhook() = 0;
    virtual LONG TakeKeyEvents() = 0;
    virtual LONG TakeMouseEvents() = 0;
    virtual DWORD LastInputTime() = 0;  // tick count of the last keyboard or mouse event
};
