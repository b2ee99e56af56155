// zvserver: the activity server, run as the service "Zorvane Server" or as a COM local server.
#include "ZorvaneServerModule.h"

#include <csl/TSeTranslatorGuard.h>

static CZorvaneServerModule _AtlModule;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    TSeTranslatorGuard guard;
    return _AtlModule.WinMain();
}
