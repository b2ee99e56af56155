#pragma once

#include "ComTypeInfoHolder.h"

// IDispatch for the dual interface T, answered from the type library "libId" major.minor.
// The object derives from IDispatchImpl<IThing, &IID_IThing, &LIBID_ThingLib> and implements
// IThing's own methods.
template <class T, const IID* piid, const GUID* plibid, WORD wMajor = 1, WORD wMinor = 0>
class IDispatchImpl : public T {
public:
    STDMETHOD(GetTypeInfoCount)(UINT* oCount) override
    {
        if (!oCount)
            return E_POINTER;
        *oCount = 1;
        return S_OK;
    }
    STDMETHOD(GetTypeInfo)(UINT iIndex, LCID iLcid, ITypeInfo** oInfo) override
    {
        return TypeInfo().GetTypeInfo(iIndex, iLcid, oInfo);
    }
    STDMETHOD(GetIDsOfNames)(REFIID iInterface, LPOLESTR* iNames, UINT iCount, LCID iLcid, DISPID* oIds) override
    {
        return TypeInfo().GetIDsOfNames(iInterface, iNames, iCount, iLcid, oIds);
    }
    STDMETHOD(Invoke)(DISPID iId, REFIID iInterface, LCID iLcid, WORD iFlags, DISPPARAMS* iParams, VARIANT* oResult,
                      EXCEPINFO* oException, UINT* oArgError) override
    {
        return TypeInfo().Invoke(static_cast<T*>(this), iId, iInterface, iLcid, iFlags, iParams, oResult, oException,
                                 oArgError);
    }

private:
    static CComTypeInfoHolder& TypeInfo()
    {
        static CComTypeInfoHolder holder(*piid, *plibid, wMajor, wMinor);
        return holder;
    }
};
