#pragma once

#include <AtlTest.h>
#include <ComCoClass.h>
#include <ComObjectRoot.h>
#include <IDispatchImpl.h>

#include <stdexcept>

// The scratch class: two dual interfaces, one of them with a record method.
class CAtlTestObject : public CComObjectRoot,
                       public CComCoClass<CAtlTestObject, &CLSID_AtlTest>,
                       public IDispatchImpl<IAtlTest, &IID_IAtlTest, &LIBID_AtlTestLib>,
                       public IDispatchImpl<IAtlTestItem, &IID_IAtlTestItem, &LIBID_AtlTestLib> {
public:
    DECLARE_REGISTRY_CLASS(L"AtlTest.Object.1", L"AtlTest.Object", L"Atl Test Class")

    BEGIN_COM_MAP(CAtlTestObject)
        COM_INTERFACE_ENTRY(IAtlTest)
        COM_INTERFACE_ENTRY(IAtlTestItem)
        COM_INTERFACE_ENTRY2(IDispatch, IAtlTest)
    END_COM_MAP()

    static inline LONG constructions = 0;
    static inline LONG releases = 0;

    HRESULT FinalConstruct()
    {
        InterlockedIncrement(&constructions);
        return S_OK;
    }
    void FinalRelease() { InterlockedIncrement(&releases); }

    STDMETHOD(Add)(long iFirst, long iSecond, long* oSum) override
    {
        if (!oSum)
            return E_POINTER;
        *oSum = iFirst + iSecond;
        return S_OK;
    }
    STDMETHOD(GetProcessId)(unsigned long* oId) override
    {
        if (!oId)
            return E_POINTER;
        *oId = GetCurrentProcessId();
        return S_OK;
    }
    STDMETHOD(Scale)(AtlTestRecord* ioRecord, long iFactor, IAtlTestItem** oItem) override
    {
        if (!ioRecord || !oItem)
            return E_POINTER;
        *oItem = nullptr;
        if (iFactor == 0)
            return E_INVALIDARG;
        ioRecord->Count *= iFactor;
        ioRecord->Flags |= 1;
        m_Value = ioRecord->Count;
        return QueryInterface(IID_IAtlTestItem, reinterpret_cast<void**>(oItem));
    }
    STDMETHOD(Value)(long* oValue) override
    {
        if (!oValue)
            return E_POINTER;
        *oValue = m_Value;
        return S_OK;
    }

private:
    long m_Value = 0;
};

// A class whose FinalConstruct fails.
class CAtlFailingObject : public CComObjectRoot,
                          public IDispatchImpl<IAtlTestItem, &IID_IAtlTestItem, &LIBID_AtlTestLib> {
public:
    BEGIN_COM_MAP(CAtlFailingObject)
        COM_INTERFACE_ENTRY(IAtlTestItem)
    END_COM_MAP()

    HRESULT FinalConstruct() { return E_ACCESSDENIED; }
    STDMETHOD(Value)(long*) override { return E_UNEXPECTED; }
};

// A class whose constructor throws.
class CAtlThrowingObject : public CComObjectRoot,
                           public IDispatchImpl<IAtlTestItem, &IID_IAtlTestItem, &LIBID_AtlTestLib> {
public:
    BEGIN_COM_MAP(CAtlThrowingObject)
        COM_INTERFACE_ENTRY(IAtlTestItem)
    END_COM_MAP()

    CAtlThrowingObject() { throw std::runtime_error("no instance"); }
    STDMETHOD(Value)(long*) override { return E_UNEXPECTED; }
};
