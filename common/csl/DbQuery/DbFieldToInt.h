#pragma once
#include <csl/DbQuery/AdoPtr.h>

// The field's value as a 32-bit integer: NULL and empty give 0, a decimal goes through the
// widest form that takes it. A failed conversion throws EGeneric naming the field, the value
// and both types.
int DbFieldToInt(Field* iField);
