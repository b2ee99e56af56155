#pragma once
#include <csl/ILock.h>

// A process-local recursive lock. It cannot wait with a time limit.
class TCriticalSection : public ILock {
public:
    TCriticalSection();
    TCriticalSection(const TCriticalSection&) = delete;
    TCriticalSection& operator=(const TCriticalSection&) = delete;
    ~TCriticalSection();

    // Always throws ENotImplemented: a timed wait here is a programming error.
    bool Lock(DWORD iTimeout) override;
    void Lock() override;
    void Unlock() override;

private:
    CRITICAL_SECTION m_Section;
};
