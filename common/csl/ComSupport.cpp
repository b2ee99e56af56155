// The parts of the compiler's COM support classes (_bstr_t, _variant_t, _com_ptr_t) that
// no library of the toolchain defines, and the handler that makes their failures
// EComException.
#include <csl/EComException.h>

#include <comdef.h>

void InstallComErrorHandler()
{
    _set_com_error_handler(ComErrorHandler);
}

namespace {

struct TInstallEarly {
    TInstallEarly() { InstallComErrorHandler(); }
} sInstallEarly;

}  // namespace

// Passes on the object's error information when it offers some for the failing interface.
void WINAPI _com_issue_errorex(HRESULT iResult, IUnknown* iObject, REFIID iInterface)
{
    IErrorInfo* info = nullptr;
    ISupportErrorInfo* support = nullptr;
    if (iObject && SUCCEEDED(iObject->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
        if (support->InterfaceSupportsErrorInfo(iInterface) != S_OK || GetErrorInfo(0, &info) != S_OK)
            info = nullptr;
        support->Release();
    }
    __mingw_com_error_handler(iResult, info);
}

namespace _com_util {

BSTR WINAPI ConvertStringToBSTR(const char* iText)
{
    if (!iText)
        return nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, iText, -1, nullptr, 0);
    if (length <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(GetLastError()));
    BSTR text = SysAllocStringLen(nullptr, length - 1);
    if (!text)
        _com_issue_error(E_OUTOFMEMORY);
    MultiByteToWideChar(CP_ACP, 0, iText, -1, text, length);
    return text;
}

// The caller frees the result with delete[].
char* WINAPI ConvertBSTRToString(BSTR iText)
{
    if (!iText)
        return nullptr;
    const int length = WideCharToMultiByte(CP_ACP, 0, iText, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(GetLastError()));
    char* text = new char[length];
    WideCharToMultiByte(CP_ACP, 0, iText, -1, text, length, nullptr, nullptr);
    return text;
}

}  // namespace _com_util
