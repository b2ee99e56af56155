#pragma once
#include <csl/DbQuery/AdoPtr.h>

// The field's value as a 32-bit integer: NULL and empty give 0, a floating-point value is
// truncated toward zero, a decimal goes through the widest form that takes it. A failed
// conversion throws EGeneric naming the field, the value and both types.
int DbFieldToInt(Field* iField);
// The same reading unsigned: a negative integer keeps its bit pattern, and types the rules
// above do not name convert to VT_UI4 in place of VT_I4.
unsigned long DbFieldAsULong(Field* iField);
