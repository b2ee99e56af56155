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

bool SameWord(const wchar_t* a, const wchar_t* b)
{
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
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

void WriteStandardError(const std::wstring& text)
{
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (!error || error == INVALID_HANDLE_VALUE)
        return;
    int size =
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &narrow[0], size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(error, narrow.data(), static_cast<DWORD>(narrow.size()), &written, nullptr);
}

}  // namespace

CAtlServiceModule::CAtlServiceModule(UINT serviceNameId)
    : m_serviceNameId(serviceNameId), m_dwThreadID(GetCurrentThreadId())
{
    LoadStringW(GetModuleHandleW(nullptr), serviceNameId, m_szServiceName, 256);
}

CAtlServiceModule::~CAtlServiceModule()
{
    if (m_hEventShutdown)
        CloseHandle(m_hEventShutdown);
}

void CAtlServiceModule::LogMessage(const wchar_t*) {}

HRESULT CAtlServiceModule::Report(const CAtlException& failure)
{
    const std::wstring line = failure.Message() + L"\n";
    LogMessage(line.c_str());
    WriteStandardError(line);
    if (!m_bService && CanShowMessageBox())
        MessageBoxW(nullptr, failure.Message().c_str(), m_szServiceName[0] ? m_szServiceName : nullptr, MB_OK);
    return FAILED(failure.Result()) ? failure.Result() : E_FAIL;
}

int CAtlServiceModule::WinMain()
{
    if (!m_szServiceName[0]) {
        Report(CAtlException(
            E_FAIL, L"The program has no service name (string resource " + std::to_wstring(m_serviceNameId) + L")"));
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

bool CAtlServiceModule::ParseCommandLine(const wchar_t* commandLine, HRESULT* result)
{
    *result = S_OK;
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(commandLine, &count);
    if (!args) {
        *result = Report(CAtlException::FromWin32(GetLastError(), L"Could not read the command line"));
        return false;
    }
    bool start = true;
    for (int i = 1; i < count && start; ++i) {
        const wchar_t* arg = args[i];
        const wchar_t* word = (arg[0] == L'-' || arg[0] == L'/') ? arg + 1 : nullptr;
        if (word && SameWord(word, L"UnregServer")) {
            *result = UnregisterServer();
            if (SUCCEEDED(*result))
                *result = UnregisterAppId();
            start = false;
        } else if (word && SameWord(word, L"RegServer")) {
            *result = RegisterAppId(false);
            if (SUCCEEDED(*result))
                *result = RegisterServer();
            start = false;
        } else if (word && SameWord(word, L"Service")) {
            *result = RegisterAppId(true);
            if (SUCCEEDED(*result))
                *result = RegisterServer();
            start = false;
        } else if (!word || !(SameWord(word, L"Embedding") || SameWord(word, L"Automation"))) {
            *result = Report(CAtlException(E_INVALIDARG,
                                           std::wstring(L"Unknown argument \"") + arg +
                                               L"\"; use /RegServer, /UnregServer or /Service"));
            start = false;
        }
    }
    LocalFree(args);
    return start;
}

HRESULT CAtlServiceModule::RegisterAppId(bool asService)
{
    try {
        CServiceControl::Uninstall(m_szServiceName, [this](const CAtlException& failure) { Report(failure); });
        std::wstring path = ProgramPath();
        CComRegistrar::RegisterAppId(GetAppId(), GetAppIdName(), path.substr(path.rfind(L'\\') + 1));
        CRegistryKey key = CRegistryKey::Create(HKEY_CLASSES_ROOT, AppIdKey());
        key.DeleteValue(kLocalService);
        if (!asService)
            return S_OK;
        key.SetString(kLocalService, m_szServiceName);
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
    return SUCCEEDED(Install()) ? S_OK : E_FAIL;
}

HRESULT CAtlServiceModule::UnregisterAppId()
{
    try {
        CServiceControl::Uninstall(m_szServiceName, [this](const CAtlException& failure) { Report(failure); });
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
        for (const _ATL_OBJMAP_ENTRY* entry = GetObjectMap(); entry->pclsid; ++entry)
            CComRegistrar::RegisterClass(*entry->pclsid, entry->pfnGetRegistration(), GetAppId(), libId, path);
        return S_OK;
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
}

HRESULT CAtlServiceModule::UnregisterServer()
{
    try {
        for (const _ATL_OBJMAP_ENTRY* entry = GetObjectMap(); entry->pclsid; ++entry)
            CComRegistrar::UnregisterClass(*entry->pclsid, entry->pfnGetRegistration());
        CComRegistrar::UnregisterTypeLib(ProgramPath());
        return S_OK;
    } catch (const CAtlException& failure) {
        return Report(failure);
    }
}

HRESULT CAtlServiceModule::Install()
{
    try {
        CServiceControl::Install(m_szServiceName, ProgramPath(), GetServiceAccount());
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
        m_bService = key.QueryString(kLocalService, localService);
    } catch (const CAtlException& failure) {
        Report(failure);
        // The registry's own error code is the exit code.
        return HRESULT_FACILITY(failure.Result()) == FACILITY_WIN32 ? HRESULT_CODE(failure.Result()) : failure.Result();
    }
    if (!m_bService)
        return Run();
    SERVICE_TABLE_ENTRYW table[] = {{m_szServiceName, ServiceMainEntry}, {nullptr, nullptr}};
    if (StartServiceCtrlDispatcherW(table))
        return m_status.dwWin32ExitCode;
    DWORD error = GetLastError();
    Report(CAtlException::FromWin32(error, L"Could not start the service " + std::wstring(m_szServiceName)));
    return error;
}

void WINAPI CAtlServiceModule::ServiceMainEntry(DWORD argc, LPWSTR* argv)
{
    Module()->ServiceMain(argc, argv);
}

void WINAPI CAtlServiceModule::HandlerEntry(DWORD control)
{
    Module()->Handler(control);
}

void CAtlServiceModule::ServiceMain(DWORD, LPWSTR*)
{
    m_status.dwCurrentState = SERVICE_START_PENDING;
    m_hServiceStatus = RegisterServiceCtrlHandlerW(m_szServiceName, HandlerEntry);
    if (!m_hServiceStatus) {
        Report(CAtlException::FromWin32(GetLastError(), L"Could not register the service's handler"));
        return;
    }
    SetServiceStatus(SERVICE_START_PENDING);
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(hr)) {
        m_bDelayShutdown = false;
        hr = Run();
        CoUninitialize();
    } else {
        Report(CAtlException::FromHResult(hr, L"Could not initialise COM"));
    }
    m_status.dwWin32ExitCode = hr;
    SetServiceStatus(SERVICE_STOPPED);
}

void CAtlServiceModule::Handler(DWORD control)
{
    if (control != SERVICE_CONTROL_STOP)
        return;
    SetServiceStatus(SERVICE_STOP_PENDING);
    PostThreadMessageW(m_dwThreadID, WM_QUIT, 0, 0);
}

void CAtlServiceModule::SetServiceStatus(DWORD state)
{
    m_status.dwCurrentState = state;
    ::SetServiceStatus(m_hServiceStatus, &m_status);
}

HRESULT CAtlServiceModule::Run()
{
    HRESULT hr = PreMessageLoop();
    if (FAILED(hr))
        return hr;
    if (m_bService)
        SetServiceStatus(SERVICE_RUNNING);
    RunMessageLoop();
    PostMessageLoop();
    return hr;
}

HRESULT CAtlServiceModule::PreMessageLoop()
{
    if (m_bService) {
        m_dwThreadID = GetCurrentThreadId();
        HRESULT hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                                          RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
        if (FAILED(hr))
            return Report(CAtlException::FromHResult(hr, L"Could not set COM security"));
    }
    // The thread needs its message queue before anyone posts WM_QUIT to it.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    const bool delayed = !m_bService && m_bDelayShutdown;
    if (delayed && !m_hEventShutdown) {
        m_hEventShutdown = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!m_hEventShutdown)
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
    RevokeClassObjects();
    if (!m_bService && m_bDelayShutdown)
        Sleep(m_dwPause);
}

HRESULT CAtlServiceModule::RegisterClassObjects(DWORD context, DWORD flags)
{
    for (const _ATL_OBJMAP_ENTRY* entry = GetObjectMap(); entry->pclsid; ++entry) {
        ClassObject object{nullptr, 0};
        HRESULT hr = entry->pfnCreateClassObject(&object.factory);
        if (SUCCEEDED(hr)) {
            hr = CoRegisterClassObject(*entry->pclsid, object.factory, context, flags, &object.cookie);
            if (FAILED(hr))
                object.factory->Release();
        }
        if (FAILED(hr)) {
            RevokeClassObjects();
            return hr;
        }
        m_classObjects.push_back(object);
    }
    return S_OK;
}

void CAtlServiceModule::RevokeClassObjects()
{
    for (const ClassObject& object : m_classObjects) {
        CoRevokeClassObject(object.cookie);
        // The last reference: a singleton class object takes its object with it.
        object.factory->Release();
    }
    m_classObjects.clear();
}

LONG CAtlServiceModule::Lock()
{
    m_bActivity = true;
    return CAtlModule::Lock();
}

LONG CAtlServiceModule::Unlock()
{
    LONG count = CAtlModule::Unlock();
    if (count == 0 && !m_bService) {
        if (m_bDelayShutdown && m_hEventShutdown)
            SetEvent(m_hEventShutdown);
        else
            PostThreadMessageW(m_dwThreadID, WM_QUIT, 0, 0);
    }
    return count;
}

HRESULT CAtlServiceModule::StartMonitor()
{
    m_bStopMonitor = false;
    m_hMonitor = CreateThread(nullptr, 0, MonitorEntry, this, 0, nullptr);
    if (!m_hMonitor)
        return Report(CAtlException::FromWin32(GetLastError(), L"Could not start the shutdown monitor"));
    return S_OK;
}

void CAtlServiceModule::StopMonitor()
{
    if (!m_hMonitor)
        return;
    m_bStopMonitor = true;
    SetEvent(m_hEventShutdown);
    WaitForSingleObject(m_hMonitor, INFINITE);
    CloseHandle(m_hMonitor);
    m_hMonitor = nullptr;
}

DWORD WINAPI CAtlServiceModule::MonitorEntry(void* module)
{
    static_cast<CAtlServiceModule*>(module)->MonitorShutdown();
    return 0;
}

// Ends the local server once no client came back within the time-out after the last one left.
void CAtlServiceModule::MonitorShutdown()
{
    for (;;) {
        WaitForSingleObject(m_hEventShutdown, INFINITE);
        DWORD wait;
        do {
            if (m_bStopMonitor)
                return;
            m_bActivity = false;
            wait = WaitForSingleObject(m_hEventShutdown, m_dwTimeOut);
        } while (wait == WAIT_OBJECT_0);
        if (!m_bActivity && GetLockCount() == 0)
            break;
    }
    PostThreadMessageW(m_dwThreadID, WM_QUIT, 0, 0);
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
