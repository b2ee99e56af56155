#include "HookLibrary.h"

extern "C" {
__declspec(dllimport) void ZorvaneHook();
__declspec(dllimport) void ZorvaneUnhook();
__declspec(dllimport) extern volatile LONG KeyEvents;
__declspec(dllimport) extern volatile LONG MouseEvents;
__declspec(dllimport) extern volatile DWORD LastInputTime;
}

void THookLibrary::Hook()
{
    ZorvaneHook();
}

void THookLibrary::Unhook()
{
    ZorvaneUnhook();
}

LONG THookLibrary::TakeKeyEvents()
{
    return InterlockedExchange(&KeyEvents, 0);
}

LONG THookLibrary::TakeMouseEvents()
{
    return InterlockedExchange(&MouseEvents, 0);
}

DWORD THookLibrary::LastInputTime()
{
    return ::LastInputTime;
}
