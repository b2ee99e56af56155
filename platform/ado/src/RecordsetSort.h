#pragma once
#include <string>
#include <vector>

#include "RecordTable.h"

namespace ado {

// The order of the table's rows for a sort text: column names, each optionally followed by
// ASC or DESC, separated by commas ("TimeSpent Desc"). Names ignore case; NULL sorts lowest;
// text compares without regard to case; equal rows keep their order. An empty text gives
// the table's own order.
std::vector<size_t> SortOrder(const RecordTable& iTable, const std::wstring& iSortText);

}  // namespace ado
