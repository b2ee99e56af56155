#pragma once
#include "RecordsetObject.h"

namespace ado {

// One column of a recordset; its value follows the recordset's current row.
class FieldObject : public DispatchObject<Field> {
public:
    FieldObject(ComPtr<RecordsetObject> recordset, size_t column) : recordset_(std::move(recordset)), column_(column) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_Value(VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_Type(DataTypeEnum* type) override;
    HRESULT STDMETHODCALLTYPE get_ActualSize(long* size) override;
    HRESULT STDMETHODCALLTYPE get_DefinedSize(long* size) override;
    HRESULT STDMETHODCALLTYPE get_Attributes(long* attributes) override;

private:
    const ColumnInfo& Column() const { return recordset_->Table().columns[column_]; }

    ComPtr<RecordsetObject> recordset_;
    size_t column_;
};

// The columns of a recordset, by position or by name (without regard to case).
class FieldsCollection : public DispatchObject<Fields> {
public:
    explicit FieldsCollection(ComPtr<RecordsetObject> recordset) : recordset_(std::move(recordset)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override;
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, Field** field) override;

private:
    ComPtr<RecordsetObject> recordset_;
};

}  // namespace ado
