#include "OdbcConnection.h"

#include "ConnectionString.h"
#include "OdbcFailure.h"

namespace ado {
namespace {

std::wstring InfoText(SQLHDBC iConnection, SQLUSMALLINT iType)
{
    SQLWCHAR text[256] = {};
    SQLSMALLINT length = 0;
    SQLGetInfoW(iConnection, iType, text, sizeof text, &length);
    return reinterpret_cast<wchar_t*>(text);
}

// The driver manager of the host reports a missing driver as a library it cannot load; the
// list of installed drivers gives the same answer everywhere.
bool DriverInstalled(SQLHENV iEnvironment, const std::wstring& iName)
{
    SQLWCHAR driver[256], attributes[1024];
    SQLSMALLINT driverLength = 0, attributesLength = 0;
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;; direction = SQL_FETCH_NEXT) {
        SQLRETURN rc =
            SQLDriversW(iEnvironment, direction, driver, 256, &driverLength, attributes, 1024, &attributesLength);
        if (!SQL_SUCCEEDED(rc))
            return false;
        if (_wcsicmp(reinterpret_cast<wchar_t*>(driver), iName.c_str()) == 0)
            return true;
    }
}

bool Contains(const std::wstring& iText, const wchar_t* iPart)
{
    return iText.find(iPart) != std::wstring::npos;
}

}  // namespace

OdbcConnection::OdbcConnection(const std::wstring& iOdbcString)
{
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_Environment))) {
        throw AdoError(E_OUTOFMEMORY, L"Cannot create an ODBC environment");
    }
    SQLSetEnvAttr(m_Environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    std::wstring driver = DriverName(iOdbcString);
    if (!driver.empty() && !DriverInstalled(m_Environment, driver)) {
        SQLFreeHandle(SQL_HANDLE_ENV, m_Environment);
        ErrorRecord record;
        record.Number = adErrProviderNotFound;
        record.Description = L"The ODBC driver \"" + driver + L"\" is not installed";
        record.SqlState = L"IM002";
        record.Source = L"ODBC";
        throw OdbcFailure(record.Number, record.Description, {record});
    }
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, m_Environment, &m_Connection))) {
        SQLFreeHandle(SQL_HANDLE_ENV, m_Environment);
        throw AdoError(E_OUTOFMEMORY, L"Cannot create an ODBC connection");
    }
    SQLRETURN rc =
        SQLDriverConnectW(m_Connection, nullptr, reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(iOdbcString.c_str())),
                          SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        try {
            ThrowDiagnostics(SQL_HANDLE_DBC, m_Connection, false, L"Cannot connect");
        } catch (const OdbcFailure& failure) {
            SQLFreeHandle(SQL_HANDLE_DBC, m_Connection);
            SQLFreeHandle(SQL_HANDLE_ENV, m_Environment);
            if (failure.Code() != adErrProviderNotFound)
                throw;
            throw OdbcFailure(failure.Code(), L"The ODBC driver \"" + DriverName(iOdbcString) + L"\" is not installed",
                              failure.Records());
        }
    }
    std::wstring dbms = InfoText(m_Connection, SQL_DBMS_NAME);
    m_Sqlite = Contains(dbms, L"SQLite");
    m_Dialect = Contains(dbms, L"SQL Server") ? Dialect::SqlServer
        : Contains(dbms, L"Oracle")           ? Dialect::Oracle
                                              : Dialect::Standard;
}

OdbcConnection::~OdbcConnection()
{
    if (m_Level > 0) {
        try {
            EndOutermost(SQL_ROLLBACK);
        } catch (const std::exception&) {
            // Disconnecting discards the transaction all the same.
        }
    }
    SQLDisconnect(m_Connection);
    SQLFreeHandle(SQL_HANDLE_DBC, m_Connection);
    SQLFreeHandle(SQL_HANDLE_ENV, m_Environment);
}

void OdbcConnection::Check(SQLRETURN iRc, const std::wstring& iContext) const
{
    if (!SQL_SUCCEEDED(iRc))
        ThrowDiagnostics(SQL_HANDLE_DBC, m_Connection, m_Sqlite, iContext);
}

long OdbcConnection::BeginTransaction()
{
    if (m_Level == 0) {
        BeginOutermost();
    } else {
        RunSavepointStatement(m_Level + 1, L"SAVEPOINT ", L"SAVE TRANSACTION ", L"SAVEPOINT ");
    }
    return ++m_Level;
}

void OdbcConnection::CommitTransaction()
{
    if (m_Level == 0)
        throw AdoError(adErrIllegalOperation, L"No transaction is active to commit");
    if (m_Level == 1) {
        EndOutermost(SQL_COMMIT);
    } else {
        RunSavepointStatement(m_Level, L"RELEASE SAVEPOINT ", nullptr, nullptr);
    }
    --m_Level;
}

void OdbcConnection::RollbackTransaction()
{
    if (m_Level == 0)
        throw AdoError(adErrIllegalOperation, L"No transaction is active to roll back");
    if (m_Level == 1) {
        // The outermost level ends even when its rollback fails: the database may have ended the
        // transaction by itself (SQLite does after an I/O or disk-full error), and the next one must
        // begin as a transaction of its own, not as a savepoint of a transaction that is gone.
        m_Level = 0;
        EndOutermost(SQL_ROLLBACK);
        return;
    }
    RunSavepointStatement(m_Level, L"ROLLBACK TO SAVEPOINT ", L"ROLLBACK TRANSACTION ", L"ROLLBACK TO SAVEPOINT ");
    RunSavepointStatement(m_Level, L"RELEASE SAVEPOINT ", nullptr, nullptr);
    --m_Level;
}

void OdbcConnection::BeginOutermost()
{
    // The SQLite driver would begin a deferred transaction, which asks for the write lock only at
    // its first write: two connections that read and then write would each hold the read lock the
    // other waits for, until one gives up. Taking the write lock first leaves only the wait for it.
    if (m_Sqlite) {
        Execute(L"BEGIN IMMEDIATE", {}, false);
        return;
    }
    Check(SQLSetConnectAttrW(m_Connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
          L"Cannot begin a transaction");
}

void OdbcConnection::EndOutermost(SQLSMALLINT iCompletion)
{
    if (m_Sqlite) {
        Execute(iCompletion == SQL_COMMIT ? L"COMMIT" : L"ROLLBACK", {}, false);
        return;
    }
    const SQLRETURN ended = SQLEndTran(SQL_HANDLE_DBC, m_Connection, iCompletion);
    Check(SQLSetConnectAttrW(m_Connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0),
          L"Cannot return to automatic commits");
    Check(ended, L"Cannot end the transaction");
}

void OdbcConnection::RunSavepointStatement(long iLevel, const wchar_t* iStandard, const wchar_t* iSqlServer,
                                           const wchar_t* iOracle)
{
    const wchar_t* verb = m_Dialect == Dialect::SqlServer ? iSqlServer
        : m_Dialect == Dialect::Oracle                    ? iOracle
                                                          : iStandard;
    if (verb)
        Execute(verb + (L"transaction_level_" + std::to_wstring(iLevel)), {}, false);
}

StatementResult OdbcConnection::Execute(const std::wstring& iSql, const std::vector<BoundValue>& iParameters,
                                        bool iReadRecords)
{
    OdbcStatement statement(m_Connection, m_Sqlite);
    return statement.Execute(iSql, iParameters, iReadRecords);
}

}  // namespace ado
