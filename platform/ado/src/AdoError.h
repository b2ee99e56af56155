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
    AdoError(HRESULT code, std::wstring text);
    HRESULT Code() const { return code_; }
    const std::wstring& Text() const { return text_; }
    const char* what() const noexcept override { return narrow_.c_str(); }

private:
    HRESULT code_;
    std::wstring text_;
    std::string narrow_;
};

// Sets the thread's error info (description and source) and answers the code.
HRESULT ReportError(HRESULT code, const std::wstring& text, const wchar_t* source);

// Runs one COM method's body: S_OK on return, the error's HRESULT on an exception.
template <class Body>
HRESULT Guard(const wchar_t* source, Body&& body) noexcept
{
    try {
        body();
        return S_OK;
    } catch (const AdoError& e) {
        return ReportError(e.Code(), e.Text(), source);
    } catch (const std::bad_alloc&) {
        return ReportError(E_OUTOFMEMORY, L"Out of memory", source);
    } catch (const std::exception& e) {
        return ReportError(E_FAIL, std::wstring(e.what(), e.what() + strlen(e.what())), source);
    }
}

// Throws E_POINTER for a null out or in pointer.
void CheckPointer(const void* pointer);

// Throws the failed HRESULT of a system call with the given explanation.
void CheckResult(HRESULT hr, const wchar_t* what);

}  // namespace ado
