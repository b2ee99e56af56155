#pragma once

#include <csl/TDebugStream.h>

// Log statements format nothing when the monitor's log is off.
inline bool LogOn()
{
    return DebugLog().HasWriters();
}
