#pragma once
#include <windows.h>

// The interrupt of a library thread. With g++ on 32-bit Windows an exception cannot leave an
// asynchronous procedure call (the unwinder cannot cross the system's frames of the wait),
// so the call only marks the thread; the alertable wait that ran it throws
// EThreadInterrupt when it returns WAIT_IO_COMPLETION, by calling ThrowIfInterrupted.

// The asynchronous procedure call that QueueUserAPC delivers to the thread.
void CALLBACK ThreadInterruptCall(ULONG_PTR iUnused);

// Throws EThreadInterrupt, once, when an interrupt call has run on this thread.
void ThrowIfInterrupted();
