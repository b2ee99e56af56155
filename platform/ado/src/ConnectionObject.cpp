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
bool WantsRecords(long iOptions)
{
    if (iOptions == adOptionUnspecified)
        return true;
    long kind = iOptions & kCommandKindBits;
    long unknown = iOptions & ~(kCommandKindBits | kAsynchronousBits | adExecuteNoRecords);
    if ((kind != 0 && kind != adCmdText) || (iOptions & kAsynchronousBits) || unknown) {
        throw AdoError(adErrFeatureNotAvailable,
                       L"The options " + std::to_wstring(iOptions) +
                           L" are not supported: only SQL text (adCmdText), optionally with "
                           L"adExecuteNoRecords, runs synchronously");
    }
    return (iOptions & adExecuteNoRecords) == 0;
}

}  // namespace

HRESULT ConnectionObject::get_CursorLocation(CursorLocationEnum* oLocation)
{
    return Guard(kSource, [&] {
        CheckPointer(oLocation);
        *oLocation = m_Location;
    });
}

HRESULT ConnectionObject::put_CursorLocation(CursorLocationEnum iLocation)
{
    return Guard(kSource, [&] {
        if (iLocation < adUseNone || iLocation > adUseClient) {
            throw AdoError(adErrInvalidArgument,
                           L"The cursor location " + std::to_wstring(iLocation) + L" is not valid");
        }
        m_Location = iLocation;
    });
}

HRESULT ConnectionObject::get_State(long* oState)
{
    return Guard(kSource, [&] {
        CheckPointer(oState);
        *oState = m_Odbc ? adStateOpen : adStateClosed;
    });
}

HRESULT ConnectionObject::Open(BSTR iConnectionString, BSTR iUser, BSTR iPassword, long iOptions)
{
    return Guard(kSource, [&] {
        m_Errors.clear();
        if (m_Odbc)
            throw AdoError(adErrObjectOpen, L"The connection is already open");
        if (iOptions != adConnectUnspecified && iOptions != 0) {
            throw AdoError(adErrFeatureNotAvailable, L"Only synchronous connecting is supported");
        }
        std::wstring odbcString = ToOdbcConnectionString(
            {FromBstr(iConnectionString), FromBstr(iUser), FromBstr(iPassword)}, ResolveDatabaseFile);
        try {
            m_Odbc = std::make_unique<OdbcConnection>(odbcString);
        } catch (const OdbcFailure& failure) {
            m_Errors = failure.Records();
            throw;
        }
    });
}

HRESULT ConnectionObject::Close()
{
    return Guard(kSource, [&] {
        m_Errors.clear();
        if (!m_Odbc)
            throw AdoError(adErrObjectClosed, L"The connection is already closed");
        m_Odbc.reset();
    });
}

HRESULT ConnectionObject::BeginTrans(long* oLevel)
{
    return Guard(kSource, [&] {
        long newLevel = OnDriver([](OdbcConnection& odbc) { return odbc.BeginTransaction(); });
        if (oLevel)
            *oLevel = newLevel;
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

HRESULT ConnectionObject::Execute(BSTR iCommandText, VARIANT* oRecordsAffected, long iOptions, _Recordset** oRecordset)
{
    return Guard(kSource,
                 [&] { ExecuteStatement(FromBstr(iCommandText), {}, iOptions, oRecordsAffected, oRecordset); });
}

HRESULT ConnectionObject::get_Errors(Errors** oErrors)
{
    return Guard(kSource, [&] {
        CheckPointer(oErrors);
        *oErrors = Make<ErrorsCollection>(m_Errors).Detach();
    });
}

void ConnectionObject::ExecuteStatement(const std::wstring& iSql, const std::vector<BoundValue>& iParameters,
                                        long iOptions, VARIANT* oRecordsAffected, _Recordset** oRecordset)
{
    if (oRecordset)
        *oRecordset = nullptr;
    bool wantsRecords = WantsRecords(iOptions);
    if (iSql.empty())
        throw AdoError(adErrInvalidArgument, L"The command text is empty");
    StatementResult result =
        OnDriver([&](OdbcConnection& odbc) { return odbc.Execute(iSql, iParameters, wantsRecords); });
    if (oRecordsAffected) {
        VariantInit(oRecordsAffected);
        oRecordsAffected->vt = VT_I4;
        oRecordsAffected->lVal = result.RecordsAffected;
    }
    if (wantsRecords && oRecordset) {
        ComPtr<RecordsetObject> rows = Make<RecordsetObject>();
        rows->Load({result.Table, std::wstring(), 0});
        *oRecordset = rows.Detach();
    }
}

}  // namespace ado
