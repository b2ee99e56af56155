#pragma once
#include <string>

std::wstring GetLocalComputerName();

// The full path of the running program's file, and its folder with the trailing backslash.
std::wstring GetProgramPath();
std::wstring GetProgramDirectory();

// True on Windows XP and later of the NT line; the cached form asks the system once.
bool IsWindowsXPOrLater();
bool CachedIsWindowsXPOrLater();

// Switches the process heap to the low-fragmentation heap where the system offers it.
void EnableLowFragmentationHeap();
