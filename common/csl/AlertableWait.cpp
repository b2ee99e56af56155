#include <csl/AlertableWait.h>
#include <csl/ESystemException.h>
#include <csl/ThreadInterrupt.h>

DWORD CheckAlertableWait(DWORD iResult)
{
    if (iResult == WAIT_FAILED)
        ThrowLastSystemError();
    if (iResult == WAIT_IO_COMPLETION)
        ThrowIfInterrupted();
    return iResult;
}

TWaitOutcome WaitAlertable(HANDLE iHandle, DWORD iMilliseconds)
{
    switch (CheckAlertableWait(WaitForSingleObjectEx(iHandle, iMilliseconds, TRUE))) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
        return TWaitOutcome::Signalled;
    case WAIT_IO_COMPLETION:
        return TWaitOutcome::Woken;
    default:
        return TWaitOutcome::TimedOut;
    }
}

bool WaitSignalled(HANDLE iHandle, DWORD iMilliseconds)
{
    return WaitAlertable(iHandle, iMilliseconds) == TWaitOutcome::Signalled;
}
