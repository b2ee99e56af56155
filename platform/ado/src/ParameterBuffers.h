#pragma once
#include <vector>

#include "OdbcStatement.h"

namespace ado {

// The storage behind bound parameters; it must outlive the execution of the statement.
class ParameterBuffers {
public:
    // Binds every value to the statement in order; throws for a type that cannot be bound.
    void Bind(SQLHSTMT iStatement, const std::vector<BoundValue>& iValues, bool iSqlite);

private:
    struct Buffer {
        long Integer = 0;
        double Number = 0;
        SQL_TIMESTAMP_STRUCT Timestamp{};
        std::wstring Text;
        std::vector<BYTE> Bytes;
        SQLLEN Indicator = 0;
    };
    struct Binding {
        SQLSMALLINT CType;
        SQLSMALLINT SqlType;
        SQLULEN ColumnSize;
        SQLSMALLINT Digits;
        SQLPOINTER Data;
        SQLLEN Length;
    };
    // Converts the value into the buffer and says how to bind it.
    static Binding Prepare(const BoundValue& iParameter, Buffer& ioBuffer);

    std::vector<Buffer> m_Buffers;
};

}  // namespace ado
