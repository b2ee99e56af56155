#include <csl/DbQuery/DbFieldToInt.h>

#include <csl/EGeneric.h>
#include <csl/StringUtils.h>

#include <cstdint>
#include <cstdlib>

namespace {

bool TryChangeType(_variant_t& ioValue, VARTYPE iType)
{
    return SUCCEEDED(VariantChangeType(&ioValue, &ioValue, 0, iType));
}

uint32_t Truncated(double iValue)
{
    return static_cast<uint32_t>(static_cast<int64_t>(iValue));
}

// Unsigned first, then floating point, then the leading digits of its text.
uint32_t DecimalBits(_variant_t& ioValue)
{
    if (TryChangeType(ioValue, VT_UI4))
        return ioValue.ulVal;
    if (TryChangeType(ioValue, VT_R8))
        return Truncated(ioValue.dblVal);
    ioValue.ChangeType(VT_BSTR);
    return static_cast<uint32_t>(std::strtol(StringFromBstr(ioValue.bstrVal).c_str(), nullptr, 10));
}

// The 32 bits of the value; iOtherType (VT_I4 or VT_UI4) takes the types not named here.
uint32_t ValueBits(_variant_t& ioValue, VARTYPE iOtherType)
{
    switch (ioValue.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return 0;
    case VT_I4:
        return static_cast<uint32_t>(ioValue.lVal);
    case VT_R8:
        return Truncated(ioValue.dblVal);
    case VT_DECIMAL:
        return DecimalBits(ioValue);
    default:
        ioValue.ChangeType(iOtherType);
        return ioValue.ulVal;
    }
}

std::string TextOf(const _variant_t& iValue)
{
    _variant_t text;
    if (iValue.vt == VT_NULL || FAILED(VariantChangeType(&text, const_cast<_variant_t*>(&iValue), 0, VT_BSTR)))
        return std::string();
    return StringFromBstr(text.bstrVal);
}

uint32_t FieldBits(Field* iField, VARTYPE iOtherType)
{
    Field* field = AdoRequired(iField);
    _variant_t value;
    AdoCheck(field, field->get_Value(value.GetAddress()));
    try {
        return ValueBits(value, iOtherType);
    } catch (EGeneric& e) {
        BSTR name = nullptr;
        field->get_Name(&name);
        e.SetProperty("ValueName", StringFromBstr(_bstr_t(name, false)));
        e.SetProperty("Value", TextOf(value));
        e.SetProperty("ConvertFromType", static_cast<int>(value.vt));
        e.SetProperty("ConvertToType", static_cast<int>(VT_UI4));
        // The exception itself, not a copy: a COM error stays one for callers that catch those.
        throw;
    }
}

}  // namespace

int DbFieldToInt(Field* iField)
{
    return static_cast<int>(FieldBits(iField, VT_I4));
}

unsigned long DbFieldAsULong(Field* iField)
{
    return FieldBits(iField, VT_UI4);
}
