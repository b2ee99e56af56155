#include "ComResult.h"

#include <csl/EComException.h>

#include <oleauto.h>

void CheckComResult(HRESULT iResult)
{
    if (SUCCEEDED(iResult))
        return;
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK)
        info = nullptr;
    ComErrorHandler(iResult, info);
}
