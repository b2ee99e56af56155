#pragma once
#include <csl/EGeneric.h>

// An operation that must not be called: "Text" = "Not implemented", "SourceFile",
// "SourceLine", "Function".
class ENotImplemented : public EGeneric {
public:
    ENotImplemented(const std::string& iSourceFile, int iSourceLine, const std::string& iFunction);
};
