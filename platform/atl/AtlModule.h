#pragma once

#include <windows.h>

// The process's module: it counts the locks that clients hold on the module's objects and
// class objects. Exactly one exists while COM objects of the process live; the objects reach
// it through _pAtlModule.
class CAtlModule {
public:
    CAtlModule();
    virtual ~CAtlModule();
    CAtlModule(const CAtlModule&) = delete;
    CAtlModule& operator=(const CAtlModule&) = delete;

    virtual LONG Lock();
    virtual LONG Unlock();
    LONG GetLockCount() const { return m_LockCnt; }

protected:
    volatile LONG m_LockCnt = 0;
};

extern CAtlModule* _pAtlModule;
