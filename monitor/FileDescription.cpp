#include "FileDescription.h"

#include <windows.h>

#include <cwchar>
#include <vector>

void ReadFileDescription(const std::wstring& iPath, std::wstring& oDescription)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(iPath.c_str(), &ignored);
    if (size == 0)
        return;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(iPath.c_str(), 0, size, block.data()))
        return;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < 2 * sizeof(WORD))
        return;
    const WORD* translation = static_cast<const WORD*>(value);
    wchar_t query[64];
    swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\FileDescription", translation[0], translation[1]);
    if (!VerQueryValueW(block.data(), query, &value, &length) || !value)
        return;
    const wchar_t* text = static_cast<const wchar_t*>(value);
    oDescription.assign(text, wcsnlen(text, length));
}
