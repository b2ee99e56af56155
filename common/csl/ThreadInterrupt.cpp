#include <csl/ThreadInterrupt.h>

#include <csl/EThreadInterrupt.h>

namespace {

thread_local bool tInterrupted = false;

}  // namespace

void CALLBACK ThreadInterruptCall(ULONG_PTR)
{
    tInterrupted = true;
}

void ThrowIfInterrupted()
{
    if (!tInterrupted)
        return;
    tInterrupted = false;
    throw EThreadInterrupt();
}
