#include "AtlModule.h"

CAtlModule* _pAtlModule = nullptr;

CAtlModule::CAtlModule()
{
    _pAtlModule = this;
}

CAtlModule::~CAtlModule()
{
    if (_pAtlModule == this)
        _pAtlModule = nullptr;
}

LONG CAtlModule::Lock()
{
    return InterlockedIncrement(&m_LockCnt);
}

LONG CAtlModule::Unlock()
{
    return InterlockedDecrement(&m_LockCnt);
}
