#include "AtlException.h"

#include <cwchar>

namespace {

std::wstring SystemText(HRESULT hr)
{
    wchar_t* text = nullptr;
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result(text ? text : L"", length);
    LocalFree(text);
    while (!result.empty() &&
           (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' ' || result.back() == L'.'))
        result.pop_back();
    wchar_t code[16];
    swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(hr));
    return result.empty() ? std::wstring(code) : result + L" (" + code + L")";
}

}  // namespace

CAtlException CAtlException::FromWin32(DWORD error, const std::wstring& message)
{
    // A caller that lost the error code still reports a failure.
    return FromHResult(error ? HRESULT_FROM_WIN32(error) : E_FAIL, message);
}

CAtlException CAtlException::FromHResult(HRESULT hr, const std::wstring& message)
{
    return CAtlException(hr, message + L": " + SystemText(hr));
}
