#include "ComResult.h"

#include <csl/EComException.h>

#include <oleauto.h>

void CheckComResult(HRESULT result)
{
    if (SUCCEEDED(result))
        return;
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK)
        info = nullptr;
    ComErrorHandler(result, info);
}

bool IsTransportFailure(HRESULT result)
{
    switch (static_cast<unsigned long>(result)) {
    case 0x800706BA:  // RPC server unavailable (1722)
    case 0x800706BE:  // remote call failed
    case 0x800706BF:  // remote call failed and did not execute
    case 0x80010105:  // server fault
    case 0x80010108:  // object disconnected from its clients
    case 0x800401FD:  // object not connected to its server
        return true;
    }
    return false;
}
