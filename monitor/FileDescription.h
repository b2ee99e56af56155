#pragma once

#include <string>

// Sets oDescription to the FileDescription of the first translation in the version resource of
// the program file at iPath; leaves it as it was when the file has no such text (a program
// without a version resource is normal).
void ReadFileDescription(const std::wstring& iPath, std::wstring& oDescription);
