// zvservice.exe: the per-machine user service.
#include "CZorvaneServiceModule.h"

#include <csl/EComException.h>

static CZorvaneServiceModule _AtlModule;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallComErrorHandler();
    return _AtlModule.WinMain();
}
