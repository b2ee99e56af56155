#include "ZorvaneServerModule.h"

#include "ZorvaneServer.h"

#include <ObjectMap.h>
#include <PlatformAdo.h>
#include <csl/SystemUtils.h>
#include <csl/TDebugStream.h>

namespace {

// {5926D05D-FFA9-4DC4-85C6-A7ADD92C8CD4}
const GUID APPID_ZorvaneServer = {0x5926d05d, 0xffa9, 0x4dc4, {0x85, 0xc6, 0xa7, 0xad, 0xd9, 0x2c, 0x8c, 0xd4}};

BEGIN_OBJECT_MAP(ObjectMap)
    OBJECT_ENTRY(CLSID_ZorvaneServer, CZorvaneServer)
END_OBJECT_MAP()

}  // namespace

const GUID& CZorvaneServerModule::GetAppId() const
{
    return APPID_ZorvaneServer;
}

const _ATL_OBJMAP_ENTRY* CZorvaneServerModule::GetObjectMap() const
{
    return ObjectMap;
}

// The network service account where the system has one, else LocalSystem.
const wchar_t* CZorvaneServerModule::GetServiceAccount() const
{
    return IsWindowsXPOrLater() ? L"NT AUTHORITY\\NetworkService" : nullptr;
}

// Summary results are recordsets, which cross processes through the database objects' own
// unmarshal class and type library.
HRESULT CZorvaneServerModule::RegisterDependencies()
{
    return ado::RegisterServer();
}

void CZorvaneServerModule::LogMessage(const wchar_t* iLine)
{
    DebugLog() << "(!) " << std::wstring(iLine);
}
