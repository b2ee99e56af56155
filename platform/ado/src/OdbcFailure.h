#pragma once
#include <windows.h>
#include <sql.h>

#include <string>
#include <vector>

#include "AdoError.h"

namespace ado {

// One diagnostic record of the driver, as the Errors collection shows it.
struct ErrorRecord {
    HRESULT Number = 0;
    long NativeError = 0;
    std::wstring Description;
    std::wstring SqlState;
    std::wstring Source;
};

// The error number of a driver diagnostic: E_FAIL for a lost connection (SQLSTATE class 08,
// a time-out, or the SQLite driver's I/O and unreadable-file codes), the provider-not-found
// number for a driver that is not installed, a constraint violation, else a failed statement.
HRESULT ErrorNumberFor(const std::wstring& iSqlState, long iNativeError, bool iSqlite);

// A failed driver call with the driver's diagnostic records.
class OdbcFailure : public AdoError {
public:
    OdbcFailure(HRESULT iCode, std::wstring iText, std::vector<ErrorRecord> iRecords)
        : AdoError(iCode, std::move(iText)), m_Records(std::move(iRecords))
    {
    }
    const std::vector<ErrorRecord>& Records() const { return m_Records; }

private:
    std::vector<ErrorRecord> m_Records;
};

// Reads the diagnostics of a handle and throws them; iContext names the failed step.
[[noreturn]] void ThrowDiagnostics(SQLSMALLINT iHandleType, SQLHANDLE iHandle, bool iSqlite,
                                   const std::wstring& iContext);

}  // namespace ado
