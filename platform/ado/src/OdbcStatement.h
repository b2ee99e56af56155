#pragma once
#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string>
#include <vector>

#include "RecordTable.h"

namespace ado {

// A parameter value as the statement binds it.
struct BoundValue {
    DataTypeEnum Type = adEmpty;
    Variant Value;
};

struct StatementResult {
    // The rows, when the statement gave a result and they were asked for.
    std::shared_ptr<RecordTable> Table;
    long RecordsAffected = -1;
};

// One statement handle: binds the parameters, runs the text and reads the whole result.
class OdbcStatement {
public:
    OdbcStatement(SQLHDBC iConnection, bool iSqlite);
    ~OdbcStatement();
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    StatementResult Execute(const std::wstring& iSql, const std::vector<BoundValue>& iParameters, bool iReadRecords);

private:
    void Check(SQLRETURN iRc, const std::wstring& iContext) const;
    std::shared_ptr<RecordTable> ReadTable(SQLSMALLINT iColumnCount);
    Variant ReadValue(SQLUSMALLINT iColumn, DataTypeEnum iType);
    Variant ReadText(SQLUSMALLINT iColumn);
    Variant ReadBytes(SQLUSMALLINT iColumn);
    // Reads a fixed-size value; false when it is NULL.
    bool ReadFixed(SQLUSMALLINT iColumn, SQLSMALLINT iCType, void* oBuffer, SQLLEN iSize);
    // Reads a value of any length piece by piece into "value"; false when it is NULL.
    template <class Unit>
    bool ReadPieces(SQLUSMALLINT iColumn, SQLSMALLINT iCType, std::vector<Unit>& oValue);

    SQLHSTMT m_Handle = nullptr;
    bool m_Sqlite;
};

}  // namespace ado
