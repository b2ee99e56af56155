#include <csl/SmartPtr.h>
#include <csl/TypeName.h>

#include <cstdio>
#include <typeinfo>

std::string SmartPtrObj::GetDescription() const
{
    char address[17];
    std::snprintf(address, sizeof address, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(dynamic_cast<const void*>(this))));
    return ReadableTypeName(typeid(*this)) + " {0x" + address + "}";
}
