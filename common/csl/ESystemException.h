#pragma once
#include <csl/EGeneric.h>

// A failed Win32 call: "Code" (the error) and "Text" (the system's text for it).
class ESystemException : public EGeneric {
public:
    explicit ESystemException(DWORD iCode);
};

// Throws an ESystemException for the thread's last error. The failure path of every Win32
// wrapper of the library.
[[noreturn]] void ThrowLastSystemError();

// The system's text for a Win32 error without trailing line breaks; empty when it has none.
std::string FormatSystemMessage(DWORD iCode);
