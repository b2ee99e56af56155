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

HINSTANCE sModuleInstance = nullptr;
HHOOK sKeyboardHook = nullptr;
HHOOK sMouseHook = nullptr;

void NoteInput(volatile LONG& ioCounter)
{
    InterlockedIncrement(&ioCounter);
    InterlockedExchange(reinterpret_cast<volatile LONG*>(&LastInputTime), static_cast<LONG>(GetTickCount()));
}

LRESULT CALLBACK KeyboardProc(int iCode, WPARAM iMessage, LPARAM iData)
{
    if (iCode == HC_ACTION)
        NoteInput(KeyEvents);
    return CallNextHookEx(sKeyboardHook, iCode, iMessage, iData);
}

LRESULT CALLBACK MouseProc(int iCode, WPARAM iMessage, LPARAM iData)
{
    if (iCode == HC_ACTION)
        NoteInput(MouseEvents);
    return CallNextHookEx(sMouseHook, iCode, iMessage, iData);
}

void Unhook(HHOOK& ioHook)
{
    if (ioHook)
        UnhookWindowsHookEx(ioHook);
    ioHook = nullptr;
}

}  // namespace

extern "C" void ZorvaneHook()
{
    if (!sKeyboardHook)
        sKeyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, sModuleInstance, 0);
    if (!sMouseHook)
        sMouseHook = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, sModuleInstance, 0);
}

extern "C" void ZorvaneUnhook()
{
    Unhook(sKeyboardHook);
    Unhook(sMouseHook);
}

BOOL WINAPI DllMain(HINSTANCE iInstance, DWORD iReason, LPVOID)
{
    if (iReason == DLL_PROCESS_ATTACH) {
        sModuleInstance = iInstance;
        DisableThreadLibraryCalls(iInstance);
    }
    return TRUE;
}
