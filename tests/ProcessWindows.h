// Finding the windows of a program that a driver started.
#pragma once
#include <windows.h>

// A visible top-level window of the process, waited for up to iSeconds: of the class when one
// is given, and only one that no other window owns when iUnownedOnly (the main window).
HWND WaitForProcessWindow(DWORD iProcessId, LPCWSTR iClassName, BOOL iUnownedOnly, int iSeconds);
