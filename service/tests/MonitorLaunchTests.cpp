// Starting, watching and restarting the monitor, with the stand-in zvuser.exe beside the
// test program.
#include "ServiceObjectFixture.h"

#include <wtsapi32.h>

namespace {

class MonitorLaunchTest : public ServiceObjectTest {
protected:
    size_t LaunchCount() { return StandInLaunches().size(); }
    bool Logged(const std::string& iText)
    {
        return WaitUntil([&] { return log->Contains(iText); });
    }
};

TEST_F(MonitorLaunchTest, CommandLineNamesTheServerOnlyWhenTheServiceHasNone)
{
    const std::string classId = "{0FCD92BB-5964-42F6-BB3B-98D8B51B421D}";
    for (bool connected : {true, false}) {
        ScriptStandIn("11");
        NewLog();
        if (connected)
            RegisterServer();
        Create();
        ASSERT_TRUE(Logged("Process for session 1 gracefully exited...\n")) << log->Text();
        const std::vector<TLaunch> launches = StandInLaunches();
        ASSERT_EQ(1u, launches.size());
        EXPECT_EQ(connected ? "zvuser.exe" : "zvuser.exe " + classId + " localhost", launches[0].commandLine);
        Destroy();
        RevokeServer();
    }
}

// Every active session gets a monitor; none found, the console's session gets one.
TEST_F(MonitorLaunchTest, StartsAMonitorInEveryActiveSession)
{
    ScriptStandIn("11");
    sessions.active = {3, 4};
    Create();
    ASSERT_TRUE(Logged("Process for session 3 gracefully exited...\n"));
    ASSERT_TRUE(Logged("Process for session 4 gracefully exited...\n"));
    EXPECT_EQ(2u, LaunchCount());
    EXPECT_FALSE(log->Contains("OnSessionConnected( 1 )"));
}

TEST_F(MonitorLaunchTest, AMonitorThatFailsIsStartedAgainAndOneThatEndsByItselfIsNot)
{
    ScriptStandIn("3,-1,11");
    Create();
    ASSERT_TRUE(Logged("Process for session 1 gracefully exited...\n")) << log->Text();
    EXPECT_EQ(3u, LaunchCount());
    const std::string text = log->Text();
    const size_t restart = text.find("Restarting process for session 1...\n");
    ASSERT_NE(std::string::npos, restart);
    EXPECT_NE(std::string::npos, text.find("Sleeping for 200ms...\n", restart));
    EXPECT_NE(std::string::npos, text.find("Resuming...\n", restart));
}

TEST_F(MonitorLaunchTest, LogonAndConsoleConnectStartAMonitorOtherSessionChangesDoNot)
{
    ScriptStandIn("11");
    sessions.withoutUser = {9};
    Create();
    ASSERT_TRUE(Logged("Process for session 1 gracefully exited...\n"));
    ASSERT_TRUE(WaitUntil([&] { return Object().NotificationWindow() != nullptr; }));
    const HWND window = Object().NotificationWindow();
    for (int event : {WTS_SESSION_LOCK, WTS_CONSOLE_DISCONNECT, WTS_SESSION_UNLOCK, 42})
        SendMessageW(window, WM_WTSSESSION_CHANGE, event, 5);
    SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_SESSION_LOGON, 9);
    SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_SESSION_LOGON, 5);
    SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, 6);
    ASSERT_TRUE(Logged("Process for session 5 gracefully exited...\n"));
    ASSERT_TRUE(Logged("Process for session 6 gracefully exited...\n"));
    ASSERT_TRUE(Logged("WTSQueryUserToken FAILED! (1008)\n"));
    EXPECT_EQ(3u, LaunchCount());
    for (const char* line : {"SESSION #5 - WTS_SESSION_LOCK\n", "SESSION #5 - WTS_CONSOLE_DISCONNECT\n",
                             "SESSION #9 - WTS_SESSION_LOGON\n", "SESSION #6 - WTS_CONSOLE_CONNECT\n",
                             "CZorvane::OnSessionChange( 42, 5 )\n"})
        EXPECT_TRUE(log->Contains(line)) << line;
}

TEST_F(MonitorLaunchTest, StoppingTerminatesTheMonitorsAndRestartsNone)
{
    ScriptStandIn("w");
    sessions.active = {2, 3};
    Create();
    ASSERT_TRUE(WaitUntil([&] { return LaunchCount() == 2; }));
    std::vector<HANDLE> monitors;
    for (const TLaunch& launch : StandInLaunches()) {
        monitors.push_back(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, launch.processId));
        ASSERT_NE(nullptr, monitors.back());
    }
    HWND window = Object().NotificationWindow();
    Destroy();
    EXPECT_FALSE(IsWindow(window));
    for (HANDLE monitor : monitors) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(monitor, 60000));
        DWORD code = ~0u;
        GetExitCodeProcess(monitor, &code);
        EXPECT_EQ(0u, code);
        CloseHandle(monitor);
    }
    // Monitors that do not end when asked are ended by force.
    EXPECT_TRUE(log->Contains("Asking the process for session 2 to end...\n")) << log->Text();
    EXPECT_TRUE(log->Contains("Terminating process for session 2...\n")) << log->Text();
    EXPECT_TRUE(log->Contains("Terminating process for session 3...\n"));
    EXPECT_FALSE(log->Contains("Restarting process"));
    EXPECT_EQ(2u, LaunchCount());
}

// A stop asks each monitor to end, as a session's end does, so that it can report what it holds.
TEST_F(MonitorLaunchTest, StoppingAsksTheMonitorsToEndBeforeAnyForce)
{
    ScriptStandIn("c");
    sessions.active = {2, 3};
    Create();
    ASSERT_TRUE(WaitUntil([&] { return LaunchCount() == 2; }));
    std::vector<HANDLE> monitors;
    for (const TLaunch& launch : StandInLaunches()) {
        monitors.push_back(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, launch.processId));
        ASSERT_NE(nullptr, monitors.back());
    }
    Destroy();
    for (HANDLE monitor : monitors) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(monitor, 60000));
        DWORD code = ~0u;
        GetExitCodeProcess(monitor, &code);
        EXPECT_EQ(11u, code) << "it ended by itself";
        CloseHandle(monitor);
    }
    EXPECT_TRUE(log->Contains("Asking the process for session 3 to end...\n")) << log->Text();
    EXPECT_FALSE(log->Contains("Terminating process")) << log->Text();
    EXPECT_FALSE(log->Contains("Restarting process"));
}

}  // namespace
