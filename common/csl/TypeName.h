#pragma once
#include <string>
#include <typeinfo>

// The name of a type as it is shown to people: "int", "unsigned long", "bool", "void",
// "class X" for class types; the compiler's mangled type_info names are not readable.
std::string ReadableTypeName(const std::type_info& iType);
