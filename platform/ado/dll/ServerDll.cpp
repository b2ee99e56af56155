// The in-process server: builds the local copy of a recordset that arrives by value.
#include <string>

#include "ClassFactory.h"
#include "ComObject.h"
#include "PlatformAdo.h"

#include <ModulePath.h>

namespace {

HMODULE g_module = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE iInstance, DWORD iReason, void*)
{
    if (iReason == DLL_PROCESS_ATTACH) {
        g_module = iInstance;
        DisableThreadLibraryCalls(iInstance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID iClassId, REFIID iInterface, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    *oObject = nullptr;
    if (iClassId != CLSID_Recordset)
        return CLASS_E_CLASSNOTAVAILABLE;
    static ado::ClassFactory factory(CLSID_Recordset);
    return factory.QueryInterface(iInterface, oObject);
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
