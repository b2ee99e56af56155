#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <mutex>

// The type information of one interface, loaded on first use from its registered type library
// (or, when that is not registered, from the program's own TYPELIB resources), and the
// IDispatch operations answered from it.
class CComTypeInfoHolder {
public:
    CComTypeInfoHolder(const IID& iInterface, const GUID& iLibId, WORD iMajor, WORD iMinor);
    ~CComTypeInfoHolder();
    CComTypeInfoHolder(const CComTypeInfoHolder&) = delete;
    CComTypeInfoHolder& operator=(const CComTypeInfoHolder&) = delete;

    HRESULT GetTypeInfo(UINT iIndex, LCID iLcid, ITypeInfo** oInfo);
    HRESULT GetIDsOfNames(REFIID iInterface, LPOLESTR* iNames, UINT iCount, LCID iLcid, DISPID* oIds);
    // Calls the member on iObject, the interface's pointer. Methods with record parameters are
    // called here; the rest goes through the type information's own Invoke.
    HRESULT Invoke(void* iObject, DISPID iId, REFIID iInterface, LCID iLcid, WORD iFlags, DISPPARAMS* iParams,
                   VARIANT* oResult, EXCEPINFO* oException, UINT* oArgError);

private:
    HRESULT Load();
    HRESULT LoadTypeLib(ITypeLib** oLib) const;

    const IID& m_Iid;
    const GUID& m_LibId;
    WORD m_Major, m_Minor;
    std::mutex m_Lock;
    // What clients see: the dispatch view of a dual interface.
    ITypeInfo* m_Info = nullptr;
    // The vtable view, whose functions the calls go to.
    ITypeInfo* m_VtableInfo = nullptr;
};
