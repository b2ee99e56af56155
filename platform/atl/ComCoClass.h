#pragma once

#include "ComClassFactorySingleton71.h"

// What the registry says of a class besides its class id.
struct CComClassRegistration {
    const wchar_t* ProgId;                    // e.g. "Product.Class.1"
    const wchar_t* VersionIndependentProgId;  // e.g. "Product.Class"
    const wchar_t* Description;
};

// The class-object side of a creatable class: its class id and its class factory. Every class
// of this platform is a process-wide singleton.
template <class T, const CLSID* pclsid>
class CComCoClass {
public:
    typedef CComClassFactorySingleton71<T> _ClassFactoryClass;
};

// Inside the class: its program ids and description for registration.
#define DECLARE_REGISTRY_CLASS(progId, versionIndependentProgId, description) \
    static CComClassRegistration GetRegistration()                            \
    {                                                                         \
        return {progId, versionIndependentProgId, description};               \
    }
