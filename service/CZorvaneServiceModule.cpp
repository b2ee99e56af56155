#include "CZorvaneServiceModule.h"

#include "CZorvane.h"

#include <ObjectMap.h>
#include <PlatformAdo.h>

#include <csl/TDebugStream.h>

namespace {

// {E13E56DE-A49A-47B2-983B-7E4E6874650B}
const GUID APPID_ZorvaneService = {0xe13e56de, 0xa49a, 0x47b2, {0x98, 0x3b, 0x7e, 0x4e, 0x68, 0x74, 0x65, 0x0b}};

BEGIN_OBJECT_MAP(ObjectMap)
    OBJECT_ENTRY(CLSID_Zorvane, CZorvane)
END_OBJECT_MAP()

}  // namespace

const GUID& CZorvaneServiceModule::GetAppId() const
{
    return APPID_ZorvaneService;
}

const _ATL_OBJMAP_ENTRY* CZorvaneServiceModule::GetObjectMap() const
{
    return ObjectMap;
}

// IZorvane returns recordsets, which cross processes through the database objects' own
// unmarshal class and type library.
HRESULT CZorvaneServiceModule::RegisterDependencies()
{
    return ado::RegisterServer();
}

void CZorvaneServiceModule::LogMessage(const wchar_t* iLine)
{
    DebugLog() << std::wstring(iLine);
}

// The monitors report what they hold through the service on their way out.
void CZorvaneServiceModule::BeforeClassObjectsGo()
{
    if (CZorvane* service = CZorvane::Instance())
        service->EndMonitors();
}
