#pragma once
// The service's object in the test process, on sessions and a server of the test's own.
#include "FakeServer.h"
#include "ServiceTestSupport.h"

#include <CZorvane.h>

#include <gtest/gtest.h>

#include <set>

// Every session has the test process's own user unless listed in withoutUser; the monitor
// restarts after a fifth of a second.
class TFakeSessions : public ISessionHost {
public:
    std::vector<DWORD> active;
    DWORD console = 1;
    bool users = true;
    std::set<DWORD> withoutUser;

    bool EnumerateActiveSessions(std::vector<DWORD>& oSessions) override;
    DWORD GetActiveConsoleSession() override { return console; }
    bool QueryUserToken(DWORD iSession, HANDLE* oToken) override;
    bool RegisterSessionNotification(HWND) override { return true; }
    void UnregisterSessionNotification(HWND) override {}
    DWORD GetRestartDelay() override { return 200; }
};

class ServiceObjectTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The fake server becomes the activity server's class in this process.
    void RegisterServer();
    void RevokeServer();
    // The object as the module builds it: through its singleton class factory.
    void Create();
    void Destroy();
    // A fresh capture for the next object.
    void NewLog();
    CZorvane& Object() { return *static_cast<CZorvane*>(relay); }

    TFakeSessions& sessions;
    TFakeServerFactory server;
    SmartPtr<TTextCollector> log;
    IClassFactory* factory = nullptr;
    IZorvane* relay = nullptr;

public:
    ServiceObjectTest();

private:
    DWORD m_Cookie = 0;
};

// Answers what creating the service's class object answers on a thread of its own.
HRESULT CreateClassObjectOnAnotherThread();
