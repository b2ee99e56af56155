#include "ProgramControl.h"

HANDLE Launch(const std::wstring& iCommandLine)
{
    std::wstring commandLine = iCommandLine;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

DWORD RunProgram(const std::wstring& iCommandLine)
{
    HANDLE process = Launch(iCommandLine);
    if (!process)
        return ~0u;
    WaitForSingleObject(process, INFINITE);
    DWORD code = ~0u;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

bool WaitUntil(const std::function<bool()>& iCondition, DWORD iPatienceMs)
{
    for (DWORD waited = 0; waited < iPatienceMs; waited += 100) {
        if (iCondition())
            return true;
        Sleep(100);
    }
    return iCondition();
}

DWORD ServiceState(SC_HANDLE iService)
{
    SERVICE_STATUS status{};
    return QueryServiceStatus(iService, &status) ? status.dwCurrentState : 0;
}
