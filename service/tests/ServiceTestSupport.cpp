#include "ServiceTestSupport.h"

#include <fstream>
#include <sstream>

void ScriptStandIn(const std::string& iItems)
{
    DeleteFileW((GetProgramDirectory() + L"launches.txt").c_str());
    std::ofstream((GetProgramDirectory() + L"standin.txt").c_str()) << iItems << "\n";
}

std::vector<TLaunch> StandInLaunches()
{
    std::vector<TLaunch> launches;
    std::ifstream file((GetProgramDirectory() + L"launches.txt").c_str());
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
