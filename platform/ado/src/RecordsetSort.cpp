#include "RecordsetSort.h"

#include <algorithm>
#include <numeric>
#include <sstream>

#include "AdoError.h"

namespace ado {
namespace {

struct SortKey {
    size_t Column;
    bool Descending;
};

std::vector<SortKey> ParseKeys(const RecordTable& iTable, const std::wstring& iSortText)
{
    std::vector<SortKey> keys;
    std::wstringstream clauses(iSortText);
    std::wstring clause;
    while (std::getline(clauses, clause, L',')) {
        std::wstringstream words(clause);
        std::wstring name, direction, extra;
        words >> name >> direction >> extra;
        if (name.empty())
            continue;
        if (name.size() > 2 && name.front() == L'[' && name.back() == L']') {
            name = name.substr(1, name.size() - 2);
        }
        bool descending = _wcsicmp(direction.c_str(), L"DESC") == 0;
        if (!extra.empty() || (!direction.empty() && !descending && _wcsicmp(direction.c_str(), L"ASC") != 0)) {
            throw AdoError(adErrInvalidArgument, L"Cannot read the sort clause \"" + clause + L"\"");
        }
        long column = iTable.ColumnIndex(name);
        if (column < 0)
            throw AdoError(adErrItemNotFound, L"The recordset has no field \"" + name + L"\" to sort by");
        keys.push_back({static_cast<size_t>(column), descending});
    }
    return keys;
}

int Compare(const Variant& iA, const Variant& iB, const std::wstring& iColumn)
{
    if (iA.IsNull() || iB.IsNull())
        return iA.IsNull() == iB.IsNull() ? 0 : (iA.IsNull() ? -1 : 1);
    HRESULT result =
        VarCmp(const_cast<VARIANT*>(&iA.Get()), const_cast<VARIANT*>(&iB.Get()), LOCALE_USER_DEFAULT, NORM_IGNORECASE);
    switch (result) {
    case VARCMP_LT:
        return -1;
    case VARCMP_GT:
        return 1;
    case VARCMP_EQ:
        return 0;
    default:
        throw AdoError(adErrFeatureNotAvailable, L"The field \"" + iColumn + L"\" cannot be sorted");
    }
}

}  // namespace

std::vector<size_t> SortOrder(const RecordTable& iTable, const std::wstring& iSortText)
{
    std::vector<size_t> order(iTable.RowCount());
    std::iota(order.begin(), order.end(), size_t{0});
    std::vector<SortKey> keys = ParseKeys(iTable, iSortText);
    if (keys.empty())
        return order;
    std::stable_sort(order.begin(), order.end(), [&](size_t left, size_t right) {
        for (const SortKey& key : keys) {
            int result = Compare(iTable.Value(left, key.Column), iTable.Value(right, key.Column),
                                 iTable.Columns[key.Column].Name);
            if (result != 0)
                return key.Descending ? result > 0 : result < 0;
        }
        return false;
    });
    return order;
}

}  // namespace ado
