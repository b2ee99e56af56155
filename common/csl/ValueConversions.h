#pragma once
#include <csl/_value_t.h>

#include <string>

class _time_t;

// Conversions of a whole value that format numbers and bools as text and parse text as
// numbers and bools; a list gives its first element. An empty value throws
// EBadCastException from "void".
std::string ValueToText(const _value_t& iValue);
std::wstring ValueToWText(const _value_t& iValue);
// Text is read as atoi / strtoul (base 10) read it: no digits give 0.
int ValueToInt(const _value_t& iValue);
unsigned long ValueToULong(const _value_t& iValue);
// Text is true when it is "true" in any case, or a number other than 0.
bool ParseBoolText(const _value_t& iValue);
// A number is seconds since 1970, its 32 bits taken as signed.
_time_t ValueToTime(const _value_t& iValue);
