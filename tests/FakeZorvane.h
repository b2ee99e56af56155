#pragma once
// A server object of the tests' own: it answers what its script says and records what arrives.
#include <zorvane.h>

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

// What fake server objects answer and what reached them; several objects may share one, and
// calls may come from several threads.
struct TFakeZorvaneScript {
    struct Report {
        DATE start;
        std::wstring computer, user, process, description;
        LONG time, keys, mice;
    };
    struct Information {
        std::wstring process, description;
        std::vector<BYTE> icon;
    };

    std::mutex lock;
    // Each method's answers by its name, one per call; S_OK once used up.
    std::map<std::wstring, std::deque<HRESULT>> results;
    // Every call: its name and its arguments as text.
    std::vector<std::wstring> calls;
    // The reports the server took and the process information it was sent.
    std::vector<Report> reports;
    std::vector<Information> information;
    unsigned long quantum = 60;
    // Processes the server wants to know more about.
    std::set<std::wstring> askFor;
    // Written into the summary requests and handed out as their recordset.
    unsigned long userId = 7;
    _Recordset* recordset = nullptr;
    // Handed out before recordset, one per summary call; each holds the reference it hands over.
    std::deque<_Recordset*> recordsets;
    // The summary requests as they arrived, every byte.
    std::vector<SummaryActivityRequest> activityRequests;
    std::vector<SummaryObjectRequest> objectRequests;
    // Set as the thread's error information with each failed answer, when not empty.
    std::wstring errorDescription;
    // Runs inside every summary call before it answers: a slow server, or one that is called
    // again meanwhile.
    std::function<void()> duringSummary;
    // Runs while ReportActivity is under way.
    std::function<void()> duringReport;
    // When set, GetQuantum waits for proceed (after setting entered).
    HANDLE entered = nullptr;
    HANDLE proceed = nullptr;

    TFakeZorvaneScript() = default;
    TFakeZorvaneScript(const TFakeZorvaneScript&) = delete;
    TFakeZorvaneScript& operator=(const TFakeZorvaneScript&) = delete;
    ~TFakeZorvaneScript()
    {
        for (_Recordset* answer : recordsets)
            answer->Release();
    }

    HRESULT Next(const std::wstring& iMethod, const std::wstring& iArguments = std::wstring())
    {
        std::lock_guard<std::mutex> guard(lock);
        calls.push_back(iArguments.empty() ? iMethod : iMethod + L" " + iArguments);
        std::deque<HRESULT>& answers = results[iMethod];
        if (answers.empty())
            return S_OK;
        const HRESULT result = answers.front();
        answers.pop_front();
        if (FAILED(result) && !errorDescription.empty())
            SetError();
        return result;
    }

private:
    void SetError() const
    {
        ICreateErrorInfo* create = nullptr;
        if (FAILED(CreateErrorInfo(&create)))
            return;
        create->SetDescription(const_cast<LPOLESTR>(errorDescription.c_str()));
        create->SetGUID(IID_IZorvane);
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
};

class TFakeZorvane : public IZorvane {
public:
    // With a script of its own, or with one it shares.
    TFakeZorvane() : script(m_OwnScript) {}
    explicit TFakeZorvane(TFakeZorvaneScript& ioScript) : script(ioScript) {}

    TFakeZorvaneScript& script;
    // One reference is its creator's; releasing the last one does not delete it.
    std::atomic<long> references{1};
    bool refuseInterface = false;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid == IID_ISupportErrorInfo) {
            *object = &m_ErrorInfoSupport;
            AddRef();
            return S_OK;
        }
        if (iid != IID_IUnknown && iid != IID_IDispatch && (iid != IID_IZorvane || refuseInterface))
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

    HRESULT STDMETHODCALLTYPE ReportActivity(DATE iStart, BSTR iComputer, BSTR iUser, BSTR iProcess, long iTime,
                                             long iKeys, long iMice, BSTR iDescription, long* oNeedMore) override
    {
        if (script.duringReport)
            script.duringReport();
        const HRESULT result =
            script.Next(L"ReportActivity",
                        Text(iComputer) + L" " + Text(iUser) + L" " + Text(iProcess) + L" " + std::to_wstring(iTime) +
                            L" " + std::to_wstring(iKeys) + L" " + std::to_wstring(iMice) + L" " + Text(iDescription));
        if (FAILED(result))
            return result;
        std::lock_guard<std::mutex> guard(script.lock);
        script.reports.push_back(
            {iStart, Text(iComputer), Text(iUser), Text(iProcess), Text(iDescription), iTime, iKeys, iMice});
        *oNeedMore = script.askFor.count(Text(iProcess)) ? 1 : 0;
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetQuantum(unsigned long* oQuantum) override
    {
        if (script.entered) {
            SetEvent(script.entered);
            WaitForSingleObject(script.proceed, INFINITE);
        }
        const HRESULT result = script.Next(L"GetQuantum");
        if (SUCCEEDED(result))
            *oQuantum = script.quantum;
        return result;
    }
    // Takes a one-dimensional array of bytes from 0 only.
    HRESULT STDMETHODCALLTYPE SendProcessInformation(BSTR iProcess, BSTR iDescription, SAFEARRAY* iIcon) override
    {
        const HRESULT result = script.Next(L"SendProcessInformation", Text(iProcess) + L" " + Text(iDescription));
        VARTYPE type = VT_EMPTY;
        LONG lower = -1, upper = -1;
        SafeArrayGetVartype(iIcon, &type);
        SafeArrayGetLBound(iIcon, 1, &lower);
        SafeArrayGetUBound(iIcon, 1, &upper);
        if (type != VT_UI1 || SafeArrayGetDim(iIcon) != 1 || lower != 0)
            return E_INVALIDARG;
        TFakeZorvaneScript::Information information{Text(iProcess), Text(iDescription), {}};
        for (LONG i = 0; i <= upper; ++i) {
            BYTE element = 0;
            SafeArrayGetElement(iIcon, &i, &element);
            information.icon.push_back(element);
        }
        std::lock_guard<std::mutex> guard(script.lock);
        script.information.push_back(information);
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetSummaryActivityData(SummaryActivityRequest* ioRequest, _Recordset** oData) override
    {
        {
            std::lock_guard<std::mutex> guard(script.lock);
            script.activityRequests.push_back(*ioRequest);
        }
        if (script.duringSummary)
            script.duringSummary();
        const HRESULT result = script.Next(L"GetSummaryActivityData");
        if (SUCCEEDED(result))
            HandOut(&ioRequest->UserId, oData);
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetSummaryObjectData(SummaryObjectRequest* ioRequest, _Recordset** oData) override
    {
        {
            std::lock_guard<std::mutex> guard(script.lock);
            script.objectRequests.push_back(*ioRequest);
        }
        if (script.duringSummary)
            script.duringSummary();
        const HRESULT result = script.Next(L"GetSummaryObjectData");
        if (SUCCEEDED(result))
            HandOut(&ioRequest->ObjectId, oData);
        return result;
    }

private:
    static std::wstring Text(BSTR iText) { return iText ? std::wstring(iText, SysStringLen(iText)) : std::wstring(); }

    void HandOut(unsigned long* oId, _Recordset** oData)
    {
        *oId = script.userId;
        std::lock_guard<std::mutex> guard(script.lock);
        if (!script.recordsets.empty()) {
            *oData = script.recordsets.front();
            script.recordsets.pop_front();
            return;
        }
        *oData = script.recordset;
        if (*oData)
            (*oData)->AddRef();
    }

    // Says that IZorvane's failures carry error information; it lives inside its server.
    class TErrorInfoSupport : public ISupportErrorInfo {
    public:
        explicit TErrorInfoSupport(TFakeZorvane& iServer) : m_Server(iServer) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
        {
            return m_Server.QueryInterface(iid, object);
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return m_Server.AddRef(); }
        ULONG STDMETHODCALLTYPE Release() override { return m_Server.Release(); }
        HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override
        {
            return iid == IID_IZorvane ? S_OK : S_FALSE;
        }

    private:
        TFakeZorvane& m_Server;
    };

    TFakeZorvaneScript m_OwnScript;
    TErrorInfoSupport m_ErrorInfoSupport{*this};
};
