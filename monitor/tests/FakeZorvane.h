#pragma once

#include "ServerActivator.h"

#include <zorvane.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

// An in-process server object that records what the monitor sends.
class TFakeZorvane : public IZorvane {
public:
    struct Report {
        DATE start;
        std::wstring computer, user, process, description;
        LONG time, keys, mice;
    };
    struct Information {
        std::wstring process, description;
        std::vector<BYTE> icon;
    };

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || (iid == IID_IZorvane && !refuseInterface)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
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

    HRESULT STDMETHODCALLTYPE ReportActivity(DATE start, BSTR computer, BSTR user, BSTR process, LONG time, LONG keys,
                                             LONG mice, BSTR description, LONG* needMore) override
    {
        if (duringReport)
            duringReport();
        HRESULT result = S_OK;
        if (!reportResults.empty()) {
            result = reportResults.front();
            reportResults.pop_front();
        }
        if (FAILED(result))
            return result;
        reports.push_back({start, computer, user, process, description, time, keys, mice});
        *needMore = askFor.count(process) ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetQuantum(ULONG* quantumOut) override
    {
        *quantumOut = quantum;
        return quantumResult;
    }
    HRESULT STDMETHODCALLTYPE SendProcessInformation(BSTR process, BSTR description, SAFEARRAY* icon) override
    {
        Information info{process, description, {}};
        VARTYPE type = VT_EMPTY;
        LONG lower = -1, upper = -1;
        SafeArrayGetVartype(icon, &type);
        SafeArrayGetLBound(icon, 1, &lower);
        SafeArrayGetUBound(icon, 1, &upper);
        if (type != VT_UI1 || SafeArrayGetDim(icon) != 1 || lower != 0)
            return E_INVALIDARG;
        for (LONG i = 0; i <= upper; ++i) {
            BYTE b = 0;
            SafeArrayGetElement(icon, &i, &b);
            info.icon.push_back(b);
        }
        information.push_back(info);
        return informationResult;
    }
    HRESULT STDMETHODCALLTYPE GetSummaryActivityData(SummaryActivityRequest*, _Recordset**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetSummaryObjectData(SummaryObjectRequest*, _Recordset**) override { return E_NOTIMPL; }

    ULONG references = 1;
    bool refuseInterface = false;
    ULONG quantum = 60;
    HRESULT quantumResult = S_OK;
    std::deque<HRESULT> reportResults;  // one per call, S_OK once used up
    HRESULT informationResult = S_OK;
    std::set<std::wstring> askFor;
    std::function<void()>
        duringReport;  // what happens while the call is under way  // processes the server wants to know more about
    std::vector<Report> reports;
    std::vector<Information> information;
};

// Hands out the fake object, or fails as told.
class TFakeActivator : public IServerActivator {
public:
    explicit TFakeActivator(TFakeZorvane& server) : server_(server) {}
    HRESULT Activate(const CLSID& classId, const std::wstring& serverName, IUnknown** object) override
    {
        ++calls;
        lastClass = classId;
        lastServerName = serverName;
        *object = nullptr;
        if (FAILED(result))
            return result;
        server_.AddRef();
        *object = &server_;
        return result;
    }

    HRESULT result = S_OK;
    int calls = 0;
    CLSID lastClass = {};
    std::wstring lastServerName;

private:
    TFakeZorvane& server_;
};
