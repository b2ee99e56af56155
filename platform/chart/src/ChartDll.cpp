// The DLL's entry points: the chart control's class object, its registration and the unload check.
#include <windows.h>

#include <string>

#include "AtlException.h"
#include "ChartClass.h"
#include "ChartClassFactory.h"
#include "ChartModule.h"
#include "ChartWindow.h"
#include "ComRegistrar.h"

namespace {

CComClassRegistration Registration()
{
    return {kChartProgId, kChartIndependentProgId, kChartDescription};
}

template <class Action>
HRESULT Guard(Action iAction)
{
    try {
        iAction();
        return S_OK;
    } catch (const CAtlException& error) {
        return error.Result();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE iInstance, DWORD iReason, void* iProcessEnds)
{
    if (iReason == DLL_PROCESS_ATTACH) {
        ChartModule::SetInstance(iInstance);
        DisableThreadLibraryCalls(iInstance);
    } else if (iReason == DLL_PROCESS_DETACH && !iProcessEnds) {
        ChartWindow::UnregisterWindowClass();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID iClassId, REFIID iIid, void** oObject)
{
    if (!oObject)
        return E_POINTER;
    *oObject = nullptr;
    if (iClassId != CLSID_Chart)
        return CLASS_E_CLASSNOTAVAILABLE;
    return ChartClassFactory::Instance().QueryInterface(iIid, oObject);
}

STDAPI DllCanUnloadNow()
{
    return ChartModule::CanUnload() ? S_OK : S_FALSE;
}

// The registry view is the DLL's own: a 32-bit DLL's keys go to the 32-bit view.
STDAPI DllRegisterServer()
{
    return Guard([] {
        wchar_t path[MAX_PATH];
        const DWORD length = GetModuleFileNameW(ChartModule::Instance(), path, MAX_PATH);
        if (length == 0 || length == MAX_PATH)
            throw CAtlException::FromWin32(GetLastError(), L"Could not find the chart DLL's own path");
        CComRegistrar::RegisterInprocClass(CLSID_Chart, Registration(), std::wstring(path, length), L"Apartment");
    });
}

STDAPI DllUnregisterServer()
{
    return Guard([] { CComRegistrar::UnregisterClass(CLSID_Chart, Registration()); });
}
