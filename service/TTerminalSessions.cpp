#include "TTerminalSessions.h"

#include <wtsapi32.h>

TTerminalSessions& TTerminalSessions::Instance()
{
    static TTerminalSessions sInstance;
    return sInstance;
}

bool TTerminalSessions::EnumerateActiveSessions(std::vector<DWORD>& oSessions)
{
    WTS_SESSION_INFOW* sessions = nullptr;
    DWORD count = 0;
    if (!WTSEnumerateSessionsW(WTS_CURRENT_SERVER_HANDLE, 0, 1, &sessions, &count))
        return false;
    for (DWORD i = 0; i < count; ++i) {
        if (sessions[i].State == WTSActive)
            oSessions.push_back(sessions[i].SessionId);
    }
    WTSFreeMemory(sessions);
    return true;
}

DWORD TTerminalSessions::GetActiveConsoleSession()
{
    return WTSGetActiveConsoleSessionId();
}

bool TTerminalSessions::QueryUserToken(DWORD iSession, HANDLE* oToken)
{
    return WTSQueryUserToken(iSession, oToken) != FALSE;
}

bool TTerminalSessions::RegisterSessionNotification(HWND iWindow)
{
    return WTSRegisterSessionNotification(iWindow, NOTIFY_FOR_ALL_SESSIONS) != FALSE;
}

void TTerminalSessions::UnregisterSessionNotification(HWND iWindow)
{
    WTSUnRegisterSessionNotification(iWindow);
}
