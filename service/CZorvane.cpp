#include "CZorvane.h"

#include "ExceptionResult.h"
#include "ServiceThreadPool.h"
#include "TThreadTask_MemberCall0.h"

#include <csl/CallFailure.h>
#include <csl/DailyLog.h>
#include <csl/EComException.h>
#include <csl/SafeArrayElements.h>
#include <csl/TDebugStream.h>
#include <csl/TLockScope.h>
#include <csl/TMutex.h>
#include <csl/TSeTranslatorGuard.h>
#include <csl/_time_t.h>
#include <csl/SystemUtils.h>

namespace {

// Held by the process whose object serves the computer, from its construction to the end.
TMutex sSingleInstance("GlobalZorvaneServiceMutex");

const DWORD kServerContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
const DWORD kWindowTaskPatience = 1000;
// Beyond the time each watch job gives its monitor to end by itself.
const DWORD kMonitorsPatience = 15000;

std::wstring Text(BSTR iText)
{
    return iText ? std::wstring(iText, SysStringLen(iText)) : std::wstring();
}

}  // namespace

std::atomic<CZorvane*> CZorvane::s_Instance{nullptr};

CZorvane::CZorvane(ISessionHost& iSessions)
    : CRegistryConfig(ConfigurationKey), m_Sessions(iSessions), m_NotificationWindow(nullptr), m_StopEvent(true, false)
{
    TSeTranslatorGuard guard;
    InstallComErrorHandler();
    if (!sSingleInstance.Lock(0)) {
        DebugLog() << "(!) ERROR: Another instance of ZorvaneService is running on this computer\n";
        ComErrorHandler(E_FAIL);
    }
    PutValue(L"ServerName", std::wstring(L"localhost"));
    Load();
    m_ModuleDirectory = GetProgramDirectory();
    if (!SetCurrentDirectoryW(m_ModuleDirectory.c_str()))
        ThrowLastSystemError();
    ConfigureDailyLog(*this, DebugLog(), m_ModuleDirectory, L"ZorvaneSvc_%Y_%m_%d.log");
    s_Instance = this;
    DebugLog() << "--------------------- ZorvaneService started ---------------------\n";
}

CZorvane::~CZorvane()
{
    DebugLog() << "--------------------- ZorvaneService stopped ---------------------\n";
    CZorvane* self = this;
    s_Instance.compare_exchange_strong(self, nullptr);
    SetServer(nullptr);
}

HRESULT CZorvane::FinalConstruct()
{
    TSeTranslatorGuard guard;
    try {
        m_ServerName = GetString(L"ServerName", L"localhost");
        TryConnect("FinalConstruct");
        m_WindowTask = AddMemberCallTask(GetThreadPool(), this, &CZorvane::RunNotificationWindow);
        LaunchInActiveSessions();
        return S_OK;
    } catch (const std::exception& failure) {
        DebugLog() << "(!) CZorvane::FinalConstruct: exception " << failure << "\n";
        return E_FAIL;
    }
}

// The window task is woken, never killed: its message loop ends on WM_QUIT, or on the
// interrupt of Abort when the window was not there to receive it.
void CZorvane::FinalRelease()
{
    TSeTranslatorGuard guard;
    try {
        DebugLog() << "Releasing...\n";
        if (HWND window = m_NotificationWindow)
            PostMessageW(window, WM_QUIT, 0, 0);
        if (m_WindowTask && !m_WindowTask->WaitFinished(kWindowTaskPatience))
            m_WindowTask->Abort();
        EndMonitors();
        SetServer(nullptr);
        ShutdownProcessThreadPool();
    } catch (const std::exception& failure) {
        DebugLog() << "(!) CZorvane::FinalRelease: exception " << failure << "\n";
    }
}

// The monitors report what they hold through this object on their way out: the server
// connection stays until they have ended.
void CZorvane::EndMonitors()
{
    m_StopEvent.Set();
    WaitForWatchers(kMonitorsPatience);
}

IZorvanePtr CZorvane::Server()
{
    TLockScope lock(m_ServerLock);
    return m_Server;
}

// The old server goes after the lock is given back: releasing a proxy may call out.
void CZorvane::SetServer(const IZorvanePtr& iServer)
{
    IZorvanePtr old;
    {
        TLockScope lock(m_ServerLock);
        old = m_Server;
        m_Server = iServer;
    }
}

bool CZorvane::IsConnected()
{
    return Server() != nullptr;
}

IZorvanePtr CZorvane::Connect()
{
    TLockScope lock(m_ConnectLock);
    try {
        DebugLog() << "Connecting to " << m_ServerName << "...\n";
        SetServer(nullptr);
        COSERVERINFO server = {0, const_cast<wchar_t*>(m_ServerName.c_str()), nullptr, 0};
        MULTI_QI query = {&IID_IZorvane, nullptr, S_OK};
        HRESULT result = CoCreateInstanceEx(CLSID_ZorvaneServer, nullptr, kServerContext, &server, 1, &query);
        IZorvanePtr created(static_cast<IZorvane*>(query.pItf), false);
        if (SUCCEEDED(result))
            result = query.hr;
        if (FAILED(result) || !created)
            ComErrorHandler(FAILED(result) ? result : E_NOINTERFACE);
        SetServer(created);
        DebugLog() << "Connected\n";
        return created;
    } catch (const std::exception& failure) {
        DebugLog() << failure << "\n";
        SetServer(nullptr);
        throw;
    }
}

// Every call goes to the server through a reference of its own, so that a reconnection on
// another thread cannot release the server under it. The caller learns only what became of
// its call, never that its own proxy should go: the way to the server is the relay's to mend.
template <class Call>
HRESULT CZorvane::Forward(const char* iMethod, Call iCall)
{
    TSeTranslatorGuard guard;
    try {
        IZorvanePtr server = Server();
        if (!server)
            server = TryConnect(iMethod);
        if (!server)
            return ZV_E_SERVER_NOT_REACHED;
        const HRESULT result = iCall(server.GetInterfacePtr());
        return RelayedResult(FAILED(result) ? Mend(iMethod, result, iCall) : result);
    } catch (const std::exception& failure) {
        DebugLog() << "(!) CZorvane::" << iMethod << ": exception " << failure << "\n";
        return ExceptionResult(failure);
    } catch (...) {
        DebugLog() << "(!) CZorvane::" << iMethod << ": unknown exception\n";
        return E_FAIL;
    }
}

bool CZorvane::CallerSeesEverything(const char* iMethod)
{
    try {
        if (RestrictedCallerAccount(*m_CallerToken, m_AdministratorsSid.get()).empty())
            return true;
        DebugLog() << "(!) CZorvane::" << iMethod << ": summaries go to administrators only\n";
    } catch (const std::exception& failure) {
        DebugLog() << "(!) CZorvane::" << iMethod << ": exception " << failure << "\n";
    }
    return false;
}

// A broken way to the server gets a new server object at once; a call that never ran goes to
// it, one that may have run does not.
template <class Call>
HRESULT CZorvane::Mend(const char* iMethod, HRESULT iResult, Call iCall)
{
    const TCallFailure failure = ClassifyCallFailure(iResult);
    if (!failure.Reconnect)
        return iResult;
    DebugLog().Printf("(!) CZorvane::%s: the server's call failed (0x%lx), connecting again\n", iMethod,
                      static_cast<unsigned long>(iResult));
    const IZorvanePtr server = TryConnect(iMethod);
    if (failure.Fate != TCallFate::NotDelivered)
        return iResult;
    return server ? iCall(server.GetInterfacePtr()) : ZV_E_SERVER_NOT_REACHED;
}

IZorvanePtr CZorvane::TryConnect(const char* iMethod)
{
    try {
        return Connect();
    } catch (const std::exception& failure) {
        DebugLog() << "(!) CZorvane::" << iMethod << ": exception " << failure << "\n";
        return nullptr;
    }
}

STDMETHODIMP CZorvane::ReportActivity(DATE iStartTime, BSTR iComputer, BSTR iUser, BSTR iProcess, long iTimeSpent,
                                      long iKeyboardEvents, long iMouseEvents, BSTR iDescription,
                                      long* oNeedMoreInformation)
{
    if (!oNeedMoreInformation)
        return E_POINTER;
    *oNeedMoreInformation = 0;
    if (DebugLog().HasWriters()) {
        VARIANT start;
        start.vt = VT_DATE;
        start.date = iStartTime;
        DebugLog() << _time_t(start).ToString() << " " << Text(iComputer) << " " << Text(iUser) << " " << Text(iProcess)
                   << " Time:" << iTimeSpent << " Keyboard:" << iKeyboardEvents << " Mouse:" << iMouseEvents << " "
                   << Text(iDescription) << "\n";
    }
    return Forward("ReportActivity", [&](IZorvane* iServer) {
        const HRESULT result =
            iServer->ReportActivity(iStartTime, iComputer, iUser, iProcess, iTimeSpent, iKeyboardEvents, iMouseEvents,
                                    iDescription, oNeedMoreInformation);
        // A record the server refused is logged as the failure it is.
        if (FAILED(result)) {
            try {
                ComErrorHandler(result);
            } catch (const std::exception& failure) {
                DebugLog() << "(!) CZorvane::ReportActivity: exception " << failure << "\n";
            }
        }
        return result;
    });
}

STDMETHODIMP CZorvane::GetQuantum(unsigned long* oQuantum)
{
    if (!oQuantum)
        return E_POINTER;
    *oQuantum = 0;
    return Forward("GetQuantum", [&](IZorvane* iServer) { return iServer->GetQuantum(oQuantum); });
}

STDMETHODIMP CZorvane::SendProcessInformation(BSTR iProcess, BSTR iDescription, SAFEARRAY* iIcon)
{
    DebugLog() << "SendProcessInformation( " << Text(iProcess) << ", " << Text(iDescription) << ", "
               << SafeArrayElementCount(iIcon) << " )\n";
    return Forward("SendProcessInformation",
                   [&](IZorvane* iServer) { return iServer->SendProcessInformation(iProcess, iDescription, iIcon); });
}

STDMETHODIMP CZorvane::GetSummaryActivityData(SummaryActivityRequest* ioActivityRequest, _Recordset** oData)
{
    if (!ioActivityRequest || !oData)
        return E_POINTER;
    *oData = nullptr;
    DebugLog() << "CZorvane::GetSummaryActivityData()\n";
    if (!CallerSeesEverything("GetSummaryActivityData"))
        return E_ACCESSDENIED;
    return Forward("GetSummaryActivityData",
                   [&](IZorvane* iServer) { return iServer->GetSummaryActivityData(ioActivityRequest, oData); });
}

STDMETHODIMP CZorvane::GetSummaryObjectData(SummaryObjectRequest* ioObjectRequest, _Recordset** oData)
{
    if (!ioObjectRequest || !oData)
        return E_POINTER;
    *oData = nullptr;
    DebugLog() << "CZorvane::GetSummaryObjectData()\n";
    if (!CallerSeesEverything("GetSummaryObjectData"))
        return E_ACCESSDENIED;
    return Forward("GetSummaryObjectData",
                   [&](IZorvane* iServer) { return iServer->GetSummaryObjectData(ioObjectRequest, oData); });
}
