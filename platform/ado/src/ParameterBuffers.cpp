#include "ParameterBuffers.h"

#include "DateTime.h"
#include "OdbcFailure.h"

namespace ado {
namespace {

// Longer text and binary values go as long data types, which every driver takes at any size.
constexpr size_t kLongDataSize = 4000;

bool IsMissing(const Variant& value)
{
    return value.IsNull() || value.Type() == VT_ERROR;
}

std::wstring Position(size_t index)
{
    return L"Parameter " + std::to_wstring(index + 1);
}

}  // namespace

ParameterBuffers::Binding ParameterBuffers::Prepare(const BoundValue& parameter, Buffer& buffer)
{
    bool null = IsMissing(parameter.value);
    Binding binding{};
    switch (parameter.type) {
    case adInteger: {
        if (!null) {
            const VARIANT& v = parameter.value.Get();
            buffer.integer =
                v.vt == VT_UI4 ? static_cast<long>(v.ulVal) : parameter.value.ConvertedTo(VT_I4).Get().lVal;
        }
        binding = {SQL_C_SLONG, SQL_INTEGER, 10, 0, &buffer.integer, sizeof buffer.integer};
        break;
    }
    case adDouble:
        if (!null)
            buffer.number = parameter.value.ConvertedTo(VT_R8).Get().dblVal;
        binding = {SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, &buffer.number, sizeof buffer.number};
        break;
    case adDate:
        if (!null)
            buffer.timestamp = ToTimestamp(parameter.value.ConvertedTo(VT_DATE).Get().date);
        binding = {SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 23, 3, &buffer.timestamp, sizeof buffer.timestamp};
        break;
    case adBSTR:
    case adVarWChar:
    case adLongVarWChar: {
        if (!null)
            buffer.text = FromBstr(parameter.value.ConvertedTo(VT_BSTR).Get().bstrVal);
        bool isLong = parameter.type == adLongVarWChar || buffer.text.size() > kLongDataSize;
        binding = {SQL_C_WCHAR,
                   static_cast<SQLSMALLINT>(isLong ? SQL_WLONGVARCHAR : SQL_WVARCHAR),
                   std::max<SQLULEN>(buffer.text.size(), 1),
                   0,
                   &buffer.text[0],
                   static_cast<SQLLEN>(buffer.text.size() * sizeof(wchar_t))};
        break;
    }
    case adBinary:
    case adVarBinary:
    case adLongVarBinary: {
        if (!null)
            buffer.bytes = BytesOf(parameter.value.Get());
        bool isLong = parameter.type == adLongVarBinary || buffer.bytes.size() > kLongDataSize;
        binding = {SQL_C_BINARY,
                   static_cast<SQLSMALLINT>(isLong ? SQL_LONGVARBINARY : SQL_VARBINARY),
                   std::max<SQLULEN>(buffer.bytes.size(), 1),
                   0,
                   buffer.bytes.data(),
                   static_cast<SQLLEN>(buffer.bytes.size())};
        break;
    }
    default:
        throw AdoError(adErrFeatureNotAvailable, L"the type " + std::to_wstring(parameter.type) + L" cannot be bound");
    }
    buffer.indicator = null ? SQL_NULL_DATA : binding.length;
    return binding;
}

void ParameterBuffers::Bind(SQLHSTMT statement, const std::vector<BoundValue>& values, bool sqlite)
{
    buffers_.clear();
    buffers_.resize(values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        Buffer& buffer = buffers_[i];
        Binding binding{};
        try {
            binding = Prepare(values[i], buffer);
        } catch (const AdoError& e) {
            throw AdoError(e.Code(), Position(i) + L": " + e.Text());
        }
        SQLRETURN rc = SQLBindParameter(statement, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, binding.cType,
                                        binding.sqlType, binding.columnSize, binding.digits, binding.data,
                                        binding.length, &buffer.indicator);
        if (!SQL_SUCCEEDED(rc))
            ThrowDiagnostics(SQL_HANDLE_STMT, statement, sqlite, Position(i));
    }
}

}  // namespace ado
