#include "ChartClassFactory.h"

#include "ChartControl.h"
#include "ChartModule.h"

ChartClassFactory& ChartClassFactory::Instance()
{
    static ChartClassFactory factory;
    return factory;
}

HRESULT ChartClassFactory::QueryInterface(REFIID iIid, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    *oObject = iIid == IID_IUnknown || iIid == IID_IClassFactory ? static_cast<IClassFactory*>(this) : nullptr;
    return *oObject ? S_OK : E_NOINTERFACE;
}

HRESULT ChartClassFactory::CreateInstance(IUnknown* iOuter, REFIID iIid, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    *oObject = nullptr;
    if (iOuter)
        return CLASS_E_NOAGGREGATION;
    return ChartControl::Create(iIid, oObject);
}

HRESULT ChartClassFactory::LockServer(BOOL iLock)
{
    ChartModule::Lock(iLock != FALSE);
    return S_OK;
}
