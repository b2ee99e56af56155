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
// Another connection holds the lock, and held it longer than the driver's busy time-out.
constexpr long kSqliteBusy = 5;
constexpr long kSqliteLocked = 6;

std::vector<ErrorRecord> ReadRecords(SQLSMALLINT iHandleType, SQLHANDLE iHandle, bool iSqlite)
{
    std::vector<ErrorRecord> records;
    for (SQLSMALLINT index = 1;; ++index) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(iHandleType, iHandle, index, state, &native, message,
                                      sizeof message / sizeof *message, &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        ErrorRecord record;
        record.SqlState = reinterpret_cast<wchar_t*>(state);
        record.NativeError = native;
        record.Description = reinterpret_cast<wchar_t*>(message);
        record.Source = L"ODBC";
        record.Number = ErrorNumberFor(record.SqlState, native, iSqlite);
        records.push_back(record);
    }
    return records;
}

}  // namespace

HRESULT ErrorNumberFor(const std::wstring& iSqlState, long iNativeError, bool iSqlite)
{
    if (iSqlState.compare(0, 2, L"08") == 0 || iSqlState == L"HYT01")
        return E_FAIL;
    if (iSqlite &&
        (iNativeError == kSqliteReadOnly || iNativeError == kSqliteIoError || iNativeError == kSqliteCannotOpen ||
         iNativeError == kSqliteNotADatabase)) {
        return E_FAIL;
    }
    if (iSqlState == L"HYT00" || (iSqlite && (iNativeError == kSqliteBusy || iNativeError == kSqliteLocked)))
        return adErrResourceLocked;
    if (iSqlState == L"IM002")
        return adErrProviderNotFound;
    if (iSqlState.compare(0, 2, L"23") == 0 || (iSqlite && iNativeError == kSqliteConstraint)) {
        return kIntegrityViolation;
    }
    return kErrorsInCommand;
}

void ThrowDiagnostics(SQLSMALLINT iHandleType, SQLHANDLE iHandle, bool iSqlite, const std::wstring& iContext)
{
    std::vector<ErrorRecord> records = ReadRecords(iHandleType, iHandle, iSqlite);
    if (records.empty()) {
        throw OdbcFailure(kErrorsInCommand, iContext + L": the driver gave no details", {});
    }
    HRESULT code = records.front().Number;
    for (const ErrorRecord& record : records) {
        if (record.Number == E_FAIL)
            code = E_FAIL;
    }
    std::wstring text = iContext + L": " + records.front().Description;
    throw OdbcFailure(code, std::move(text), std::move(records));
}

}  // namespace ado
