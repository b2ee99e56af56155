#include <csl/EStructuredException.h>

#include <cstdio>

namespace {

struct TCodeName {
    DWORD Code;
    const char* Name;
};

const TCodeName kCodeNames[] = {
    {0x80000002, "Datatype Misalignment"},
    {0x80000003, "Breakpoint"},
    {0x80000004, "Debugger Exception"},
    {0xC0000005, "Access Violation"},
    {0xC0000006, "Page Fault"},
    {0xC0000017, "No Memory"},
    {0xC000001D, "Illegal Instruction"},
    {0xC0000025, "Noncontinuable Exception"},
    {0xC0000026, "Invalid Disposition"},
    {0xC000008C, "Array Bounds Exceeded"},
    {0xC000008D, "FPU Error"},
    {0xC000008E, "FPU Error"},
    {0xC000008F, "FPU Error"},
    {0xC0000090, "FPU Error"},
    {0xC0000091, "FPU Error"},
    {0xC0000092, "FPU Error"},
    {0xC0000093, "FPU Error"},
    {0xC00002B4, "FPU Error"},
    {0xC00002B5, "FPU Error"},
    {0xC0000094, "Divide by Zero"},
    {0xC0000095, "Integer Overflow"},
    {0xC0000096, "Privileged Instruction"},
    {0xC00000FD, "Stack Overflow"},
};

std::string Hex(ULONG_PTR iValue)
{
    char text[24];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(iValue));
    return text;
}

}  // namespace

std::string StructuredExceptionName(DWORD iCode)
{
    for (const TCodeName& entry : kCodeNames)
        if (entry.Code == iCode)
            return entry.Name;
    return std::string();
}

EStructuredException::EStructuredException(DWORD iCode, EXCEPTION_POINTERS* iPointers) : EGeneric(TWithoutDiagnostics())
{
    const EXCEPTION_RECORD* record = iPointers ? iPointers->ExceptionRecord : nullptr;
    std::string text = StructuredExceptionName(iCode);
    if (iCode == EXCEPTION_ACCESS_VIOLATION && record && record->NumberParameters >= 2)
        text += (record->ExceptionInformation[0] ? " (write to 0x" : " (read from 0x") +
            Hex(record->ExceptionInformation[1]) + ")";
    if (!text.empty())
        SetProperty("Text", text);
    SetProperty("Code", static_cast<int>(iCode));
    if (record) {
        SetProperty("Address", static_cast<int>(reinterpret_cast<INT_PTR>(record->ExceptionAddress)));
        for (DWORD i = 0; i < record->NumberParameters && i < EXCEPTION_MAXIMUM_PARAMETERS; ++i)
            SetProperty(std::string("Parameter") + static_cast<char>('0' + i),
                        static_cast<int>(record->ExceptionInformation[i]));
    }
    AttachDiagnostics(iPointers);
    if (HasProperty("Stack"))
        MovePropertyLast("Stack");
}
