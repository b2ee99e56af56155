#include <csl/TWaitableTimer.h>
#include <csl/ESystemException.h>

TWaitableTimer::TWaitableTimer(bool iManualReset)
{
    TakeCreated(CreateWaitableTimerA(nullptr, iManualReset, nullptr));
}

void TWaitableTimer::Set(DWORD iMilliseconds, LONG iPeriod)
{
    // Relative due time in 100 ns units, computed in 64 bits so that long waits do not wrap.
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(iMilliseconds) * 10000;
    if (!SetWaitableTimer(m_Handle, &due, iPeriod, nullptr, nullptr, FALSE))
        ThrowLastSystemError();
}
