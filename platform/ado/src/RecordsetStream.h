#pragma once
#include <memory>
#include <string>
#include <vector>

#include "RecordTable.h"

namespace ado {

// What travels when a recordset is marshalled by value: its rows and its reading state.
struct RecordsetImage {
    std::shared_ptr<const RecordTable> Table;  // null for a closed recordset
    std::wstring Sort;
    size_t Position = 0;
};

std::vector<BYTE> WriteRecordset(const RecordsetImage& iImage);
// Throws RPC_E_INVALID_DATA for data that is cut short or malformed.
RecordsetImage ReadRecordset(const BYTE* iData, size_t iSize);

}  // namespace ado
