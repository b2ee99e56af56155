#pragma once

#include <windows.h>

// Raises a failed HRESULT of a call made through a raw interface as the library's COM error,
// with the error information the callee left.
void CheckComResult(HRESULT iResult);
