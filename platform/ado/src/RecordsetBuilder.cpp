#include <memory>

#include "AdoError.h"
#include "PlatformAdo.h"
#include "RecordsetObject.h"

namespace ado {

HRESULT CreateRecordset(const ColumnDefinition* iColumns, size_t iColumnCount, const VARIANT* iValues,
                        size_t iValueCount, _Recordset** oRecordset)
{
    return Guard(L"PlatformADO.Recordset", [&] {
        CheckPointer(oRecordset);
        *oRecordset = nullptr;
        if (!iColumns || iColumnCount == 0 || (iValueCount > 0 && !iValues) || iValueCount % iColumnCount != 0)
            throw AdoError(E_INVALIDARG, L"The values do not fill whole rows of the columns");
        auto table = std::make_shared<RecordTable>();
        for (size_t i = 0; i < iColumnCount; ++i)
            table->Columns.push_back(
                {iColumns[i].Name ? iColumns[i].Name : L"", iColumns[i].Type, iColumns[i].DefinedSize, 0});
        for (size_t i = 0; i < iValueCount; ++i)
            table->Values.emplace_back(iValues[i]);
        ComPtr<RecordsetObject> rows = Make<RecordsetObject>();
        rows->Load({table, std::wstring(), 0});
        *oRecordset = rows.Detach();
    });
}

}  // namespace ado
