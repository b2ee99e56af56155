// Helpers of the OLE tests: a counted IDispatch whose calls a test answers and records, and
// the lines a test writes to the debugger output.
#pragma once
#include <afxole.h>
#include "DebugOutputCapture.h"
#include <functional>
#include <string>
#include <vector>

// An IDispatch that counts its references and records every Invoke: the member, the flags,
// the named arguments and copies of the arguments in call order (first to last).
class CRecordingDispatch : public IDispatch {
public:
    struct Call {
        DISPID dispid;
        WORD wFlags;
        std::vector<DISPID> named;
        std::vector<VARIANT> args;
        bool bWantsResult;
    };
    // Answers a call: fills the result or the exception and returns the HRESULT.
    typedef std::function<HRESULT(const Call& call, VARIANT* pResult, EXCEPINFO* pExcepInfo)> Answer;

    CRecordingDispatch() = default;
    CRecordingDispatch(const CRecordingDispatch&) = delete;
    CRecordingDispatch& operator=(const CRecordingDispatch&) = delete;
    virtual ~CRecordingDispatch() { ClearCalls(); }

    LONG m_nRef = 1;
    std::vector<Call> m_calls;
    Answer m_answer;

    void ClearCalls()
    {
        for (Call& call : m_calls)
            for (VARIANT& var : call.args)
                ::VariantClear(&var);
        m_calls.clear();
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid != IID_IUnknown && riid != IID_IDispatch) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)++m_nRef; }
    STDMETHODIMP_(ULONG) Release() override { return (ULONG)--m_nRef; }
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        *pctinfo = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
                        EXCEPINFO* pExcepInfo, UINT*) override
    {
        Call call = {dispid, wFlags, {}, {}, pResult != nullptr};
        for (UINT i = 0; i < pParams->cNamedArgs; i++)
            call.named.push_back(pParams->rgdispidNamedArgs[i]);
        for (UINT i = pParams->cArgs; i-- > 0;) {
            VARIANT copy;
            ::VariantInit(&copy);
            ::VariantCopy(&copy, &pParams->rgvarg[i]);
            call.args.push_back(copy);
        }
        m_calls.push_back(call);
        return m_answer ? m_answer(m_calls.back(), pResult, pExcepInfo) : S_OK;
    }
};
