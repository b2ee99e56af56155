#include "ProgramControl.h"

#include <tlhelp32.h>

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

std::vector<DWORD> ProcessIds(const wchar_t* iProgram)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{sizeof(entry)};
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, iProgram) == 0)
            ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
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

bool WaitForServiceState(SC_HANDLE iService, DWORD iState, DWORD iPatienceMs)
{
    return WaitUntil([&] { return ServiceState(iService) == iState; }, iPatienceMs);
}
