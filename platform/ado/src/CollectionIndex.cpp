#include "CollectionIndex.h"

#include "AdoError.h"
#include "Variant.h"

namespace ado {

size_t ResolveIndex(const VARIANT& iIndex, size_t iCount, const std::function<long(const std::wstring&)>& iFindByName)
{
    Variant value(iIndex);
    long position = -1;
    std::wstring shown;
    if (value.Type() == VT_BSTR) {
        shown = L"\"" + FromBstr(value.Get().bstrVal) + L"\"";
        position = iFindByName(FromBstr(value.Get().bstrVal));
    } else {
        Variant number = value.ConvertedTo(VT_I4);
        position = number.Get().lVal;
        shown = std::to_wstring(position);
    }
    if (position < 0 || static_cast<size_t>(position) >= iCount) {
        throw AdoError(adErrItemNotFound, L"The collection has no item " + shown);
    }
    return static_cast<size_t>(position);
}

}  // namespace ado
