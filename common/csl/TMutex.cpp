#include <csl/TMutex.h>
#include <csl/ESystemException.h>
#include <csl/ThreadInterrupt.h>

TMutex::TMutex()
{
    TakeCreated(CreateMutexW(nullptr, FALSE, nullptr));
}

TMutex::TMutex(const std::string& iName)
{
    // Default security: a descriptor without an access list would let any account hold the
    // name and keep the owning program from starting.
    TakeCreated(CreateMutexA(nullptr, FALSE, iName.c_str()));
}

bool TMutex::Lock(DWORD iTimeout)
{
    switch (WaitForSingleObjectEx(m_Handle, iTimeout, TRUE)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
        return true;
    case WAIT_FAILED:
        ThrowLastSystemError();
    case WAIT_IO_COMPLETION:
        ThrowIfInterrupted();
        return false;
    default:
        return false;
    }
}

void TMutex::Lock()
{
    for (;;) {
        switch (WaitForSingleObjectEx(m_Handle, INFINITE, TRUE)) {
        case WAIT_OBJECT_0:
        case WAIT_ABANDONED:
            return;
        case WAIT_FAILED:
            ThrowLastSystemError();
        case WAIT_IO_COMPLETION:
            ThrowIfInterrupted();
            break;
        default:
            break;
        }
    }
}

void TMutex::LockUninterrupted()
{
    switch (WaitForSingleObject(m_Handle, INFINITE)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
        return;
    default:
        ThrowLastSystemError();
    }
}

void TMutex::Unlock()
{
    if (!ReleaseMutex(m_Handle))
        ThrowLastSystemError();
}
