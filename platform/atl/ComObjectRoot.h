#pragma once

#include <objbase.h>

// One row of an interface map: the interface and the offset of its vtable in the class.
struct _ATL_INTMAP_ENTRY {
    const IID* Iid;
    DWORD_PTR Offset;
};

// The base of every COM object: the construction and release hooks and the lookup in the
// class's interface map. The objects live in the multithreaded apartment as long as their
// module (see CComObjectGlobal), so they keep no reference count of their own.
class CComObjectRoot {
public:
    // Runs once after construction; a failure keeps the object from clients.
    HRESULT FinalConstruct() { return S_OK; }
    // Runs once before destruction.
    void FinalRelease() {}

    static HRESULT InternalQueryInterface(void* iThis, const _ATL_INTMAP_ENTRY* iEntries, REFIID iInterface,
                                          void** oObject)
    {
        if (!oObject)
            return E_POINTER;
        *oObject = nullptr;
        // The first entry answers IUnknown: one identity whatever interface a client asks through.
        for (const _ATL_INTMAP_ENTRY* entry = iEntries; entry->Iid; ++entry) {
            if (iInterface == IID_IUnknown || iInterface == *entry->Iid) {
                IUnknown* unknown = reinterpret_cast<IUnknown*>(reinterpret_cast<DWORD_PTR>(iThis) + entry->Offset);
                unknown->AddRef();
                *oObject = unknown;
                return S_OK;
            }
        }
        return E_NOINTERFACE;
    }
};

// The offset of a base class inside a derived one (any non-null address works; 8 keeps
// clear of the null-pointer adjustment of static_cast).
#define offsetofclass(base, derived) \
    (reinterpret_cast<DWORD_PTR>(static_cast<base*>(reinterpret_cast<derived*>(8))) - 8)

// The interface map. The class lists what QueryInterface answers; IUnknown is the first row.
#define BEGIN_COM_MAP(x)                                                         \
public:                                                                          \
    typedef x _ComMapClass;                                                      \
    HRESULT _InternalQueryInterface(REFIID iInterface, void** oObject)           \
    {                                                                            \
        return InternalQueryInterface(this, _GetEntries(), iInterface, oObject); \
    }                                                                            \
    static const _ATL_INTMAP_ENTRY* _GetEntries()                                \
    {                                                                            \
        static const _ATL_INTMAP_ENTRY entries[] = {
// The interface is a base class of the object.
#define COM_INTERFACE_ENTRY(itf) {&__uuidof(itf), offsetofclass(itf, _ComMapClass)},
// The interface is reached through the base class "via" (for IDispatch of dual interfaces).
#define COM_INTERFACE_ENTRY2(itf, via) \
    {&__uuidof(itf),                   \
     reinterpret_cast<DWORD_PTR>(static_cast<itf*>(static_cast<via*>(reinterpret_cast<_ComMapClass*>(8)))) - 8},
#define END_COM_MAP()                          \
    {                                          \
        nullptr, 0                             \
    }                                          \
    }                                          \
    ;                                          \
    return entries;                            \
    }                                          \
    STDMETHOD_(ULONG, AddRef)() override = 0;  \
    STDMETHOD_(ULONG, Release)() override = 0; \
    STDMETHOD(QueryInterface)(REFIID, void**) override = 0;
