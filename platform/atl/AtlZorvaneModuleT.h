#pragma once

#include "AtlServiceModule.h"

// The service module of a program, e.g.
//   class CMyModule : public CAtlZorvaneModuleT<CMyModule, IDS_SERVICENAME> { ... };
//   CMyModule _AtlModule;
//   int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) { return _AtlModule.WinMain(); }
// The service runs as the network service account where the system has one.
template <class T, UINT t_nServiceNameID>
class CAtlZorvaneModuleT : public CAtlServiceModule {
public:
    CAtlZorvaneModuleT() : CAtlServiceModule(t_nServiceNameID) {}

protected:
    const wchar_t* GetServiceAccount() const override
    {
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof(version);
        GetVersionExW(&version);
        const bool hasNetworkService = version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
            (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion > 0));
        return hasNetworkService ? L"NT AUTHORITY\\NetworkService" : nullptr;
    }
};

// The same module for a service that runs as LocalSystem.
template <class T, UINT t_nServiceNameID>
class CAtlZorvaneServiceModuleT : public CAtlZorvaneModuleT<T, t_nServiceNameID> {
protected:
    const wchar_t* GetServiceAccount() const override { return nullptr; }
};
