#pragma once
#include <string>

std::wstring GetLocalComputerName();

// True on Windows XP and later of the NT line; the cached form asks the system once.
bool IsWindowsXPOrLater();
bool CachedIsWindowsXPOrLater();

// Switches the process heap to the low-fragmentation heap where the system offers it.
void EnableLowFragmentationHeap();
