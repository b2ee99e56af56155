#include <csl/CallerAccount.h>

#include <csl/ESystemException.h>
#include <csl/ICallerToken.h>
#include <csl/TDebugStream.h>
#include <csl/THandle.h>

#include <comdef.h>

#include <vector>

namespace {

bool IsMember(HANDLE iToken, PSID iGroup)
{
    BOOL member = FALSE;
    if (!CheckTokenMembership(iToken, iGroup, &member))
        ThrowLastSystemError();
    return member != FALSE;
}

// "domain\name" of the token's user.
std::wstring AccountName(HANDLE iToken)
{
    DWORD size = 0;
    GetTokenInformation(iToken, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size ? size : 1);
    if (!GetTokenInformation(iToken, TokenUser, buffer.data(), size, &size))
        ThrowLastSystemError();
    const PSID user = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
    wchar_t name[256], domain[256];
    DWORD nameLength = 256, domainLength = 256;
    SID_NAME_USE use;
    if (!LookupAccountSidW(nullptr, user, name, &nameLength, domain, &domainLength, &use))
        ThrowLastSystemError();
    return std::wstring(domain) + L"\\" + name;
}

}  // namespace

PSID AllocateAdministratorsSid()
{
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID sid = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                                  0, &sid))
        ThrowLastSystemError();
    return sid;
}

std::wstring RestrictedCallerAccount(ICallerToken& iTokens, PSID iAdministrators)
{
    try {
        THandle token(iTokens.OpenCallerToken());
        if (IsMember(token.GetHandle(), iAdministrators))
            return std::wstring();
        return AccountName(token.GetHandle());
    } catch (const std::exception& e) {
        DebugLog() << "(!) The caller cannot be identified: " << e << "\n";
        _com_issue_error(E_ACCESSDENIED);
    }
}
