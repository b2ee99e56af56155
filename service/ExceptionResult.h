#pragma once
#include <windows.h>

#include <exception>

// The HRESULT a COM method answers for an exception it caught: the failing HRESULT of a COM
// error, the Win32 error of a system failure (a code of 0 or less as it stands), E_FAIL for
// anything else.
HRESULT ExceptionResult(const std::exception& iFailure);
