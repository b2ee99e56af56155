#include <csl/MultiLockPolicies.h>
#include <csl/AlertableWait.h>
#include <csl/ESystemException.h>

void _ml_interlocked_inner_lock::InnerLock()
{
    while (InterlockedCompareExchange(&m_InnerLock, 1, 0) != 0)
        CheckAlertableWait(SleepEx(10, TRUE));
}

void _ml_interlocked_inner_lock::InnerLockUninterrupted()
{
    while (InterlockedCompareExchange(&m_InnerLock, 1, 0) != 0)
        Sleep(10);
}

void _ml_interlocked_inner_lock::InnerUnlock()
{
    InterlockedCompareExchange(&m_InnerLock, 0, 1);
}

_ml_signal_events::_ml_signal_events() : m_Events() {}

_ml_signal_events::~_ml_signal_events()
{
    for (HANDLE event : m_Events)
        if (event)
            CloseHandle(event);
}

int _ml_signal_events::IndexOf(LONG iBit)
{
    return iBit == 2 ? 0 : iBit == 4 ? 1 : 2;
}

// Only the event of the free bit wakes a single waiter; the others wake every waiter
// until they are reset.
HANDLE _ml_signal_events::Get(LONG iBit, bool iSignalled)
{
    HANDLE& slot = m_Events[IndexOf(iBit)];
    if (slot)
        return slot;
    HANDLE created = CreateEventW(nullptr, iBit != 2, iSignalled, nullptr);
    if (!created)
        ThrowLastSystemError();
    if (InterlockedCompareExchangePointer(&slot, created, nullptr) != nullptr)
        CloseHandle(created);
    return slot;
}

bool _ml_signal_events::Set(LONG iBits)
{
    return Change(iBits, SetEvent);
}

bool _ml_signal_events::Reset(LONG iBits)
{
    return Change(iBits, ResetEvent);
}

// Every existing event of the bits is changed, even after one refused.
bool _ml_signal_events::Change(LONG iBits, BOOL(WINAPI* iChange)(HANDLE))
{
    bool done = true;
    for (LONG bit = 2; bit <= 8; bit <<= 1)
        if ((iBits & bit) && m_Events[IndexOf(bit)])
            done = iChange(m_Events[IndexOf(bit)]) && done;
    return done;
}

DWORD _ml_wait_any(const HANDLE* iHandles, DWORD iCount)
{
    for (;;) {
        const DWORD result = CheckAlertableWait(WaitForMultipleObjectsEx(iCount, iHandles, FALSE, INFINITE, TRUE));
        if (result != WAIT_IO_COMPLETION)
            return result - WAIT_OBJECT_0;
    }
}
