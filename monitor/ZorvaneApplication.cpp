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

TZorvaneApplication* TZorvaneApplication::s_Running = nullptr;

TZorvaneApplication::TZorvaneApplication(const TMonitorEnvironment& iEnvironment, const wchar_t* iKeyPath)
    : CRegistryConfig(iKeyPath), m_Environment(iEnvironment), m_Tracker(iEnvironment.Hooks, iEnvironment.Clock),
      m_Connection(iEnvironment.Activator)
{
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &m_SessionId))
        m_SessionId = 0;
    try {
        Configure();
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "TZorvaneApplication::TZorvaneApplication: " << failure << "\n";
    }
}

TZorvaneApplication::~TZorvaneApplication()
{
    if (s_Running == this)
        s_Running = nullptr;
    try {
        m_Connection.Drop();
    } catch (...) {
    }
    if (LogOn())
        DebugLog() << "TZorvaneApplication::~TZorvaneApplication\n";
}

void TZorvaneApplication::Configure()
{
    m_UpdateAllProcesses = GetBool(L"UpdateAllProcesses", false);
    ConfigureDailyLog(*this, DebugLog(), GetProgramDirectory(), L"ZorvaneUserApp_%Y_%m_%d.log");
    if (LogOn())
        DebugLog() << "TZorvaneApplication::TZorvaneApplication\n";
    m_ComputerName = GetLocalComputerName();
    if (LogOn())
        DebugLog() << "ComputerName = '" << m_ComputerName << "'\n";
}

bool TZorvaneApplication::Main(const std::string& iCommandLine)
{
    TStart start = Start(iCommandLine);
    if (start != TStart::Started)
        return start == TStart::AnotherRunning;
    RunMessageLoop();
    Stop();
    return true;
}

TZorvaneApplication::TStart TZorvaneApplication::Start(const std::string& iCommandLine)
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
    SetTimer(m_Window, ForegroundCheckTimer, ForegroundCheckMs, nullptr);
    TakeServerArguments(iCommandLine);
    Connect();
    m_PeriodStart = GetPeriodStart();
    m_Environment.Hooks.Hook();
    m_ForegroundHook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, ForegroundEvent, 0, 0,
                                       WINEVENT_OUTOFCONTEXT);
    if (!m_ForegroundHook && LogOn())
        DebugLog().Printf("SetWinEventHook FAILED! (%lu)\n", GetLastError());
    WTSRegisterSessionNotification(m_Window, NOTIFY_FOR_ALL_SESSIONS);
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
    s_Running = this;
    m_Window = CreateWindowExW(WS_EX_NOACTIVATE, WindowClass, WindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (m_Window)
        return true;
    s_Running = nullptr;
    UnregisterClassW(WindowClass, instance);
    return false;
}

void TZorvaneApplication::TakeServerArguments(const std::string& iCommandLine)
{
    std::vector<std::string> tokens;
    Split(iCommandLine, " ", tokens);
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
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The user service asks the thread itself to end, as it cannot reach the window.
        if (!message.hwnd && message.message == WM_CLOSE)
            ReportBeforeEnd();
        else
            DispatchMessageW(&message);
    }
}

void TZorvaneApplication::Stop()
{
    WTSUnRegisterSessionNotification(m_Window);
    if (m_ForegroundHook)
        UnhookWinEvent(m_ForegroundHook);
    m_ForegroundHook = nullptr;
    DestroyWindow(m_Window);
    m_Window = nullptr;
    s_Running = nullptr;
    UnregisterClassW(WindowClass, GetModuleHandleW(nullptr));
    m_Environment.Hooks.Unhook();
    // The server's proxy lives in the apartment that the program leaves right after the run;
    // released later, it would be released into an apartment that is gone.
    m_Connection.Drop();
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
    PostMessageW(m_Window, WM_QUIT, 0, 0);
}

bool TZorvaneApplication::Connect()
{
    if (!m_Connection.Connect(GetString(L"ServerClass", L"ZorvaneService.Zorvane"),
                              GetString(L"ServerClass", L"ZorvaneServer.Zorvane"),
                              GetString(L"ServerName", L"localhost"), m_Quantum))
        return false;
    ArmQuantumTimer(GetTimerInterval());
    return true;
}

unsigned long TZorvaneApplication::GetTimerInterval()
{
    return m_Quantum.TimerInterval(m_Environment.Clock.Now());
}

long long TZorvaneApplication::GetPeriodStart()
{
    return m_Quantum.PeriodStart(m_Environment.Clock.Now());
}

void TZorvaneApplication::ArmQuantumTimer(UINT iElapse)
{
    KillTimer(m_Window, QuantumTimer);
    SetTimer(m_Window, QuantumTimer, iElapse, nullptr);
}

void TZorvaneApplication::OnForegroundChange(DWORD iEvent, HWND iWindow)
{
    m_Tracker.OnForegroundChange(iEvent, iWindow);
}

// A console disconnect of another user's session is none of this monitor's business.
void TZorvaneApplication::OnSessionChange(WPARAM iEvent, DWORD iSessionId)
{
    if (iEvent != WTS_CONSOLE_DISCONNECT || iSessionId != m_SessionId)
        return;
    if (GetBool(L"QuitOnDisconnect", true))
        Quit();
}

void TZorvaneApplication::OnTimer(UINT_PTR iTimerId)
{
    // Quanta that went by unwatched are closed before a foreground change can take their time.
    if (iTimerId == ForegroundCheckTimer && GetPeriodStart() > m_PeriodStart + m_Quantum.Seconds())
        Report();
    if (iTimerId == ForegroundCheckTimer)
        m_Tracker.CheckForeground(m_Environment.Foreground.ForegroundWindow());
    else
        Report();
}

// The quantum boundary: the quantum's records join those that wait, and all go to the server
// while it takes them. A call to the server lets the apartment dispatch messages, the timer's
// among them; a boundary reached meanwhile is left to the report under way, which stops
// sending there and handles that boundary at once, so that the time since keeps its period.
void TZorvaneApplication::Report()
{
    if (m_Reporting)
        return;
    const long long runningPeriod = GetPeriodStart();
    // The boundary was handled already, or this timer came early.
    if (runningPeriod == m_PeriodStart) {
        ArmQuantumTimer(GetTimerInterval());
        return;
    }
    TakeAndDeliver(runningPeriod, [this] { return GetPeriodStart() == m_PeriodStart; });
    ArmQuantumTimer(GetPeriodStart() == m_PeriodStart ? GetTimerInterval() : USER_TIMER_MINIMUM);
}

// Asked to end: what the running quantum holds so far, and what waits, goes to the server
// first, as far as it takes it, so that no stop loses the time of the last minutes.
void TZorvaneApplication::ReportBeforeEnd()
{
    if (!m_Reporting)
        TakeAndDeliver(GetPeriodStart(), nullptr);
    Quit();
}

void TZorvaneApplication::TakeAndDeliver(long long iRunningPeriod, const std::function<bool()>& iGoOn)
{
    struct TReporting {
        bool& Flag;
        explicit TReporting(bool& ioFlag) : Flag(ioFlag) { Flag = true; }
        ~TReporting() { Flag = false; }
    } reporting(m_Reporting);
    m_Reporter.Add(TakeQuantumRecords(m_Tracker, m_Quantum, m_PeriodStart, iRunningPeriod),
                   std::max(1ul, GetULong(L"BacklogQuanta", m_Quantum.PerDay())));
    m_PeriodStart = iRunningPeriod;
    if (!m_Connection.Server())
        Connect();
    if (IZorvane* server = m_Connection.Server())
        if (!m_Reporter.Deliver(*server, m_ComputerName, m_UpdateAllProcesses, iGoOn))
            m_Connection.Drop();
}

LRESULT TZorvaneApplication::OnMessage(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    switch (iMessage) {
    case WM_CLOSE:
        ReportBeforeEnd();
        return 0;
    // A logoff can still be cancelled after WM_QUERYENDSESSION: only this says that it happens.
    case WM_ENDSESSION:
        if (iWParam)
            ReportBeforeEnd();
        break;
    case WM_TIMER:
        OnTimer(iWParam);
        break;
    case WM_WTSSESSION_CHANGE:
        OnSessionChange(iWParam, static_cast<DWORD>(iLParam));
        break;
    }
    return DefWindowProcW(m_Window, iMessage, iWParam, iLParam);
}

// Nothing may leave a window procedure or an event callback: the system frames between
// them and the message loop cannot pass an exception on.
LRESULT CALLBACK TZorvaneApplication::WindowProc(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (s_Running && s_Running->m_Window == iWindow) {
        try {
            return s_Running->OnMessage(iMessage, iWParam, iLParam);
        } catch (const std::exception& failure) {
            if (LogOn())
                DebugLog() << "(!) Exception in TZorvaneApplication::WindowProc " << failure << "\n";
        } catch (...) {
            if (LogOn())
                DebugLog() << "(!) Unknown exception in TZorvaneApplication::WindowProc\n";
        }
    }
    return DefWindowProcW(iWindow, iMessage, iWParam, iLParam);
}

void CALLBACK TZorvaneApplication::ForegroundEvent(HWINEVENTHOOK, DWORD iEvent, HWND iWindow, LONG, LONG, DWORD, DWORD)
{
    if (!s_Running)
        return;
    try {
        s_Running->OnForegroundChange(iEvent, iWindow);
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) Exception in TZorvaneApplication::OnForegroundChange " << failure << "\n";
    } catch (...) {
        if (LogOn())
            DebugLog() << "(!) Unknown exception in TZorvaneApplication::OnForegroundChange\n";
    }
}
