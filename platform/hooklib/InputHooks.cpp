// Counts keyboard and mouse input for the monitor through low-level hooks. The hooks run on
// the thread that installed them, which must pump messages (the monitor's main thread does),
// and see only the input of their own session. So the counters belong to the process that
// hooked: shared between processes, they would add up the input of every session that runs
// a monitor.
#include <windows.h>

extern "C" {
volatile LONG KeyEvents = 0;
volatile LONG MouseEvents = 0;
volatile DWORD LastInputTime = 0;
}

namespace {

HINSTANCE moduleInstance = nullptr;
HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;

void NoteInput(volatile LONG& counter)
{
    InterlockedIncrement(&counter);
    InterlockedExchange(reinterpret_cast<volatile LONG*>(&LastInputTime), static_cast<LONG>(GetTickCount()));
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION)
        NoteInput(KeyEvents);
    return CallNextHookEx(keyboardHook, code, message, data);
}

LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION)
        NoteInput(MouseEvents);
    return CallNextHookEx(mouseHook, code, message, data);
}

void Unhook(HHOOK& hook)
{
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = nullptr;
}

}  // namespace

extern "C" void ZorvaneHook()
{
    if (!keyboardHook)
        keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, moduleInstance, 0);
    if (!mouseHook)
        mouseHook = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, moduleInstance, 0);
}

extern "C" void ZorvaneUnhook()
{
    Unhook(keyboardHook);
    Unhook(mouseHook);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        moduleInstance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
