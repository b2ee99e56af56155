#include "Variant.h"

#include <cstring>

#include "AdoError.h"

namespace ado {

Variant::Variant(const VARIANT& value)
{
    VariantInit(&value_);
    CheckResult(VariantCopyInd(&value_, const_cast<VARIANT*>(&value)), L"Cannot copy the value");
}

Variant Variant::Null()
{
    Variant v;
    v.value_.vt = VT_NULL;
    return v;
}

Variant Variant::Int(long value)
{
    Variant v;
    v.value_.vt = VT_I4;
    v.value_.lVal = value;
    return v;
}

Variant Variant::Int64(LONGLONG value)
{
    Variant v;
    v.value_.vt = VT_I8;
    v.value_.llVal = value;
    return v;
}

Variant Variant::Double(double value)
{
    Variant v;
    v.value_.vt = VT_R8;
    v.value_.dblVal = value;
    return v;
}

Variant Variant::Date(DATE value)
{
    Variant v;
    v.value_.vt = VT_DATE;
    v.value_.date = value;
    return v;
}

Variant Variant::Bool(bool value)
{
    Variant v;
    v.value_.vt = VT_BOOL;
    v.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Text(const std::wstring& text)
{
    Variant v;
    v.value_.bstrVal = MakeBstr(text);
    v.value_.vt = VT_BSTR;
    return v;
}

Variant Variant::Bytes(const BYTE* data, size_t size)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(size));
    if (!array)
        throw std::bad_alloc();
    if (size)
        memcpy(array->pvData, data, size);
    Variant v;
    v.value_.vt = VT_ARRAY | VT_UI1;
    v.value_.parray = array;
    return v;
}

VARIANT* Variant::Receive()
{
    VariantClear(&value_);
    return &value_;
}

void Variant::CopyTo(VARIANT* out) const
{
    CheckPointer(out);
    VariantInit(out);
    CheckResult(VariantCopy(out, const_cast<VARIANT*>(&value_)), L"Cannot copy the value");
}

Variant Variant::ConvertedTo(VARTYPE type) const
{
    Variant result;
    HRESULT hr = VariantChangeTypeEx(result.Receive(), const_cast<VARIANT*>(&value_), LOCALE_USER_DEFAULT, 0, type);
    if (FAILED(hr)) {
        throw AdoError(hr,
                       L"Cannot convert a value of variant type " + std::to_wstring(value_.vt) + L" to variant type " +
                           std::to_wstring(type));
    }
    return result;
}

BSTR MakeBstr(const std::wstring& text)
{
    BSTR result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!result)
        throw std::bad_alloc();
    return result;
}

std::wstring FromBstr(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

std::vector<BYTE> BytesOf(const VARIANT& value)
{
    const VARIANT& v = value.vt == (VT_BYREF | VT_VARIANT) ? *value.pvarVal : value;
    SAFEARRAY* array = v.vt == (VT_ARRAY | VT_UI1) ? v.parray
        : v.vt == (VT_ARRAY | VT_UI1 | VT_BYREF)   ? *v.pparray
                                                   : nullptr;
    if (!array || SafeArrayGetDim(array) != 1) {
        throw AdoError(DISP_E_TYPEMISMATCH,
                       L"Binary data must be a one-dimensional array of bytes, not variant type " +
                           std::to_wstring(v.vt));
    }
    const BYTE* data = static_cast<const BYTE*>(array->pvData);
    return std::vector<BYTE>(data, data + array->rgsabound[0].cElements);
}

long DataSize(const VARIANT& value)
{
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return 0;
    case VT_BSTR:
        return static_cast<long>(SysStringByteLen(value.bstrVal));
    case VT_ARRAY | VT_UI1:
        return static_cast<long>(value.parray->rgsabound[0].cElements);
    case VT_DECIMAL:
        return sizeof(DECIMAL);
    case VT_BOOL:
    case VT_I2:
        return 2;
    case VT_I4:
    case VT_R4:
        return 4;
    default:
        return 8;
    }
}

}  // namespace ado
