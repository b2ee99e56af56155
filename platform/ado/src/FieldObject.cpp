#include "FieldObject.h"

#include "CollectionIndex.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Field";

}  // namespace

HRESULT FieldObject::get_Name(BSTR* name)
{
    return Guard(kSource, [&] {
        CheckPointer(name);
        *name = MakeBstr(Column().name);
    });
}

HRESULT FieldObject::get_Value(VARIANT* value)
{
    return Guard(kSource, [&] { recordset_->CurrentValue(column_).CopyTo(value); });
}

HRESULT FieldObject::get_Type(DataTypeEnum* type)
{
    return Guard(kSource, [&] {
        CheckPointer(type);
        *type = Column().type;
    });
}

HRESULT FieldObject::get_ActualSize(long* size)
{
    return Guard(kSource, [&] {
        CheckPointer(size);
        *size = DataSize(recordset_->CurrentValue(column_).Get());
    });
}

HRESULT FieldObject::get_DefinedSize(long* size)
{
    return Guard(kSource, [&] {
        CheckPointer(size);
        *size = Column().definedSize;
    });
}

HRESULT FieldObject::get_Attributes(long* attributes)
{
    return Guard(kSource, [&] {
        CheckPointer(attributes);
        *attributes = Column().attributes;
    });
}

HRESULT FieldsCollection::get_Count(long* count)
{
    return Guard(L"PlatformADO.Fields", [&] {
        CheckPointer(count);
        *count = static_cast<long>(recordset_->Table().columns.size());
    });
}

HRESULT FieldsCollection::get_Item(VARIANT index, Field** field)
{
    return Guard(L"PlatformADO.Fields", [&] {
        CheckPointer(field);
        *field = nullptr;
        const RecordTable& table = recordset_->Table();
        size_t column = ResolveIndex(index, table.columns.size(),
                                     [&](const std::wstring& name) { return table.ColumnIndex(name); });
        *field = Make<FieldObject>(recordset_, column).Detach();
    });
}

}  // namespace ado
