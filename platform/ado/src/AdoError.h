#pragma once
#include <ado.h>

#include <cstring>
#include <exception>
#include <string>
#include <utility>

namespace ado {

// A failure inside the objects; the COM methods turn it into an HRESULT with error info.
class AdoError : public std::exception {
public:
    AdoError(HRESULT iCode, std::wstring iText);
    HRESULT Code() const { return m_Code; }
    const std::wstring& Text() const { return m_Text; }
    const char* what() const noexcept override { return m_Narrow.c_str(); }

private:
    HRESULT m_Code;
    std::wstring m_Text;
    std::string m_Narrow;
};

// Sets the thread's error info (description and source) and answers the code.
HRESULT ReportError(HRESULT iCode, const std::wstring& iText, const wchar_t* iSource);

// Runs one COM method's body: S_OK on return, the error's HRESULT on an exception.
template <class Body>
HRESULT Guard(const wchar_t* iSource, Body&& iBody) noexcept
{
    try {
        iBody();
        return S_OK;
    } catch (const AdoError& e) {
        return ReportError(e.Code(), e.Text(), iSource);
    } catch (const std::bad_alloc&) {
        return ReportError(E_OUTOFMEMORY, L"Out of memory", iSource);
    } catch (const std::exception& e) {
        return ReportError(E_FAIL, std::wstring(e.what(), e.what() + strlen(e.what())), iSource);
    }
}

// Throws E_POINTER for a null out or in pointer.
void CheckPointer(const void* iPointer);

// Throws the failed HRESULT of a system call with the given explanation.
void CheckResult(HRESULT iHr, const wchar_t* iWhat);

}  // namespace ado
