// Session watching: the notification window, the launch of a monitor in a session and the
// job that watches it.
#include "CZorvane.h"

#include "ServiceThreadPool.h"

#include <csl/AlertableWait.h>
#include <csl/ESystemException.h>
#include <csl/TDebugStream.h>
#include <csl/THandle.h>
#include <csl/ThreadInterrupt.h>

#include <wtsapi32.h>

#include <vector>

namespace {

// A session's first monitor starts at once.
const DWORD kFirstStartDelay = 0;
// How long a monitor asked to end has to report what it holds before it is ended by force.
const DWORD kMonitorEndWait = 10000;

// The names logged for the session changes, by event code.
const char* const kSessionEventNames[] = {
    nullptr,
    "WTS_CONSOLE_CONNECT",
    "WTS_CONSOLE_DISCONNECT",
    "WTS_REMOTE_CONNECT",
    "WTS_REMOTE_DISCONNECT",
    "WTS_SESSION_LOGON",
    "WTS_SESSION_LOGOFF",
    "WTS_SESSION_LOCK",
    "WTS_SESSION_UNLOCK",
    "WTS_SESSION_REMOTE_CONTROL",
};

// The window and its class go on the thread that made them, however its loop ends.
class TNotificationWindowScope {
public:
    TNotificationWindowScope(ISessionHost& iSessions, std::atomic<HWND>& ioWindow, HWND iWindow)
        : m_Sessions(iSessions), m_Window(ioWindow)
    {
        m_Window = iWindow;
        m_Sessions.RegisterSessionNotification(iWindow);
    }
    ~TNotificationWindowScope()
    {
        HWND window = m_Window.exchange(nullptr);
        m_Sessions.UnregisterSessionNotification(window);
        DestroyWindow(window);
        UnregisterClassW(CZorvane::WindowClass, GetModuleHandleW(nullptr));
    }
    TNotificationWindowScope(const TNotificationWindowScope&) = delete;
    TNotificationWindowScope& operator=(const TNotificationWindowScope&) = delete;

private:
    ISessionHost& m_Sessions;
    std::atomic<HWND>& m_Window;
};

}  // namespace

// Counts a watch job while it runs, so that the service's stop can wait for its monitor's end.
class TWatchScope {
public:
    explicit TWatchScope(CZorvane& iService) : m_Service(iService)
    {
        if (++m_Service.m_Watching == 1)
            m_Service.m_NoneWatching.Reset();
    }
    ~TWatchScope()
    {
        if (--m_Service.m_Watching == 0)
            m_Service.m_NoneWatching.Set();
    }
    TWatchScope(const TWatchScope&) = delete;
    TWatchScope& operator=(const TWatchScope&) = delete;

private:
    CZorvane& m_Service;
};

LRESULT CALLBACK CZorvane::NotificationWindowProc(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_WTSSESSION_CHANGE) {
        try {
            if (CZorvane* instance = s_Instance)
                instance->OnSessionChange(static_cast<DWORD>(iWParam), static_cast<DWORD>(iLParam));
        } catch (const std::exception& failure) {
            DebugLog() << "(!) Exception in CZorvane::OnSessionChange " << failure << "\n";
        } catch (...) {
            DebugLog() << "(!) Unknown exception in CZorvane::OnSessionChange\n";
        }
    }
    return DefWindowProcW(iWindow, iMessage, iWParam, iLParam);
}

void CZorvane::RunNotificationWindow()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = NotificationWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = WindowClass;
    if (!RegisterClassW(&windowClass))
        return;
    HWND window = CreateWindowExW(0, WindowClass, WindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) {
        UnregisterClassW(WindowClass, instance);
        ThrowLastSystemError();
    }
    TNotificationWindowScope scope(m_Sessions, m_NotificationWindow, window);
    RunMessageLoop();
}

// Alertable, so that an abort of the window task wakes it as well as WM_QUIT does.
void CZorvane::RunMessageLoop()
{
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return;
            DispatchMessageW(&message);
        }
        CheckAlertableWait(
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_ALERTABLE | MWMO_INPUTAVAILABLE));
    }
}

void CZorvane::OnSessionChange(DWORD iEvent, DWORD iSession)
{
    DebugLog() << "CZorvane::OnSessionChange( " << iEvent << ", " << iSession << " )\n";
    const bool named =
        iEvent < sizeof(kSessionEventNames) / sizeof(kSessionEventNames[0]) && kSessionEventNames[iEvent];
    if (named)
        DebugLog() << "SESSION #" << iSession << " - " << kSessionEventNames[iEvent] << "\n";
    if (iEvent == WTS_CONSOLE_CONNECT || iEvent == WTS_SESSION_LOGON)
        IThreadPool::AddMemberCallJob2(GetThreadPool(), this, &CZorvane::OnSessionConnected, iSession,
                                       kFirstStartDelay);
}

// At start-up: a monitor in every active session; with none found (or none to be found), in
// the console's session.
void CZorvane::LaunchInActiveSessions()
{
    std::vector<DWORD> sessions;
    if (!m_Sessions.EnumerateActiveSessions(sessions) || sessions.empty())
        sessions.assign(1, m_Sessions.GetActiveConsoleSession());
    for (DWORD session : sessions)
        OnSessionConnected(session, kFirstStartDelay);
}

std::wstring CZorvane::MonitorCommandLine()
{
    std::wstring commandLine = MonitorProgram;
    if (!IsConnected()) {
        wchar_t classId[40];
        StringFromGUID2(CLSID_ZorvaneServer, classId, 40);
        commandLine += std::wstring(L" ") + classId + L" " + m_ServerName;
    }
    return commandLine;
}

bool CZorvane::WaitForStop(DWORD iMilliseconds)
{
    switch (WaitAlertable(m_StopEvent.GetHandle(), iMilliseconds)) {
    case TWaitOutcome::Signalled:
        return true;
    case TWaitOutcome::Woken:
        return WaitForStop(0);
    default:
        return false;
    }
}

void CZorvane::OnSessionConnected(DWORD iSession, DWORD iDelay)
{
    DebugLog() << "OnSessionConnected( " << iSession << " )\n";
    if (iDelay != 0) {
        DebugLog() << "Sleeping for " << iDelay << "ms...\n";
        if (WaitForStop(iDelay))
            return;
        DebugLog() << "Resuming...\n";
    }
    HANDLE token = nullptr;
    if (!m_Sessions.QueryUserToken(iSession, &token)) {
        DebugLog().Printf("WTSQueryUserToken FAILED! (%lu)\n", GetLastError());
        return;
    }
    THandle tokenScope(token);
    std::wstring commandLine = MonitorCommandLine();
    DebugLog() << "Running \"" << commandLine << "\"\n";
    const std::wstring program = m_ModuleDirectory + MonitorProgram;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    // The user's interactive desktop: left unnamed, the monitor would inherit the service's own,
    // where it sees none of the user's windows.
    wchar_t desktop[] = L"winsta0\\default";
    startup.lpDesktop = desktop;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessAsUserW(token, program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                              nullptr, m_ModuleDirectory.c_str(), &startup, &process)) {
        DebugLog().Printf("CreateProcessAsUser FAILED! (%lu)\n", GetLastError());
        return;
    }
    try {
        IThreadPool::AddMemberCallJob5(GetThreadPool(), this, &CZorvane::WatchProcess, process.hProcess,
                                       process.hThread, iSession, process.dwProcessId, process.dwThreadId);
    } catch (...) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        throw;
    }
}

void CZorvane::WatchProcess(HANDLE iProcess, HANDLE iThread, DWORD iSession, DWORD, DWORD iThreadId)
{
    TWatchScope watching(*this);
    bool restart;
    {
        THandle process(iProcess);
        THandle thread(iThread);
        restart = WaitForMonitor(iProcess, iSession, iThreadId);
    }
    if (restart)
        OnSessionConnected(iSession, m_Sessions.GetRestartDelay());
}

// The monitors' last calls come into this object's apartment while it waits: they are served.
void CZorvane::WaitForWatchers(DWORD iMilliseconds)
{
    HANDLE noneWatching = m_NoneWatching.GetHandle();
    DWORD index = 0;
    CoWaitForMultipleHandles(0, iMilliseconds, 1, &noneWatching, &index);
}

bool CZorvane::WaitForMonitor(HANDLE iProcess, DWORD iSession, DWORD iThreadId)
{
    const HANDLE objects[] = {m_StopEvent.GetHandle(), iProcess};
    for (;;) {
        switch (WaitForMultipleObjectsEx(2, objects, FALSE, INFINITE, TRUE)) {
        case WAIT_FAILED:
            ThrowLastSystemError();
        case WAIT_OBJECT_0:
            EndMonitor(iProcess, iSession, iThreadId);
            return false;
        case WAIT_OBJECT_0 + 1:
            break;
        case WAIT_IO_COMPLETION:
            // The pool's shut-down follows the stop closely: its interrupt must not spare
            // the monitor.
            if (WaitForSingleObject(m_StopEvent.GetHandle(), 0) == WAIT_OBJECT_0) {
                EndMonitor(iProcess, iSession, iThreadId);
                ThrowIfInterrupted();
                return false;
            }
            ThrowIfInterrupted();
            continue;
        default:
            return false;
        }
        DWORD exitCode = 0;
        if (!GetExitCodeProcess(iProcess, &exitCode)) {
            DebugLog() << "Failed to get exit code from process for session " << iSession << "...\n";
            return false;
        }
        if (exitCode == MonitorEndedByItself) {
            DebugLog() << "Process for session " << iSession << " gracefully exited...\n";
            return false;
        }
        DebugLog() << "Restarting process for session " << iSession << "...\n";
        return true;
    }
}

// Asked as a session's end asks it, the monitor reports the quantum under way and its backlog
// and ends; only one that has not ended within the wait is ended by force.
void CZorvane::EndMonitor(HANDLE iProcess, DWORD iSession, DWORD iThreadId)
{
    DebugLog() << "Asking the process for session " << iSession << " to end...\n";
    // To the monitor's one thread, not to its window: a window on another desktop is not found
    // from here.
    PostThreadMessageW(iThreadId, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(iProcess, kMonitorEndWait) == WAIT_OBJECT_0)
        return;
    DebugLog() << "Terminating process for session " << iSession << "...\n";
    TerminateProcess(iProcess, 0);
}
