#include <csl/DbQuery/DbFieldToInt.h>

#include <csl/EGeneric.h>
#include <csl/StringUtils.h>

#include <cstdlib>

namespace {

bool TryChangeType(_variant_t& ioValue, VARTYPE iType)
{
    return SUCCEEDED(VariantChangeType(&ioValue, &ioValue, 0, iType));
}

// Unsigned first, then floating point, then the leading digits of its text.
int DecimalToInt(_variant_t& ioValue)
{
    if (TryChangeType(ioValue, VT_UI4))
        return static_cast<int>(ioValue.ulVal);
    if (TryChangeType(ioValue, VT_R8))
        return static_cast<int>(ioValue.dblVal);
    ioValue.ChangeType(VT_BSTR);
    return static_cast<int>(std::strtol(StringFromBstr(ioValue.bstrVal).c_str(), nullptr, 10));
}

int ValueToInt(_variant_t& ioValue)
{
    switch (ioValue.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return 0;
    case VT_I4:
        return ioValue.lVal;
    case VT_R8:
        return static_cast<int>(ioValue.dblVal);
    case VT_DECIMAL:
        return DecimalToInt(ioValue);
    default:
        ioValue.ChangeType(VT_I4);
        return ioValue.lVal;
    }
}

std::string TextOf(const _variant_t& iValue)
{
    _variant_t text;
    if (iValue.vt == VT_NULL || FAILED(VariantChangeType(&text, const_cast<_variant_t*>(&iValue), 0, VT_BSTR)))
        return std::string();
    return StringFromBstr(text.bstrVal);
}

}  // namespace

int DbFieldToInt(Field* iField)
{
    Field* field = AdoRequired(iField);
    _variant_t value;
    AdoCheck(field, field->get_Value(value.GetAddress()));
    try {
        return ValueToInt(value);
    } catch (EGeneric& e) {
        BSTR name = nullptr;
        field->get_Name(&name);
        e.SetProperty("ValueName", StringFromBstr(_bstr_t(name, false)));
        e.SetProperty("Value", TextOf(value));
        e.SetProperty("ConvertFromType", static_cast<int>(value.vt));
        e.SetProperty("ConvertToType", static_cast<int>(VT_UI4));
        throw EGeneric(e);
    }
}
