#pragma once
#include <string>
#include <vector>

#include "Variant.h"

namespace ado {

struct ColumnInfo {
    std::wstring name;
    DataTypeEnum type = adEmpty;
    long definedSize = 0;
    long attributes = 0;
};

// A fully read result: its columns and its rows of values, row after row.
class RecordTable {
public:
    std::vector<ColumnInfo> columns;
    std::vector<Variant> values;

    size_t RowCount() const { return columns.empty() ? 0 : values.size() / columns.size(); }
    const Variant& Value(size_t row, size_t column) const { return values[row * columns.size() + column]; }
    // The column of that name, compared without regard to case; -1 when there is none.
    long ColumnIndex(const std::wstring& name) const;
};

}  // namespace ado
