#include "ClassFactory.h"

#include "PlatformAdo.h"

namespace ado {

std::atomic<long> ClassFactory::locks_{0};

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = iid == IID_IUnknown || iid == IID_IClassFactory ? static_cast<IClassFactory*>(this) : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return ado::CreateInstance(classId_, iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock)
{
    if (lock) {
        ++locks_;
    } else {
        --locks_;
    }
    return S_OK;
}

}  // namespace ado
