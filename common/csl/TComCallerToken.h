#pragma once
#include <csl/ICallerToken.h>

// The token of the client of the current COM call, through impersonation. Under Wine a call
// has no client context and every process of a prefix runs as one account, so there the
// server's own token stands for the caller's.
class TComCallerToken : public ICallerToken {
public:
    HANDLE OpenCallerToken() override;
};
