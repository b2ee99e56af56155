#pragma once
// The activity server's class for the relay: every activation makes a new fake server object,
// and all of them follow one script.
#include <FakeZorvane.h>

#include <memory>
#include <mutex>
#include <vector>

class TFakeServerFactory : public IClassFactory {
public:
    TFakeZorvaneScript script;
    // The objects made so far, kept for inspection.
    std::vector<std::unique_ptr<TFakeZorvane>> servers;

    size_t Count()
    {
        std::lock_guard<std::mutex> guard(script.lock);
        return servers.size();
    }
    TFakeZorvane& Server(size_t iIndex)
    {
        std::lock_guard<std::mutex> guard(script.lock);
        return *servers.at(iIndex);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        *object = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* iOuter, REFIID iid, void** oObject) override
    {
        if (iOuter)
            return CLASS_E_NOAGGREGATION;
        TFakeZorvane* server = new TFakeZorvane(script);
        {
            std::lock_guard<std::mutex> guard(script.lock);
            servers.emplace_back(server);
        }
        // The factory keeps no reference: the object's count is its clients'.
        const HRESULT result = server->QueryInterface(iid, oObject);
        server->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
