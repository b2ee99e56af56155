#include "AtlException.h"

#include <cwchar>

namespace {

std::wstring SystemText(HRESULT iHr)
{
    wchar_t* text = nullptr;
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(iHr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result(text ? text : L"", length);
    LocalFree(text);
    while (!result.empty() &&
           (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' ' || result.back() == L'.'))
        result.pop_back();
    wchar_t code[16];
    swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(iHr));
    return result.empty() ? std::wstring(code) : result + L" (" + code + L")";
}

}  // namespace

CAtlException CAtlException::FromWin32(DWORD iError, const std::wstring& iMessage)
{
    // A caller that lost the error code still reports a failure.
    return FromHResult(iError ? HRESULT_FROM_WIN32(iError) : E_FAIL, iMessage);
}

CAtlException CAtlException::FromHResult(HRESULT iHr, const std::wstring& iMessage)
{
    return CAtlException(iHr, iMessage + L": " + SystemText(iHr));
}
