#include "RecordTable.h"

namespace ado {

long RecordTable::ColumnIndex(const std::wstring& iName) const
{
    for (size_t i = 0; i < Columns.size(); ++i) {
        if (_wcsicmp(Columns[i].Name.c_str(), iName.c_str()) == 0)
            return static_cast<long>(i);
    }
    return -1;
}

}  // namespace ado
