#pragma once
#include <windows.h>

#include <string>

class ICallerToken;

// BUILTIN\Administrators; freed with FreeSid.
PSID AllocateAdministratorsSid();

// Who may see everything: a caller with an enabled membership of the group given (the
// Administrators). Answers the caller's account ("domain\name") when he is not one of them, or
// an empty text when he is. Fails closed: when the caller's token or account cannot be read,
// the call is denied with E_ACCESSDENIED (raised as a COM error, after a log line).
std::wstring RestrictedCallerAccount(ICallerToken& iTokens, PSID iAdministrators);
