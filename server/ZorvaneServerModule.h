#pragma once
#include "resource.h"

#include <AtlServiceModule.h>

// The module of zvserver: registers the server class with its AppID and type library, installs
// the service "Zorvane Server", and serves the class as that service or as a local server.
class CZorvaneServerModule : public CAtlServiceModule {
public:
    CZorvaneServerModule() : CAtlServiceModule(IDS_SERVICENAME) {}

protected:
    const GUID& GetAppId() const override;
    const wchar_t* GetAppIdName() const override { return L"ZorvaneServer"; }
    const _ATL_OBJMAP_ENTRY* GetObjectMap() const override;
    const wchar_t* GetServiceAccount() const override;
    void LogMessage(const wchar_t* iLine) override;
    HRESULT RegisterDependencies() override;
};
