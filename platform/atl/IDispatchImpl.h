#pragma once

#include "ComTypeInfoHolder.h"

// IDispatch for the dual interface T, answered from the type library "libId" major.minor.
// The object derives from IDispatchImpl<IThing, &IID_IThing, &LIBID_ThingLib> and implements
// IThing's own methods.
template <class T, const IID* piid, const GUID* plibid, WORD wMajor = 1, WORD wMinor = 0>
class IDispatchImpl : public T {
public:
    STDMETHOD(GetTypeInfoCount)(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHOD(GetTypeInfo)(UINT index, LCID lcid, ITypeInfo** info) override
    {
        return TypeInfo().GetTypeInfo(index, lcid, info);
    }
    STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override
    {
        return TypeInfo().GetIDsOfNames(riid, names, count, lcid, ids);
    }
    STDMETHOD(Invoke)(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argError) override
    {
        return TypeInfo().Invoke(static_cast<T*>(this), id, riid, lcid, flags, params, result, exception, argError);
    }

private:
    static CComTypeInfoHolder& TypeInfo()
    {
        static CComTypeInfoHolder holder(*piid, *plibid, wMajor, wMinor);
        return holder;
    }
};
