#include "OdbcStatement.h"

#include "DateTime.h"
#include "OdbcFailure.h"
#include "ParameterBuffers.h"

namespace ado {
namespace {

constexpr SQLLEN kChunkBytes = 8192;

struct ColumnKind {
    DataTypeEnum type;
    long attributes;
};

ColumnKind KindOf(SQLSMALLINT sqlType)
{
    switch (sqlType) {
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

}  // namespace

OdbcStatement::OdbcStatement(SQLHDBC connection, bool sqlite) : sqlite_(sqlite)
{
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle_))) {
        ThrowDiagnostics(SQL_HANDLE_DBC, connection, sqlite, L"Cannot create a statement");
    }
}

OdbcStatement::~OdbcStatement()
{
    SQLFreeHandle(SQL_HANDLE_STMT, handle_);
}

void OdbcStatement::Check(SQLRETURN rc, const std::wstring& context) const
{
    if (!SQL_SUCCEEDED(rc))
        ThrowDiagnostics(SQL_HANDLE_STMT, handle_, sqlite_, context);
}

StatementResult OdbcStatement::Execute(const std::wstring& sql, const std::vector<BoundValue>& parameters,
                                       bool readRecords)
{
    ParameterBuffers buffers;
    buffers.Bind(handle_, parameters, sqlite_);
    SQLRETURN rc = SQLExecDirectW(handle_, reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(sql.c_str())), SQL_NTS);
    StatementResult result;
    if (rc == SQL_NO_DATA) {
        result.recordsAffected = 0;
        return result;
    }
    Check(rc, L"The statement failed");
    SQLLEN rows = -1;
    Check(SQLRowCount(handle_, &rows), L"Cannot read the number of records affected");
    result.recordsAffected = static_cast<long>(rows);
    SQLSMALLINT columns = 0;
    Check(SQLNumResultCols(handle_, &columns), L"Cannot read the result's columns");
    if (readRecords && columns > 0)
        result.table = ReadTable(columns);
    return result;
}

std::shared_ptr<RecordTable> OdbcStatement::ReadTable(SQLSMALLINT columnCount)
{
    auto table = std::make_shared<RecordTable>();
    for (SQLUSMALLINT i = 1; i <= columnCount; ++i) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        Check(SQLDescribeColW(handle_, i, name, sizeof name / sizeof *name, &nameLength, &sqlType, &size, &digits,
                              &nullable),
              L"Cannot describe column " + std::to_wstring(i));
        ColumnKind kind = KindOf(sqlType);
        ColumnInfo column;
        column.name = reinterpret_cast<wchar_t*>(name);
        column.type = kind.type;
        column.definedSize = static_cast<long>(size);
        column.attributes = kind.attributes;
        if (nullable != SQL_NO_NULLS)
            column.attributes |= adFldIsNullable | adFldMayBeNull;
        table->columns.push_back(column);
    }
    for (;;) {
        SQLRETURN rc = SQLFetch(handle_);
        if (rc == SQL_NO_DATA)
            break;
        Check(rc, L"Cannot read the next record");
        for (SQLUSMALLINT i = 1; i <= columnCount; ++i) {
            table->values.push_back(ReadValue(i, table->columns[i - 1].type));
        }
    }
    return table;
}

Variant OdbcStatement::ReadValue(SQLUSMALLINT column, DataTypeEnum type)
{
    switch (type) {
    case adInteger:
    case adBoolean: {
        SQLINTEGER value = 0;
        if (!ReadFixed(column, SQL_C_SLONG, &value, sizeof value))
            return Variant::Null();
        return type == adBoolean ? Variant::Bool(value != 0) : Variant::Int(value);
    }
    case adBigInt: {
        SQLBIGINT value = 0;
        return ReadFixed(column, SQL_C_SBIGINT, &value, sizeof value) ? Variant::Int64(value) : Variant::Null();
    }
    case adDouble: {
        double value = 0;
        return ReadFixed(column, SQL_C_DOUBLE, &value, sizeof value) ? Variant::Double(value) : Variant::Null();
    }
    case adDate: {
        SQL_TIMESTAMP_STRUCT value{};
        return ReadFixed(column, SQL_C_TYPE_TIMESTAMP, &value, sizeof value) ? Variant::Date(FromTimestamp(value))
                                                                             : Variant::Null();
    }
    case adNumeric: {
        Variant text = ReadText(column);
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
        return ReadBytes(column);
    default:
        return ReadText(column);
    }
}

bool OdbcStatement::ReadFixed(SQLUSMALLINT column, SQLSMALLINT cType, void* buffer, SQLLEN size)
{
    SQLLEN indicator = 0;
    Check(SQLGetData(handle_, column, cType, buffer, size, &indicator),
          L"Cannot read column " + std::to_wstring(column));
    return indicator != SQL_NULL_DATA;
}

template <class Unit>
bool OdbcStatement::ReadPieces(SQLUSMALLINT column, SQLSMALLINT cType, std::vector<Unit>& value)
{
    Unit chunk[kChunkBytes / sizeof(Unit)];
    // The driver ends each piece of text with a terminator of its own.
    const size_t capacity = sizeof chunk / sizeof *chunk - (cType == SQL_C_WCHAR ? 1 : 0);
    for (;;) {
        SQLLEN indicator = 0;
        SQLRETURN rc = SQLGetData(handle_, column, cType, chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA)
            return true;
        Check(rc, L"Cannot read column " + std::to_wstring(column));
        if (indicator == SQL_NULL_DATA)
            return false;
        size_t got = indicator == SQL_NO_TOTAL ? capacity : std::min<size_t>(indicator / sizeof(Unit), capacity);
        value.insert(value.end(), chunk, chunk + got);
        if (rc == SQL_SUCCESS)
            return true;
    }
}

Variant OdbcStatement::ReadText(SQLUSMALLINT column)
{
    std::vector<wchar_t> text;
    if (!ReadPieces(column, SQL_C_WCHAR, text))
        return Variant::Null();
    return Variant::Text(std::wstring(text.begin(), text.end()));
}

Variant OdbcStatement::ReadBytes(SQLUSMALLINT column)
{
    std::vector<BYTE> bytes;
    if (!ReadPieces(column, SQL_C_BINARY, bytes))
        return Variant::Null();
    return Variant::Bytes(bytes.data(), bytes.size());
}

}  // namespace ado
