#pragma once
#include <csl/THandle.h>

// An unnamed Win32 event.
class TEvent : public THandle {
public:
    TEvent(bool iManualReset, bool iInitialState);

    void Set();
    void Reset();
};
