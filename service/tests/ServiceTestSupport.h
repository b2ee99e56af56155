#pragma once
// What the service's tests share: the log as text and the stand-in monitor's files.
#include "ProgramControl.h"

#include <csl/tests/TextCollector.h>

#include <windows.h>

#include <string>
#include <vector>

struct TLaunch {
    DWORD processId;
    std::string desktop;
    std::string commandLine;
};

// The stand-in monitor beside the test program: what it is to do, and what it did.
void ScriptStandIn(const std::string& iItems);
std::vector<TLaunch> StandInLaunches();
