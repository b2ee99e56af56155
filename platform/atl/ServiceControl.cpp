#include "ServiceControl.h"

#include "AtlException.h"

namespace {

// Resource ids by which a program may word the messages in its own language.
const UINT kIdsCouldNotOpenManager = 55306;
const UINT kIdsCouldNotInstall = 55307;
const DWORD kStopWaitMs = 30000;
const DWORD kStopPollMs = 100;

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE iHandle) : m_Handle(iHandle) {}
    ~ServiceHandle()
    {
        if (m_Handle)
            CloseServiceHandle(m_Handle);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    operator SC_HANDLE() const { return m_Handle; }

private:
    SC_HANDLE m_Handle;
};

std::wstring ModuleText(UINT iId, const wchar_t* iText)
{
    const wchar_t* resource = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), iId, reinterpret_cast<wchar_t*>(&resource), 0);
    return length > 0 ? std::wstring(resource, length) : std::wstring(iText);
}

void WaitUntilStopped(SC_HANDLE iService)
{
    SERVICE_STATUS status{};
    for (DWORD waited = 0; waited < kStopWaitMs; waited += kStopPollMs) {
        if (!QueryServiceStatus(iService, &status) || status.dwCurrentState == SERVICE_STOPPED)
            return;
        Sleep(kStopPollMs);
    }
}

}  // namespace

bool CServiceControl::IsInstalled(const std::wstring& iName)
{
    ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager)
        return false;
    ServiceHandle service(OpenServiceW(manager, iName.c_str(), SERVICE_QUERY_CONFIG));
    return service != nullptr;
}

void CServiceControl::Install(const std::wstring& iName, const std::wstring& iProgramPath, const wchar_t* iAccount)
{
    if (IsInstalled(iName))
        return;
    const std::wstring quoted = L"\"" + iProgramPath + L"\"";
    ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager)
        throw CAtlException::FromWin32(GetLastError(),
                                       ModuleText(kIdsCouldNotOpenManager, L"Could not open Service Manager"));
    ServiceHandle service(CreateServiceW(manager, iName.c_str(), iName.c_str(), SERVICE_ALL_ACCESS,
                                         SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                                         quoted.c_str(), nullptr, nullptr, L"RPCSS\0", iAccount, nullptr));
    if (!service)
        throw CAtlException::FromWin32(GetLastError(), ModuleText(kIdsCouldNotInstall, L"Could not start service"));
}

void CServiceControl::Uninstall(const std::wstring& iName, const std::function<void(const CAtlException&)>& iWarn)
{
    ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager)
        throw CAtlException::FromWin32(GetLastError(),
                                       ModuleText(kIdsCouldNotOpenManager, L"Could not open Service Manager"));
    ServiceHandle service(OpenServiceW(manager, iName.c_str(), SERVICE_STOP | SERVICE_QUERY_STATUS | DELETE));
    if (!service) {
        DWORD error = GetLastError();
        if (error == ERROR_SERVICE_DOES_NOT_EXIST)
            return;
        throw CAtlException::FromWin32(error, L"Could not open the service " + iName);
    }
    SERVICE_STATUS status{};
    if (ControlService(service, SERVICE_CONTROL_STOP, &status)) {
        WaitUntilStopped(service);
    } else {
        DWORD error = GetLastError();
        if (error != ERROR_SERVICE_NOT_ACTIVE && error != ERROR_SERVICE_CANNOT_ACCEPT_CTRL)
            iWarn(CAtlException::FromWin32(error, L"Could not stop service"));
    }
    if (!DeleteService(service))
        throw CAtlException::FromWin32(GetLastError(), L"Could not delete the service " + iName);
}
