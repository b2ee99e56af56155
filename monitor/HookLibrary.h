#pragma once

#include "InputHooks.h"

// The hook library zvuser.dll, linked at load time: the monitor does not start without it.
class THookLibrary : public IInputHooks {
public:
    void Hook() override;
    void Unhook() override;
    LONG TakeKeyEvents() override;
    LONG TakeMouseEvents() override;
    DWORD LastInputTime() override;
};
