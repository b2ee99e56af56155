#pragma once

#include <csl/SmartPtr.h>

#include <windows.h>

#include <string>
#include <vector>

// What the monitor knows about one program that had the foreground in the current quantum:
// who runs it, its last window title, and the time and input credited to it.
class TProcessCacheEntry : public virtual SmartPtrObj {
public:
    // Reads the title of window; an untitled window leaves the last title.
    void TakeTitle(HWND window);
    // Looks up the program's name, path and owner from its process; leaves the name empty when
    // the process cannot be opened (another account's protected process).
    void Fill(DWORD processId);
    void ResetCounters();

    std::wstring name;
    std::wstring owner;  // domain\user
    std::wstring title;
    std::wstring path;
    std::vector<BYTE> ownerSid;
    DWORD processId = 0;
    HWND window = nullptr;
    LONG keyEvents = 0;
    LONG mouseEvents = 0;
    DWORD time = 0;  // ms

private:
    void FillModule(HANDLE process);
    void FillOwner(HANDLE process);
};
