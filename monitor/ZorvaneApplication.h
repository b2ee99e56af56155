#pragma once

#include "ActivityReporter.h"
#include "ForegroundSource.h"
#include "ForegroundTracker.h"
#include "InputHooks.h"
#include "MonitorClock.h"
#include "Quantum.h"
#include "ServerActivator.h"
#include "ServerConnection.h"

#include <csl/CRegistryConfig.h>

#include <windows.h>

#include <functional>
#include <string>

// What the monitor runs on: the hook library, the clocks, the way to the server and the
// foreground window.
struct TMonitorEnvironment {
    IInputHooks& Hooks;
    IMonitorClock& Clock;
    IServerActivator& Activator;
    IForegroundSource& Foreground;
};

// The monitor of one session: a hidden window whose timer reports the foreground programs'
// time and input to the server at every multiple of the quantum.
class TZorvaneApplication : public CRegistryConfig {
public:
    static constexpr const wchar_t* ConfigurationKey = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneApplication";
    static constexpr const wchar_t* WindowClass = L"ZorvaneApplicationWndClass";
    static constexpr const wchar_t* WindowTitle = L"ZorvaneApplicationMainWindow";
    static constexpr UINT_PTR QuantumTimer = 1;
    static constexpr UINT_PTR ForegroundCheckTimer = 2;
    static constexpr UINT ForegroundCheckMs = 250;

    enum class TStart {
        Started,
        AnotherRunning,
        Failed
    };

    explicit TZorvaneApplication(const TMonitorEnvironment& iEnvironment, const wchar_t* iKeyPath = ConfigurationKey);
    ~TZorvaneApplication() override;

    // Runs the monitor until its message loop ends; false when it could not start.
    bool Main(const std::string& iCommandLine);
    // The parts of Main: the window, timers, server and hooks; then the way back.
    TStart Start(const std::string& iCommandLine);
    void RunMessageLoop();
    void Stop();

    void Install();
    void Uninstall();
    void Quit();

    bool Connect();
    unsigned long GetTimerInterval();
    long long GetPeriodStart();
    void OnForegroundChange(DWORD iEvent, HWND iWindow);
    void OnSessionChange(WPARAM iEvent, DWORD iSessionId);
    void OnTimer(UINT_PTR iTimerId);

    HWND Window() const { return m_Window; }
    const TForegroundTracker& Tracker() const { return m_Tracker; }
    const TActivityReporter& Reporter() const { return m_Reporter; }
    IZorvane* Server() const { return m_Connection.Server(); }
    long long PeriodStart() const { return m_PeriodStart; }
    const std::wstring& ComputerName() const { return m_ComputerName; }

private:
    void Configure();
    void TakeServerArguments(const std::string& iCommandLine);
    bool CreateMonitorWindow();
    void ArmQuantumTimer(UINT iElapse);
    void Report();
    void ReportBeforeEnd();
    // The records of the quanta up to the one running from iRunningPeriod join those that
    // wait, and all go to the server while iGoOn (when given) allows.
    void TakeAndDeliver(long long iRunningPeriod, const std::function<bool()>& iGoOn);
    LRESULT OnMessage(UINT iMessage, WPARAM iWParam, LPARAM iLParam);

    static LRESULT CALLBACK WindowProc(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam);
    static void CALLBACK ForegroundEvent(HWINEVENTHOOK iHook, DWORD iEvent, HWND iWindow, LONG iObject, LONG iChild,
                                         DWORD iThread, DWORD iTime);
    static TZorvaneApplication* s_Running;

    TMonitorEnvironment m_Environment;
    HWND m_Window = nullptr;
    HWINEVENTHOOK m_ForegroundHook = nullptr;
    TForegroundTracker m_Tracker;
    TServerConnection m_Connection;
    TActivityReporter m_Reporter;
    std::wstring m_ComputerName;
    TQuantum m_Quantum;
    long long m_PeriodStart = 0;
    bool m_UpdateAllProcesses = false;
    bool m_Reporting = false;
    DWORD m_SessionId = 0;
};
