#include "OdbcConnection.h"

#include "ConnectionString.h"
#include "OdbcFailure.h"

namespace ado {
namespace {

std::wstring InfoText(SQLHDBC connection, SQLUSMALLINT type)
{
    SQLWCHAR text[256] = {};
    SQLSMALLINT length = 0;
    SQLGetInfoW(connection, type, text, sizeof text, &length);
    return reinterpret_cast<wchar_t*>(text);
}

// The driver manager of the host reports a missing driver as a library it cannot load; the
// list of installed drivers gives the same answer everywhere.
bool DriverInstalled(SQLHENV environment, const std::wstring& name)
{
    SQLWCHAR driver[256], attributes[1024];
    SQLSMALLINT driverLength = 0, attributesLength = 0;
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;; direction = SQL_FETCH_NEXT) {
        SQLRETURN rc =
            SQLDriversW(environment, direction, driver, 256, &driverLength, attributes, 1024, &attributesLength);
        if (!SQL_SUCCEEDED(rc))
            return false;
        if (_wcsicmp(reinterpret_cast<wchar_t*>(driver), name.c_str()) == 0)
            return true;
    }
}

bool Contains(const std::wstring& text, const wchar_t* part)
{
    return text.find(part) != std::wstring::npos;
}

}  // namespace

OdbcConnection::OdbcConnection(const std::wstring& odbcString)
{
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment_))) {
        throw AdoError(E_OUTOFMEMORY, L"Cannot create an ODBC environment");
    }
    SQLSetEnvAttr(environment_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    std::wstring driver = DriverName(odbcString);
    if (!driver.empty() && !DriverInstalled(environment_, driver)) {
        SQLFreeHandle(SQL_HANDLE_ENV, environment_);
        ErrorRecord record;
        record.number = adErrProviderNotFound;
        record.description = L"The ODBC driver \"" + driver + L"\" is not installed";
        record.sqlState = L"IM002";
        record.source = L"ODBC";
        throw OdbcFailure(record.number, record.description, {record});
    }
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment_, &connection_))) {
        SQLFreeHandle(SQL_HANDLE_ENV, environment_);
        throw AdoError(E_OUTOFMEMORY, L"Cannot create an ODBC connection");
    }
    SQLRETURN rc =
        SQLDriverConnectW(connection_, nullptr, reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(odbcString.c_str())),
                          SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        try {
            ThrowDiagnostics(SQL_HANDLE_DBC, connection_, false, L"Cannot connect");
        } catch (const OdbcFailure& failure) {
            SQLFreeHandle(SQL_HANDLE_DBC, connection_);
            SQLFreeHandle(SQL_HANDLE_ENV, environment_);
            if (failure.Code() != adErrProviderNotFound)
                throw;
            throw OdbcFailure(failure.Code(), L"The ODBC driver \"" + DriverName(odbcString) + L"\" is not installed",
                              failure.Records());
        }
    }
    std::wstring dbms = InfoText(connection_, SQL_DBMS_NAME);
    sqlite_ = Contains(dbms, L"SQLite");
    dialect_ = Contains(dbms, L"SQL Server") ? Dialect::SqlServer
        : Contains(dbms, L"Oracle")          ? Dialect::Oracle
                                             : Dialect::Standard;
}

OdbcConnection::~OdbcConnection()
{
    if (level_ > 0) {
        try {
            EndOutermost(SQL_ROLLBACK);
        } catch (const std::exception&) {
            // Disconnecting discards the transaction all the same.
        }
    }
    SQLDisconnect(connection_);
    SQLFreeHandle(SQL_HANDLE_DBC, connection_);
    SQLFreeHandle(SQL_HANDLE_ENV, environment_);
}

void OdbcConnection::Check(SQLRETURN rc, const std::wstring& context) const
{
    if (!SQL_SUCCEEDED(rc))
        ThrowDiagnostics(SQL_HANDLE_DBC, connection_, sqlite_, context);
}

long OdbcConnection::BeginTransaction()
{
    if (level_ == 0) {
        BeginOutermost();
    } else {
        RunSavepointStatement(level_ + 1, L"SAVEPOINT ", L"SAVE TRANSACTION ", L"SAVEPOINT ");
    }
    return ++level_;
}

void OdbcConnection::CommitTransaction()
{
    if (level_ == 0)
        throw AdoError(adErrIllegalOperation, L"No transaction is active to commit");
    if (level_ == 1) {
        EndOutermost(SQL_COMMIT);
    } else {
        RunSavepointStatement(level_, L"RELEASE SAVEPOINT ", nullptr, nullptr);
    }
    --level_;
}

void OdbcConnection::RollbackTransaction()
{
    if (level_ == 0)
        throw AdoError(adErrIllegalOperation, L"No transaction is active to roll back");
    if (level_ == 1) {
        // The outermost level ends even when its rollback fails: the database may have ended the
        // transaction by itself (SQLite does after an I/O or disk-full error), and the next one must
        // begin as a transaction of its own, not as a savepoint of a transaction that is gone.
        level_ = 0;
        EndOutermost(SQL_ROLLBACK);
        return;
    }
    RunSavepointStatement(level_, L"ROLLBACK TO SAVEPOINT ", L"ROLLBACK TRANSACTION ", L"ROLLBACK TO SAVEPOINT ");
    RunSavepointStatement(level_, L"RELEASE SAVEPOINT ", nullptr, nullptr);
    --level_;
}

void OdbcConnection::BeginOutermost()
{
    // The SQLite driver would begin a deferred transaction, which asks for the write lock only at
    // its first write: two connections that read and then write would each hold the read lock the
    // other waits for, until one gives up. Taking the write lock first leaves only the wait for it.
    if (sqlite_) {
        Execute(L"BEGIN IMMEDIATE", {}, false);
        return;
    }
    Check(SQLSetConnectAttrW(connection_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
          L"Cannot begin a transaction");
}

void OdbcConnection::EndOutermost(SQLSMALLINT completion)
{
    if (sqlite_) {
        Execute(completion == SQL_COMMIT ? L"COMMIT" : L"ROLLBACK", {}, false);
        return;
    }
    const SQLRETURN ended = SQLEndTran(SQL_HANDLE_DBC, connection_, completion);
    Check(SQLSetConnectAttrW(connection_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0),
          L"Cannot return to automatic commits");
    Check(ended, L"Cannot end the transaction");
}

void OdbcConnection::RunSavepointStatement(long level, const wchar_t* standard, const wchar_t* sqlServer,
                                           const wchar_t* oracle)
{
    const wchar_t* verb = dialect_ == Dialect::SqlServer ? sqlServer : dialect_ == Dialect::Oracle ? oracle : standard;
    if (verb)
        Execute(verb + (L"transaction_level_" + std::to_wstring(level)), {}, false);
}

StatementResult OdbcConnection::Execute(const std::wstring& sql, const std::vector<BoundValue>& parameters,
                                        bool readRecords)
{
    OdbcStatement statement(connection_, sqlite_);
    return statement.Execute(sql, parameters, readRecords);
}

}  // namespace ado
