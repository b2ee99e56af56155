#include "FieldObject.h"

#include "CollectionIndex.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Field";

}  // namespace

HRESULT FieldObject::get_Name(BSTR* oName)
{
    return Guard(kSource, [&] {
        CheckPointer(oName);
        *oName = MakeBstr(Column().Name);
    });
}

HRESULT FieldObject::get_Value(VARIANT* oValue)
{
    return Guard(kSource, [&] { m_Recordset->CurrentValue(m_Column).CopyTo(oValue); });
}

HRESULT FieldObject::get_Type(DataTypeEnum* oType)
{
    return Guard(kSource, [&] {
        CheckPointer(oType);
        *oType = Column().Type;
    });
}

HRESULT FieldObject::get_ActualSize(long* oSize)
{
    return Guard(kSource, [&] {
        CheckPointer(oSize);
        *oSize = DataSize(m_Recordset->CurrentValue(m_Column).Get());
    });
}

HRESULT FieldObject::get_DefinedSize(long* oSize)
{
    return Guard(kSource, [&] {
        CheckPointer(oSize);
        *oSize = Column().DefinedSize;
    });
}

HRESULT FieldObject::get_Attributes(long* oAttributes)
{
    return Guard(kSource, [&] {
        CheckPointer(oAttributes);
        *oAttributes = Column().Attributes;
    });
}

HRESULT FieldsCollection::get_Count(long* oCount)
{
    return Guard(L"PlatformADO.Fields", [&] {
        CheckPointer(oCount);
        *oCount = static_cast<long>(m_Recordset->Table().Columns.size());
    });
}

HRESULT FieldsCollection::get_Item(VARIANT iIndex, Field** oField)
{
    return Guard(L"PlatformADO.Fields", [&] {
        CheckPointer(oField);
        *oField = nullptr;
        const RecordTable& table = m_Recordset->Table();
        size_t column = ResolveIndex(iIndex, table.Columns.size(),
                                     [&](const std::wstring& name) { return table.ColumnIndex(name); });
        *oField = Make<FieldObject>(m_Recordset, column).Detach();
    });
}

}  // namespace ado
