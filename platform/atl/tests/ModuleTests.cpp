#include <AtlTest.h>
#include <ModulePath.h>

#include <gtest/gtest.h>

#include <sddl.h>

#include <string>
#include <vector>

namespace {

const wchar_t kServiceName[] = L"Scaffolding Test Service";
const wchar_t kAppId[] = L"{64F60B98-B36A-427C-8088-D61E8A6DB2DC}";
const wchar_t kClassId[] = L"{8371CD92-3C9B-4118-B5D3-0261E7C81475}";
const wchar_t kLibId[] = L"{3B6EF7B6-EE63-47E7-9D78-28054BDE6FAC}";
const DWORD kPatienceMs = 60000;

std::wstring ServerPath()
{
    return ProgramFolder() + L"atl_test_server.exe";
}
std::wstring LogPath()
{
    return ProgramFolder() + L"atl_test_server.log";
}

// Runs the test server with the arguments and answers its exit code and standard error.
DWORD RunServer(const std::wstring& iArgs, std::string* oErrors = nullptr)
{
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{sizeof(startup)};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = writeEnd;
    startup.hStdOutput = writeEnd;
    std::wstring commandLine = L"\"" + ServerPath() + L"\" " + iArgs;
    PROCESS_INFORMATION process{};
    BOOL started =
        CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    EXPECT_TRUE(started);
    std::string text;
    char buffer[512];
    DWORD read = 0;
    while (started && ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read)
        text.append(buffer, read);
    CloseHandle(readEnd);
    if (oErrors)
        *oErrors = text;
    if (!started)
        return ~0u;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = ~0u;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
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

std::vector<BYTE> Binary(const std::wstring& iPath, const wchar_t* iName)
{
    std::vector<BYTE> data(1024);
    DWORD size = static_cast<DWORD>(data.size());
    if (RegGetValueW(HKEY_CLASSES_ROOT, iPath.c_str(), iName, RRF_RT_REG_BINARY, nullptr, data.data(), &size) !=
        ERROR_SUCCESS)
        size = 0;
    data.resize(size);
    return data;
}

// A permission value: owner and group as expected, one ACE that allows Everyone the rights.
void ExpectPermission(const std::vector<BYTE>& iData, const wchar_t* iOwner, DWORD iRights)
{
    ASSERT_FALSE(iData.empty());
    PSECURITY_DESCRIPTOR descriptor = const_cast<BYTE*>(iData.data());
    ASSERT_TRUE(IsValidSecurityDescriptor(descriptor));
    PSID expectedOwner = nullptr, everyone = nullptr, sid = nullptr;
    ASSERT_TRUE(ConvertStringSidToSidW(iOwner, &expectedOwner));
    ASSERT_TRUE(ConvertStringSidToSidW(L"S-1-1-0", &everyone));
    BOOL defaulted = FALSE, present = FALSE;
    ASSERT_TRUE(GetSecurityDescriptorOwner(descriptor, &sid, &defaulted));
    EXPECT_TRUE(sid && EqualSid(sid, expectedOwner));
    ASSERT_TRUE(GetSecurityDescriptorGroup(descriptor, &sid, &defaulted));
    EXPECT_TRUE(sid && EqualSid(sid, expectedOwner));
    PACL acl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted));
    ASSERT_TRUE(present && acl);
    ASSERT_EQ(1, acl->AceCount);
    ACCESS_ALLOWED_ACE* ace = nullptr;
    ASSERT_TRUE(GetAce(acl, 0, reinterpret_cast<void**>(&ace)));
    EXPECT_EQ(ACCESS_ALLOWED_ACE_TYPE, ace->Header.AceType);
    EXPECT_EQ(iRights, ace->Mask);
    EXPECT_TRUE(EqualSid(&ace->SidStart, everyone));
    LocalFree(expectedOwner);
    LocalFree(everyone);
}

std::wstring LocalAdministrator()
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"O:LA", SDDL_REVISION_1, &descriptor, nullptr));
    PSID owner = nullptr;
    BOOL defaulted = FALSE;
    GetSecurityDescriptorOwner(descriptor, &owner, &defaulted);
    wchar_t* text = nullptr;
    ConvertSidToStringSidW(owner, &text);
    std::wstring result = text ? text : L"";
    LocalFree(text);
    LocalFree(descriptor);
    return result;
}

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE iHandle) : handle(iHandle) {}
    ~ServiceHandle()
    {
        if (handle)
            CloseServiceHandle(handle);
    }
    SC_HANDLE handle;
};

DWORD WaitForState(SC_HANDLE iService, DWORD iState, SERVICE_STATUS_PROCESS* oStatus)
{
    DWORD needed = 0;
    for (DWORD waited = 0; waited < kPatienceMs; waited += 100) {
        if (!QueryServiceStatusEx(iService, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(oStatus), sizeof(*oStatus),
                                  &needed))
            return 0;
        if (oStatus->dwCurrentState == iState)
            break;
        Sleep(100);
    }
    return oStatus->dwCurrentState;
}

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        ASSERT_EQ(0u, RunServer(L"/UnregServer"));
    }
    void TearDown() override
    {
        EXPECT_EQ(0u, RunServer(L"/UnregServer"));
        CoUninitialize();
    }

    // Activates the class as a local server and checks that the object answers.
    DWORD ActivateAndCall()
    {
        IAtlTest* test = nullptr;
        EXPECT_EQ(S_OK,
                  CoCreateInstance(CLSID_AtlTest, nullptr, CLSCTX_LOCAL_SERVER, IID_IAtlTest,
                                   reinterpret_cast<void**>(&test)));
        if (!test)
            return 0;
        unsigned long id = 0;
        EXPECT_EQ(S_OK, test->GetProcessId(&id));
        test->Release();
        return id;
    }
};

TEST_F(ModuleTest, RegServerWritesTheEntriesAndUnregServerRemovesThem)
{
    ASSERT_EQ(0u, RunServer(L"-REGSERVER"));
    const std::wstring classKey = std::wstring(L"CLSID\\") + kClassId;
    const std::wstring appIdKey = std::wstring(L"AppID\\") + kAppId;
    struct Entry {
        std::wstring path;
        const wchar_t* name;
        std::wstring expected;
    } entries[] = {
        {L"AtlTest.Object.1", nullptr, L"Atl Test Class"},
        {L"AtlTest.Object.1\\CLSID", nullptr, kClassId},
        {L"AtlTest.Object", nullptr, L"Atl Test Class"},
        {L"AtlTest.Object\\CLSID", nullptr, kClassId},
        {L"AtlTest.Object\\CurVer", nullptr, L"AtlTest.Object.1"},
        {classKey, nullptr, L"Atl Test Class"},
        {classKey + L"\\ProgID", nullptr, L"AtlTest.Object.1"},
        {classKey + L"\\VersionIndependentProgID", nullptr, L"AtlTest.Object"},
        {classKey + L"\\Programmable", nullptr, L"(missing)"},
        {classKey + L"\\LocalServer32", nullptr, ServerPath()},
        {classKey, L"AppID", kAppId},
        {classKey + L"\\TypeLib", nullptr, kLibId},
        {appIdKey, nullptr, L"AtlTestServer"},
        {appIdKey, L"LocalService", L"(missing)"},
        {L"AppID\\atl_test_server.exe", L"AppID", kAppId},
        // Wine's marshaller looks for the library only under the neutral locale, of the
        // program's own kind.
        {std::wstring(L"TypeLib\\") + kLibId + (sizeof(void*) == 8 ? L"\\1.0\\0\\win64" : L"\\1.0\\0\\win32"), nullptr,
         ServerPath()},
    };
    for (const Entry& entry : entries) {
        EXPECT_TRUE(KeyExists(entry.path)) << entry.path;
        EXPECT_EQ(entry.expected, Value(entry.path, entry.name)) << entry.path;
    }
    EXPECT_TRUE(KeyExists(std::wstring(L"TypeLib\\") + kLibId + L"\\1.0"));
    ExpectPermission(Binary(appIdKey, L"AccessPermission"), L"S-1-5-32-544", 7);
    ExpectPermission(Binary(appIdKey, L"LaunchPermission"), LocalAdministrator().c_str(), 0x1F);

    ASSERT_EQ(0u, RunServer(L"-unregserver"));
    for (const Entry& entry : entries)
        EXPECT_FALSE(KeyExists(entry.path)) << entry.path;
    EXPECT_FALSE(KeyExists(std::wstring(L"TypeLib\\") + kLibId));
    EXPECT_TRUE(KeyExists(L"AppID"));
}

TEST_F(ModuleTest, LocalServerServesOneObjectToEveryClientAndLeavesAfterTheLast)
{
    ASSERT_EQ(0u, RunServer(L"/RegServer"));
    IAtlTest* first = nullptr;
    IAtlTest* second = nullptr;
    ASSERT_EQ(
        S_OK,
        CoCreateInstance(CLSID_AtlTest, nullptr, CLSCTX_LOCAL_SERVER, IID_IAtlTest, reinterpret_cast<void**>(&first)));
    ASSERT_EQ(
        S_OK,
        CoCreateInstance(CLSID_AtlTest, nullptr, CLSCTX_LOCAL_SERVER, IID_IAtlTest, reinterpret_cast<void**>(&second)));
    IUnknown* firstIdentity = nullptr;
    IUnknown* secondIdentity = nullptr;
    ASSERT_EQ(S_OK, first->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&firstIdentity)));
    ASSERT_EQ(S_OK, second->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&secondIdentity)));
    EXPECT_EQ(firstIdentity, secondIdentity);
    firstIdentity->Release();
    secondIdentity->Release();

    unsigned long serverId = 0;
    ASSERT_EQ(S_OK, first->GetProcessId(&serverId));
    EXPECT_NE(GetCurrentProcessId(), serverId);
    HANDLE server = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, serverId);
    ASSERT_NE(nullptr, server);

    // Through the vtable, a record in and out and an interface back.
    AtlTestRecord record{7, 39000.5, 4};
    IAtlTestItem* item = nullptr;
    ASSERT_EQ(S_OK, second->Scale(&record, 3, &item));
    EXPECT_EQ(21, record.Count);
    EXPECT_EQ(5u, record.Flags);
    long value = 0;
    EXPECT_EQ(S_OK, item->Value(&value));
    EXPECT_EQ(21, value);
    item->Release();

    // Through IDispatch.
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, first->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"Add")};
    DISPID id = 0;
    ASSERT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
    VARIANT args[2];
    V_VT(&args[0]) = VT_I4;
    V_I4(&args[0]) = 2;
    V_VT(&args[1]) = VT_I4;
    V_I4(&args[1]) = 40;
    DISPPARAMS params{args, nullptr, 2, 0};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr));
    EXPECT_EQ(42, V_I4(&result));
    dispatch->Release();

    first->Release();
    second->Release();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(server, kPatienceMs));
    DWORD code = ~0u;
    GetExitCodeProcess(server, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(server);
}

TEST_F(ModuleTest, ServiceSwitchInstallsAnAutoStartServiceThatServesUntilStopped)
{
    ASSERT_EQ(0u, RunServer(L"/Service"));
    EXPECT_EQ(kServiceName, Value(std::wstring(L"AppID\\") + kAppId, L"LocalService"));
    ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ASSERT_NE(nullptr, manager.handle);
    {
        ServiceHandle service(OpenServiceW(manager.handle, kServiceName, SERVICE_ALL_ACCESS));
        ASSERT_NE(nullptr, service.handle);
        std::vector<BYTE> buffer(8192);
        QUERY_SERVICE_CONFIGW* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
        DWORD needed = 0;
        ASSERT_TRUE(QueryServiceConfigW(service.handle, config, static_cast<DWORD>(buffer.size()), &needed));
        EXPECT_EQ(static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS), config->dwServiceType);
        EXPECT_EQ(static_cast<DWORD>(SERVICE_AUTO_START), config->dwStartType);
        EXPECT_EQ(static_cast<DWORD>(SERVICE_ERROR_NORMAL), config->dwErrorControl);
        EXPECT_EQ(L"\"" + ServerPath() + L"\"", std::wstring(config->lpBinaryPathName));
        // Wine's service manager stores the dependencies but does not report them.
        wchar_t dependencies[64] = {};
        DWORD size = sizeof(dependencies);
        EXPECT_EQ(ERROR_SUCCESS,
                  RegGetValueW(HKEY_LOCAL_MACHINE,
                               (std::wstring(L"System\\CurrentControlSet\\Services\\") + kServiceName).c_str(),
                               L"DependOnService", RRF_RT_REG_MULTI_SZ, nullptr, dependencies, &size));
        EXPECT_EQ(std::wstring(L"RPCSS\0", 7), std::wstring(dependencies, 7));
        EXPECT_STREQ(L"NT AUTHORITY\\NetworkService", config->lpServiceStartName);
        EXPECT_STREQ(kServiceName, config->lpDisplayName);

        // Started by the service manager, it serves clients until the stop control.
        ASSERT_TRUE(StartServiceW(service.handle, 0, nullptr));
        SERVICE_STATUS_PROCESS status{};
        ASSERT_EQ(static_cast<DWORD>(SERVICE_RUNNING), WaitForState(service.handle, SERVICE_RUNNING, &status));
        EXPECT_EQ(status.dwProcessId, ActivateAndCall());
        SERVICE_STATUS stop{};
        ASSERT_TRUE(ControlService(service.handle, SERVICE_CONTROL_STOP, &stop));
        EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), WaitForState(service.handle, SERVICE_STOPPED, &status));
        EXPECT_EQ(0u, status.dwWin32ExitCode);

        // Installing again while it runs stops it and installs it anew.
        ASSERT_TRUE(StartServiceW(service.handle, 0, nullptr));
        ASSERT_EQ(static_cast<DWORD>(SERVICE_RUNNING), WaitForState(service.handle, SERVICE_RUNNING, &status));
    }
    ASSERT_EQ(0u, RunServer(L"/service"));
    {
        ServiceHandle service(OpenServiceW(manager.handle, kServiceName, SERVICE_QUERY_STATUS));
        ASSERT_NE(nullptr, service.handle);
        SERVICE_STATUS_PROCESS status{};
        EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), WaitForState(service.handle, SERVICE_STOPPED, &status));
    }

    // Registered as a plain local server, there is no service any more.
    ASSERT_EQ(0u, RunServer(L"/RegServer"));
    EXPECT_EQ(nullptr, OpenServiceW(manager.handle, kServiceName, SERVICE_QUERY_STATUS));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
    EXPECT_EQ(L"(missing)", Value(std::wstring(L"AppID\\") + kAppId, L"LocalService"));
}

TEST_F(ModuleTest, BadStartsSayWhatWasWrongOnStandardErrorAndInTheLog)
{
    DeleteFileW(LogPath().c_str());
    struct Case {
        const wchar_t* args;
        DWORD exitCode;
        const char* message;
    } cases[] = {
        {L"/Bogus", static_cast<DWORD>(E_INVALIDARG), "Unknown argument \"/Bogus\""},
        {L"stray", static_cast<DWORD>(E_INVALIDARG), "Unknown argument \"stray\""},
        {L"-Embedding", ERROR_FILE_NOT_FOUND, "The program is not registered"},
    };
    for (const Case& c : cases) {
        std::string errors;
        EXPECT_EQ(c.exitCode, RunServer(c.args, &errors)) << c.message;
        EXPECT_NE(std::string::npos, errors.find(c.message)) << errors;
    }
    FILE* file = _wfopen(LogPath().c_str(), L"r");
    ASSERT_NE(nullptr, file);
    std::string logged;
    char buffer[512];
    while (size_t read = fread(buffer, 1, sizeof(buffer), file))
        logged.append(buffer, read);
    fclose(file);
    for (const Case& c : cases)
        EXPECT_NE(std::string::npos, logged.find(c.message)) << logged;
}

}  // namespace
