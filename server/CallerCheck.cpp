#include "CallerCheck.h"

#include "NameTables.h"

#include <csl/CallerAccount.h>

#include <comdef.h>

bool TCallerCheck::CheckCaller(unsigned long& oUserId)
{
    const std::wstring account = RestrictedCallerAccount(m_Tokens, m_Administrators);
    if (account.empty())
        return false;
    oUserId = static_cast<unsigned long>(GetUserId(_bstr_t(account.c_str())));
    return true;
}
