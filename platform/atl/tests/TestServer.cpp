// A local server and service that serves the scratch class, for the module tests.
#include "TestObjects.h"

#include <AtlServiceModule.h>
#include <ModulePath.h>
#include <ObjectMap.h>

#include <cstdio>

// {64F60B98-B36A-427C-8088-D61E8A6DB2DC}
static const GUID APPID_AtlTestServer = {0x64f60b98, 0xb36a, 0x427c, {0x80, 0x88, 0xd6, 0x1e, 0x8a, 0x6d, 0xb2, 0xdc}};

BEGIN_OBJECT_MAP(ObjectMap)
    OBJECT_ENTRY(CLSID_AtlTest, CAtlTestObject)
END_OBJECT_MAP()

class CAtlTestServerModule : public CAtlServiceModule {
public:
    // The tests wait for the server to leave after its last client.
    CAtlTestServerModule() : CAtlServiceModule(100) { m_TimeOut = 500; }

protected:
    const GUID& GetAppId() const override { return APPID_AtlTestServer; }
    const wchar_t* GetAppIdName() const override { return L"AtlTestServer"; }
    const _ATL_OBJMAP_ENTRY* GetObjectMap() const override { return ObjectMap; }
    const wchar_t* GetServiceAccount() const override { return L"NT AUTHORITY\\NetworkService"; }
    // The program's log: a file next to the program.
    void LogMessage(const wchar_t* iLine) override
    {
        std::wstring path = ModuleFilePath();
        if (path.size() < 3)
            return;
        path.replace(path.size() - 3, 3, L"log");
        if (FILE* file = _wfopen(path.c_str(), L"a")) {
            fputws(iLine, file);
            fclose(file);
        }
    }
};

static CAtlTestServerModule _AtlModule;

int main()
{
    return _AtlModule.WinMain();
}
