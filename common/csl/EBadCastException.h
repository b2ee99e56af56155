#pragma once
#include <csl/EGeneric.h>

#include <typeinfo>

// An impossible conversion of a typed value: "Text" = "Bad cast", "From", "To".
class EBadCastException : public EGeneric {
public:
    EBadCastException(const std::type_info& iTo, const std::type_info& iFrom);
    // Readable type names, as ReadableTypeName spells them ("void" for an empty value).
    EBadCastException(const std::string& iTo, const std::string& iFrom);
};
