#pragma once
#include <ado.h>

#include <atomic>

namespace ado {

// The class object of one class of the DLL; it lives as long as the DLL.
class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(REFCLSID classId) : classId_(classId) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

    static long Locks() { return locks_; }

private:
    CLSID classId_;
    static std::atomic<long> locks_;
};

}  // namespace ado
