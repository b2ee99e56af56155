#pragma once

#include "AtlModule.h"

// An object that lives as long as the module, not as long as its references: each reference a
// client takes or drops locks or unlocks the module instead. It runs FinalConstruct when built
// and keeps the result; FinalRelease runs when it is destroyed.
template <class Base>
class CComObjectGlobal : public Base {
public:
    CComObjectGlobal() { m_FinalConstructResult = Base::FinalConstruct(); }
    virtual ~CComObjectGlobal() { Base::FinalRelease(); }

    STDMETHOD_(ULONG, AddRef)() override { return _pAtlModule->Lock(); }
    STDMETHOD_(ULONG, Release)() override { return _pAtlModule->Unlock(); }
    STDMETHOD(QueryInterface)(REFIID iInterface, void** oObject) override
    {
        return Base::_InternalQueryInterface(iInterface, oObject);
    }

    // The object's identity: the first row of its interface map.
    IUnknown* GetUnknown()
    {
        return reinterpret_cast<IUnknown*>(reinterpret_cast<DWORD_PTR>(this) + Base::_GetEntries()->Offset);
    }

    HRESULT m_FinalConstructResult;
};
