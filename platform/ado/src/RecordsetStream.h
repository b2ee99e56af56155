#pragma once
#include <memory>
#include <string>
#include <vector>

#include "RecordTable.h"

namespace ado {

// What travels when a recordset is marshalled by value: its rows and its reading state.
struct RecordsetImage {
    std::shared_ptr<const RecordTable> table;  // null for a closed recordset
    std::wstring sort;
    size_t position = 0;
};

std::vector<BYTE> WriteRecordset(const RecordsetImage& image);
// Throws RPC_E_INVALID_DATA for data that is cut short or malformed.
RecordsetImage ReadRecordset(const BYTE* data, size_t size);

}  // namespace ado
