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
