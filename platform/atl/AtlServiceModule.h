#pragma once

#include "AtlModule.h"
#include "ObjectMap.h"

#include <string>
#include <vector>

class CAtlException;

// An executable COM server that runs either as a Windows service or as a local server that COM
// starts. It registers itself ("RegServer", "Service"), removes itself ("UnregServer"), and
// serves the classes of its object map in the multithreaded apartment until the service is
// stopped or, as a local server, until its last client has gone.
//
// A program derives its module from this class and supplies the values below.
class CAtlServiceModule : public CAtlModule {
public:
    // The service name is the module's string resource of that id (at most 255 characters).
    explicit CAtlServiceModule(UINT iServiceNameId);
    ~CAtlServiceModule() override;

    // The program's entry: answers -1 when the module cannot start (no service name, no COM),
    // the result of a switch that ended the run, or else the result of StartModule.
    int WinMain();

    // Acts on the first switch ("-" or "/" and a word, any case) and answers false with its
    // result in oResult; answers true when the module should start. "Embedding" and "Automation" (given by
    // COM) start the module; any other word is an error.
    bool ParseCommandLine(const wchar_t* iCommandLine, HRESULT* oResult);

    HRESULT RegisterAppId(bool iAsService);
    HRESULT UnregisterAppId();
    // Registers and removes the object map's classes and the program's type library.
    HRESULT RegisterServer();
    HRESULT UnregisterServer();
    HRESULT Install();

    // Runs as a service when the AppID has "LocalService", else as a local server.
    int StartModule();
    void ServiceMain(DWORD iArgc, LPWSTR* iArgv);
    HRESULT Run();
    HRESULT PreMessageLoop();
    void PostMessageLoop();

    LONG Lock() override;
    LONG Unlock() override;

protected:
    virtual const GUID& GetAppId() const = 0;
    // The AppID key's text, e.g. "ProductServer".
    virtual const wchar_t* GetAppIdName() const = 0;
    virtual const _ATL_OBJMAP_ENTRY* GetObjectMap() const = 0;
    // The account the service runs as; null for LocalSystem.
    virtual const wchar_t* GetServiceAccount() const = 0;
    // The program's own log: each failure the module reports arrives here as one line ending in
    // a line feed.
    virtual void LogMessage(const wchar_t* iLine);
    // Registers the in-process servers the program's interfaces need to cross processes (they
    // may be shared with other programs, so removing the program leaves them registered).
    virtual HRESULT RegisterDependencies() { return S_OK; }
    // After the message loop, while the objects still serve their clients' calls: the program's
    // last work with its clients.
    virtual void BeforeClassObjectsGo() {}

    // Delayed shutdown of a local server: how long the module waits for a new client after the
    // last one left, and how long it pauses after revoking its class objects.
    DWORD m_TimeOut = 5000;
    DWORD m_Pause = 1000;

private:
    struct ClassObject {
        IUnknown* Factory;
        DWORD Cookie;
    };

    static void WINAPI ServiceMainEntry(DWORD iArgc, LPWSTR* iArgv);
    static void WINAPI HandlerEntry(DWORD iControl);
    static DWORD WINAPI MonitorEntry(void* iModule);

    HRESULT Report(const CAtlException& iFailure);
    void Handler(DWORD iControl);
    void SetServiceStatus(DWORD iState);
    HRESULT RegisterClassObjects(DWORD iContext, DWORD iFlags);
    void RevokeClassObjects();
    HRESULT StartMonitor();
    void StopMonitor();
    void MonitorShutdown();
    void RunMessageLoop();
    std::wstring ProgramPath() const;
    std::wstring AppIdKey() const;

    wchar_t m_ServiceName[256] = {};
    UINT m_ServiceNameId;
    bool m_RunsAsService = false;
    bool m_DelayShutdown = true;
    DWORD m_ThreadID;
    SERVICE_STATUS_HANDLE m_ServiceStatus = nullptr;
    SERVICE_STATUS m_Status = {SERVICE_WIN32_OWN_PROCESS, SERVICE_STOPPED, SERVICE_ACCEPT_STOP, 0, 0, 0, 0};
    std::vector<ClassObject> m_ClassObjects;
    HANDLE m_EventShutdown = nullptr;
    HANDLE m_Monitor = nullptr;
    volatile bool m_Activity = false;
    volatile bool m_StopMonitor = false;
};
