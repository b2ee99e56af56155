#pragma once

#include <zorvane.h>

#include <string>

// Sends a program's description and icon file image to the server. A failure is logged and
// goes no further: the report of the quantum goes on.
void SendProcessInformation(IZorvane& iServer, const std::wstring& iName, const std::wstring& iPath);
