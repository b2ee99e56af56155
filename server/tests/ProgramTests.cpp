// zvserver.exe as the computer runs it: registration, the service, and activation by clients of
// other processes.
#include <PlatformAdo.h>
#include <ProgramControl.h>
#include <zorvane.h>

#include <csl/SystemUtils.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kServiceName[] = L"Zorvane Server";
const wchar_t kClassId[] = L"{0FCD92BB-5964-42F6-BB3B-98D8B51B421D}";
const wchar_t kLibId[] = L"{1D434585-77AE-43ED-8A4C-1A34526E4428}";
const wchar_t kAppId[] = L"{5926D05D-FFA9-4DC4-85C6-A7ADD92C8CD4}";
const wchar_t kConfigKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneServer";
const DWORD kPatienceMs = 60000;

std::wstring ServerPath()
{
    wchar_t path[MAX_PATH];
    GetFullPathNameW(ZV_SERVER_EXE, MAX_PATH, path, nullptr);
    return path;
}

// Runs the server with the arguments and answers its exit code.
DWORD RunServer(const std::wstring& iArgs)
{
    return RunProgram(L"\"" + ServerPath() + L"\" " + iArgs);
}

bool KeyExists(const std::wstring& iPath)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, iPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The value's text, or "(missing)".
std::wstring Value(const std::wstring& iPath, const wchar_t* iName)
{
    wchar_t text[MAX_PATH] = L"";
    DWORD size = sizeof(text);
    if (RegGetValueW(HKEY_CLASSES_ROOT, iPath.c_str(), iName, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return L"(missing)";
    return text;
}

bool WaitForServersToEnd()
{
    for (DWORD id : ProcessIds(L"zvserver.exe")) {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
        if (process && WaitForSingleObject(process, kPatienceMs) != WAIT_OBJECT_0)
            return false;
        if (process)
            CloseHandle(process);
    }
    return true;
}

class ProgramTest : public ::testing::Test {
protected:
    // The interface's type library refers to the database access objects' one, which the
    // computer must have registered for COM to marshal the interface at all.
    static void SetUpTestSuite()
    {
        wchar_t path[MAX_PATH];
        GetFullPathNameW(ZV_ADO_DLL, MAX_PATH, path, nullptr);
        ASSERT_EQ(S_OK, ado::RegisterServer(path));
    }
    static void TearDownTestSuite() { EXPECT_EQ(S_OK, ado::UnregisterServer()); }

    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kConfigKey);
        const DWORD quantum = 45;
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kConfigKey, L"Quantum", REG_DWORD, &quantum, sizeof(quantum));
        const std::wstring database = L"Provider=SQLite;Data Source=" + GetProgramDirectory() + L"program.db";
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kConfigKey, L"ConnectionString", REG_SZ, database.c_str(),
                        static_cast<DWORD>((database.size() + 1) * sizeof(wchar_t)));
        ASSERT_EQ(0u, RunServer(L"/UnregServer"));
    }
    void TearDown() override
    {
        EXPECT_EQ(0u, RunServer(L"/UnregServer"));
        EXPECT_TRUE(WaitForServersToEnd());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kConfigKey);
        CoUninitialize();
    }
};

// The start-up job reads the quantum soon after the object is built.
unsigned long ConfiguredQuantum(IZorvane* iServer)
{
    unsigned long quantum = 0;
    for (DWORD waited = 0; waited < kPatienceMs && quantum != 45; waited += 100) {
        EXPECT_EQ(S_OK, iServer->GetQuantum(&quantum));
        if (quantum != 45)
            Sleep(100);
    }
    return quantum;
}

TEST_F(ProgramTest, RegServerWritesTheClassAndUnregServerRemovesIt)
{
    ASSERT_EQ(0u, RunServer(L"-regserver"));
    const std::wstring classKey = std::wstring(L"CLSID\\") + kClassId;
    const std::wstring appIdKey = std::wstring(L"AppID\\") + kAppId;
    struct Entry {
        std::wstring path;
        const wchar_t* name;
        std::wstring expected;
    } entries[] = {
        {L"ZorvaneServer.Zorvane.1", nullptr, L"Zorvane Class"},
        {L"ZorvaneServer.Zorvane.1\\CLSID", nullptr, kClassId},
        {L"ZorvaneServer.Zorvane", nullptr, L"Zorvane Class"},
        {L"ZorvaneServer.Zorvane\\CLSID", nullptr, kClassId},
        {L"ZorvaneServer.Zorvane\\CurVer", nullptr, L"ZorvaneServer.Zorvane.1"},
        {classKey, nullptr, L"Zorvane Class"},
        {classKey + L"\\ProgID", nullptr, L"ZorvaneServer.Zorvane.1"},
        {classKey + L"\\VersionIndependentProgID", nullptr, L"ZorvaneServer.Zorvane"},
        {classKey + L"\\LocalServer32", nullptr, ServerPath()},
        {classKey, L"AppID", kAppId},
        {classKey + L"\\TypeLib", nullptr, kLibId},
        {appIdKey, nullptr, L"ZorvaneServer"},
        {appIdKey, L"LocalService", L"(missing)"},
        {L"AppID\\zvserver.exe", L"AppID", kAppId},
        {std::wstring(L"TypeLib\\") + kLibId + L"\\1.0", nullptr, L"ZorvaneServer 1.0 Type Library"},
    };
    for (const Entry& entry : entries)
        EXPECT_EQ(entry.expected, Value(entry.path, entry.name)) << entry.path;

    ASSERT_EQ(0u, RunServer(L"/UnregServer"));
    for (const Entry& entry : entries)
        EXPECT_FALSE(KeyExists(entry.path)) << entry.path;
    EXPECT_TRUE(KeyExists(L"AppID"));
}

TEST_F(ProgramTest, ClientsOfOtherProcessesShareOneObjectThroughTheVtableAndDispatch)
{
    ASSERT_EQ(0u, RunServer(L"/RegServer"));
    CLSID classId;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"ZorvaneServer.Zorvane", &classId));
    IZorvane* first = nullptr;
    IZorvane* second = nullptr;
    ASSERT_EQ(S_OK,
              CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IZorvane, reinterpret_cast<void**>(&first)));
    ASSERT_EQ(S_OK,
              CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IZorvane, reinterpret_cast<void**>(&second)));
    IUnknown* firstIdentity = nullptr;
    IUnknown* secondIdentity = nullptr;
    ASSERT_EQ(S_OK, first->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&firstIdentity)));
    ASSERT_EQ(S_OK, second->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&secondIdentity)));
    EXPECT_EQ(firstIdentity, secondIdentity);
    firstIdentity->Release();
    secondIdentity->Release();
    EXPECT_EQ(1u, ProcessIds(L"zvserver.exe").size());

    EXPECT_EQ(45u, ConfiguredQuantum(first));

    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, second->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"GetQuantum")};
    DISPID id = 0;
    ASSERT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
    EXPECT_EQ(0x60020001, id);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr));
    ASSERT_EQ(S_OK, VariantChangeType(&result, &result, 0, VT_UI4));
    EXPECT_EQ(45u, V_UI4(&result));
    dispatch->Release();

    first->Release();
    second->Release();
    EXPECT_TRUE(WaitForServersToEnd());
}

TEST_F(ProgramTest, ServiceSwitchInstallsTheServiceThatServesClients)
{
    ASSERT_EQ(0u, RunServer(L"/Service"));
    EXPECT_EQ(kServiceName, Value(std::wstring(L"AppID\\") + kAppId, L"LocalService"));
    TServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ASSERT_NE(nullptr, manager.handle);
    TServiceHandle service(OpenServiceW(manager.handle, kServiceName, SERVICE_ALL_ACCESS));
    ASSERT_NE(nullptr, service.handle);
    std::vector<BYTE> buffer(8192);
    QUERY_SERVICE_CONFIGW* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    DWORD needed = 0;
    ASSERT_TRUE(QueryServiceConfigW(service.handle, config, static_cast<DWORD>(buffer.size()), &needed));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS), config->dwServiceType);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_AUTO_START), config->dwStartType);
    EXPECT_EQ(L"\"" + ServerPath() + L"\"", std::wstring(config->lpBinaryPathName));
    EXPECT_STREQ(L"NT AUTHORITY\\NetworkService", config->lpServiceStartName);
    EXPECT_STREQ(kServiceName, config->lpDisplayName);
    // Wine's service manager keeps the dependencies in the registry without reporting them.
    wchar_t dependencies[64] = {};
    DWORD size = sizeof(dependencies);
    EXPECT_EQ(ERROR_SUCCESS,
              RegGetValueW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\Zorvane Server",
                           L"DependOnService", RRF_RT_REG_MULTI_SZ, nullptr, dependencies, &size));
    EXPECT_EQ(std::wstring(L"RPCSS\0", 7), std::wstring(dependencies, 7));

    ASSERT_TRUE(StartServiceW(service.handle, 0, nullptr));
    ASSERT_TRUE(WaitForServiceState(service.handle, SERVICE_RUNNING));
    IZorvane* server = nullptr;
    ASSERT_EQ(S_OK,
              CoCreateInstance(CLSID_ZorvaneServer, nullptr, CLSCTX_LOCAL_SERVER, IID_IZorvane,
                               reinterpret_cast<void**>(&server)));
    EXPECT_EQ(45u, ConfiguredQuantum(server));
    server->Release();
    SERVICE_STATUS stop{};
    ASSERT_TRUE(ControlService(service.handle, SERVICE_CONTROL_STOP, &stop));
    EXPECT_TRUE(WaitForServiceState(service.handle, SERVICE_STOPPED));
}

}  // namespace
