#pragma once

#include <windows.h>

#include <vector>

// The bytes of an icon file holding two images of a program: a 32-pixel one first and a
// 16-pixel one second (each falls back to the other size), taken from the icon resources of
// the program file loaded as data. Empty when the module has no usable image of either size.
std::vector<BYTE> BuildIconFileImage(HMODULE iModule);
