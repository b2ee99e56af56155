#include "ServiceTestSupport.h"

#include <fstream>
#include <sstream>

void TLogCapture::Write(const char* iText, int iLength)
{
    std::lock_guard<std::mutex> guard(m_Lock);
    m_Text.append(iText, iLength);
}

std::string TLogCapture::Text()
{
    std::lock_guard<std::mutex> guard(m_Lock);
    return m_Text;
}

bool WaitUntil(const std::function<bool()>& iCondition)
{
    for (int i = 0; i < 600; ++i) {
        if (iCondition())
            return true;
        Sleep(100);
    }
    return iCondition();
}

std::wstring TestFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path, length);
    return text.substr(0, text.find_last_of(L'\\') + 1);
}

void ScriptStandIn(const std::string& iItems)
{
    DeleteFileW((TestFolder() + L"launches.txt").c_str());
    std::ofstream((TestFolder() + L"standin.txt").c_str()) << iItems << "\n";
}

std::vector<TLaunch> StandInLaunches()
{
    std::vector<TLaunch> launches;
    std::ifstream file((TestFolder() + L"launches.txt").c_str());
    for (std::string line; std::getline(file, line);) {
        std::istringstream stream(line);
        TLaunch launch{};
        stream >> launch.processId >> launch.desktop;
        stream.get();
        std::getline(stream, launch.commandLine);
        launches.push_back(launch);
    }
    return launches;
}
