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

#include <string>

// What the monitor runs on: the hook library, the clocks, the way to the server and the
// foreground window.
struct TMonitorEnvironment {
    IInputHooks& hooks;
    IMonitorClock& clock;
    IServerActivator& activator;
    IForegroundSource& foreground;
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

    explicit TZorvaneApplication(const TMonitorEnvironment& environment, const wchar_t* keyPath = ConfigurationKey);
    ~TZorvaneApplication() override;

    // Runs the monitor until its message loop ends; false when it could not start.
    bool Main(const std::string& commandLine);
    // The parts of Main: the window, timers, server and hooks; then the way back.
    TStart Start(const std::string& commandLine);
    void RunMessageLoop();
    void Stop();

    void Install();
    void Uninstall();
    void Quit();

    bool Connect();
    unsigned long GetTimerInterval();
    long long GetPeriodStart();
    void OnForegroundChange(DWORD event, HWND window);
    void OnSessionChange(WPARAM event, DWORD sessionId);
    void OnTimer(UINT_PTR timerId);

    HWND Window() const { return window_; }
    const TForegroundTracker& Tracker() const { return tracker_; }
    const TActivityReporter& Reporter() const { return reporter_; }
    IZorvane* Server() const { return connection_.Server(); }
    long long PeriodStart() const { return periodStart_; }
    const std::wstring& ComputerName() const { return computerName_; }

private:
    void Configure();
    void TakeServerArguments(const std::string& commandLine);
    bool CreateMonitorWindow();
    void ArmQuantumTimer(UINT elapse);
    void Report();
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK ForegroundEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                         DWORD thread, DWORD time);
    static TZorvaneApplication* running_;

    TMonitorEnvironment environment_;
    HWND window_ = nullptr;
    HWINEVENTHOOK foregroundHook_ = nullptr;
    TForegroundTracker tracker_;
    TServerConnection connection_;
    TActivityReporter reporter_;
    std::wstring computerName_;
    TQuantum quantum_;
    long long periodStart_ = 0;
    bool updateAllProcesses_ = false;
    bool reporting_ = false;
    DWORD sessionId_ = 0;
};
