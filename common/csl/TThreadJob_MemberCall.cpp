#include <csl/TThreadJob_MemberCall.h>

// g++'s member-function pointer: the code address, or for a virtual member its offset in
// the table plus one; then the adjustment of the object pointer.
const void* MemberFunctionAddress(const void* iObject, const void* iMemberPointer, size_t iSize)
{
    struct {
        uintptr_t Pointer;
        ptrdiff_t Adjustment;
    } member = {};
    memcpy(&member, iMemberPointer, iSize < sizeof(member) ? iSize : sizeof(member));
    if (!(member.Pointer & 1))
        return reinterpret_cast<const void*>(member.Pointer);
    const char* object = static_cast<const char*>(iObject) + member.Adjustment;
    const char* table = *reinterpret_cast<const char* const*>(object);
    return *reinterpret_cast<const void* const*>(table + member.Pointer - 1);
}
