#pragma once
#include <windows.h>

#include <vector>

// What the service needs of the computer's sessions: which are active, the user token of
// one, and the delay before a monitor is started again. The real sessions are TTerminalSessions;
// tests give their own.
class ISessionHost {
public:
    virtual ~ISessionHost() = default;

    // The active sessions; false when they cannot be enumerated.
    virtual bool EnumerateActiveSessions(std::vector<DWORD>& oSessions) = 0;
    virtual DWORD GetActiveConsoleSession() = 0;
    // The primary token of the session's user, closed by the caller; false with the last
    // error set when nobody is logged on to it.
    virtual bool QueryUserToken(DWORD iSession, HANDLE* oToken) = 0;
    // Session changes arrive at the window as WM_WTSSESSION_CHANGE.
    virtual bool RegisterSessionNotification(HWND iWindow) = 0;
    virtual void UnregisterSessionNotification(HWND iWindow) = 0;

    // Before a monitor that ended with a failure is started again.
    virtual DWORD GetRestartDelay() = 0;
};
