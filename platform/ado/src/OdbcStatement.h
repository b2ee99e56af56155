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
    DataTypeEnum type = adEmpty;
    Variant value;
};

struct StatementResult {
    // The rows, when the statement gave a result and they were asked for.
    std::shared_ptr<RecordTable> table;
    long recordsAffected = -1;
};

// One statement handle: binds the parameters, runs the text and reads the whole result.
class OdbcStatement {
public:
    OdbcStatement(SQLHDBC connection, bool sqlite);
    ~OdbcStatement();
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    StatementResult Execute(const std::wstring& sql, const std::vector<BoundValue>& parameters, bool readRecords);

private:
    void Check(SQLRETURN rc, const std::wstring& context) const;
    std::shared_ptr<RecordTable> ReadTable(SQLSMALLINT columnCount);
    Variant ReadValue(SQLUSMALLINT column, DataTypeEnum type);
    Variant ReadText(SQLUSMALLINT column);
    Variant ReadBytes(SQLUSMALLINT column);
    // Reads a fixed-size value; false when it is NULL.
    bool ReadFixed(SQLUSMALLINT column, SQLSMALLINT cType, void* buffer, SQLLEN size);
    // Reads a value of any length piece by piece into "value"; false when it is NULL.
    template <class Unit>
    bool ReadPieces(SQLUSMALLINT column, SQLSMALLINT cType, std::vector<Unit>& value);

    SQLHSTMT handle_ = nullptr;
    bool sqlite_;
};

}  // namespace ado
