#include <csl/DbQuery/DbFieldValues.h>

namespace {

// The field's value, or null when it holds none.
bool ReadValue(Field* iField, _variant_t& oValue)
{
    Field* field = AdoRequired(iField);
    AdoCheck(field, field->get_Value(oValue.GetAddress()));
    return oValue.vt != VT_EMPTY && oValue.vt != VT_NULL;
}

}  // namespace

FieldPtr DbGetField(_Recordset* iRecordset, const wchar_t* iName)
{
    _Recordset* recordset = AdoRequired(iRecordset);
    Fields* fields = nullptr;
    AdoCheck(recordset, recordset->get_Fields(&fields));
    const FieldsPtr list(AdoRequired(fields), false);
    Field* field = nullptr;
    AdoCheck(fields, fields->get_Item(_variant_t(iName), &field));
    return FieldPtr(AdoRequired(field), false);
}

_bstr_t DbFieldAsText(Field* iField)
{
    _variant_t value;
    if (!ReadValue(iField, value))
        return _bstr_t(L"");
    value.ChangeType(VT_BSTR);
    return _bstr_t(value.bstrVal);
}

double DbFieldAsDouble(Field* iField)
{
    _variant_t value;
    if (!ReadValue(iField, value))
        return 0.0;
    value.ChangeType(VT_R8);
    return value.dblVal;
}
