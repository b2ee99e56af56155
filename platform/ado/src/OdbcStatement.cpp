#include "OdbcStatement.h"

#include "DateTime.h"
#include "OdbcFailure.h"
#include "ParameterBuffers.h"

#include <climits>

namespace ado {
namespace {

constexpr SQLLEN kChunkBytes = 8192;

struct ColumnKind {
    DataTypeEnum Type;
    long Attributes;
};

ColumnKind KindOf(SQLSMALLINT iSqlType)
{
    switch (iSqlType) {
    case SQL_INTEGER:
    case SQL_SMALLINT:
    case SQL_TINYINT:
        return {adInteger, adFldFixed};
    case SQL_BIT:
        return {adBoolean, adFldFixed};
    case SQL_BIGINT:
        return {adBigInt, adFldFixed};
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return {adDouble, adFldFixed};
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return {adNumeric, adFldFixed};
    case SQL_DATE:
    case SQL_TIME:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
        return {adDate, adFldFixed};
    case SQL_BINARY:
        return {adBinary, 0};
    case SQL_VARBINARY:
        return {adVarBinary, 0};
    case SQL_LONGVARBINARY:
        return {adLongVarBinary, adFldLong};
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR:
        return {adLongVarWChar, adFldLong};
    default:
        return {adVarWChar, 0};
    }
}

bool FitsLong(SQLBIGINT iValue)
{
    return iValue >= LONG_MIN && iValue <= LONG_MAX;
}

}  // namespace

OdbcStatement::OdbcStatement(SQLHDBC iConnection, bool iSqlite) : m_Sqlite(iSqlite)
{
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, iConnection, &m_Handle))) {
        ThrowDiagnostics(SQL_HANDLE_DBC, iConnection, iSqlite, L"Cannot create a statement");
    }
}

OdbcStatement::~OdbcStatement()
{
    SQLFreeHandle(SQL_HANDLE_STMT, m_Handle);
}

void OdbcStatement::Check(SQLRETURN iRc, const std::wstring& iContext) const
{
    if (!SQL_SUCCEEDED(iRc))
        ThrowDiagnostics(SQL_HANDLE_STMT, m_Handle, m_Sqlite, iContext);
}

StatementResult OdbcStatement::Execute(const std::wstring& iSql, const std::vector<BoundValue>& iParameters,
                                       bool iReadRecords)
{
    ParameterBuffers buffers;
    buffers.Bind(m_Handle, iParameters, m_Sqlite);
    SQLRETURN rc = SQLExecDirectW(m_Handle, reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(iSql.c_str())), SQL_NTS);
    StatementResult result;
    if (rc == SQL_NO_DATA) {
        result.RecordsAffected = 0;
        return result;
    }
    Check(rc, L"The statement failed");
    SQLLEN rows = -1;
    Check(SQLRowCount(m_Handle, &rows), L"Cannot read the number of records affected");
    result.RecordsAffected = static_cast<long>(rows);
    SQLSMALLINT columns = 0;
    Check(SQLNumResultCols(m_Handle, &columns), L"Cannot read the result's columns");
    if (iReadRecords && columns > 0)
        result.Table = ReadTable(columns);
    return result;
}

std::shared_ptr<RecordTable> OdbcStatement::ReadTable(SQLSMALLINT iColumnCount)
{
    auto table = std::make_shared<RecordTable>();
    for (SQLUSMALLINT i = 1; i <= iColumnCount; ++i) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        Check(SQLDescribeColW(m_Handle, i, name, sizeof name / sizeof *name, &nameLength, &sqlType, &size, &digits,
                              &nullable),
              L"Cannot describe column " + std::to_wstring(i));
        ColumnKind kind = KindOf(sqlType);
        ColumnInfo column;
        column.Name = reinterpret_cast<wchar_t*>(name);
        column.Type = kind.Type;
        column.DefinedSize = static_cast<long>(size);
        column.Attributes = kind.Attributes;
        if (nullable != SQL_NO_NULLS)
            column.Attributes |= adFldIsNullable | adFldMayBeNull;
        table->Columns.push_back(column);
    }
    for (;;) {
        SQLRETURN rc = SQLFetch(m_Handle);
        if (rc == SQL_NO_DATA)
            break;
        Check(rc, L"Cannot read the next record");
        for (SQLUSMALLINT i = 1; i <= iColumnCount; ++i) {
            table->Values.push_back(ReadValue(i, table->Columns[i - 1].Type));
        }
    }
    return table;
}

Variant OdbcStatement::ReadValue(SQLUSMALLINT iColumn, DataTypeEnum iType)
{
    switch (iType) {
    case adInteger:
    case adBoolean: {
        // SQLite calls every integer, SUM() over a column too, a 32-bit one, whatever its size.
        SQLBIGINT value = 0;
        if (!ReadFixed(iColumn, SQL_C_SBIGINT, &value, sizeof value))
            return Variant::Null();
        if (iType == adBoolean)
            return Variant::Bool(value != 0);
        return FitsLong(value) ? Variant::Int(static_cast<long>(value)) : Variant::Int64(value);
    }
    case adBigInt: {
        SQLBIGINT value = 0;
        return ReadFixed(iColumn, SQL_C_SBIGINT, &value, sizeof value) ? Variant::Int64(value) : Variant::Null();
    }
    case adDouble: {
        double value = 0;
        return ReadFixed(iColumn, SQL_C_DOUBLE, &value, sizeof value) ? Variant::Double(value) : Variant::Null();
    }
    case adDate: {
        SQL_TIMESTAMP_STRUCT value{};
        return ReadFixed(iColumn, SQL_C_TYPE_TIMESTAMP, &value, sizeof value) ? Variant::Date(FromTimestamp(value))
                                                                              : Variant::Null();
    }
    case adNumeric: {
        Variant text = ReadText(iColumn);
        if (text.IsNull())
            return text;
        Variant number;
        VARIANT* out = number.Receive();
        CheckResult(VarDecFromStr(text.Get().bstrVal, LOCALE_INVARIANT, 0, &out->decVal),
                    L"Cannot read a decimal value");
        out->vt = VT_DECIMAL;
        return number;
    }
    case adBinary:
    case adVarBinary:
    case adLongVarBinary:
        return ReadBytes(iColumn);
    default:
        return ReadText(iColumn);
    }
}

bool OdbcStatement::ReadFixed(SQLUSMALLINT iColumn, SQLSMALLINT iCType, void* oBuffer, SQLLEN iSize)
{
    SQLLEN indicator = 0;
    Check(SQLGetData(m_Handle, iColumn, iCType, oBuffer, iSize, &indicator),
          L"Cannot read column " + std::to_wstring(iColumn));
    return indicator != SQL_NULL_DATA;
}

template <class Unit>
bool OdbcStatement::ReadPieces(SQLUSMALLINT iColumn, SQLSMALLINT iCType, std::vector<Unit>& oValue)
{
    Unit chunk[kChunkBytes / sizeof(Unit)];
    // The driver ends each piece of text with a terminator of its own.
    const size_t capacity = sizeof chunk / sizeof *chunk - (iCType == SQL_C_WCHAR ? 1 : 0);
    for (;;) {
        SQLLEN indicator = 0;
        SQLRETURN rc = SQLGetData(m_Handle, iColumn, iCType, chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA)
            return true;
        Check(rc, L"Cannot read column " + std::to_wstring(iColumn));
        if (indicator == SQL_NULL_DATA)
            return false;
        size_t got = indicator == SQL_NO_TOTAL ? capacity : std::min<size_t>(indicator / sizeof(Unit), capacity);
        oValue.insert(oValue.end(), chunk, chunk + got);
        if (rc == SQL_SUCCESS)
            return true;
    }
}

Variant OdbcStatement::ReadText(SQLUSMALLINT iColumn)
{
    std::vector<wchar_t> text;
    if (!ReadPieces(iColumn, SQL_C_WCHAR, text))
        return Variant::Null();
    return Variant::Text(std::wstring(text.begin(), text.end()));
}

Variant OdbcStatement::ReadBytes(SQLUSMALLINT iColumn)
{
    std::vector<BYTE> bytes;
    if (!ReadPieces(iColumn, SQL_C_BINARY, bytes))
        return Variant::Null();
    return Variant::Bytes(bytes.data(), bytes.size());
}

}  // namespace ado
