#pragma once
#include <oaidl.h>

// The number of elements in the first dimension of the array; 0 for none or no array.
long SafeArrayElementCount(SAFEARRAY* iArray);
