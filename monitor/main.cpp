// zvuser.exe: the per-user monitor, one in every interactive session.
#include "ForegroundSource.h"
#include "HookLibrary.h"
#include "MonitorClock.h"
#include "MonitorEntryPoint.h"
#include "ServerActivator.h"
#include "ZorvaneApplication.h"

#include <csl/TComInitializer.h>
#include <csl/TSeTranslatorGuard.h>

namespace {

// The program object lives from before the entry point to the end of the process.
THookLibrary hooks;
TSystemClock systemClock;
TSystemForeground foreground;
TComServerActivator activator;
TZorvaneApplication application({hooks, systemClock, activator, foreground});

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR iCommandLine, int)
{
    TSeTranslatorGuard translator;
    try {
        TComInitializer apartment(COINIT_APARTMENTTHREADED);
        return MonitorEntryPoint(application, iCommandLine ? iCommandLine : "");
    } catch (...) {
        return ExitFailed;
    }
}
