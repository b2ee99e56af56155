// The monitor program itself, started as the user service and a user would start it.
#include <FakeZorvane.h>

#include <ComRegistrar.h>

#include <windows.h>
#include <wtsapi32.h>

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <string>

namespace {

const wchar_t* const configurationKey = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneApplication";

// A build path as Windows writes it.
std::wstring WindowsPath(const char* iPath)
{
    std::wstring wide(iPath, iPath + strlen(iPath));
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    return wide;
}

std::wstring MonitorPath()
{
    return WindowsPath(ZV_MONITOR_EXE);
}

HWND MonitorWindow()
{
    return FindWindowW(L"ZorvaneApplicationWndClass", L"ZorvaneApplicationMainWindow");
}

class MonitorProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY key;
        ASSERT_EQ(
            ERROR_SUCCESS,
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, configurationKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        DWORD on = 1;
        RegSetValueExW(key, L"MakeDebugLog", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
        // A class nobody registered: the monitor runs without a server.
        const wchar_t serverClass[] = L"{6D1C0F52-3E77-4B8A-9C51-0A7D2B9E4F10}";
        RegSetValueExW(key, L"ServerClass", 0, REG_SZ, reinterpret_cast<const BYTE*>(serverClass), sizeof serverClass);
        RegCloseKey(key);
        ASSERT_EQ(nullptr, MonitorWindow()) << "another monitor is running";
    }
    void TearDown() override
    {
        HKEY key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, configurationKey, 0, KEY_WRITE, &key) == 0) {
            RegDeleteValueW(key, L"MakeDebugLog");
            RegDeleteValueW(key, L"ServerClass");
            RegCloseKey(key);
        }
    }

    // Starts the monitor with iArguments in iFolder (its own when null).
    static HANDLE Start(const std::wstring& iArguments, const wchar_t* iFolder = nullptr)
    {
        std::wstring commandLine = L"\"" + MonitorPath() + L"\"" + iArguments;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessW(MonitorPath().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, iFolder,
                                   &startup, &process))
            << GetLastError();
        CloseHandle(process.hThread);
        return process.hProcess;
    }

    static DWORD ExitCode(HANDLE iProcess)
    {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(iProcess, 30000));
        DWORD code = 0xDEAD;
        GetExitCodeProcess(iProcess, &code);
        CloseHandle(iProcess);
        return code;
    }

    static HWND WaitForWindow()
    {
        for (int i = 0; i < 300 && !MonitorWindow(); ++i)
            Sleep(100);
        return MonitorWindow();
    }

    static std::string TodaysLog()
    {
        std::wstring path = MonitorPath();
        path.erase(path.find_last_of(L'\\') + 1);
        time_t now = time(nullptr);
        tm local;
        localtime_s(&local, &now);
        wchar_t name[MAX_PATH];
        wcsftime(name, MAX_PATH, L"Logs\\ZorvaneUserApp_%Y_%m_%d.log", &local);
        HANDLE file =
            CreateFileW((path + name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, 0, nullptr);
        std::string text;
        char buffer[4096];
        DWORD read = 0;
        while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
            text.append(buffer, read);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        return text;
    }
};

TEST_F(MonitorProgramTest, RunsOnceInstallsByFullPathAndUninstalls)
{
    HANDLE first = Start(L"");
    ASSERT_NE(nullptr, WaitForWindow());

    // A second monitor ends by itself at once. (Its log line is lost: the running monitor holds
    // the day's file without sharing it for writing.)
    EXPECT_EQ(11u, ExitCode(Start(L"")));

    EXPECT_EQ(0u, ExitCode(Start(L" /UNINSTALL")));
    EXPECT_EQ(11u, ExitCode(first));
    EXPECT_EQ(nullptr, MonitorWindow());

    // Installed from another folder, the monitor still finds its program file.
    wchar_t elsewhere[MAX_PATH];
    GetTempPathW(MAX_PATH, elsewhere);
    EXPECT_EQ(0u, ExitCode(Start(L" /install", elsewhere)));
    HWND installed = WaitForWindow();
    ASSERT_NE(nullptr, installed);
    DWORD processId = 0;
    GetWindowThreadProcessId(installed, &processId);
    HANDLE monitor = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    ASSERT_NE(nullptr, monitor);
    EXPECT_EQ(0u, ExitCode(Start(L" /uninstall")));
    EXPECT_EQ(11u, ExitCode(monitor));

    EXPECT_NE(std::string::npos, TodaysLog().find("TZorvaneApplication::Install\r\n"));
}

// A connected monitor: its server is an object of this test, served to it over COM.
class ConnectedMonitorTest : public MonitorProgramTest {
protected:
    void SetUp() override
    {
        MonitorProgramTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        // The proxy of IZorvane is built from its type library, which refers to the recordsets'.
        CComRegistrar::RegisterTypeLib(WindowsPath(ZV_ADO_TLB));
        CComRegistrar::RegisterTypeLib(WindowsPath(ZV_ZORVANE_TLB));
        ASSERT_EQ(S_OK, CoRegisterClassObject(servedClass, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie));
    }
    void TearDown() override
    {
        CoRevokeClassObject(cookie);
        CoUninitialize();
        MonitorProgramTest::TearDown();
    }

    static constexpr CLSID servedClass = {0x6d1c0f52, 0x3e77, 0x4b8a, {0x9c, 0x51, 0x0a, 0x7d, 0x2b, 0x9e, 0x4f, 0x11}};

    struct TFactory : IClassFactory {
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iIid, void** oObject) override
        {
            *oObject = iIid == IID_IUnknown || iIid == IID_IClassFactory ? this : nullptr;
            return *oObject ? S_OK : E_NOINTERFACE;
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
        ULONG STDMETHODCALLTYPE Release() override { return 1; }
        HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iIid, void** oObject) override
        {
            return server.QueryInterface(iIid, oObject);
        }
        HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

        TFakeZorvane server;
    } factory;
    DWORD cookie = 0;
};

// Released after the program has left its apartment, the monitor's proxy can take the process
// down on its way out, and the user service would start the monitor again.
TEST_F(ConnectedMonitorTest, EveryWayOutEndsByItself)
{
    DWORD session = 0;
    const struct {
        const char* name;
        std::function<void(HWND)> end;
    } exits[] = {
        {"uninstall", [](HWND) { EXPECT_EQ(0u, ExitCode(Start(L" /uninstall"))); }},
        {"logoff",
         [](HWND window) {
             SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
             SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
         }},
        {"console disconnect",
         [&](HWND window) { SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_CONSOLE_DISCONNECT, session); }},
    };
    for (const auto& exit : exits) {
        HANDLE monitor = Start(L" " + CComRegistrar::GuidText(servedClass) + L" localhost");
        HWND window = WaitForWindow();
        for (int i = 0; i < 300 && factory.server.references == 1; ++i)
            Sleep(100);
        EXPECT_LT(1, factory.server.references.load()) << exit.name << ": not connected";
        ProcessIdToSessionId(GetProcessId(monitor), &session);
        exit.end(window);
        EXPECT_EQ(11u, ExitCode(monitor)) << exit.name;
        EXPECT_EQ(1, factory.server.references.load()) << exit.name;
    }
}

}  // namespace
