#include "ServerActivator.h"

#include <zorvane.h>

// Without its own name the monitor still knows "localhost".
TComServerActivator::TComServerActivator()
{
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    if (GetComputerNameW(name, &length))
        m_ComputerName.assign(name, length);
}

HRESULT TComServerActivator::Activate(const CLSID& iClassId, const std::wstring& iServerName, IUnknown** oObject)
{
    *oObject = nullptr;
    COSERVERINFO server = {};
    server.pwszName = const_cast<wchar_t*>(iServerName.c_str());
    MULTI_QI query = {&IID_IZorvane, nullptr, S_OK};
    HRESULT result = CoCreateInstanceEx(iClassId, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
                                        IsThisComputer(iServerName, m_ComputerName) ? nullptr : &server, 1, &query);
    if (SUCCEEDED(result))
        *oObject = query.pItf;
    return result;
}

bool TComServerActivator::IsThisComputer(const std::wstring& iServerName, const std::wstring& iComputerName)
{
    for (const wchar_t* local : {L"", L".", L"localhost", L"127.0.0.1", iComputerName.c_str()})
        if (_wcsicmp(iServerName.c_str(), local) == 0)
            return true;
    return false;
}
