#pragma once
#include <csl/ILock.h>
#include <csl/THandle.h>

#include <string>

// A Win32 mutex; recursive for the owning thread. Waits are alertable.
class TMutex : public THandle, public ILock {
public:
    TMutex();
    // A named mutex with default security, not inheritable, not owned.
    explicit TMutex(const std::string& iName);

    bool Lock(DWORD iTimeout) override;
    void Lock() override;
    // For holders that must not end because of an interrupt (log statements): the wait is not
    // alertable, so an interrupt stays queued for the thread's next alertable wait.
    void LockUninterrupted();
    void Unlock() override;
};
