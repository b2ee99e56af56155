#include <csl/EComException.h>

#include <comdef.h>

#include <cstdio>
#include <cstdlib>
#include <string>

HRESULT EComException::GetHResult() const
{
    std::string digits;
    GetProperty("HRESULT").GetString(digits);
    return static_cast<HRESULT>(std::strtoul(digits.c_str(), nullptr, 16));
}

namespace {

// The system's text for an HRESULT on one line; empty when it has none.
std::string ComErrorText(HRESULT iResult)
{
    char* buffer = nullptr;
    // Without arguments to fill in, places for them must be left as they are: filling them
    // in would read arguments that were never given.
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_MAX_WIDTH_MASK |
                           FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(iResult), 0x400, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer ? buffer : "", buffer ? length : 0);
    if (buffer)
        LocalFree(buffer);
    return text;
}

void AddErrorInfoText(EComException& ioError, const char* iName, HRESULT (STDMETHODCALLTYPE IErrorInfo::*iGet)(BSTR*),
                      IErrorInfo* iInfo)
{
    BSTR text = nullptr;
    if (FAILED((iInfo->*iGet)(&text)))
        return;
    const _bstr_t owned(text, false);
    if (text)
        ioError.PropertyRef(iName) = std::wstring(text, SysStringLen(text));
}

}  // namespace

void WINAPI ComErrorHandler(HRESULT iResult, IErrorInfo* iInfo)
{
    // Released however this ends.
    const _com_ptr_t<_com_IIID<IErrorInfo, &IID_IErrorInfo>> info(iInfo, false);
    EComException error;
    error.PropertyRef("Code") = static_cast<int>(iResult);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%lx", static_cast<unsigned long>(iResult));
    error.PropertyRef("HRESULT") = digits;
    const std::string text = ComErrorText(iResult);
    if (!text.empty())
        error.PropertyRef("Text") = text;
    if (iInfo) {
        AddErrorInfoText(error, "Description", &IErrorInfo::GetDescription, iInfo);
        AddErrorInfoText(error, "Source", &IErrorInfo::GetSource, iInfo);
    }
    throw error;
}
