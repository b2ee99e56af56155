#include "ErrorObject.h"

#include "CollectionIndex.h"
#include "Variant.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Error";

HRESULT TextOut(const std::wstring& text, BSTR* out)
{
    return Guard(kSource, [&] {
        CheckPointer(out);
        *out = MakeBstr(text);
    });
}

HRESULT NumberOut(long number, long* out)
{
    return Guard(kSource, [&] {
        CheckPointer(out);
        *out = number;
    });
}

}  // namespace

HRESULT ErrorObject::get_Number(long* number)
{
    return NumberOut(record_.number, number);
}
HRESULT ErrorObject::get_Source(BSTR* source)
{
    return TextOut(record_.source, source);
}
HRESULT ErrorObject::get_Description(BSTR* description)
{
    return TextOut(record_.description, description);
}
HRESULT ErrorObject::get_HelpFile(BSTR* file)
{
    return TextOut(std::wstring(), file);
}
HRESULT ErrorObject::get_HelpContext(long* context)
{
    return NumberOut(0, context);
}
HRESULT ErrorObject::get_SQLState(BSTR* state)
{
    return TextOut(record_.sqlState, state);
}
HRESULT ErrorObject::get_NativeError(long* error)
{
    return NumberOut(record_.nativeError, error);
}

HRESULT ErrorsCollection::get_Count(long* count)
{
    return NumberOut(static_cast<long>(records_.size()), count);
}

HRESULT ErrorsCollection::get_Item(VARIANT index, Error** error)
{
    return Guard(L"PlatformADO.Errors", [&] {
        CheckPointer(error);
        *error = nullptr;
        size_t position = ResolveIndex(index, records_.size(), [](const std::wstring&) { return -1L; });
        *error = Make<ErrorObject>(records_[position]).Detach();
    });
}

}  // namespace ado
