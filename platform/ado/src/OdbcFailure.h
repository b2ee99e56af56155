#pragma once
#include <windows.h>
#include <sql.h>

#include <string>
#include <vector>

#include "AdoError.h"

namespace ado {

// One diagnostic record of the driver, as the Errors collection shows it.
struct ErrorRecord {
    HRESULT number = 0;
    long nativeError = 0;
    std::wstring description;
    std::wstring sqlState;
    std::wstring source;
};

// The error number of a driver diagnostic: E_FAIL for a lost connection (SQLSTATE class 08,
// a time-out, or the SQLite driver's I/O and unreadable-file codes), the provider-not-found
// number for a driver that is not installed, a constraint violation, else a failed statement.
HRESULT ErrorNumberFor(const std::wstring& sqlState, long nativeError, bool sqlite);

// A failed driver call with the driver's diagnostic records.
class OdbcFailure : public AdoError {
public:
    OdbcFailure(HRESULT code, std::wstring text, std::vector<ErrorRecord> records)
        : AdoError(code, std::move(text)), records_(std::move(records))
    {
    }
    const std::vector<ErrorRecord>& Records() const { return records_; }

private:
    std::vector<ErrorRecord> records_;
};

// Reads the diagnostics of a handle and throws them; context names the failed step.
[[noreturn]] void ThrowDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, bool sqlite, const std::wstring& context);

}  // namespace ado
