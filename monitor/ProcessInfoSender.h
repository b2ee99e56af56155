#pragma once

#include <zorvane.h>

#include <string>

// Sends a program's description and icon file image to the server and answers how the call
// went. A failure is logged and goes no further: the report of the quantum goes on. A failure
// on this side, before the call, answers E_FAIL.
HRESULT SendProcessInformation(IZorvane& iServer, const std::wstring& iName, const std::wstring& iPath);
