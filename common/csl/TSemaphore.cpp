#include <csl/TSemaphore.h>
#include <csl/ESystemException.h>
#include <csl/ThreadInterrupt.h>

TSemaphore::TSemaphore()
{
    TakeCreated(CreateSemaphoreW(nullptr, 0, kMaximumCount, nullptr));
}

bool TSemaphore::Lock(DWORD iTimeout)
{
    const DWORD result = WaitForSingleObjectEx(m_Handle, iTimeout, TRUE);
    if (result == WAIT_FAILED)
        ThrowLastSystemError();
    if (result == WAIT_IO_COMPLETION)
        ThrowIfInterrupted();
    return result == WAIT_OBJECT_0;
}

void TSemaphore::Lock()
{
    for (;;) {
        const DWORD result = WaitForSingleObjectEx(m_Handle, INFINITE, TRUE);
        if (result == WAIT_OBJECT_0)
            return;
        if (result == WAIT_FAILED)
            ThrowLastSystemError();
        if (result == WAIT_IO_COMPLETION)
            ThrowIfInterrupted();
    }
}

void TSemaphore::Unlock()
{
    if (!ReleaseSemaphore(m_Handle, 1, nullptr))
        ThrowLastSystemError();
}
