#pragma once

#include "ComObjectGlobal.h"

#include <new>

// The class object of a class with one instance per process. The factory builds that object
// (and runs its FinalConstruct) when it is built itself, that is when the module registers its
// class objects; every activation hands out that object, or the failure of its FinalConstruct.
// The object goes when the factory goes.
template <class T>
class CComClassFactorySingleton71 : public IClassFactory {
public:
    CComClassFactorySingleton71() = default;
    virtual ~CComClassFactorySingleton71()
    {
        // Remote clients' stubs still hold references; cut them before the object is destroyed.
        CoDisconnectObject(m_obj.GetUnknown(), 0);
    }
    CComClassFactorySingleton71(const CComClassFactorySingleton71&) = delete;
    CComClassFactorySingleton71& operator=(const CComClassFactorySingleton71&) = delete;

    // Builds the class object; any exception on the way (the object's constructor included)
    // answers E_OUTOFMEMORY.
    static HRESULT WINAPI CreateClassObject(IUnknown** ppFactory)
    {
        if (!ppFactory)
            return E_POINTER;
        *ppFactory = nullptr;
        try {
            CComClassFactorySingleton71* factory = new CComClassFactorySingleton71();
            factory->AddRef();
            *ppFactory = factory;
            return S_OK;
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

    STDMETHOD_(ULONG, AddRef)() override { return InterlockedIncrement(&m_refs); }
    STDMETHOD_(ULONG, Release)() override
    {
        ULONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return refs;
    }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory)
            return E_NOINTERFACE;
        AddRef();
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }

    STDMETHOD(CreateInstance)(IUnknown* outer, REFIID iid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        if (FAILED(m_obj.m_hResFinalConstruct))
            return m_obj.m_hResFinalConstruct;
        return m_obj.QueryInterface(iid, ppv);
    }
    STDMETHOD(LockServer)(BOOL lock) override
    {
        if (lock)
            _pAtlModule->Lock();
        else
            _pAtlModule->Unlock();
        return S_OK;
    }

private:
    volatile LONG m_refs = 0;
    CComObjectGlobal<T> m_obj;
};
