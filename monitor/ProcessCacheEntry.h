#pragma once

#include <csl/SmartPtr.h>

#include <windows.h>

#include <string>

// What the monitor knows about one program that had the foreground in the current quantum:
// who runs it, its last window title, and the time and input credited to it.
class TProcessCacheEntry : public virtual SmartPtrObj {
public:
    // Reads the title of iWindow; an untitled window leaves the last title.
    void TakeTitle(HWND iWindow);
    // Looks up the program's name, path and owner from its process; leaves the name empty when
    // the process cannot be opened (another account's protected process).
    void Fill(DWORD iProcessId);
    void ResetCounters();

    std::wstring Name;
    std::wstring Owner;  // domain\user
    std::wstring Title;
    std::wstring Path;
    DWORD ProcessId = 0;
    HWND Window = nullptr;
    LONG KeyEvents = 0;
    LONG MouseEvents = 0;
    DWORD Time = 0;  // ms

private:
    void FillModule(HANDLE iProcess);
    void FillOwner(HANDLE iProcess);
};
