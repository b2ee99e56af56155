#pragma once
#include <vector>

#include "OdbcStatement.h"

namespace ado {

// The storage behind bound parameters; it must outlive the execution of the statement.
class ParameterBuffers {
public:
    // Binds every value to the statement in order; throws for a type that cannot be bound.
    void Bind(SQLHSTMT statement, const std::vector<BoundValue>& values, bool sqlite);

private:
    struct Buffer {
        long integer = 0;
        double number = 0;
        SQL_TIMESTAMP_STRUCT timestamp{};
        std::wstring text;
        std::vector<BYTE> bytes;
        SQLLEN indicator = 0;
    };
    struct Binding {
        SQLSMALLINT cType;
        SQLSMALLINT sqlType;
        SQLULEN columnSize;
        SQLSMALLINT digits;
        SQLPOINTER data;
        SQLLEN length;
    };
    // Converts the value into the buffer and says how to bind it.
    static Binding Prepare(const BoundValue& parameter, Buffer& buffer);

    std::vector<Buffer> buffers_;
};

}  // namespace ado
