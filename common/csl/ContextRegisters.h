#pragma once
#include <windows.h>

// The registers of a thread context that the fault translation and the stack walk use, under
// one name on both targets.
#if defined(__x86_64__)
inline DWORD_PTR& InstructionPointer(CONTEXT& ioContext)
{
    return ioContext.Rip;
}
inline DWORD_PTR& StackPointer(CONTEXT& ioContext)
{
    return ioContext.Rsp;
}
inline DWORD_PTR& FramePointer(CONTEXT& ioContext)
{
    return ioContext.Rbp;
}
inline DWORD_PTR& AccumulatorRegister(CONTEXT& ioContext)
{
    return ioContext.Rax;
}
const DWORD kContextMachine = IMAGE_FILE_MACHINE_AMD64;
#else
inline DWORD_PTR& InstructionPointer(CONTEXT& ioContext)
{
    return ioContext.Eip;
}
inline DWORD_PTR& StackPointer(CONTEXT& ioContext)
{
    return ioContext.Esp;
}
inline DWORD_PTR& FramePointer(CONTEXT& ioContext)
{
    return ioContext.Ebp;
}
inline DWORD_PTR& AccumulatorRegister(CONTEXT& ioContext)
{
    return ioContext.Eax;
}
const DWORD kContextMachine = IMAGE_FILE_MACHINE_I386;
#endif
