#include "MonitorEntryPoint.h"
#include "MonitorFakes.h"
#include "ZorvaneApplication.h"

#include <csl/_time_t.h>
#include <csl/tests/LogCapture.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>
#include <wtsapi32.h>

namespace {

const wchar_t* const testKey = L"SOFTWARE\\Halvorn Software\\Zorvane\\Tests\\Monitor";
const char* const serverArguments = "{0FCD92BB-5964-42F6-BB3B-98D8B51B421D} reporting-host";
const long long tenOClock = 1104573600;

struct TFakeForeground : IForegroundSource {
    HWND ForegroundWindow() override
    {
        if (fail)
            throw std::runtime_error("no desktop");
        return window;
    }
    HWND window = nullptr;
    bool fail = false;
};

class ZorvaneApplicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, testKey);
        clock.now = tenOClock + 25;
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = L"ZorvaneApplicationTest";
        RegisterClassW(&wc);
        document = CreateWindowExW(0, L"ZorvaneApplicationTest", L"Report - Editor", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                   100, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(document);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, testKey);
    }

    void SetValue(const wchar_t* iName, DWORD iValue)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExW(HKEY_LOCAL_MACHINE, testKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        RegSetValueExW(key, iName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&iValue), sizeof iValue);
        RegCloseKey(key);
    }

    // Foreground time of the test program, ending at a quantum boundary.
    void WorkUntil(long long iBoundary, DWORD iMs)
    {
        clock.tick += iMs;
        hooks.keys = 4;
        hooks.lastInput = clock.tick;
        clock.now = iBoundary;
    }

    static bool QuitPosted()
    {
        MSG message;
        return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    }

    TFakeHooks hooks;
    TFakeClock clock;
    TFakeZorvane server;
    TFakeActivator activator{server};
    TFakeForeground foreground;
    TMonitorEnvironment environment{hooks, clock, activator, foreground};
    HWND document = nullptr;
};

TEST(MonitorCommandTest, OnlyTheExactSwitchesInAnyCaseAreCommands)
{
    struct Case {
        const char* text;
        TMonitorCommand command;
    } cases[] = {
        {"/install", TMonitorCommand::Install},
        {"/INSTALL", TMonitorCommand::Install},
        {"/InStAlL", TMonitorCommand::Install},
        {"/Uninstall", TMonitorCommand::Uninstall},
        {" /install", TMonitorCommand::Run},
        {"/install ", TMonitorCommand::Run},
        {"", TMonitorCommand::Run},
        {"-install", TMonitorCommand::Run},
        {"{clsid} host", TMonitorCommand::Run},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.command, ParseMonitorCommand(c.text)) << c.text;
}

TEST_F(ZorvaneApplicationTest, StartConnectsHooksAndAlignsTheTimerOnTheQuantum)
{
    TZorvaneApplication application(environment, testKey);
    TLogCapture log;
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    EXPECT_TRUE(hooks.hooked);
    EXPECT_EQ(application.Window(), FindWindowW(L"ZorvaneApplicationWndClass", L"ZorvaneApplicationMainWindow"));
    EXPECT_EQ(L"reporting-host", activator.lastServerName);
    EXPECT_EQ(&server, application.Server());
    EXPECT_TRUE(log.Contains("ServerClass = \"{0FCD92BB-5964-42F6-BB3B-98D8B51B421D}\"\n"));
    EXPECT_TRUE(log.Contains("ServerName = \"reporting-host\"\n"));
    // Started at 10:00:25 with a quantum of 60 s.
    EXPECT_EQ(35000u, application.GetTimerInterval());
    EXPECT_EQ(tenOClock, application.GetPeriodStart());
    EXPECT_EQ(tenOClock, application.PeriodStart());
    application.Stop();
    EXPECT_FALSE(hooks.hooked);
    EXPECT_EQ(nullptr, FindWindowW(L"ZorvaneApplicationWndClass", L"ZorvaneApplicationMainWindow"));
}

TEST_F(ZorvaneApplicationTest, OneServerTokenKeepsTheConfiguredServerName)
{
    TZorvaneApplication application(environment, testKey);
    application.Start("{0FCD92BB-5964-42F6-BB3B-98D8B51B421D}");
    EXPECT_EQ(L"localhost", activator.lastServerName);
    application.Stop();
}

TEST_F(ZorvaneApplicationTest, SecondMonitorEndsByItselfAndFailedStartsDoNot)
{
    TZorvaneApplication first(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, first.Start(serverArguments));
    {
        TZorvaneApplication second(environment, testKey);
        TLogCapture log;
        EXPECT_EQ(ExitEndedByItself, MonitorEntryPoint(second, ""));
        EXPECT_TRUE(log.Contains("Another ZorvaneApplication window detected!\n"));
    }
    first.Stop();

    // The window class cannot be registered: the start failed, the service is to retry.
    WNDCLASSW taken = {};
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = GetModuleHandleW(nullptr);
    taken.lpszClassName = L"ZorvaneApplicationWndClass";
    ASSERT_TRUE(RegisterClassW(&taken));
    TZorvaneApplication third(environment, testKey);
    EXPECT_EQ(ExitFailed, MonitorEntryPoint(third, ""));
    UnregisterClassW(L"ZorvaneApplicationWndClass", GetModuleHandleW(nullptr));
}

TEST_F(ZorvaneApplicationTest, ExceptionFromTheRunEndsWithAFailure)
{
    struct TThrowingActivator : IServerActivator {
        HRESULT Activate(const CLSID&, const std::wstring&, IUnknown**) override
        {
            throw std::runtime_error("activation broke");
        }
    } throwing;
    TMonitorEnvironment broken{hooks, clock, throwing, foreground};
    TZorvaneApplication application(broken, testKey);
    TLogCapture log;
    EXPECT_EQ(ExitFailed, MonitorEntryPoint(application, serverArguments));
    EXPECT_TRUE(log.Contains("(!) WinMain: ")) << log.Text();
    DestroyWindow(application.Window());
    UnregisterClassW(L"ZorvaneApplicationWndClass", GetModuleHandleW(nullptr));
}

TEST_F(ZorvaneApplicationTest, UninstallClosesTheRunningMonitor)
{
    TZorvaneApplication running(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, running.Start(serverArguments));
    TZorvaneApplication uninstaller(environment, testKey);
    EXPECT_EQ(0, MonitorEntryPoint(uninstaller, "/UNINSTALL"));
    running.RunMessageLoop();  // returns once WM_CLOSE has quit it
    running.Stop();
    // With no monitor running it does nothing.
    EXPECT_EQ(0, MonitorEntryPoint(uninstaller, "/uninstall"));
    EXPECT_FALSE(QuitPosted());
}

// The server's proxy belongs to the apartment that the program leaves once the run is over.
TEST_F(ZorvaneApplicationTest, EveryWayOutEndsByItselfAndReleasesTheServer)
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    const LPARAM logoff = static_cast<LPARAM>(ENDSESSION_LOGOFF);
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    struct Exit {
        const char* name;
        std::vector<Message> messages;
    } exits[] = {
        {"uninstall", {{WM_CLOSE, 0, 0}}},
        {"logoff", {{WM_QUERYENDSESSION, 0, logoff}, {WM_ENDSESSION, TRUE, logoff}}},
        {"console disconnect", {{WM_WTSSESSION_CHANGE, WTS_CONSOLE_DISCONNECT, static_cast<LPARAM>(session)}}},
    };
    for (const Exit& exit : exits) {
        TZorvaneApplication application(environment, testKey);
        std::thread outside([&] {
            HWND window = nullptr;
            for (int i = 0; i < 3000 && !window; ++i) {
                Sleep(10);
                window = FindWindowW(TZorvaneApplication::WindowClass, TZorvaneApplication::WindowTitle);
            }
            for (const Message& m : exit.messages)
                SendMessageW(window, m.message, m.wParam, m.lParam);
        });
        EXPECT_EQ(ExitEndedByItself, MonitorEntryPoint(application, serverArguments)) << exit.name;
        outside.join();
        EXPECT_EQ(1, activator.calls);  // it was connected
        EXPECT_EQ(1, server.references.load()) << exit.name;
        activator.calls = 0;
    }
}

TEST_F(ZorvaneApplicationTest, QuantumBoundaryReportsTheForegroundProgram)
{
    SetValue(L"UpdateAllProcesses", 1);
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    foreground.window = document;
    application.OnTimer(TZorvaneApplication::ForegroundCheckTimer);
    WorkUntil(tenOClock + 60, 30000);
    application.OnTimer(TZorvaneApplication::QuantumTimer);

    ASSERT_EQ(1u, server.script.reports.size());
    const auto& report = server.script.reports[0];
    EXPECT_EQ(_time_t(tenOClock).localvarianttime(), report.start);
    EXPECT_EQ(application.ComputerName(), report.computer);
    EXPECT_EQ(L"zvuser_tests.exe", report.process);
    EXPECT_EQ(L"Report - Editor", report.description);
    EXPECT_EQ(30000, report.time);
    EXPECT_EQ(4, report.keys);
    ASSERT_EQ(1u, server.script.information.size());
    EXPECT_EQ(L"zvuser_tests.exe", server.script.information[0].process);
    // The program keeps the foreground into the next quantum, counted from zero.
    EXPECT_EQ(tenOClock + 60, application.PeriodStart());
    EXPECT_EQ(0u, application.Tracker().Current()->Time);
    application.Stop();
}

// The program in front closes mid-quantum and no window takes its place.
TEST_F(ZorvaneApplicationTest, ProgramClosedInFrontKeepsOnlyItsTimeInFront)
{
    TSystemForeground system;
    TMonitorEnvironment polled{hooks, clock, activator, system};
    TZorvaneApplication application(polled, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    HWND closing = CreateWindowExW(0, L"ZorvaneApplicationTest", L"Draft - Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                   0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(SetForegroundWindow(closing));
    application.OnTimer(TZorvaneApplication::ForegroundCheckTimer);
    clock.tick += 20000;
    hooks.keys = 3;
    hooks.lastInput = clock.tick;
    DestroyWindow(closing);
    ASSERT_EQ(nullptr, GetForegroundWindow());
    application.OnTimer(TZorvaneApplication::ForegroundCheckTimer);
    WorkUntil(tenOClock + 60, 40000);
    application.OnTimer(TZorvaneApplication::QuantumTimer);

    ASSERT_EQ(1u, server.script.reports.size());
    EXPECT_EQ(L"Draft - Editor", server.script.reports[0].description);
    EXPECT_EQ(20000, server.script.reports[0].time);
    EXPECT_EQ(3, server.script.reports[0].keys);
    EXPECT_FALSE(application.Tracker().Current());
    application.Stop();
}

TEST_F(ZorvaneApplicationTest, RecordsWaitForTheServerWithTheirOwnPeriods)
{
    activator.result = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    EXPECT_EQ(nullptr, application.Server());
    application.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, document);
    WorkUntil(tenOClock + 60, 20000);
    application.OnTimer(TZorvaneApplication::QuantumTimer);
    EXPECT_EQ(1u, application.Reporter().Pending().size());

    activator.result = S_OK;
    WorkUntil(tenOClock + 120, 40000);
    application.OnTimer(TZorvaneApplication::QuantumTimer);
    ASSERT_EQ(2u, server.script.reports.size());
    EXPECT_EQ(_time_t(tenOClock).localvarianttime(), server.script.reports[0].start);
    EXPECT_EQ(20000, server.script.reports[0].time);
    EXPECT_EQ(_time_t(tenOClock + 60).localvarianttime(), server.script.reports[1].start);
    EXPECT_EQ(40000, server.script.reports[1].time);
    EXPECT_TRUE(application.Reporter().Pending().empty());

    // A transport failure drops the connection; the next boundary connects anew.
    server.script.results[L"ReportActivity"] = {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE)};
    WorkUntil(tenOClock + 180, 1000);
    application.OnTimer(TZorvaneApplication::QuantumTimer);
    EXPECT_EQ(nullptr, application.Server());
    EXPECT_EQ(1u, application.Reporter().Pending().size());
    WorkUntil(tenOClock + 240, 1000);
    application.OnTimer(TZorvaneApplication::QuantumTimer);
    EXPECT_EQ(&server, application.Server());
    ASSERT_EQ(4u, server.script.reports.size());
    EXPECT_EQ(_time_t(tenOClock + 120).localvarianttime(), server.script.reports[2].start);
    application.Stop();
}

// Sending that outlasts a quantum stops at the boundary it passed, and that boundary is handled
// at once: the quanta that went by unwatched keep their own periods.
TEST_F(ZorvaneApplicationTest, ABoundaryPassedWhileSendingKeepsItsPeriod)
{
    activator.result = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    application.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, document);
    WorkUntil(tenOClock + 60, 20000);
    application.OnTimer(TZorvaneApplication::QuantumTimer);

    activator.result = S_OK;
    WorkUntil(tenOClock + 120, 30000);
    server.script.duringReport = [&] {
        if (server.script.reports.empty())
            WorkUntil(tenOClock + 250, 130000);
    };
    application.OnTimer(TZorvaneApplication::QuantumTimer);
    EXPECT_EQ(1u, server.script.reports.size());
    EXPECT_EQ(tenOClock + 120, application.PeriodStart());

    // The next boundary comes without waiting for the clock's next multiple of the quantum.
    KillTimer(application.Window(), TZorvaneApplication::ForegroundCheckTimer);
    MSG message = {};
    ASSERT_EQ(WAIT_OBJECT_0, MsgWaitForMultipleObjects(0, nullptr, FALSE, 10000, QS_TIMER));
    ASSERT_TRUE(PeekMessageW(&message, application.Window(), WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(TZorvaneApplication::QuantumTimer, message.wParam);
    DispatchMessageW(&message);
    ASSERT_EQ(4u, server.script.reports.size());
    const long long starts[] = {tenOClock, tenOClock + 60, tenOClock + 120, tenOClock + 180};
    const LONG times[] = {20000, 30000, 60000, 60000};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(_time_t(starts[i]).localvarianttime(), server.script.reports[i].start) << i;
        EXPECT_EQ(times[i], server.script.reports[i].time) << i;
    }
    EXPECT_EQ(tenOClock + 240, application.PeriodStart());
    EXPECT_EQ(10000u, application.Tracker().Current()->Time) << "the running quantum's own";
    application.Stop();
}

// The first foreground check after quanta went by unwatched closes them before it credits a
// change; a quantum timer that comes when its boundary was handled already does nothing.
TEST_F(ZorvaneApplicationTest, UnwatchedQuantaAreClosedBeforeTheNextForegroundCheck)
{
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    foreground.window = document;
    application.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, document);
    WorkUntil(tenOClock + 60, 20000);
    application.OnTimer(TZorvaneApplication::ForegroundCheckTimer);
    EXPECT_TRUE(server.script.reports.empty()) << "one boundary late is the quantum timer's";

    WorkUntil(tenOClock + 130, 85000);
    application.OnTimer(TZorvaneApplication::ForegroundCheckTimer);
    ASSERT_EQ(2u, server.script.reports.size());
    EXPECT_EQ(_time_t(tenOClock).localvarianttime(), server.script.reports[0].start);
    EXPECT_EQ(_time_t(tenOClock + 60).localvarianttime(), server.script.reports[1].start);
    EXPECT_EQ(tenOClock + 120, application.PeriodStart());

    application.OnTimer(TZorvaneApplication::QuantumTimer);
    EXPECT_EQ(2u, server.script.reports.size());
    EXPECT_EQ(tenOClock + 120, application.PeriodStart());
    application.Stop();
}

TEST_F(ZorvaneApplicationTest, TheBacklogHoldsTheConfiguredNumberOfQuanta)
{
    SetValue(L"BacklogQuanta", 2);
    activator.result = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    application.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, document);
    for (long long boundary = tenOClock + 60; boundary <= tenOClock + 180; boundary += 60) {
        WorkUntil(boundary, 1000);
        application.OnTimer(TZorvaneApplication::QuantumTimer);
    }
    ASSERT_EQ(2u, application.Reporter().Pending().size());
    EXPECT_EQ(tenOClock + 60, application.Reporter().Pending().front().PeriodStart);
    application.Stop();
}

TEST_F(ZorvaneApplicationTest, BoundaryDuringAReportIsLeftToIt)
{
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    application.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, document);
    WorkUntil(tenOClock + 60, 20000);
    int nested = 0;
    server.script.duringReport = [&] {
        if (nested++ == 0)
            application.OnTimer(TZorvaneApplication::QuantumTimer);
    };
    application.OnTimer(TZorvaneApplication::QuantumTimer);
    EXPECT_EQ(1u, server.script.reports.size());
    EXPECT_TRUE(application.Reporter().Pending().empty());
    application.Stop();
}

TEST_F(ZorvaneApplicationTest, OnlyAConsoleDisconnectOfThisSessionEndsTheMonitor)
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    struct Case {
        WPARAM event;
        DWORD session;
        bool quitOnDisconnect;
        bool quits;
    } cases[] = {
        {WTS_CONSOLE_DISCONNECT, session, true, true},
        {WTS_CONSOLE_DISCONNECT, session + 1, true, false},
        {WTS_CONSOLE_DISCONNECT, session, false, false},
        {WTS_SESSION_LOGOFF, session, true, false},
    };
    for (const Case& c : cases) {
        SetValue(L"QuitOnDisconnect", c.quitOnDisconnect);
        TZorvaneApplication application(environment, testKey);
        ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
        SendMessageW(application.Window(), WM_WTSSESSION_CHANGE, c.event, c.session);
        EXPECT_EQ(c.quits, QuitPosted()) << c.event << " " << c.session;
        application.Stop();
    }
}

// A logoff that is cancelled after the query leaves the monitor running; one that happens ends it.
TEST_F(ZorvaneApplicationTest, OnlyTheEndOfTheSessionEndsTheMonitor)
{
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    struct Step {
        UINT message;
        WPARAM ending;
        bool quits;
    } logoffs[] = {
        {WM_QUERYENDSESSION, 0, false},
        {WM_ENDSESSION, FALSE, false},
        {WM_QUERYENDSESSION, 0, false},
        {WM_ENDSESSION, TRUE, true},
    };
    for (const Step& step : logoffs) {
        LRESULT answer = SendMessageW(application.Window(), step.message, step.ending, ENDSESSION_LOGOFF);
        if (step.message == WM_QUERYENDSESSION) {
            EXPECT_TRUE(answer);  // the monitor never holds a logoff up
        }
        EXPECT_EQ(step.quits, QuitPosted()) << step.message << " " << step.ending;
    }
    application.Stop();
}

TEST_F(ZorvaneApplicationTest, NothingEscapesTheWindowProcedure)
{
    TZorvaneApplication application(environment, testKey);
    ASSERT_EQ(TZorvaneApplication::TStart::Started, application.Start(serverArguments));
    TLogCapture log;
    foreground.fail = true;
    SendMessageW(application.Window(), WM_TIMER, TZorvaneApplication::ForegroundCheckTimer, 0);
    EXPECT_TRUE(log.Contains("(!) Exception in TZorvaneApplication::WindowProc")) << log.Text();
    EXPECT_TRUE(log.Contains("no desktop"));
    application.Stop();
}

}  // namespace
