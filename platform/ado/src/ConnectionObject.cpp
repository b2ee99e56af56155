#include "ConnectionObject.h"

#include "ConnectionString.h"
#include "ErrorObject.h"
#include "RecordsetObject.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Connection";
// The command kinds and the asynchronous options of ADO's option bits.
constexpr long kCommandKindBits = 0x30F;
constexpr long kAsynchronousBits = 0x70;

// True when the options ask for the rows; throws for options that are not supported.
bool WantsRecords(long options)
{
    if (options == adOptionUnspecified)
        return true;
    long kind = options & kCommandKindBits;
    long unknown = options & ~(kCommandKindBits | kAsynchronousBits | adExecuteNoRecords);
    if ((kind != 0 && kind != adCmdText) || (options & kAsynchronousBits) || unknown) {
        throw AdoError(adErrFeatureNotAvailable,
                       L"The options " + std::to_wstring(options) +
                           L" are not supported: only SQL text (adCmdText), optionally with "
                           L"adExecuteNoRecords, runs synchronously");
    }
    return (options & adExecuteNoRecords) == 0;
}

}  // namespace

HRESULT ConnectionObject::get_CursorLocation(CursorLocationEnum* location)
{
    return Guard(kSource, [&] {
        CheckPointer(location);
        *location = location_;
    });
}

HRESULT ConnectionObject::put_CursorLocation(CursorLocationEnum location)
{
    return Guard(kSource, [&] {
        if (location < adUseNone || location > adUseClient) {
            throw AdoError(adErrInvalidArgument,
                           L"The cursor location " + std::to_wstring(location) + L" is not valid");
        }
        location_ = location;
    });
}

HRESULT ConnectionObject::get_State(long* state)
{
    return Guard(kSource, [&] {
        CheckPointer(state);
        *state = odbc_ ? adStateOpen : adStateClosed;
    });
}

HRESULT ConnectionObject::Open(BSTR connectionString, BSTR user, BSTR password, long options)
{
    return Guard(kSource, [&] {
        errors_.clear();
        if (odbc_)
            throw AdoError(adErrObjectOpen, L"The connection is already open");
        if (options != adConnectUnspecified && options != 0) {
            throw AdoError(adErrFeatureNotAvailable, L"Only synchronous connecting is supported");
        }
        std::wstring odbcString = ToOdbcConnectionString(
            {FromBstr(connectionString), FromBstr(user), FromBstr(password)}, ResolveDatabaseFile);
        try {
            odbc_ = std::make_unique<OdbcConnection>(odbcString);
        } catch (const OdbcFailure& failure) {
            errors_ = failure.Records();
            throw;
        }
    });
}

HRESULT ConnectionObject::Close()
{
    return Guard(kSource, [&] {
        errors_.clear();
        if (!odbc_)
            throw AdoError(adErrObjectClosed, L"The connection is already closed");
        odbc_.reset();
    });
}

HRESULT ConnectionObject::BeginTrans(long* level)
{
    return Guard(kSource, [&] {
        long newLevel = OnDriver([](OdbcConnection& odbc) { return odbc.BeginTransaction(); });
        if (level)
            *level = newLevel;
    });
}

HRESULT ConnectionObject::CommitTrans()
{
    return Guard(kSource, [&] { OnDriver([](OdbcConnection& odbc) { odbc.CommitTransaction(); }); });
}

HRESULT ConnectionObject::RollbackTrans()
{
    return Guard(kSource, [&] { OnDriver([](OdbcConnection& odbc) { odbc.RollbackTransaction(); }); });
}

HRESULT ConnectionObject::Execute(BSTR commandText, VARIANT* recordsAffected, long options, _Recordset** recordset)
{
    return Guard(kSource, [&] { ExecuteStatement(FromBstr(commandText), {}, options, recordsAffected, recordset); });
}

HRESULT ConnectionObject::get_Errors(Errors** errors)
{
    return Guard(kSource, [&] {
        CheckPointer(errors);
        *errors = Make<ErrorsCollection>(errors_).Detach();
    });
}

void ConnectionObject::ExecuteStatement(const std::wstring& sql, const std::vector<BoundValue>& parameters,
                                        long options, VARIANT* recordsAffected, _Recordset** recordset)
{
    if (recordset)
        *recordset = nullptr;
    bool wantsRecords = WantsRecords(options);
    if (sql.empty())
        throw AdoError(adErrInvalidArgument, L"The command text is empty");
    StatementResult result =
        OnDriver([&](OdbcConnection& odbc) { return odbc.Execute(sql, parameters, wantsRecords); });
    if (recordsAffected) {
        VariantInit(recordsAffected);
        recordsAffected->vt = VT_I4;
        recordsAffected->lVal = result.recordsAffected;
    }
    if (wantsRecords && recordset) {
        ComPtr<RecordsetObject> rows = Make<RecordsetObject>();
        rows->Load({result.table, std::wstring(), 0});
        *recordset = rows.Detach();
    }
}

}  // namespace ado
