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
    void Unlock() override;
};
