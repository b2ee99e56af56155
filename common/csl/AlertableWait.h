#pragma once
#include <windows.h>

// Alertable waits of the library's threads: an interrupt queued to a waiting thread wakes
// the wait, which then throws EThreadInterrupt (see ThreadInterrupt.h).

// Hands back the result of an alertable wait once a failed wait has thrown its system error
// and a wake-up by an interrupt has thrown EThreadInterrupt; WAIT_IO_COMPLETION then stands
// for a wake-up by some other asynchronous call.
DWORD CheckAlertableWait(DWORD iResult);

enum class TWaitOutcome {
    Signalled,
    TimedOut,
    Woken
};

// One alertable wait on one handle. An abandoned mutex counts as signalled: its waiter owns it.
TWaitOutcome WaitAlertable(HANDLE iHandle, DWORD iMilliseconds);

// Signalled within the time; false when the time ran out or an asynchronous call other than
// an interrupt woke the wait first.
bool WaitSignalled(HANDLE iHandle, DWORD iMilliseconds);
