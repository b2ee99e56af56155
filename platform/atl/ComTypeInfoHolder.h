#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <mutex>

// The type information of one interface, loaded on first use from its registered type library
// (or, when that is not registered, from the program's own TYPELIB resources), and the
// IDispatch operations answered from it.
class CComTypeInfoHolder {
public:
    CComTypeInfoHolder(const IID& iid, const GUID& libId, WORD major, WORD minor);
    ~CComTypeInfoHolder();
    CComTypeInfoHolder(const CComTypeInfoHolder&) = delete;
    CComTypeInfoHolder& operator=(const CComTypeInfoHolder&) = delete;

    HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info);
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids);
    // Calls the member on "object", the interface's pointer. Methods with record parameters are
    // called here; the rest goes through the type information's own Invoke.
    HRESULT Invoke(void* object, DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError);

private:
    HRESULT Load();
    HRESULT LoadTypeLib(ITypeLib** lib) const;

    const IID& m_iid;
    const GUID& m_libId;
    WORD m_major, m_minor;
    std::mutex m_lock;
    // What clients see: the dispatch view of a dual interface.
    ITypeInfo* m_info = nullptr;
    // The vtable view, whose functions the calls go to.
    ITypeInfo* m_vtableInfo = nullptr;
};
