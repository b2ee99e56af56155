#include <csl/ValueConversions.h>
#include <csl/EBadCastException.h>
#include <csl/_time_t.h>
#include <csl/_value_t_data_t.h>

#include <cstdlib>
#include <string>
#include <string.h>

namespace {

template <class T>
const _value_t_data& Required(const _value_t& iValue)
{
    if (iValue.IsEmpty())
        throw EBadCastException(_value_detail::NameOf<T>(), "void");
    return *iValue.GetData();
}

std::string TextOf(const _value_t_data& iData)
{
    std::string text;
    iData.GetString(text, 0);
    return text;
}

template <class Text>
Text Widen(const std::string& iDigits)
{
    return Text(iDigits.begin(), iDigits.end());
}

// Decimal, "true"/"false", or the text itself, in the string type asked for.
template <class Text>
Text ToText(const _value_t& iValue)
{
    const _value_t_data& data = Required<Text>(iValue);
    switch (data.GetVarType()) {
    case VT_INT:
        return Widen<Text>(std::to_string(data.GetInt(0)));
    case VT_UI4:
        return Widen<Text>(std::to_string(data.GetULong(0)));
    case VT_BOOL:
        return Widen<Text>(data.GetBool(0) ? "true" : "false");
    default:
        Text text;
        if constexpr (std::is_same_v<Text, std::string>)
            data.GetString(text, 0);
        else
            data.GetWString(text, 0);
        return text;
    }
}

}  // namespace

std::string ValueToText(const _value_t& iValue)
{
    return ToText<std::string>(iValue);
}

std::wstring ValueToWText(const _value_t& iValue)
{
    return ToText<std::wstring>(iValue);
}

int ValueToInt(const _value_t& iValue)
{
    const _value_t_data& data = Required<int>(iValue);
    switch (data.GetVarType()) {
    case VT_INT:
        return data.GetInt(0);
    case VT_UI4:
        return static_cast<int>(data.GetULong(0));
    case VT_BOOL:
        return data.GetBool(0) ? 1 : 0;
    default:
        return std::atoi(TextOf(data).c_str());
    }
}

unsigned long ValueToULong(const _value_t& iValue)
{
    const _value_t_data& data = Required<unsigned long>(iValue);
    switch (data.GetVarType()) {
    case VT_INT:
        return static_cast<unsigned long>(data.GetInt(0));
    case VT_UI4:
        return data.GetULong(0);
    case VT_BOOL:
        return data.GetBool(0) ? 1 : 0;
    default:
        return std::strtoul(TextOf(data).c_str(), nullptr, 10);
    }
}

bool ParseBoolText(const _value_t& iValue)
{
    const _value_t_data& data = Required<bool>(iValue);
    switch (data.GetVarType()) {
    case VT_INT:
        return data.GetInt(0) != 0;
    case VT_UI4:
        return data.GetULong(0) != 0;
    case VT_BOOL:
        return data.GetBool(0);
    default: {
        const std::string text = TextOf(data);
        return _stricmp(text.c_str(), "true") == 0 || std::atoi(text.c_str()) != 0;
    }
    }
}

_time_t ValueToTime(const _value_t& iValue)
{
    const _value_t_data& data = Required<_time_t>(iValue);
    switch (data.GetVarType()) {
    case VT_INT:
        return _time_t(static_cast<__int64>(data.GetInt(0)));
    case VT_UI4:
        return _time_t(static_cast<__int64>(static_cast<int>(data.GetULong(0))));
    default: {
        _time_t time;
        data.GetTime(time, 0);
        return time;
    }
    }
}
