#include "MonitorEntryPoint.h"

#include "MonitorLog.h"
#include "ZorvaneApplication.h"

#include <algorithm>
#include <cctype>

TMonitorCommand ParseMonitorCommand(const std::string& commandLine)
{
    std::string lower(commandLine);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "/install")
        return TMonitorCommand::Install;
    if (lower == "/uninstall")
        return TMonitorCommand::Uninstall;
    return TMonitorCommand::Run;
}

int MonitorEntryPoint(TZorvaneApplication& application, const std::string& commandLine)
{
    try {
        switch (ParseMonitorCommand(commandLine)) {
        case TMonitorCommand::Install:
            application.Install();
            return 0;
        case TMonitorCommand::Uninstall:
            application.Uninstall();
            return 0;
        case TMonitorCommand::Run:
            return application.Main(commandLine) ? ExitEndedByItself : ExitFailed;
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
