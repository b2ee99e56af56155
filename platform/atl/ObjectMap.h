#pragma once

#include "ComCoClass.h"

// One class of the module: how to build its class object and how to register it.
struct _ATL_OBJMAP_ENTRY {
    const CLSID* ClassId;
    HRESULT(WINAPI* CreateClassObject)(IUnknown** ppFactory);
    CComClassRegistration (*GetRegistration)();
};

// The module's classes, e.g.
//   BEGIN_OBJECT_MAP(ObjectMap)
//     OBJECT_ENTRY(CLSID_Thing, CThing)
//   END_OBJECT_MAP()
#define BEGIN_OBJECT_MAP(x) static const _ATL_OBJMAP_ENTRY x[] = {
#define OBJECT_ENTRY(clsid, class) {&clsid, &class ::_ClassFactoryClass::CreateClassObject, &class ::GetRegistration},
#define END_OBJECT_MAP()          \
    {                             \
        nullptr, nullptr, nullptr \
    }                             \
    }                             \
    ;
