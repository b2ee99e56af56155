#include <csl/TMutex.h>
#include <csl/AlertableWait.h>
#include <csl/ESystemException.h>

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
    return WaitSignalled(m_Handle, iTimeout);
}

// A wake-up by a call other than an interrupt waits on.
void TMutex::Lock()
{
    while (!WaitSignalled(m_Handle, INFINITE)) {}
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
