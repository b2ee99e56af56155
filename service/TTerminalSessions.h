#pragma once
#include "ISessionHost.h"

// The computer's Terminal Services sessions.
class TTerminalSessions : public ISessionHost {
public:
    enum {
        kRestartDelay = 30000
    };

    static TTerminalSessions& Instance();

    bool EnumerateActiveSessions(std::vector<DWORD>& oSessions) override;
    DWORD GetActiveConsoleSession() override;
    bool QueryUserToken(DWORD iSession, HANDLE* oToken) override;
    bool RegisterSessionNotification(HWND iWindow) override;
    void UnregisterSessionNotification(HWND iWindow) override;
    DWORD GetRestartDelay() override { return kRestartDelay; }
};
