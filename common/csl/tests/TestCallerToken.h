#pragma once
#include <csl/CallerAccount.h>
#include <csl/ESystemException.h>
#include <csl/ICallerToken.h>

#include <gtest/gtest.h>

// A caller token for the caller checks: the test process's own, with Administrators made
// deny-only when the caller is to be a plain user; or none at all.
class TTestCallerToken : public ICallerToken {
public:
    enum TKind {
        Administrator,
        PlainUser,
        Unreadable
    };
    explicit TTestCallerToken(TKind iKind) : m_Kind(iKind) {}

    HANDLE OpenCallerToken() override
    {
        if (m_Kind == Unreadable)
            throw ESystemException(ERROR_NO_TOKEN);
        HANDLE process = nullptr, restricted = nullptr, token = nullptr;
        EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &process));
        HANDLE source = process;
        if (m_Kind == PlainUser) {
            PSID administrators = AllocateAdministratorsSid();
            SID_AND_ATTRIBUTES disabled = {administrators, 0};
            EXPECT_TRUE(CreateRestrictedToken(process, 0, 1, &disabled, 0, nullptr, 0, nullptr, &restricted));
            FreeSid(administrators);
            source = restricted;
        }
        EXPECT_TRUE(DuplicateToken(source, SecurityIdentification, &token));
        CloseHandle(process);
        if (restricted)
            CloseHandle(restricted);
        return token;
    }

private:
    TKind m_Kind;
};
