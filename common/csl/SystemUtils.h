#pragma once
#include <string>

std::wstring GetLocalComputerName();

// Switches the process heap to the low-fragmentation heap where the system offers it.
void EnableLowFragmentationHeap();
