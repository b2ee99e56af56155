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
        CoDisconnectObject(m_Obj.GetUnknown(), 0);
    }
    CComClassFactorySingleton71(const CComClassFactorySingleton71&) = delete;
    CComClassFactorySingleton71& operator=(const CComClassFactorySingleton71&) = delete;

    // Builds the class object; any exception on the way (the object's constructor included)
    // answers E_OUTOFMEMORY.
    static HRESULT WINAPI CreateClassObject(IUnknown** oFactory)
    {
        if (!oFactory)
            return E_POINTER;
        *oFactory = nullptr;
        try {
            CComClassFactorySingleton71* factory = new CComClassFactorySingleton71();
            factory->AddRef();
            *oFactory = factory;
            return S_OK;
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

    STDMETHOD_(ULONG, AddRef)() override { return InterlockedIncrement(&m_Refs); }
    STDMETHOD_(ULONG, Release)() override
    {
        ULONG refs = InterlockedDecrement(&m_Refs);
        if (refs == 0)
            delete this;
        return refs;
    }
    STDMETHOD(QueryInterface)(REFIID iInterface, void** oObject) override
    {
        if (!oObject)
            return E_POINTER;
        *oObject = nullptr;
        if (iInterface != IID_IUnknown && iInterface != IID_IClassFactory)
            return E_NOINTERFACE;
        AddRef();
        *oObject = static_cast<IClassFactory*>(this);
        return S_OK;
    }

    STDMETHOD(CreateInstance)(IUnknown* iOuter, REFIID iInterface, void** oObject) override
    {
        if (!oObject)
            return E_POINTER;
        *oObject = nullptr;
        if (iOuter)
            return CLASS_E_NOAGGREGATION;
        if (FAILED(m_Obj.m_FinalConstructResult))
            return m_Obj.m_FinalConstructResult;
        return m_Obj.QueryInterface(iInterface, oObject);
    }
    STDMETHOD(LockServer)(BOOL iLock) override
    {
        if (iLock)
            _pAtlModule->Lock();
        else
            _pAtlModule->Unlock();
        return S_OK;
    }

private:
    volatile LONG m_Refs = 0;
    CComObjectGlobal<T> m_Obj;
};
