// The activity server's class in a process of its own, for the service's tests:
//   zvservice_fake_server.exe QUANTUM READY-EVENT
// It serves until it is killed and sets the named event once its class is registered.
#include "FakeServer.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    TFakeServerFactory factory;
    factory.script.quantum = std::strtoul(argv[1], nullptr, 10);
    DWORD cookie = 0;
    if (FAILED(CoRegisterClassObject(CLSID_ZorvaneServer, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie)))
        return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (!ready || !SetEvent(ready))
        return 1;
    Sleep(INFINITE);
    return 0;
}
