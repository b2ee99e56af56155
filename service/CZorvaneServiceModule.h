#pragma once
#include <AtlServiceModule.h>

enum {
    IDS_SERVICENAME = 100
};

// The user service's module: a COM local server that runs as the LocalSystem service
// "Zorvane User Service" and serves the one CZorvane object.
class CZorvaneServiceModule : public CAtlServiceModule {
public:
    CZorvaneServiceModule() : CAtlServiceModule(IDS_SERVICENAME) {}

protected:
    const GUID& GetAppId() const override;
    const wchar_t* GetAppIdName() const override { return L"ZorvaneService"; }
    const _ATL_OBJMAP_ENTRY* GetObjectMap() const override;
    const wchar_t* GetServiceAccount() const override { return nullptr; }
    void LogMessage(const wchar_t* iLine) override;
    HRESULT RegisterDependencies() override;
    void BeforeClassObjectsGo() override;
};
