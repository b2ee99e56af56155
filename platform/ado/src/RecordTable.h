#pragma once
#include <string>
#include <vector>

#include "Variant.h"

namespace ado {

struct ColumnInfo {
    std::wstring Name;
    DataTypeEnum Type = adEmpty;
    long DefinedSize = 0;
    long Attributes = 0;
};

// A fully read result: its columns and its rows of values, row after row.
class RecordTable {
public:
    std::vector<ColumnInfo> Columns;
    std::vector<Variant> Values;

    size_t RowCount() const { return Columns.empty() ? 0 : Values.size() / Columns.size(); }
    const Variant& Value(size_t iRow, size_t iColumn) const { return Values[iRow * Columns.size() + iColumn]; }
    // The column of that name, compared without regard to case; -1 when there is none.
    long ColumnIndex(const std::wstring& iName) const;
};

}  // namespace ado
