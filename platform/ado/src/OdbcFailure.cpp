#include "OdbcFailure.h"

#include <sqlext.h>

namespace ado {
namespace {

constexpr HRESULT kErrorsInCommand = static_cast<HRESULT>(0x80040E14);
constexpr HRESULT kIntegrityViolation = static_cast<HRESULT>(0x80040E2F);
// SQLite result codes for a database file that can no longer be read or written. A file
// replaced under an open connection makes every write of that connection fail as read-only;
// a new connection sees the new file.
constexpr long kSqliteReadOnly = 8;
constexpr long kSqliteIoError = 10;
constexpr long kSqliteCannotOpen = 14;
constexpr long kSqliteNotADatabase = 26;
constexpr long kSqliteConstraint = 19;

std::vector<ErrorRecord> ReadRecords(SQLSMALLINT handleType, SQLHANDLE handle, bool sqlite)
{
    std::vector<ErrorRecord> records;
    for (SQLSMALLINT index = 1;; ++index) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(handleType, handle, index, state, &native, message,
                                      sizeof message / sizeof *message, &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        ErrorRecord record;
        record.sqlState = reinterpret_cast<wchar_t*>(state);
        record.nativeError = native;
        record.description = reinterpret_cast<wchar_t*>(message);
        record.source = L"ODBC";
        record.number = ErrorNumberFor(record.sqlState, native, sqlite);
        records.push_back(record);
    }
    return records;
}

}  // namespace

HRESULT ErrorNumberFor(const std::wstring& sqlState, long nativeError, bool sqlite)
{
    if (sqlState.compare(0, 2, L"08") == 0 || sqlState == L"HYT01")
        return E_FAIL;
    if (sqlite &&
        (nativeError == kSqliteReadOnly || nativeError == kSqliteIoError || nativeError == kSqliteCannotOpen ||
         nativeError == kSqliteNotADatabase)) {
        return E_FAIL;
    }
    if (sqlState == L"IM002")
        return adErrProviderNotFound;
    if (sqlState.compare(0, 2, L"23") == 0 || (sqlite && nativeError == kSqliteConstraint)) {
        return kIntegrityViolation;
    }
    return kErrorsInCommand;
}

void ThrowDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, bool sqlite, const std::wstring& context)
{
    std::vector<ErrorRecord> records = ReadRecords(handleType, handle, sqlite);
    if (records.empty()) {
        throw OdbcFailure(kErrorsInCommand, context + L": the driver gave no details", {});
    }
    HRESULT code = records.front().number;
    for (const ErrorRecord& record : records) {
        if (record.number == E_FAIL)
            code = E_FAIL;
    }
    std::wstring text = context + L": " + records.front().description;
    throw OdbcFailure(code, std::move(text), std::move(records));
}

}  // namespace ado
