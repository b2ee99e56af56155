#pragma once
// Where the files of the running process's modules are, for the platform's pieces.
#include <windows.h>

#include <string>

// The full path of the module's file (the program's for null); empty, with the last error set,
// when it cannot be had.
inline std::wstring ModuleFilePath(HMODULE iModule = nullptr)
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(iModule, &path[0], static_cast<DWORD>(path.size()));
    if (length >= path.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return std::wstring();
    }
    path.resize(length);
    return path;
}

// The folder of the program's file with its trailing backslash; empty when it cannot be had.
inline std::wstring ProgramFolder()
{
    const std::wstring path = ModuleFilePath();
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}
