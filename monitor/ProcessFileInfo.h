#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Reads what the server keeps about a program: the description from its version resource
// (description stays as it was when there is none) and its icon file image (left empty when
// the file cannot be opened or has no usable icons). The file is opened as data, never run.
void ExtractProcessInfo(const std::wstring& iPath, std::wstring& oDescription, std::vector<BYTE>& oIcon);
