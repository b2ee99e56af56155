#pragma once
#include <windows.h>

class ICallerToken;

// Who may see what: a caller outside the Administrators group (an enabled membership of the
// caller's token) sees only his own activity. Fails closed: when the caller's token or account
// cannot be read, the call is denied with E_ACCESSDENIED.
class TCallerCheck {
public:
    TCallerCheck(ICallerToken& iTokens, PSID iAdministrators) : m_Tokens(iTokens), m_Administrators(iAdministrators) {}

    // True when the caller is restricted; oUserId is then his UserInfo ID (a new account gets
    // its row now, on the thread's current connection).
    bool CheckCaller(unsigned long& oUserId);

private:
    ICallerToken& m_Tokens;
    PSID m_Administrators;
};
