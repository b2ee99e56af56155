#include "DocumentName.h"

std::wstring GetDocumentName(const std::wstring& iTitle)
{
    const size_t separator = iTitle.find(L" - ");
    return separator == std::wstring::npos ? std::wstring() : iTitle.substr(0, separator);
}
