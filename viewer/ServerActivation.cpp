#include "ServerActivation.h"

namespace {

bool IsThisComputer(LPCWSTR iComputer)
{
    wchar_t own[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = ARRAYSIZE(own);
    GetComputerNameW(own, &length);
    return _wcsicmp(iComputer, L"localhost") == 0 || wcscmp(iComputer, L".") == 0 || _wcsicmp(iComputer, own) == 0;
}

SmartPtr<IServerActivation>& Current()
{
    static SmartPtr<IServerActivation> sActivation(new TComServerActivation);
    return sActivation;
}

}  // namespace

HRESULT TComServerActivation::Activate(LPCWSTR iComputer, IZorvane** oServer)
{
    *oServer = nullptr;
    COSERVERINFO info = {0, const_cast<LPWSTR>(iComputer), nullptr, 0};
    MULTI_QI result = {&IID_IZorvane, nullptr, S_OK};
    HRESULT hr = CoCreateInstanceEx(CLSID_ZorvaneServer, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
                                    IsThisComputer(iComputer) ? nullptr : &info, 1, &result);
    if (SUCCEEDED(hr))
        hr = result.hr;
    if (SUCCEEDED(hr))
        *oServer = static_cast<IZorvane*>(result.pItf);
    return hr;
}

IServerActivation& ServerActivation()
{
    return *Current();
}

void SetServerActivation(const SmartPtr<IServerActivation>& iActivation)
{
    Current() = iActivation;
}
