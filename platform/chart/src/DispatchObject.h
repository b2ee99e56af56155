#pragma once
#include <atomic>

#include "Dispatch.h"

// A counted object of the chart that callers reach through IDispatch only.
class DispatchObject : public TableDispatch {
public:
    static ComPtr<IDispatch> Make(DispatchMembers iMembers);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iIid, void** oObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

private:
    explicit DispatchObject(DispatchMembers iMembers);
    ~DispatchObject() override;

    // The first reference is the one that Make hands out.
    std::atomic<ULONG> m_References{0};
};
