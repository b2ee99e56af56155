#include "AdoError.h"

#include "ComObject.h"

namespace ado {

AdoError::AdoError(HRESULT iCode, std::wstring iText) : m_Code(iCode), m_Text(std::move(iText))
{
    m_Narrow.reserve(m_Text.size());
    for (wchar_t c : m_Text)
        m_Narrow += c < 0x80 ? static_cast<char>(c) : '?';
}

HRESULT ReportError(HRESULT iCode, const std::wstring& iText, const wchar_t* iSource)
{
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetDescription(const_cast<wchar_t*>(iText.c_str()));
        create->SetSource(const_cast<wchar_t*>(iSource));
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create.As(&info)))
            SetErrorInfo(0, info.Get());
    }
    return iCode;
}

void CheckPointer(const void* iPointer)
{
    if (!iPointer)
        throw AdoError(E_POINTER, L"A required pointer argument is null");
}

void CheckResult(HRESULT iHr, const wchar_t* iWhat)
{
    if (FAILED(iHr))
        throw AdoError(iHr, iWhat);
}

}  // namespace ado
