#include "AdoError.h"

#include "ComObject.h"

namespace ado {

AdoError::AdoError(HRESULT code, std::wstring text) : code_(code), text_(std::move(text))
{
    narrow_.reserve(text_.size());
    for (wchar_t c : text_)
        narrow_ += c < 0x80 ? static_cast<char>(c) : '?';
}

HRESULT ReportError(HRESULT code, const std::wstring& text, const wchar_t* source)
{
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetDescription(const_cast<wchar_t*>(text.c_str()));
        create->SetSource(const_cast<wchar_t*>(source));
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create.As(&info)))
            SetErrorInfo(0, info.Get());
    }
    return code;
}

void CheckPointer(const void* pointer)
{
    if (!pointer)
        throw AdoError(E_POINTER, L"A required pointer argument is null");
}

void CheckResult(HRESULT hr, const wchar_t* what)
{
    if (FAILED(hr))
        throw AdoError(hr, what);
}

}  // namespace ado
