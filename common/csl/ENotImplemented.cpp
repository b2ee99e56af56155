#include <csl/ENotImplemented.h>

ENotImplemented::ENotImplemented(const std::string& iSourceFile, int iSourceLine, const std::string& iFunction)
    : EGeneric({{"Text", "Not implemented"},
                {"SourceFile", iSourceFile},
                {"SourceLine", iSourceLine},
                {"Function", iFunction}})
{
}
