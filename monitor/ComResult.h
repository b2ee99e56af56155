#pragma once

#include <windows.h>

// Raises a failed HRESULT of a call made through a raw interface as the library's COM error,
// with the error information the callee left.
void CheckComResult(HRESULT result);

// A failure of the way to the server rather than of the call: the server is gone, faulted,
// or the connection to it was lost.
bool IsTransportFailure(HRESULT result);
