#pragma once
#include <string>
#include <vector>

#include "OdbcStatement.h"

namespace ado {

// One open ODBC connection with its transactions: the outermost one is the driver's own, except
// on SQLite, where it is begun by statement so as to hold the write lock from its start; nested
// ones are savepoints in the dialect of the database.
class OdbcConnection {
public:
    // Connects; a driver that is not installed gives an error naming it.
    explicit OdbcConnection(const std::wstring& iOdbcString);
    // Rolls back an open transaction and disconnects.
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // Returns the new nesting level.
    long BeginTransaction();
    void CommitTransaction();
    void RollbackTransaction();

    StatementResult Execute(const std::wstring& iSql, const std::vector<BoundValue>& iParameters, bool iReadRecords);

private:
    enum class Dialect {
        Standard,
        SqlServer,
        Oracle
    };

    void Check(SQLRETURN iRc, const std::wstring& iContext) const;
    // Runs the dialect's savepoint statement (none when its verb is null) for that level.
    void RunSavepointStatement(long iLevel, const wchar_t* iStandard, const wchar_t* iSqlServer,
                               const wchar_t* iOracle);
    void BeginOutermost();
    void EndOutermost(SQLSMALLINT iCompletion);

    SQLHENV m_Environment = nullptr;
    SQLHDBC m_Connection = nullptr;
    bool m_Sqlite = false;
    Dialect m_Dialect = Dialect::Standard;
    long m_Level = 0;
};

}  // namespace ado
