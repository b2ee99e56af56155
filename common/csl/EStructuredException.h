#pragma once
#include <csl/EGeneric.h>

// A hardware exception (access violation and the like) turned into a C++ one: "Text" (the
// code's name), "Code", "Address", "Parameter0".., then the crash diagnostics, "Stack" last.
class EStructuredException : public EGeneric {
public:
    EStructuredException(DWORD iCode, EXCEPTION_POINTERS* iPointers);
};

// The name of a structured exception code, or empty for a code without one.
std::string StructuredExceptionName(DWORD iCode);
