#include <csl/EBadCastException.h>
#include <csl/TypeName.h>

EBadCastException::EBadCastException(const std::type_info& iTo, const std::type_info& iFrom)
    : EBadCastException(ReadableTypeName(iTo), ReadableTypeName(iFrom))
{
}

EBadCastException::EBadCastException(const std::string& iTo, const std::string& iFrom)
    : EGeneric({{"Text", "Bad cast"}, {"From", iFrom}, {"To", iTo}})
{
}
