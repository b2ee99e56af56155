#include "MonitorEntryPoint.h"

#include "MonitorLog.h"
#include "ZorvaneApplication.h"

#include <algorithm>
#include <cctype>

TMonitorCommand ParseMonitorCommand(const std::string& iCommandLine)
{
    std::string lower(iCommandLine);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "/install")
        return TMonitorCommand::Install;
    if (lower == "/uninstall")
        return TMonitorCommand::Uninstall;
    return TMonitorCommand::Run;
}

int MonitorEntryPoint(TZorvaneApplication& iApplication, const std::string& iCommandLine)
{
    try {
        switch (ParseMonitorCommand(iCommandLine)) {
        case TMonitorCommand::Install:
            iApplication.Install();
            return 0;
        case TMonitorCommand::Uninstall:
            iApplication.Uninstall();
            return 0;
        case TMonitorCommand::Run:
            return iApplication.Main(iCommandLine) ? ExitEndedByItself : ExitFailed;
        }
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) WinMain: " << failure << "\n";
    } catch (...) {
        if (LogOn())
            DebugLog() << "(!) WinMain: unknown exception\n";
    }
    return ExitFailed;
}
