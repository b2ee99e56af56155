#include "AtlServiceModule.h"

#include "AtlException.h"
#include "ComRegistrar.h"
#include "RegistryKey.h"
#include "ServiceControl.h"

#include <ModulePath.h>

#include <shellapi.h>

namespace {

const wchar_t kLocalService[] = L"LocalService";

CAtlServiceModule* Module()
{
    return static_cast<CAtlServiceModule*>(_pAtlModule);
}

bool SameWord(const wchar_t* iA, const wchar_t* iB)
{
    return CompareStringOrdinal(iA, -1, iB, -1, TRUE) == CSTR_EQUAL;
}

// A message box only where someone can see it and nothing else would show the text: on the
// interactive desktop, for a program started without a console or standard error (and never in
// a service).
bool CanShowMessageBox()
{
    if (GetConsoleWindow())
        return false;
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error && error != INVALID_HANDLE_VALUE && GetFileType(error) != FILE_TYPE_UNKNOWN)
        return false;
    USEROBJECTFLAGS flags{};
    HWINSTA station = GetProcessWindowStation();
    return station && GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof(flags), nullptr) &&
        (flags.dwFlags & WSF_VISIBLE);
}

void WriteStandardError(const std::wstring& iText)
{
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (!error || error == INVALID_HANDLE_VALUE)
        return;
    int size =
        WideCharToMultiByte(CP_ACP, 0, iText.c_str(), static_cast<int>(iText.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, iText.c_str(), static_cast<int>(iText.size()), &narrow[0], size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(error, narrow.data(), static_cast<DWORD>(narrow.size()), &written, nullptr);
}

}  // namespace

CAtlServiceModule::CAtlServiceModule(UINT iServiceNameId)
    : m_ServiceNameId(iServiceNameId), m_ThreadID(GetCurrentThreadId())
{
    LoadStringW(GetModuleHandleW(nullptr), iServiceNameId, m_ServiceName, 256);
}

CAtlServiceModule::~CAtlServiceModule()
{
    if (m_EventShutdown)
        CloseHandle(m_EventShutdown);
}

void CAtlServiceModule::LogMessage(const wchar_t*) {}

HRESULT CAtlServiceModule::Report(const CAtlException& iFailure)
{
    const std::wstring line = iFailure.Message() + L"\n";
    LogMessage(line.c_str());
    WriteStandardError(line);
    if (!m_RunsAsService && CanShowMessageBox())
        MessageBoxW(nullptr, iFailure.Message().c_str(), m_ServiceName[0] ? m_ServiceName : nullptr, MB_OK);
    return FAILED(iFailure.Result()) ? iFailure.Result() : E_FAIL;
}

int CAtlServiceModule::WinMain()
{
    if (!m_ServiceName[0]) {
        Report(CAtlException(
            E_FAIL, L"The program has no service name (string resource " + std::to_wstring(m_ServiceNameId) + L")"));
        return -1;
    }
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(hr)) {
        Report(CAtlException::FromHResult(hr, L"Could not initialise COM"));
        return -1;
    }
    HRESULT result = S_OK;
    if (ParseCommandLine(GetCommandLineW(), &result))
        result = StartModule();
    CoUninitialize();
    return result;
}

bool CAtlServiceModule::ParseCommandLine(const wchar_t* iCommandLine, HRESULT* oResult)
{
    *oResult = S_OK;
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(iCommandLine, &count);
    if (!args) {
        *oResult = Report(CAtlException::FromWin32(GetLastError(), L"Could not read the command line"));
        return false;
    }
    bool start = true;
    for (int i = 1; i < count && start; ++i) {
        const wchar_t* arg = args[i];
        const wchar_t* word = (arg[0] == L'-' || arg[0] == L'/') ? arg + 1 : nullptr;
        if (word && SameWord(word, L"UnregServer")) {
            *oResult = UnregisterServer();
            if (SUCCEEDED(*oResult))
                *oResult = UnregisterAppId();
            start = false;
        } else if (word && SameWord(word, L"RegServer")) {
            *oResult = RegisterAppId(false);
            if (SUCCEEDED(*oResult))
                *oResult = RegisterServer();
            start = false;
        } else if (word && SameWord(word, L"Service")) {
            *oResult = RegisterAppId(true);
            if (SUCCEEDED(*oResult))
                *oResult = RegisterServer();
            start = false;
        } else if (!word || !(SameWord(word, L"Embedding") || SameWord(word, L"Automation"))) {
            *oResult = Report(CAtlException(E_INVALIDARG,
                                            std::wstring(L"Unknown argument \"") + arg +
                                                L"\"; use /RegServer, /UnregServer or /Service"));
            start = false;
        }
    }
    LocalFree(args);
    return start;
}

HRESULT CAtlServiceModule::RegisterAppId(bool iAsService)
{
    try {
        CServiceControl::Uninstall(m_ServiceName, [this](const CAtlException& failure) { Report(failure); });
        std::wstring path = ProgramPath();
        CComRegistrar::RegisterAppId(GetAppId(), GetAppIdName(), path.substr(path.rfind(L'\\') + 1));
        CRegistryKey key = CRegistryKey::Create(HKEY_CLASSES_ROOT, AppIdKey());
        key.DeleteValue(kLocalService);
        if (!iAsService)
            return S_OK;
        key.SetString(kLocalService, m_ServiceName);
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
    return SUCCEEDED(Install()) ? S_OK : E_FAIL;
}

HRESULT CAtlServiceModule::UnregisterAppId()
{
    try {
        CServiceControl::Uninstall(m_ServiceName, [this](const CAtlException& failure) { Report(failure); });
        if (CRegistryKey key = CRegistryKey::Open(HKEY_CLASSES_ROOT, AppIdKey(), KEY_READ | KEY_WRITE))
            key.DeleteValue(kLocalService);
        std::wstring path = ProgramPath();
        CComRegistrar::UnregisterAppId(GetAppId(), path.substr(path.rfind(L'\\') + 1));
        return S_OK;
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
}

HRESULT CAtlServiceModule::RegisterServer()
{
    const HRESULT dependencies = RegisterDependencies();
    if (FAILED(dependencies))
        return dependencies;
    try {
        const std::wstring path = ProgramPath();
        const GUID libId = CComRegistrar::RegisterTypeLib(path);
        for (const _ATL_OBJMAP_ENTRY* entry = GetObjectMap(); entry->ClassId; ++entry)
            CComRegistrar::RegisterClass(*entry->ClassId, entry->GetRegistration(), GetAppId(), libId, path);
        return S_OK;
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
}

HRESULT CAtlServiceModule::UnregisterServer()
{
    try {
        for (const _ATL_OBJMAP_ENTRY* entry = GetObjectMap(); entry->ClassId; ++entry)
            CComRegistrar::UnregisterClass(*entry->ClassId, entry->GetRegistration());
        CComRegistrar::UnregisterTypeLib(ProgramPath());
        return S_OK;
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
}

HRESULT CAtlServiceModule::Install()
{
    try {
        CServiceControl::Install(m_ServiceName, ProgramPath(), GetServiceAccount());
        return S_OK;
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
}

int CAtlServiceModule::StartModule()
{
    std::wstring localService;
    try {
        if (!CRegistryKey::Open(HKEY_CLASSES_ROOT, L"AppID", KEY_READ))
            throw CAtlException::FromWin32(ERROR_FILE_NOT_FOUND, L"HKEY_CLASSES_ROOT\\AppID is missing");
        CRegistryKey key = CRegistryKey::Open(HKEY_CLASSES_ROOT, AppIdKey(), KEY_READ);
        if (!key)
            throw CAtlException::FromWin32(ERROR_FILE_NOT_FOUND,
                                           L"The program is not registered (run it with /RegServer or /Service)");
        m_RunsAsService = key.QueryString(kLocalService, localService);
    } catch (const CAtlException& failure) {
        Report(failure);
        // The registry's own error code is the exit code.
        return HRESULT_FACILITY(failure.Result()) == FACILITY_WIN32 ? HRESULT_CODE(failure.Result()) : failure.Result();
    }
    if (!m_RunsAsService)
        return Run();
    SERVICE_TABLE_ENTRYW table[] = {{m_ServiceName, ServiceMainEntry}, {nullptr, nullptr}};
    if (StartServiceCtrlDispatcherW(table))
        return m_Status.dwWin32ExitCode;
    DWORD error = GetLastError();
    Report(CAtlException::FromWin32(error, L"Could not start the service " + std::wstring(m_ServiceName)));
    return error;
}

void WINAPI CAtlServiceModule::ServiceMainEntry(DWORD iArgc, LPWSTR* iArgv)
{
    Module()->ServiceMain(iArgc, iArgv);
}

void WINAPI CAtlServiceModule::HandlerEntry(DWORD iControl)
{
    Module()->Handler(iControl);
}

void CAtlServiceModule::ServiceMain(DWORD, LPWSTR*)
{
    m_Status.dwCurrentState = SERVICE_START_PENDING;
    m_ServiceStatus = RegisterServiceCtrlHandlerW(m_ServiceName, HandlerEntry);
    if (!m_ServiceStatus) {
        Report(CAtlException::FromWin32(GetLastError(), L"Could not register the service's handler"));
        return;
    }
    SetServiceStatus(SERVICE_START_PENDING);
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(hr)) {
        m_DelayShutdown = false;
        hr = Run();
        CoUninitialize();
    } else {
        Report(CAtlException::FromHResult(hr, L"Could not initialise COM"));
    }
    m_Status.dwWin32ExitCode = hr;
    SetServiceStatus(SERVICE_STOPPED);
}

void CAtlServiceModule::Handler(DWORD iControl)
{
    if (iControl != SERVICE_CONTROL_STOP)
        return;
    SetServiceStatus(SERVICE_STOP_PENDING);
    PostThreadMessageW(m_ThreadID, WM_QUIT, 0, 0);
}

void CAtlServiceModule::SetServiceStatus(DWORD iState)
{
    m_Status.dwCurrentState = iState;
    ::SetServiceStatus(m_ServiceStatus, &m_Status);
}

HRESULT CAtlServiceModule::Run()
{
    HRESULT hr = PreMessageLoop();
    if (FAILED(hr))
        return hr;
    if (m_RunsAsService)
        SetServiceStatus(SERVICE_RUNNING);
    RunMessageLoop();
    PostMessageLoop();
    return hr;
}

HRESULT CAtlServiceModule::PreMessageLoop()
{
    if (m_RunsAsService) {
        m_ThreadID = GetCurrentThreadId();
        HRESULT hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                                          RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
        if (FAILED(hr))
            return Report(CAtlException::FromHResult(hr, L"Could not set COM security"));
    }
    // The thread needs its message queue before anyone posts WM_QUIT to it.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    const bool delayed = !m_RunsAsService && m_DelayShutdown;
    if (delayed && !m_EventShutdown) {
        m_EventShutdown = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!m_EventShutdown)
            return Report(CAtlException::FromWin32(GetLastError(), L"Could not create an event"));
    }
    HRESULT hr = RegisterClassObjects(CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE);
    if (FAILED(hr))
        return Report(CAtlException::FromHResult(hr, L"Could not register the class objects"));
    if (delayed && FAILED(StartMonitor())) {
        RevokeClassObjects();
        return E_FAIL;
    }
    return S_OK;
}

void CAtlServiceModule::RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void CAtlServiceModule::PostMessageLoop()
{
    StopMonitor();
    BeforeClassObjectsGo();
    RevokeClassObjects();
    if (!m_RunsAsService && m_DelayShutdown)
        Sleep(m_Pause);
}

HRESULT CAtlServiceModule::RegisterClassObjects(DWORD iContext, DWORD iFlags)
{
    for (const _ATL_OBJMAP_ENTRY* entry = GetObjectMap(); entry->ClassId; ++entry) {
        ClassObject object{nullptr, 0};
        HRESULT hr = entry->CreateClassObject(&object.Factory);
        if (SUCCEEDED(hr)) {
            hr = CoRegisterClassObject(*entry->ClassId, object.Factory, iContext, iFlags, &object.Cookie);
            if (FAILED(hr))
                object.Factory->Release();
        }
        if (FAILED(hr)) {
            RevokeClassObjects();
            return hr;
        }
        m_ClassObjects.push_back(object);
    }
    return S_OK;
}

void CAtlServiceModule::RevokeClassObjects()
{
    for (const ClassObject& object : m_ClassObjects) {
        CoRevokeClassObject(object.Cookie);
        // A client killed in the middle of an activation never gives its reference to the class
        // object back (Wine keeps it for good). Cut the clients off, so that ours is the last
        // reference and a singleton class object ends its object here, before a service reports
        // itself stopped, and not at the process's exit, which may come first.
        CoDisconnectObject(object.Factory, 0);
        object.Factory->Release();
    }
    m_ClassObjects.clear();
}

LONG CAtlServiceModule::Lock()
{
    m_Activity = true;
    return CAtlModule::Lock();
}

LONG CAtlServiceModule::Unlock()
{
    LONG count = CAtlModule::Unlock();
    if (count == 0 && !m_RunsAsService) {
        if (m_DelayShutdown && m_EventShutdown)
            SetEvent(m_EventShutdown);
        else
            PostThreadMessageW(m_ThreadID, WM_QUIT, 0, 0);
    }
    return count;
}

HRESULT CAtlServiceModule::StartMonitor()
{
    m_StopMonitor = false;
    m_Monitor = CreateThread(nullptr, 0, MonitorEntry, this, 0, nullptr);
    if (!m_Monitor)
        return Report(CAtlException::FromWin32(GetLastError(), L"Could not start the shutdown monitor"));
    return S_OK;
}

void CAtlServiceModule::StopMonitor()
{
    if (!m_Monitor)
        return;
    m_StopMonitor = true;
    SetEvent(m_EventShutdown);
    WaitForSingleObject(m_Monitor, INFINITE);
    CloseHandle(m_Monitor);
    m_Monitor = nullptr;
}

DWORD WINAPI CAtlServiceModule::MonitorEntry(void* iModule)
{
    static_cast<CAtlServiceModule*>(iModule)->MonitorShutdown();
    return 0;
}

// Ends the local server once no client came back within the time-out after the last one left.
void CAtlServiceModule::MonitorShutdown()
{
    for (;;) {
        WaitForSingleObject(m_EventShutdown, INFINITE);
        DWORD wait;
        do {
            if (m_StopMonitor)
                return;
            m_Activity = false;
            wait = WaitForSingleObject(m_EventShutdown, m_TimeOut);
        } while (wait == WAIT_OBJECT_0);
        if (!m_Activity && GetLockCount() == 0)
            break;
    }
    PostThreadMessageW(m_ThreadID, WM_QUIT, 0, 0);
}

std::wstring CAtlServiceModule::ProgramPath() const
{
    const std::wstring path = ModuleFilePath();
    if (path.empty())
        throw CAtlException::FromWin32(GetLastError(), L"Could not get the program's path");
    return path;
}

std::wstring CAtlServiceModule::AppIdKey() const
{
    return L"AppID\\" + CComRegistrar::GuidText(GetAppId());
}
