#include <csl/TSemaphore.h>
#include <csl/AlertableWait.h>
#include <csl/ESystemException.h>

TSemaphore::TSemaphore()
{
    TakeCreated(CreateSemaphoreW(nullptr, 0, kMaximumCount, nullptr));
}

bool TSemaphore::Lock(DWORD iTimeout)
{
    return WaitSignalled(m_Handle, iTimeout);
}

// A wake-up by a call other than an interrupt waits on.
void TSemaphore::Lock()
{
    while (!WaitSignalled(m_Handle, INFINITE)) {}
}

void TSemaphore::Unlock()
{
    if (!ReleaseSemaphore(m_Handle, 1, nullptr))
        ThrowLastSystemError();
}
