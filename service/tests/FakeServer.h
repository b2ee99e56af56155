#pragma once
// A server object of our own for the relay: it answers what its script says and records
// what arrives.
#include <zorvane.h>

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Shared by every server object one factory makes.
struct TFakeServerScript {
    std::mutex lock;
    // Answered, one by one, by the next calls; S_OK when empty.
    std::deque<HRESULT> results;
    unsigned long quantum = 42;
    long needMoreInformation = 1;
    // Written into the requests and handed out as the recordset.
    unsigned long userId = 7;
    _Recordset* recordset = nullptr;
    std::vector<std::wstring> calls;
    long iconElements = -1;
    // When set, GetQuantum waits for it (after setting entered).
    HANDLE entered = nullptr;
    HANDLE proceed = nullptr;

    HRESULT Next(const std::wstring& iCall)
    {
        std::lock_guard<std::mutex> guard(lock);
        calls.push_back(iCall);
        if (results.empty())
            return S_OK;
        HRESULT result = results.front();
        results.pop_front();
        return result;
    }
};

class TFakeServer : public IZorvane {
public:
    explicit TFakeServer(TFakeServerScript& iScript) : m_Script(iScript) {}

    std::atomic<long> references{0};

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IZorvane)
            return E_NOINTERFACE;
        *object = static_cast<IZorvane*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE ReportActivity(DATE, BSTR iComputer, BSTR iUser, BSTR iProcess, long iTime, long iKeys,
                                             long iMice, BSTR iDescription, long* oNeedMore) override
    {
        HRESULT result = m_Script.Next(L"ReportActivity " + std::wstring(iComputer) + L" " + iUser + L" " + iProcess +
                                       L" " + std::to_wstring(iTime) + L" " + std::to_wstring(iKeys) + L" " +
                                       std::to_wstring(iMice) + L" " + iDescription);
        if (SUCCEEDED(result))
            *oNeedMore = m_Script.needMoreInformation;
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetQuantum(unsigned long* oQuantum) override
    {
        if (m_Script.entered) {
            SetEvent(m_Script.entered);
            WaitForSingleObject(m_Script.proceed, INFINITE);
        }
        HRESULT result = m_Script.Next(L"GetQuantum");
        if (SUCCEEDED(result))
            *oQuantum = m_Script.quantum;
        return result;
    }
    HRESULT STDMETHODCALLTYPE SendProcessInformation(BSTR iProcess, BSTR iDescription, SAFEARRAY* iIcon) override
    {
        LONG upper = -1;
        SafeArrayGetUBound(iIcon, 1, &upper);
        m_Script.iconElements = upper + 1;
        return m_Script.Next(L"SendProcessInformation " + std::wstring(iProcess) + L" " + iDescription);
    }
    HRESULT STDMETHODCALLTYPE GetSummaryActivityData(SummaryActivityRequest* ioRequest, _Recordset** oData) override
    {
        HRESULT result = m_Script.Next(L"GetSummaryActivityData");
        if (SUCCEEDED(result))
            HandOut(&ioRequest->UserId, oData);
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetSummaryObjectData(SummaryObjectRequest* ioRequest, _Recordset** oData) override
    {
        HRESULT result = m_Script.Next(L"GetSummaryObjectData");
        if (SUCCEEDED(result))
            HandOut(&ioRequest->ObjectId, oData);
        return result;
    }

private:
    void HandOut(unsigned long* oId, _Recordset** oData)
    {
        *oId = m_Script.userId;
        *oData = m_Script.recordset;
        if (*oData)
            (*oData)->AddRef();
    }

    TFakeServerScript& m_Script;
};

// Makes a new server object for every activation; the objects stay for inspection.
class TFakeServerFactory : public IClassFactory {
public:
    TFakeServerScript script;
    std::vector<std::unique_ptr<TFakeServer>> servers;

    size_t Count()
    {
        std::lock_guard<std::mutex> guard(script.lock);
        return servers.size();
    }
    TFakeServer& Server(size_t iIndex)
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
        TFakeServer* server = new TFakeServer(script);
        {
            std::lock_guard<std::mutex> guard(script.lock);
            servers.emplace_back(server);
        }
        return server->QueryInterface(iid, oObject);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
