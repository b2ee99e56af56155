#include "ParameterBuffers.h"

#include "DateTime.h"
#include "OdbcFailure.h"

namespace ado {
namespace {

// Longer text and binary values go as long data types, which every driver takes at any size.
constexpr size_t kLongDataSize = 4000;

bool IsMissing(const Variant& iValue)
{
    return iValue.IsNull() || iValue.Type() == VT_ERROR;
}

std::wstring Position(size_t iIndex)
{
    return L"Parameter " + std::to_wstring(iIndex + 1);
}

}  // namespace

ParameterBuffers::Binding ParameterBuffers::Prepare(const BoundValue& iParameter, Buffer& ioBuffer)
{
    bool null = IsMissing(iParameter.Value);
    Binding binding{};
    switch (iParameter.Type) {
    case adInteger: {
        if (!null) {
            const VARIANT& v = iParameter.Value.Get();
            ioBuffer.Integer =
                v.vt == VT_UI4 ? static_cast<long>(v.ulVal) : iParameter.Value.ConvertedTo(VT_I4).Get().lVal;
        }
        binding = {SQL_C_SLONG, SQL_INTEGER, 10, 0, &ioBuffer.Integer, sizeof ioBuffer.Integer};
        break;
    }
    case adDouble:
        if (!null)
            ioBuffer.Number = iParameter.Value.ConvertedTo(VT_R8).Get().dblVal;
        binding = {SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, &ioBuffer.Number, sizeof ioBuffer.Number};
        break;
    case adDate:
        if (!null)
            ioBuffer.Timestamp = ToTimestamp(iParameter.Value.ConvertedTo(VT_DATE).Get().date);
        binding = {SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 23, 3, &ioBuffer.Timestamp, sizeof ioBuffer.Timestamp};
        break;
    case adBSTR:
    case adVarWChar:
    case adLongVarWChar: {
        if (!null)
            ioBuffer.Text = FromBstr(iParameter.Value.ConvertedTo(VT_BSTR).Get().bstrVal);
        bool isLong = iParameter.Type == adLongVarWChar || ioBuffer.Text.size() > kLongDataSize;
        binding = {SQL_C_WCHAR,
                   static_cast<SQLSMALLINT>(isLong ? SQL_WLONGVARCHAR : SQL_WVARCHAR),
                   std::max<SQLULEN>(ioBuffer.Text.size(), 1),
                   0,
                   &ioBuffer.Text[0],
                   static_cast<SQLLEN>(ioBuffer.Text.size() * sizeof(wchar_t))};
        break;
    }
    case adBinary:
    case adVarBinary:
    case adLongVarBinary: {
        if (!null)
            ioBuffer.Bytes = BytesOf(iParameter.Value.Get());
        bool isLong = iParameter.Type == adLongVarBinary || ioBuffer.Bytes.size() > kLongDataSize;
        binding = {SQL_C_BINARY,
                   static_cast<SQLSMALLINT>(isLong ? SQL_LONGVARBINARY : SQL_VARBINARY),
                   std::max<SQLULEN>(ioBuffer.Bytes.size(), 1),
                   0,
                   ioBuffer.Bytes.data(),
                   static_cast<SQLLEN>(ioBuffer.Bytes.size())};
        break;
    }
    default:
        throw AdoError(adErrFeatureNotAvailable, L"the type " + std::to_wstring(iParameter.Type) + L" cannot be bound");
    }
    ioBuffer.Indicator = null ? SQL_NULL_DATA : binding.Length;
    return binding;
}

void ParameterBuffers::Bind(SQLHSTMT iStatement, const std::vector<BoundValue>& iValues, bool iSqlite)
{
    m_Buffers.clear();
    m_Buffers.resize(iValues.size());
    for (size_t i = 0; i < iValues.size(); ++i) {
        Buffer& buffer = m_Buffers[i];
        Binding binding{};
        try {
            binding = Prepare(iValues[i], buffer);
        } catch (const AdoError& e) {
            throw AdoError(e.Code(), Position(i) + L": " + e.Text());
        }
        SQLRETURN rc = SQLBindParameter(iStatement, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, binding.CType,
                                        binding.SqlType, binding.ColumnSize, binding.Digits, binding.Data,
                                        binding.Length, &buffer.Indicator);
        if (!SQL_SUCCEEDED(rc))
            ThrowDiagnostics(SQL_HANDLE_STMT, iStatement, iSqlite, Position(i));
    }
}

}  // namespace ado
