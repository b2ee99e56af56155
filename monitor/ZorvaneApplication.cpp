#include "ZorvaneApplication.h"

#include "MonitorLog.h"
#include "QuantumRecords.h"

#include <csl/DailyLog.h>
#include <csl/StringUtils.h>
#include <csl/SystemUtils.h>

#include <wtsapi32.h>

#include <algorithm>
#include <vector>

namespace {

const UINT FirstQuantumMs = 60000;

}  // namespace

TZorvaneApplication* TZorvaneApplication::running_ = nullptr;

TZorvaneApplication::TZorvaneApplication(const TMonitorEnvironment& environment, const wchar_t* keyPath)
    : CRegistryConfig(keyPath), environment_(environment), tracker_(environment.hooks, environment.clock),
      connection_(environment.activator)
{
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &sessionId_))
        sessionId_ = 0;
    try {
        Configure();
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "TZorvaneApplication::TZorvaneApplication: " << failure << "\n";
    }
}

TZorvaneApplication::~TZorvaneApplication()
{
    if (running_ == this)
        running_ = nullptr;
    try {
        connection_.Drop();
    } catch (...) {
    }
    if (LogOn())
        DebugLog() << "TZorvaneApplication::~TZorvaneApplication\n";
}

void TZorvaneApplication::Configure()
{
    updateAllProcesses_ = GetBool(L"UpdateAllProcesses", false);
    ConfigureDailyLog(*this, DebugLog(), GetProgramDirectory(), L"ZorvaneUserApp_%Y_%m_%d.log");
    if (LogOn())
        DebugLog() << "TZorvaneApplication::TZorvaneApplication\n";
    computerName_ = GetLocalComputerName();
    if (LogOn())
        DebugLog() << "ComputerName = '" << computerName_ << "'\n";
}

bool TZorvaneApplication::Main(const std::string& commandLine)
{
    TStart start = Start(commandLine);
    if (start != TStart::Started)
        return start == TStart::AnotherRunning;
    RunMessageLoop();
    Stop();
    return true;
}

TZorvaneApplication::TStart TZorvaneApplication::Start(const std::string& commandLine)
{
    if (LogOn())
        DebugLog() << "TZorvaneApplication::Main\n";
    if (FindWindowW(WindowClass, WindowTitle)) {
        if (LogOn())
            DebugLog() << "Another ZorvaneApplication window detected!\n";
        return TStart::AnotherRunning;
    }
    if (!CreateMonitorWindow())
        return TStart::Failed;
    ArmQuantumTimer(FirstQuantumMs);
    SetTimer(window_, ForegroundCheckTimer, ForegroundCheckMs, nullptr);
    TakeServerArguments(commandLine);
    Connect();
    periodStart_ = GetPeriodStart();
    environment_.hooks.Hook();
    foregroundHook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, ForegroundEvent, 0, 0,
                                      WINEVENT_OUTOFCONTEXT);
    if (!foregroundHook_ && LogOn())
        DebugLog().Printf("SetWinEventHook FAILED! (%lu)\n", GetLastError());
    WTSRegisterSessionNotification(window_, NOTIFY_FOR_ALL_SESSIONS);
    return TStart::Started;
}

bool TZorvaneApplication::CreateMonitorWindow()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = WindowClass;
    if (!RegisterClassW(&windowClass))
        return false;
    running_ = this;
    window_ = CreateWindowExW(WS_EX_NOACTIVATE, WindowClass, WindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (window_)
        return true;
    running_ = nullptr;
    UnregisterClassW(WindowClass, instance);
    return false;
}

void TZorvaneApplication::TakeServerArguments(const std::string& commandLine)
{
    std::vector<std::string> tokens;
    Split(commandLine, " ", tokens);
    if (tokens.size() > 0) {
        PutValue(L"ServerClass", StringToWide(tokens[0].c_str()));
        if (LogOn())
            DebugLog() << "ServerClass = \"" << tokens[0] << "\"\n";
    }
    if (tokens.size() > 1) {
        PutValue(L"ServerName", StringToWide(tokens[1].c_str()));
        if (LogOn())
            DebugLog() << "ServerName = \"" << tokens[1] << "\"\n";
    }
}

void TZorvaneApplication::RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
}

void TZorvaneApplication::Stop()
{
    WTSUnRegisterSessionNotification(window_);
    if (foregroundHook_)
        UnhookWinEvent(foregroundHook_);
    foregroundHook_ = nullptr;
    DestroyWindow(window_);
    window_ = nullptr;
    running_ = nullptr;
    UnregisterClassW(WindowClass, GetModuleHandleW(nullptr));
    environment_.hooks.Unhook();
    // The server's proxy lives in the apartment that the program leaves right after the run;
    // released later, it would be released into an apartment that is gone.
    connection_.Drop();
}

// Started by its full path: a bare name would be looked for in the current folder.
void TZorvaneApplication::Install()
{
    if (LogOn())
        DebugLog() << "TZorvaneApplication::Install\n";
    std::wstring path;
    try {
        path = GetProgramPath();
    } catch (const std::exception&) {
        return;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void TZorvaneApplication::Uninstall()
{
    if (LogOn())
        DebugLog() << "TZorvaneApplication::Uninstall\n";
    if (HWND running = FindWindowW(WindowClass, WindowTitle))
        PostMessageW(running, WM_CLOSE, 0, 0);
}

void TZorvaneApplication::Quit()
{
    PostMessageW(window_, WM_QUIT, 0, 0);
}

bool TZorvaneApplication::Connect()
{
    if (!connection_.Connect(GetString(L"ServerClass", L"ZorvaneService.Zorvane"),
                             GetString(L"ServerClass", L"ZorvaneServer.Zorvane"),
                             GetString(L"ServerName", L"localhost"), quantum_))
        return false;
    ArmQuantumTimer(GetTimerInterval());
    return true;
}

unsigned long TZorvaneApplication::GetTimerInterval()
{
    return quantum_.TimerInterval(environment_.clock.Now());
}

long long TZorvaneApplication::GetPeriodStart()
{
    return quantum_.PeriodStart(environment_.clock.Now());
}

void TZorvaneApplication::ArmQuantumTimer(UINT elapse)
{
    KillTimer(window_, QuantumTimer);
    SetTimer(window_, QuantumTimer, elapse, nullptr);
}

void TZorvaneApplication::OnForegroundChange(DWORD event, HWND window)
{
    tracker_.OnForegroundChange(event, window);
}

// A console disconnect of another user's session is none of this monitor's business.
void TZorvaneApplication::OnSessionChange(WPARAM event, DWORD sessionId)
{
    if (event != WTS_CONSOLE_DISCONNECT || sessionId != sessionId_)
        return;
    if (GetBool(L"QuitOnDisconnect", true))
        Quit();
}

void TZorvaneApplication::OnTimer(UINT_PTR timerId)
{
    // Quanta that went by unwatched are closed before a foreground change can take their time.
    if (timerId == ForegroundCheckTimer && GetPeriodStart() > periodStart_ + quantum_.Seconds())
        Report();
    if (timerId == ForegroundCheckTimer)
        tracker_.CheckForeground(environment_.foreground.ForegroundWindow());
    else
        Report();
}

// The quantum boundary: the quantum's records join those that wait, and all go to the server
// while it takes them. A call to the server lets the apartment dispatch messages, the timer's
// among them; a boundary reached meanwhile is left to the report under way, which stops
// sending there and handles that boundary at once, so that the time since keeps its period.
void TZorvaneApplication::Report()
{
    if (reporting_)
        return;
    const long long runningPeriod = GetPeriodStart();
    // The boundary was handled already, or this timer came early.
    if (runningPeriod == periodStart_) {
        ArmQuantumTimer(GetTimerInterval());
        return;
    }
    struct TReporting {
        bool& flag;
        explicit TReporting(bool& f) : flag(f) { flag = true; }
        ~TReporting() { flag = false; }
    } reporting(reporting_);
    reporter_.Add(TakeQuantumRecords(tracker_, quantum_, periodStart_, runningPeriod),
                  std::max(1ul, GetULong(L"BacklogQuanta", quantum_.PerDay())));
    periodStart_ = runningPeriod;
    if (!connection_.Server())
        Connect();
    auto sameQuantum = [this] { return GetPeriodStart() == periodStart_; };
    if (IZorvane* server = connection_.Server())
        if (!reporter_.Deliver(*server, computerName_, updateAllProcesses_, sameQuantum))
            connection_.Drop();
    ArmQuantumTimer(sameQuantum() ? GetTimerInterval() : USER_TIMER_MINIMUM);
}

LRESULT TZorvaneApplication::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        Quit();
        return 0;
    // A logoff can still be cancelled after WM_QUERYENDSESSION: only this says that it happens.
    case WM_ENDSESSION:
        if (wParam)
            Quit();
        break;
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_WTSSESSION_CHANGE:
        OnSessionChange(wParam, static_cast<DWORD>(lParam));
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// Nothing may leave a window procedure or an event callback: the system frames between
// them and the message loop cannot pass an exception on.
LRESULT CALLBACK TZorvaneApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (running_ && running_->window_ == window) {
        try {
            return running_->OnMessage(message, wParam, lParam);
        } catch (const std::exception& failure) {
            if (LogOn())
                DebugLog() << "(!) Exception in TZorvaneApplication::WindowProc " << failure << "\n";
        } catch (...) {
            if (LogOn())
                DebugLog() << "(!) Unknown exception in TZorvaneApplication::WindowProc\n";
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CALLBACK TZorvaneApplication::ForegroundEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD)
{
    if (!running_)
        return;
    try {
        running_->OnForegroundChange(event, window);
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) Exception in TZorvaneApplication::OnForegroundChange " << failure << "\n";
    } catch (...) {
        if (LogOn())
            DebugLog() << "(!) Unknown exception in TZorvaneApplication::OnForegroundChange\n";
    }
}
