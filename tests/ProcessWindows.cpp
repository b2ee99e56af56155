#include "ProcessWindows.h"

#include <cwchar>

namespace {
struct TSearch {
    DWORD processId;
    LPCWSTR className;
    BOOL unownedOnly;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND iWindow, LPARAM iSearch)
{
    TSearch* search = reinterpret_cast<TSearch*>(iSearch);
    DWORD owner = 0;
    GetWindowThreadProcessId(iWindow, &owner);
    wchar_t name[64] = {};
    GetClassNameW(iWindow, name, 64);
    if (owner != search->processId || !IsWindowVisible(iWindow) ||
        (search->unownedOnly && GetWindow(iWindow, GW_OWNER)) ||
        (search->className && wcscmp(name, search->className) != 0))
        return TRUE;
    search->found = iWindow;
    return FALSE;
}
}  // namespace

HWND WaitForProcessWindow(DWORD iProcessId, LPCWSTR iClassName, BOOL iUnownedOnly, int iSeconds)
{
    for (int i = 0; i < iSeconds * 10; ++i) {
        TSearch search{iProcessId, iClassName, iUnownedOnly, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}
