#include "RecordTable.h"

namespace ado {

long RecordTable::ColumnIndex(const std::wstring& name) const
{
    for (size_t i = 0; i < columns.size(); ++i) {
        if (_wcsicmp(columns[i].name.c_str(), name.c_str()) == 0)
            return static_cast<long>(i);
    }
    return -1;
}

}  // namespace ado
