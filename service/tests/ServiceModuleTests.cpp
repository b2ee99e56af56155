// zvservice.exe as the Windows service "Zorvane User Service", between a test client in
// the monitor's place, a server object of the test's own and the stand-in monitor.
#include "ServiceTestSupport.h"

#include <AtlModule.h>
#include <ComClassFactorySingleton71.h>
#include <CZorvane.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CAtlModule sModule;

const wchar_t kServiceName[] = L"Zorvane User Service";
const wchar_t kClassKey[] = L"CLSID\\{3103F609-0581-413E-A859-48693674DB26}";
const wchar_t kAppIdKey[] = L"AppID\\{E13E56DE-A49A-47B2-983B-7E4E6874650B}";
const DWORD kPatienceMs = 60000;

std::wstring ServicePath()
{
    return GetProgramDirectory() + L"zvservice.exe";
}

DWORD RunService(const wchar_t* iSwitch)
{
    return RunProgram(L"\"" + ServicePath() + L"\" " + iSwitch);
}

std::wstring Value(HKEY iRoot, const std::wstring& iPath, const wchar_t* iName)
{
    wchar_t text[MAX_PATH] = L"";
    DWORD size = sizeof(text);
    if (RegGetValueW(iRoot, iPath.c_str(), iName, RRF_RT_REG_SZ | RRF_RT_REG_MULTI_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return L"(missing)";
    return text;
}

class ServiceModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        // The recordsets' type library, which IZorvane refers to, for the marshalling.
        HMODULE ado = LoadLibraryW(L"" ZV_ADO_SERVER_DLL);
        ASSERT_NE(nullptr, ado);
        auto registerServer = reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(ado, "DllRegisterServer"));
        ASSERT_NE(nullptr, registerServer);
        ASSERT_EQ(S_OK, registerServer());
        ASSERT_EQ(0u, RunService(L"/UnregServer"));
    }
    void TearDown() override
    {
        if (service)
            CloseServiceHandle(service);
        EXPECT_EQ(0u, RunService(L"/UnregServer"));
        for (size_t i = 0; i < m_Servers.size(); ++i)
            StopServer(i);
        CoUninitialize();
    }

    // A server object in a process of its own that answers GetQuantum with the quantum.
    void StartServer(unsigned long iQuantum)
    {
        const std::wstring event = L"ZorvaneServiceTestServer" + std::to_wstring(iQuantum);
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, event.c_str());
        m_Stops.push_back(CreateEventW(nullptr, TRUE, FALSE, (event + L"Stop").c_str()));
        HANDLE process = Launch(L"\"" + GetProgramDirectory() + L"zvservice_fake_server.exe\" " +
                                std::to_wstring(iQuantum) + L" " + event);
        EXPECT_NE(nullptr, process);
        HANDLE objects[] = {ready, process};
        EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(2, objects, FALSE, kPatienceMs));
        CloseHandle(ready);
        m_Servers.push_back(process);
    }

    // Ends the server that StartServer started as the index-th.
    void StopServer(size_t iIndex)
    {
        if (!m_Stops[iIndex])
            return;
        SetEvent(m_Stops[iIndex]);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_Servers[iIndex], kPatienceMs));
        CloseHandle(m_Stops[iIndex]);
        CloseHandle(m_Servers[iIndex]);
        m_Stops[iIndex] = nullptr;
    }

    // Closed before the service is removed: open handles keep it from being deleted.
    SC_HANDLE service = nullptr;

private:
    std::vector<HANDLE> m_Servers;
    std::vector<HANDLE> m_Stops;
};

TEST_F(ServiceModuleTest, ServiceSwitchInstallsTheUserServiceAndRegistersItsClass)
{
    ASSERT_EQ(0u, RunService(L"/Service"));
    TServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    std::vector<BYTE> buffer(8192);
    QUERY_SERVICE_CONFIGW* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    {
        // Open handles keep a service from being deleted.
        TServiceHandle service(OpenServiceW(manager.handle, kServiceName, SERVICE_QUERY_CONFIG));
        ASSERT_NE(nullptr, service.handle);
        DWORD needed = 0;
        ASSERT_TRUE(QueryServiceConfigW(service.handle, config, static_cast<DWORD>(buffer.size()), &needed));
    }
    EXPECT_EQ(static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS), config->dwServiceType);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_AUTO_START), config->dwStartType);
    EXPECT_EQ(L"\"" + ServicePath() + L"\"", std::wstring(config->lpBinaryPathName));
    EXPECT_STREQ(kServiceName, config->lpDisplayName);
    EXPECT_STREQ(L"LocalSystem", config->lpServiceStartName);
    EXPECT_EQ(L"RPCSS",
              Value(HKEY_LOCAL_MACHINE, std::wstring(L"System\\CurrentControlSet\\Services\\") + kServiceName,
                    L"DependOnService"));

    const struct {
        std::wstring path;
        const wchar_t* name;
        std::wstring expected;
    } entries[] = {
        {L"ZorvaneService.Zorvane.1\\CLSID", nullptr, L"{3103F609-0581-413E-A859-48693674DB26}"},
        {L"ZorvaneService.Zorvane\\CurVer", nullptr, L"ZorvaneService.Zorvane.1"},
        {kClassKey, nullptr, L"Zorvane Class"},
        {std::wstring(kClassKey) + L"\\LocalServer32", nullptr, ServicePath()},
        {std::wstring(kClassKey) + L"\\TypeLib", nullptr, L"{E7665CBA-FA65-4095-AFB9-DD9B05A43989}"},
        {kClassKey, L"AppID", L"{E13E56DE-A49A-47B2-983B-7E4E6874650B}"},
        {kAppIdKey, nullptr, L"ZorvaneService"},
        {kAppIdKey, L"LocalService", kServiceName},
        {L"AppID\\zvservice.exe", L"AppID", L"{E13E56DE-A49A-47B2-983B-7E4E6874650B}"},
    };
    for (const auto& entry : entries)
        EXPECT_EQ(entry.expected, Value(HKEY_CLASSES_ROOT, entry.path, entry.name)) << entry.path;

    ASSERT_EQ(0u, RunService(L"/UnregServer"));
    EXPECT_EQ(nullptr, OpenServiceW(manager.handle, kServiceName, SERVICE_QUERY_STATUS));
    EXPECT_EQ(L"(missing)", Value(HKEY_CLASSES_ROOT, kClassKey, nullptr));
}

// The service starts the monitor with no server arguments while it has its server, relays
// to that server, moves to a new server within the call that found the old one dead, keeps a second object from
// being made anywhere else, and ends the monitor when it stops.
TEST_F(ServiceModuleTest, TheRunningServiceRelaysAndEndsItsMonitorWhenStopped)
{
    ScriptStandIn("w");
    StartServer(42);
    ASSERT_EQ(0u, RunService(L"/Service"));
    TServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    service = OpenServiceW(manager.handle, kServiceName, SERVICE_ALL_ACCESS);
    ASSERT_NE(nullptr, service);
    ASSERT_TRUE(StartServiceW(service, 0, nullptr));
    ASSERT_TRUE(WaitForServiceState(service, SERVICE_RUNNING));

    ASSERT_TRUE(WaitUntil([] { return StandInLaunches().size() == 1; }));
    const TLaunch launch = StandInLaunches()[0];
    EXPECT_EQ("zvuser.exe", launch.commandLine);
    EXPECT_EQ("WinSta0\\Default", launch.desktop) << "the user's desktop, not the service's";
    HANDLE monitor = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, launch.processId);
    ASSERT_NE(nullptr, monitor);

    IZorvane* relay = nullptr;
    ASSERT_EQ(
        S_OK,
        CoCreateInstance(CLSID_Zorvane, nullptr, CLSCTX_LOCAL_SERVER, IID_IZorvane, reinterpret_cast<void**>(&relay)));
    unsigned long quantum = 0;
    EXPECT_EQ(S_OK, relay->GetQuantum(&quantum));
    EXPECT_EQ(42u, quantum);
    BSTR text = SysAllocString(L"x");
    long needMore = 0;
    EXPECT_EQ(S_OK, relay->ReportActivity(39000, text, text, text, 1, 2, 3, text, &needMore));
    EXPECT_EQ(1, needMore);
    SysFreeString(text);

    StopServer(0);
    StartServer(43);
    // The call that finds the old server gone goes on to the new one.
    EXPECT_EQ(S_OK, relay->GetQuantum(&quantum));
    EXPECT_EQ(43u, quantum);

    IUnknown* second = nullptr;
    EXPECT_EQ(E_OUTOFMEMORY, CComClassFactorySingleton71<CZorvane>::CreateClassObject(&second));
    relay->Release();

    SERVICE_STATUS stop = {};
    ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &stop));
    EXPECT_TRUE(WaitForServiceState(service, SERVICE_STOPPED));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(monitor, kPatienceMs));
    DWORD code = ~0u;
    GetExitCodeProcess(monitor, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(monitor);
    EXPECT_EQ(1u, StandInLaunches().size());
}

}  // namespace
