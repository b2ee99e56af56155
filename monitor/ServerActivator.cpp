#include "ServerActivator.h"

#include <zorvane.h>

// Without its own name the monitor still knows "localhost".
TComServerActivator::TComServerActivator()
{
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    if (GetComputerNameW(name, &length))
        computerName_.assign(name, length);
}

HRESULT TComServerActivator::Activate(const CLSID& classId, const std::wstring& serverName, IUnknown** object)
{
    *object = nullptr;
    COSERVERINFO server = {};
    server.pwszName = const_cast<wchar_t*>(serverName.c_str());
    MULTI_QI query = {&IID_IZorvane, nullptr, S_OK};
    HRESULT result = CoCreateInstanceEx(classId, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
                                        IsThisComputer(serverName, computerName_) ? nullptr : &server, 1, &query);
    if (SUCCEEDED(result))
        *object = query.pItf;
    return result;
}

bool TComServerActivator::IsThisComputer(const std::wstring& serverName, const std::wstring& computerName)
{
    for (const wchar_t* local : {L"", L".", L"localhost", L"127.0.0.1", computerName.c_str()})
        if (_wcsicmp(serverName.c_str(), local) == 0)
            return true;
    return false;
}
