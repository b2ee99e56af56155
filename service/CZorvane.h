#pragma once
#include "ISessionHost.h"
#include "IThreadTask.h"
#include "TTerminalSessions.h"

#include <ComCoClass.h>
#include <ComObjectRoot.h>
#include <IDispatchImpl.h>
#include <ZorvaneService.h>
#include <ZorvanePtr.h>

#include <csl/CRegistryConfig.h>
#include <csl/CallerAccount.h>
#include <csl/TComCallerToken.h>
#include <csl/TCriticalSection.h>
#include <csl/TEvent.h>

#include <atomic>
#include <memory>
#include <string>

// The user service's one object. The monitors of the computer's sessions call it as their
// IZorvane; it passes every call on to the activity server named by "ServerName" and
// connects again when the way to the server broke. It also starts a monitor in every session
// that becomes active, watches it, and starts it again when it dies.
class CZorvane : public CComObjectRoot,
                 public CComCoClass<CZorvane, &CLSID_Zorvane>,
                 public IDispatchImpl<IZorvane, &IID_IZorvane, &LIBID_ZorvaneServerLib>,
                 public CRegistryConfig {
public:
    static constexpr const wchar_t* ConfigurationKey = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneService";
    static constexpr const wchar_t* WindowClass = L"ZorvaneServiceWndClass";
    static constexpr const wchar_t* WindowTitle = L"ZorvaneServiceMainWindow";
    static constexpr const wchar_t* MonitorProgram = L"zvuser.exe";
    // The monitor ended by itself and is not started again.
    static constexpr DWORD MonitorEndedByItself = 11;

    DECLARE_REGISTRY_CLASS(L"ZorvaneService.Zorvane.1", L"ZorvaneService.Zorvane", L"Zorvane Class")

    BEGIN_COM_MAP(CZorvane)
        COM_INTERFACE_ENTRY(IZorvane)
        COM_INTERFACE_ENTRY2(IDispatch, IZorvane)
    END_COM_MAP()

    // Throws when another process (or thread) already holds the service's object.
    explicit CZorvane(ISessionHost& iSessions = TTerminalSessions::Instance());
    ~CZorvane() override;

    HRESULT FinalConstruct();
    void FinalRelease();

    // (Re)creates the server object; throws, holding no server, when that fails.
    IZorvanePtr Connect();
    bool IsConnected();

    STDMETHOD(ReportActivity)(DATE iStartTime, BSTR iComputer, BSTR iUser, BSTR iProcess, long iTimeSpent,
                              long iKeyboardEvents, long iMouseEvents, BSTR iDescription,
                              long* oNeedMoreInformation) override;
    STDMETHOD(GetQuantum)(unsigned long* oQuantum) override;
    STDMETHOD(SendProcessInformation)(BSTR iProcess, BSTR iDescription, SAFEARRAY* iIcon) override;
    STDMETHOD(GetSummaryActivityData)(SummaryActivityRequest* ioActivityRequest, _Recordset** oData) override;
    STDMETHOD(GetSummaryObjectData)(SummaryObjectRequest* ioObjectRequest, _Recordset** oData) override;

    // Session watching (CZorvaneSessions.cpp).
    void RunNotificationWindow();
    void OnSessionChange(DWORD iEvent, DWORD iSession);
    void OnSessionConnected(DWORD iSession, DWORD iDelay);
    void WatchProcess(HANDLE iProcess, HANDLE iThread, DWORD iSession, DWORD iProcessId, DWORD iThreadId);
    // The monitor's command line: the server's class and name follow when the service has no
    // server, so that the monitor reports to the server itself.
    std::wstring MonitorCommandLine();

    // The hidden window that receives the session changes; null while there is none.
    HWND NotificationWindow() const { return m_NotificationWindow; }

    // Where the relay's caller check gets the caller's token: the client's of the current COM
    // call, unless a test puts in its own.
    void SetCallerToken(std::unique_ptr<ICallerToken> iTokens) { m_CallerToken = std::move(iTokens); }

    // The one object of the process, or none.
    static CZorvane* Instance() { return s_Instance; }
    // Asks every watched monitor to end, and waits a bounded time until each has ended, by
    // itself or by force; none is started again.
    void EndMonitors();

private:
    IZorvanePtr Server();
    void SetServer(const IZorvanePtr& iServer);
    // Connect for a call of the method: a failure is logged and gives no server.
    IZorvanePtr TryConnect(const char* iMethod);
    template <class Call>
    HRESULT Forward(const char* iMethod, Call iCall);
    // The server checks the caller of its own call, which is this service, whom it lets see
    // everything: summaries are relayed to administrators only.
    bool CallerSeesEverything(const char* iMethod);
    template <class Call>
    HRESULT Mend(const char* iMethod, HRESULT iResult, Call iCall);
    void LaunchInActiveSessions();
    void RunMessageLoop();
    // True when the monitor is to be started again.
    bool WaitForMonitor(HANDLE iProcess, DWORD iSession, DWORD iThreadId);
    void EndMonitor(HANDLE iProcess, DWORD iSession, DWORD iThreadId);
    // Until every watch job has ended its monitor, or the wait is over.
    void WaitForWatchers(DWORD iMilliseconds);
    // Waits the time unless the service stops first; true when it stops.
    bool WaitForStop(DWORD iMilliseconds);

    static LRESULT CALLBACK NotificationWindowProc(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam);
    static std::atomic<CZorvane*> s_Instance;

    ISessionHost& m_Sessions;
    std::atomic<HWND> m_NotificationWindow;
    SmartPtr<IThreadTask> m_WindowTask;
    std::wstring m_ServerName;
    std::wstring m_ModuleDirectory;
    IZorvanePtr m_Server;
    TCriticalSection m_ServerLock;
    // One reconnection at a time.
    TCriticalSection m_ConnectLock;
    TEvent m_StopEvent;
    std::unique_ptr<ICallerToken> m_CallerToken{new TComCallerToken};
    std::unique_ptr<void, PVOID(WINAPI*)(PSID)> m_AdministratorsSid{AllocateAdministratorsSid(), &FreeSid};
    // The watch jobs under way, and the event set while there are none.
    std::atomic<long> m_Watching{0};
    TEvent m_NoneWatching{true, true};

    friend class TWatchScope;
};
