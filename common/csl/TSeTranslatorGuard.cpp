#include <csl/TSeTranslatorGuard.h>

#include <csl/ContextRegisters.h>
#include <csl/EStructuredException.h>
#include <csl/ExceptionDiagnostics.h>
#include <csl/SystemUtils.h>

// g++ has no structured-exception translator. The vectored handler below sends a guarded
// thread that faults in code with unwind information into a trampoline that looks as if
// the faulting instruction had called it; the trampoline calls a function that throws,
// so the exception unwinds from the faulting instruction (the library is built with
// -fnon-call-exceptions, so faulting instructions have landing pads).

extern "C" void csl_StructuredExceptionTrampoline();
extern "C" void csl_ThrowStructuredException();

// The faulting thread arrives with the faulting address + 1 in the accumulator, which the
// trampoline pushes as its return address: the unwinder looks up the caller at return
// address - 1, the faulting instruction itself. The unwind information starts after that push.
#if defined(__x86_64__)
// x86_64 unwinds through the Windows function tables: the body's prologue is described with
// .seh_* directives, and the frame pointer lets the unwinder undo the alignment.
asm("    .text\n"
    "    .globl csl_StructuredExceptionTrampoline\n"
    "csl_StructuredExceptionTrampoline:\n"
    "    pushq %rax\n"
    "    .def csl_StructuredExceptionTrampolineBody; .scl 3; .type 32; .endef\n"
    "csl_StructuredExceptionTrampolineBody:\n"
    "    .seh_proc csl_StructuredExceptionTrampolineBody\n"
    "    pushq %rbp\n"
    "    .seh_pushreg %rbp\n"
    "    movq %rsp, %rbp\n"
    "    .seh_setframe %rbp, 0\n"
    "    .seh_endprologue\n"
    "    andq $-16, %rsp\n"
    "    subq $32, %rsp\n"
    "    call csl_ThrowStructuredException\n"
    "    ud2\n"
    "    .seh_endproc\n");
#else
// i686 unwinds with the DWARF-2 tables: the body carries call-frame information.
asm("    .text\n"
    "    .globl _csl_StructuredExceptionTrampoline\n"
    "_csl_StructuredExceptionTrampoline:\n"
    "    pushl %eax\n"
    "    .cfi_startproc\n"
    "    pushl %ebp\n"
    "    .cfi_def_cfa_offset 8\n"
    "    .cfi_offset %ebp, -8\n"
    "    movl %esp, %ebp\n"
    "    .cfi_def_cfa_register %ebp\n"
    "    andl $-16, %esp\n"
    "    call _csl_ThrowStructuredException\n"
    "    ud2\n"
    "    .cfi_endproc\n");
#endif

namespace {

// What the handler saves for the trampoline: the dispatcher's record and context lie
// below the faulting stack pointer, where the trampoline's own calls overwrite them.
struct TFaultRecord {
    EXCEPTION_RECORD Record;
    CONTEXT Context;
};

// Read by the handler through TlsGetValue, which never allocates.
const DWORD gFaultSlot = TlsAlloc();
thread_local TFaultRecord tFault;

bool IsHardwareCode(DWORD iCode)
{
    switch (iCode) {
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_BREAKPOINT:
    case EXCEPTION_SINGLE_STEP:
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case STATUS_NO_MEMORY:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case STATUS_FLOAT_MULTIPLE_FAULTS:
    case STATUS_FLOAT_MULTIPLE_TRAPS:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
        return true;
    default:
        return false;
    }
}

// Faults in code that the unwinder cannot leave (system libraries, other modules) are
// left to their own handlers.
#if defined(__x86_64__)
bool HasUnwindInformation(DWORD_PTR iAddress)
{
    DWORD64 imageBase = 0;
    return RtlLookupFunctionEntry(iAddress, &imageBase, nullptr) != nullptr;
}
#else
// libgcc's own lookup of the unwind information that covers an address.
struct TDwarfEhBases {
    void* tbase;
    void* dbase;
    void* func;
};
extern "C" const void* _Unwind_Find_FDE(void* iPc, TDwarfEhBases* oBases);

bool HasUnwindInformation(DWORD_PTR iAddress)
{
    TDwarfEhBases bases;
    return _Unwind_Find_FDE(reinterpret_cast<void*>(iAddress), &bases) != nullptr;
}
#endif

LONG CALLBACK TranslatingHandler(EXCEPTION_POINTERS* iPointers)
{
    TFaultRecord* fault = static_cast<TFaultRecord*>(TlsGetValue(gFaultSlot));
    EXCEPTION_RECORD* record = iPointers->ExceptionRecord;
    CONTEXT* context = iPointers->ContextRecord;
    if (!fault || !IsHardwareCode(record->ExceptionCode) || (record->ExceptionFlags & EXCEPTION_NONCONTINUABLE) ||
        !HasUnwindInformation(InstructionPointer(*context)))
        return EXCEPTION_CONTINUE_SEARCH;
    fault->Record = *record;
    fault->Record.ExceptionRecord = nullptr;
    fault->Context = *context;
    AccumulatorRegister(*context) = InstructionPointer(*context) + 1;
    InstructionPointer(*context) = reinterpret_cast<DWORD_PTR>(&csl_StructuredExceptionTrampoline);
    return EXCEPTION_CONTINUE_EXECUTION;
}

typedef PVOID(WINAPI* AddVectoredExceptionHandlerFn)(ULONG, PVECTORED_EXCEPTION_HANDLER);
typedef ULONG(WINAPI* RemoveVectoredExceptionHandlerFn)(PVOID);

// Removes the registration at exit.
class TVectoredRegistration {
public:
    ~TVectoredRegistration()
    {
        if (m_Handle && m_Remove)
            m_Remove(m_Handle);
    }

    bool Register()
    {
        if (m_Handle || !CachedIsWindowsXPOrLater())
            return m_Handle != nullptr;
        HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
        auto add = reinterpret_cast<AddVectoredExceptionHandlerFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel32, "AddVectoredExceptionHandler")));
        m_Remove = reinterpret_cast<RemoveVectoredExceptionHandlerFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel32, "RemoveVectoredExceptionHandler")));
        if (add && m_Remove)
            m_Handle = add(0, &TranslatingHandler);
        return m_Handle != nullptr;
    }

private:
    PVOID m_Handle = nullptr;
    RemoveVectoredExceptionHandlerFn m_Remove = nullptr;
};

TVectoredRegistration gRegistration;
const bool gHandlerInstalled = InstallVectoredHandler();
// Every program guards its threads, so this is where the exceptions get their diagnostics.
const bool gDiagnosticsInstalled = InstallExceptionDiagnostics();

}  // namespace

extern "C" __attribute__((used)) void csl_ThrowStructuredException()
{
    const TFaultRecord* fault = static_cast<const TFaultRecord*>(TlsGetValue(gFaultSlot));
    // Copied first: a fault while the exception is built reuses the thread's record.
    EXCEPTION_RECORD record = fault->Record;
    CONTEXT context = fault->Context;
    EXCEPTION_POINTERS pointers = {&record, &context};
    TranslateStructuredException(record.ExceptionCode, &pointers);
}

TSeTranslatorGuard::TSeTranslatorGuard()
{
    TlsSetValue(gFaultSlot, &tFault);
}

void TranslateStructuredException(unsigned int iCode, EXCEPTION_POINTERS* iPointers)
{
    throw EStructuredException(iCode, iPointers);
}

bool InstallVectoredHandler()
{
    return gRegistration.Register();
}
