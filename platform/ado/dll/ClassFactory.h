#pragma once
#include <ado.h>

#include <atomic>

namespace ado {

// The class object of one class of the DLL; it lives as long as the DLL.
class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(REFCLSID iClassId) : m_ClassId(iClassId) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iInterface, void** oObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* iOuter, REFIID iInterface, void** oObject) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL iLock) override;

    static long Locks() { return s_Locks; }

private:
    CLSID m_ClassId;
    static std::atomic<long> s_Locks;
};

}  // namespace ado
