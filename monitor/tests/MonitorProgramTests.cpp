// The monitor program itself, started as the user service and a user would start it.
#include <windows.h>

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

const wchar_t* const configurationKey = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneApplication";

std::wstring MonitorPath()
{
    const char* path = ZV_MONITOR_EXE;
    std::wstring wide(path, path + strlen(path));
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    return wide;
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

    // Starts the monitor with arguments in folder (its own when null).
    static HANDLE Start(const std::wstring& arguments, const wchar_t* folder = nullptr)
    {
        std::wstring commandLine = L"\"" + MonitorPath() + L"\"" + arguments;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessW(MonitorPath().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                                   &startup, &process))
            << GetLastError();
        CloseHandle(process.hThread);
        return process.hProcess;
    }

    static DWORD ExitCode(HANDLE process)
    {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 30000));
        DWORD code = 0xDEAD;
        GetExitCodeProcess(process, &code);
        CloseHandle(process);
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

}  // namespace
