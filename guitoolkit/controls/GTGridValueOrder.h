#pragma once
#include <afxwin.h>

// The order of two cell values of one type, numbers by value (unsigned types unsigned, a
// floating-point value that is not a number after every number), texts by their characters:
// -1, 0 or 1 in oOrder. FALSE for two types, or a type, that it does not order.
BOOL GTGridValueOrder(const VARIANT& iFirst, const VARIANT& iSecond, int& oOrder);
