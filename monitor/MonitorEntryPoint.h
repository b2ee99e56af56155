#pragma once

#include <string>

class TZorvaneApplication;

enum class TMonitorCommand {
    Install,
    Uninstall,
    Run
};

// "/install" and "/uninstall" in any case of letters, and nothing else (no blanks around
// them); any other text runs the monitor.
TMonitorCommand ParseMonitorCommand(const std::string& iCommandLine);

// The user service starts the monitor again unless it ends with this code.
const int ExitEndedByItself = 11;
const int ExitFailed = 1;

// Runs the command and answers the exit code: 0 after "/install" or "/uninstall",
// ExitEndedByItself after a normal run (another monitor already running included), and
// ExitFailed when the monitor could not start or an exception ended it.
int MonitorEntryPoint(TZorvaneApplication& iApplication, const std::string& iCommandLine);
