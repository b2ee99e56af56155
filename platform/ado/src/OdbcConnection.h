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
    explicit OdbcConnection(const std::wstring& odbcString);
    // Rolls back an open transaction and disconnects.
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // Returns the new nesting level.
    long BeginTransaction();
    void CommitTransaction();
    void RollbackTransaction();

    StatementResult Execute(const std::wstring& sql, const std::vector<BoundValue>& parameters, bool readRecords);

private:
    enum class Dialect {
        Standard,
        SqlServer,
        Oracle
    };

    void Check(SQLRETURN rc, const std::wstring& context) const;
    // Runs the dialect's savepoint statement (none when its verb is null) for that level.
    void RunSavepointStatement(long level, const wchar_t* standard, const wchar_t* sqlServer, const wchar_t* oracle);
    void BeginOutermost();
    void EndOutermost(SQLSMALLINT completion);

    SQLHENV environment_ = nullptr;
    SQLHDBC connection_ = nullptr;
    bool sqlite_ = false;
    Dialect dialect_ = Dialect::Standard;
    long level_ = 0;
};

}  // namespace ado
