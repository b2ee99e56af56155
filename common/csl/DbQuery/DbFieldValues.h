#pragma once
// Reading the fields of a result by name: text and floating point (integers: DbFieldToInt.h).
// A null recordset or field raises E_POINTER; a failing call raises the object's error.
#include <csl/DbQuery/AdoPtr.h>

// The field of the current row of that name; a name the recordset lacks raises its error.
FieldPtr DbGetField(_Recordset* iRecordset, const wchar_t* iName);
// Empty for NULL and empty values; anything else by the standard conversion to text.
_bstr_t DbFieldAsText(Field* iField);
// 0.0 for NULL and empty values; anything else by the standard conversion to VT_R8.
double DbFieldAsDouble(Field* iField);
