#include "Variant.h"

#include <cstring>

#include "AdoError.h"

namespace ado {

Variant::Variant(const VARIANT& iValue)
{
    VariantInit(&m_Value);
    CheckResult(VariantCopyInd(&m_Value, const_cast<VARIANT*>(&iValue)), L"Cannot copy the value");
}

Variant Variant::Null()
{
    Variant v;
    v.m_Value.vt = VT_NULL;
    return v;
}

Variant Variant::Int(long iValue)
{
    Variant v;
    v.m_Value.vt = VT_I4;
    v.m_Value.lVal = iValue;
    return v;
}

Variant Variant::Int64(LONGLONG iValue)
{
    Variant v;
    v.m_Value.vt = VT_I8;
    v.m_Value.llVal = iValue;
    return v;
}

Variant Variant::Double(double iValue)
{
    Variant v;
    v.m_Value.vt = VT_R8;
    v.m_Value.dblVal = iValue;
    return v;
}

Variant Variant::Date(DATE iValue)
{
    Variant v;
    v.m_Value.vt = VT_DATE;
    v.m_Value.date = iValue;
    return v;
}

Variant Variant::Bool(bool iValue)
{
    Variant v;
    v.m_Value.vt = VT_BOOL;
    v.m_Value.boolVal = iValue ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Text(const std::wstring& iText)
{
    Variant v;
    v.m_Value.bstrVal = MakeBstr(iText);
    v.m_Value.vt = VT_BSTR;
    return v;
}

Variant Variant::Bytes(const BYTE* iData, size_t iSize)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(iSize));
    if (!array)
        throw std::bad_alloc();
    if (iSize)
        memcpy(array->pvData, iData, iSize);
    Variant v;
    v.m_Value.vt = VT_ARRAY | VT_UI1;
    v.m_Value.parray = array;
    return v;
}

VARIANT* Variant::Receive()
{
    VariantClear(&m_Value);
    return &m_Value;
}

void Variant::CopyTo(VARIANT* oTo) const
{
    CheckPointer(oTo);
    VariantInit(oTo);
    CheckResult(VariantCopy(oTo, const_cast<VARIANT*>(&m_Value)), L"Cannot copy the value");
}

Variant Variant::ConvertedTo(VARTYPE iType) const
{
    Variant result;
    HRESULT hr = VariantChangeTypeEx(result.Receive(), const_cast<VARIANT*>(&m_Value), LOCALE_USER_DEFAULT, 0, iType);
    if (FAILED(hr)) {
        throw AdoError(hr,
                       L"Cannot convert a value of variant type " + std::to_wstring(m_Value.vt) + L" to variant type " +
                           std::to_wstring(iType));
    }
    return result;
}

BSTR MakeBstr(const std::wstring& iText)
{
    BSTR result = SysAllocStringLen(iText.data(), static_cast<UINT>(iText.size()));
    if (!result)
        throw std::bad_alloc();
    return result;
}

std::wstring FromBstr(BSTR iText)
{
    return iText ? std::wstring(iText, SysStringLen(iText)) : std::wstring();
}

std::vector<BYTE> BytesOf(const VARIANT& iValue)
{
    const VARIANT& v = iValue.vt == (VT_BYREF | VT_VARIANT) ? *iValue.pvarVal : iValue;
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

long DataSize(const VARIANT& iValue)
{
    switch (iValue.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return 0;
    case VT_BSTR:
        return static_cast<long>(SysStringByteLen(iValue.bstrVal));
    case VT_ARRAY | VT_UI1:
        return static_cast<long>(iValue.parray->rgsabound[0].cElements);
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
