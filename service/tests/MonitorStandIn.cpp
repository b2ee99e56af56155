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
    return std::stoi(item);
}
