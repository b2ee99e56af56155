#pragma once
#include "RecordsetObject.h"

namespace ado {

// One column of a recordset; its value follows the recordset's current row.
class FieldObject : public DispatchObject<Field> {
public:
    FieldObject(ComPtr<RecordsetObject> iRecordset, size_t iColumn)
        : m_Recordset(std::move(iRecordset)), m_Column(iColumn)
    {
    }

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* oName) override;
    HRESULT STDMETHODCALLTYPE get_Value(VARIANT* oValue) override;
    HRESULT STDMETHODCALLTYPE get_Type(DataTypeEnum* oType) override;
    HRESULT STDMETHODCALLTYPE get_ActualSize(long* oSize) override;
    HRESULT STDMETHODCALLTYPE get_DefinedSize(long* oSize) override;
    HRESULT STDMETHODCALLTYPE get_Attributes(long* oAttributes) override;

private:
    const ColumnInfo& Column() const { return m_Recordset->Table().Columns[m_Column]; }

    ComPtr<RecordsetObject> m_Recordset;
    size_t m_Column;
};

// The columns of a recordset, by position or by name (without regard to case).
class FieldsCollection : public DispatchObject<Fields> {
public:
    explicit FieldsCollection(ComPtr<RecordsetObject> iRecordset) : m_Recordset(std::move(iRecordset)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* oCount) override;
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT iIndex, Field** oField) override;

private:
    ComPtr<RecordsetObject> m_Recordset;
};

}  // namespace ado
