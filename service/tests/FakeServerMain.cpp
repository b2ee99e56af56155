// The activity server's class in a process of its own, for the service's tests:
//   zvservice_fake_server.exe QUANTUM EVENT
// It sets the named event EVENT once its class is registered, and serves until the event
// EVENT + "Stop" is set. It wants to know more about the program "x".
#include "FakeServer.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    TFakeServerFactory factory;
    factory.script.quantum = std::strtoul(argv[1], nullptr, 10);
    factory.script.askFor.insert(L"x");
    DWORD cookie = 0;
    if (FAILED(CoRegisterClassObject(CLSID_ZorvaneServer, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie)))
        return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, (std::string(argv[2]) + "Stop").c_str());
    if (!ready || !stop || !SetEvent(ready))
        return 1;
    WaitForSingleObject(stop, INFINITE);
    CoRevokeClassObject(cookie);
    CoUninitialize();
    return 0;
}
