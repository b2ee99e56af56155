#include <csl/TComCallerToken.h>

#include <csl/ESystemException.h>

#include <comdef.h>

namespace {

bool RunsOnWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

HANDLE OwnToken()
{
    HANDLE process = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, &process))
        ThrowLastSystemError();
    HANDLE token = nullptr;
    const BOOL duplicated = DuplicateToken(process, SecurityIdentification, &token);
    const DWORD error = GetLastError();
    CloseHandle(process);
    if (!duplicated)
        throw ESystemException(error);
    return token;
}

HANDLE ClientToken()
{
    const HRESULT impersonated = CoImpersonateClient();
    if (FAILED(impersonated))
        _com_issue_error(impersonated);
    HANDLE token = nullptr;
    const BOOL opened = OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token);
    const DWORD error = GetLastError();
    CoRevertToSelf();
    if (!opened)
        throw ESystemException(error);
    return token;
}

}  // namespace

HANDLE TComCallerToken::OpenCallerToken()
{
    return RunsOnWine() ? OwnToken() : ClientToken();
}
