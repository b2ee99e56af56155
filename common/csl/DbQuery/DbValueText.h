#pragma once
#include <oaidl.h>

#include <string>

// A statement's parameter value or a field value as the SQL log shows it; iBlobSize is the
// size shown for a byte array.
std::string DbValueText(const VARIANT& iValue, long iBlobSize);
