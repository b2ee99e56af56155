#include <afxdefs.h>

namespace {
HINSTANCE g_resourceHandle = nullptr;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_resourceHandle != nullptr ? g_resourceHandle : GetModuleHandleW(nullptr);
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_resourceHandle = hInstResource;
}
