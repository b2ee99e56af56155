#pragma once
#include <windows.h>

// The answer of a COM method of the server to the exception being handled: logs it with the
// method's name ("(!) Exception in CZorvaneServer::<method>() ...") and maps it to an HRESULT.
// Call it only inside a catch block.
//   EComException    -> its HRESULT
//   ESystemException -> HRESULT_FROM_WIN32 of its "Code"
//   anything else    -> E_FAIL
// An exception never answers success: a code that would read as success gives E_FAIL.
HRESULT ComMethodResult(const char* iMethod);
