#include "ClassFactory.h"

#include "PlatformAdo.h"

namespace ado {

std::atomic<long> ClassFactory::s_Locks{0};

HRESULT ClassFactory::QueryInterface(REFIID iInterface, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    *oObject =
        iInterface == IID_IUnknown || iInterface == IID_IClassFactory ? static_cast<IClassFactory*>(this) : nullptr;
    return *oObject ? S_OK : E_NOINTERFACE;
}

HRESULT ClassFactory::CreateInstance(IUnknown* iOuter, REFIID iInterface, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    *oObject = nullptr;
    if (iOuter)
        return CLASS_E_NOAGGREGATION;
    return ado::CreateInstance(m_ClassId, iInterface, oObject);
}

HRESULT ClassFactory::LockServer(BOOL iLock)
{
    if (iLock) {
        ++s_Locks;
    } else {
        --s_Locks;
    }
    return S_OK;
}

}  // namespace ado
