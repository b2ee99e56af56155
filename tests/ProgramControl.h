#pragma once
// What every test that runs programs needs: the test program's folder (GetProgramDirectory),
// starting processes, waiting for what other threads and processes do, and the service
// manager's handles.
#include <csl/SystemUtils.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Starts the command line; the caller closes the process handle (null when it cannot start).
HANDLE Launch(const std::wstring& iCommandLine);
// Runs the command line and answers its exit code (~0 when it cannot start).
DWORD RunProgram(const std::wstring& iCommandLine);
// The ids of the running processes of the program file name (as "zvuser.exe").
std::vector<DWORD> ProcessIds(const wchar_t* iProgram);

// Polls every 100 ms until the condition holds or the time is up; answers the condition.
bool WaitUntil(const std::function<bool()>& iCondition, DWORD iPatienceMs = 60000);

// Owns a handle of the service manager or of one of its services; null holds none.
class TServiceHandle {
public:
    explicit TServiceHandle(SC_HANDLE iHandle) : handle(iHandle) {}
    ~TServiceHandle()
    {
        if (handle)
            CloseServiceHandle(handle);
    }
    TServiceHandle(const TServiceHandle&) = delete;
    TServiceHandle& operator=(const TServiceHandle&) = delete;

    SC_HANDLE handle;
};

// The service's current state (SERVICE_RUNNING...); 0 when it cannot be asked.
DWORD ServiceState(SC_HANDLE iService);
// Polls until the service is in the state; false when the patience runs out first.
bool WaitForServiceState(SC_HANDLE iService, DWORD iState, DWORD iPatienceMs = 60000);
