#pragma once
#include <csl/THandle.h>

// An unnamed waitable timer.
class TWaitableTimer : public THandle {
public:
    explicit TWaitableTimer(bool iManualReset);

    // Fires iMilliseconds from now, then every iPeriod milliseconds (0: once).
    void Set(DWORD iMilliseconds, LONG iPeriod = 0);
};
