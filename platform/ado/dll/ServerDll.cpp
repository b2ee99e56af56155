// The in-process server: builds the local copy of a recordset that arrives by value.
#include <string>

#include "ClassFactory.h"
#include "ComObject.h"
#include "PlatformAdo.h"

#include <ModulePath.h>

namespace {

HMODULE g_module = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (classId != CLSID_Recordset)
        return CLASS_E_CLASSNOTAVAILABLE;
    static ado::ClassFactory factory(CLSID_Recordset);
    return factory.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow()
{
    return ado::LiveObjects() == 0 && ado::ClassFactory::Locks() == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    return ado::RegisterServer(ModuleFilePath(g_module).c_str());
}

STDAPI DllUnregisterServer()
{
    return ado::UnregisterServer();
}
