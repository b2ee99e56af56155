#pragma once
#include <windows.h>

// Where the caller check gets the token of the client of the current call.
class ICallerToken {
public:
    virtual ~ICallerToken() = default;
    // An impersonation token of the caller with query access; the caller closes it. Throws
    // when the token cannot be had.
    virtual HANDLE OpenCallerToken() = 0;
};
