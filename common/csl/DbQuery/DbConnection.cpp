#include <csl/DbQuery/DbConnection.h>

#include <csl/DbQuery/DbLog.h>
#include <csl/EGeneric.h>
#include <csl/StringUtils.h>
#include <csl/TDebugStream.h>
#include <csl/TLockScope.h>

#include <string>

namespace {

std::wstring TextOf(const _bstr_t& iText)
{
    const wchar_t* text = iText;
    return text ? std::wstring(text) : std::wstring();
}

// Takes ownership of the BSTR, also when the conversion fails.
std::string Narrow(BSTR iText)
{
    return StringFromBstr(_bstr_t(iText, false));
}

}  // namespace

DbConnection::DbConnection(const _bstr_t& iConnectionString, const const_string& iLogPrefix)
    : m_LogPrefix(iLogPrefix), m_SqlLogging(DebugLog().HasWriters()), m_DbType(DetectDbType(TextOf(iConnectionString))),
      m_Connection(AdoCreate<_ConnectionPtr>(CLSID_Connection)), m_ConnectionString(iConnectionString),
      m_TransactionLevel(0)
{
    _Connection* connection = GetAdoConnection();
    AdoCheck(connection, connection->put_CursorLocation(adUseClient));
}

const _bstr_t& DbConnection::SetConnectionString(const _bstr_t& iConnectionString)
{
    m_DbType = DetectDbType(TextOf(iConnectionString));
    m_ConnectionString = iConnectionString;
    return m_ConnectionString;
}

bool DbConnection::LogApplies() const
{
    return DbLogApplies(m_SqlLogging);
}

bool DbConnection::IsOpen()
{
    _Connection* connection = GetAdoConnection();
    long state = adStateClosed;
    AdoCheck(connection, connection->get_State(&state));
    return state != adStateClosed;
}

void DbConnection::Open()
{
    if (IsOpen())
        return;
    _Connection* connection = GetAdoConnection();
    const HRESULT result = connection->Open(m_ConnectionString, nullptr, nullptr, adConnectUnspecified);
    if (FAILED(result)) {
        if (m_SqlLogging)
            DebugLog() << "(!) DbConnection::Open() DbConnection->Open() failed (" << static_cast<int>(result) << ")\n";
        AdoCheck(connection, result);
    }
    if (LogApplies())
        DebugLog() << m_LogPrefix << "CONNECTION OPENED\n";
    if (m_DbType == dbSqlServer)
        SendDateFirst();
}

// The server counts the days of the week from 1 = Monday, the locale from 0 = Monday.
void DbConnection::SendDateFirst()
{
    wchar_t firstDay[8];
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, firstDay, 8) == 0)
        return;
    Execute(_bstr_t(("SET DATEFIRST " + std::to_string(_wtoi(firstDay) + 1)).c_str()));
}

void DbConnection::Close()
{
    if (!IsOpen())
        return;
    _Connection* connection = GetAdoConnection();
    AdoCheck(connection, connection->Close());
    // Closing ends every open transaction.
    m_TransactionLevel = 0;
    if (LogApplies())
        DebugLog() << m_LogPrefix << "CONNECTION CLOSED\n";
}

long DbConnection::BeginTrans()
{
    if (LogApplies())
        DebugLog() << m_LogPrefix << "BEGIN TRANSACTION\n";
    _Connection* connection = GetAdoConnection();
    long level = 0;
    AdoCheck(connection, connection->BeginTrans(&level));
    m_TransactionLevel = level;
    return level;
}

void DbConnection::CommitTrans()
{
    if (LogApplies())
        DebugLog() << m_LogPrefix << "COMMIT TRANSACTION\n";
    _Connection* connection = GetAdoConnection();
    AdoCheck(connection, connection->CommitTrans());
    if (m_TransactionLevel > 0)
        --m_TransactionLevel;
}

// The level is given up even when the rollback fails: the transaction is lost either way.
void DbConnection::RollbackTrans()
{
    if (LogApplies())
        DebugLog() << m_LogPrefix << "ROLLBACK TRANSACTION\n";
    if (m_TransactionLevel > 0)
        --m_TransactionLevel;
    _Connection* connection = GetAdoConnection();
    AdoCheck(connection, connection->RollbackTrans());
}

TDbRecordset DbConnection::Execute(const _bstr_t& iSql)
{
    TLockScope hold(*this);
    if (LogApplies())
        DebugLog() << m_LogPrefix << iSql << "\n";
    _Connection* connection = GetAdoConnection();
    _Recordset* result = nullptr;
    AdoCheck(connection, connection->Execute(iSql, nullptr, adCmdText, &result));
    return TDbRecordset(_RecordsetPtr(result, false), this, m_SqlLogging);
}

bool DbConnection::ReportErrors(EGeneric& ioException)
{
    return ScanErrors(&ioException);
}

bool DbConnection::IsConnectionLost()
{
    return ScanErrors(nullptr);
}

bool DbConnection::CloseIfLost()
{
    try {
        if (!IsConnectionLost())
            return false;
        Close();
        return true;
    } catch (...) {
        return false;
    }
}

bool DbConnection::ScanErrors(EGeneric* ioException)
{
    _Connection* connection = GetAdoConnection();
    Errors* errors = nullptr;
    AdoCheck(connection, connection->get_Errors(&errors));
    const ErrorsPtr list(AdoRequired(errors), false);
    long count = 0;
    AdoCheck(errors, errors->get_Count(&count));
    bool failed = false;
    for (long i = 0; i < count; ++i) {
        Error* item = nullptr;
        AdoCheck(errors, errors->get_Item(_variant_t(i), &item));
        const ErrorPtr error(AdoRequired(item), false);
        long number = 0;
        AdoCheck(item, item->get_Number(&number));
        failed = failed || number == E_FAIL;
        if (ioException)
            CopyError(*item, number, *ioException);
    }
    return failed;
}

void DbConnection::CopyError(Error& iError, long iNumber, EGeneric& ioException)
{
    long native = 0, helpContext = 0;
    BSTR description = nullptr, state = nullptr, source = nullptr, helpFile = nullptr;
    AdoCheck(&iError, iError.get_NativeError(&native));
    AdoCheck(&iError, iError.get_HelpContext(&helpContext));
    AdoCheck(&iError, iError.get_Description(&description));
    const std::string descriptionText = Narrow(description);
    AdoCheck(&iError, iError.get_SQLState(&state));
    const std::string stateText = Narrow(state);
    AdoCheck(&iError, iError.get_Source(&source));
    const std::string sourceText = Narrow(source);
    AdoCheck(&iError, iError.get_HelpFile(&helpFile));
    const std::string helpFileText = Narrow(helpFile);
    ioException.SetProperty("Code", static_cast<int>(iNumber));
    ioException.SetProperty("NativeError", static_cast<int>(native));
    ioException.SetProperty("Description", descriptionText);
    ioException.SetProperty("SQLState", stateText);
    ioException.SetProperty("Source", sourceText);
    ioException.SetProperty("HelpFile", helpFileText);
    ioException.SetProperty("HelpContext", static_cast<int>(helpContext));
}
