#pragma once
#include <unknwn.h>

// The class object of the chart control; it lives as long as the DLL.
class ChartClassFactory : public IClassFactory {
public:
    static ChartClassFactory& Instance();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iIid, void** oObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* iOuter, REFIID iIid, void** oObject) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL iLock) override;
};
