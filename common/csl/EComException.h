#pragma once
#include <csl/EGeneric.h>

#include <objbase.h>
#include <oaidl.h>

// A failed COM call: "Code" (the HRESULT as int), "HRESULT" (its hexadecimal digits),
// "Text", and "Description" and "Source" from the error information when there was some.
class EComException : public EGeneric {
public:
    EComException() = default;

    // The failing HRESULT, so that COM boundaries can answer it.
    HRESULT GetHResult() const;
};

// Raises a failed COM call as an EComException; releases iInfo. Every failure of the COM
// support classes (_bstr_t, _variant_t, _com_ptr_t) ends here.
[[noreturn]] void WINAPI ComErrorHandler(HRESULT iResult, IErrorInfo* iInfo = nullptr);

// Makes ComErrorHandler the handler of the COM support classes. Done before main by the
// library; calling it again does no harm.
void InstallComErrorHandler();
