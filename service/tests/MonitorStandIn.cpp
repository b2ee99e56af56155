// Stands in for the monitor in the service's tests, under its name zvuser.exe. Each start
// appends "<process id> <window station>\\<desktop> <command line>" to launches.txt beside
// it and then does what the next item of standin.txt says ("3,11": exit with 3 the first
// time, with 11 from then on; "w": wait until killed).
#include <csl/SystemUtils.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadItems(const std::wstring& iPath)
{
    std::ifstream file(iPath.c_str());
    std::string line, item;
    std::getline(file, line);
    std::vector<std::string> items;
    std::istringstream stream(line);
    while (std::getline(stream, item, ','))
        items.push_back(item);
    return items;
}

std::string ObjectName(HANDLE iObject)
{
    char name[256] = "";
    GetUserObjectInformationA(iObject, UOI_NAME, name, sizeof(name), nullptr);
    return name;
}

size_t AppendLaunch(const std::wstring& iPath)
{
    size_t launches = 0;
    {
        std::ifstream file(iPath.c_str());
        for (std::string line; std::getline(file, line);)
            ++launches;
    }
    const std::wstring commandLine = GetCommandLineW();
    std::ofstream file(iPath.c_str(), std::ios::app);
    file << GetCurrentProcessId() << " " << ObjectName(GetProcessWindowStation()) << "\\"
         << ObjectName(GetThreadDesktop(GetCurrentThreadId())) << " "
         << std::string(commandLine.begin(), commandLine.end()) << "\n";
    return launches;
}

// The monitor's way: a window on the main thread, and WM_CLOSE to it or to the thread ends the
// run.
LRESULT CALLBACK StandInWindowProc(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_CLOSE)
        PostQuitMessage(11);
    return iMessage == WM_CLOSE ? 0 : DefWindowProcW(iWindow, iMessage, iWParam, iLParam);
}

int RunUntilClosed()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &StandInWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorvaneStandInWndClass";
    RegisterClassW(&windowClass);
    CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                    windowClass.hInstance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == WM_CLOSE)
            PostQuitMessage(11);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int main()
{
    HANDLE files = CreateMutexW(nullptr, FALSE, L"ZorvaneServiceStandInFiles");
    WaitForSingleObject(files, INFINITE);
    const std::vector<std::string> items = ReadItems(GetProgramDirectory() + L"standin.txt");
    const size_t launch = AppendLaunch(GetProgramDirectory() + L"launches.txt");
    ReleaseMutex(files);
    const std::string item = items.empty() ? "0" : items[launch < items.size() ? launch : items.size() - 1];
    if (item == "w")
        Sleep(INFINITE);
    if (item == "c")
        return RunUntilClosed();
    return std::stoi(item);
}
