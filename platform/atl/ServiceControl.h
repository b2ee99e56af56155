#pragma once

#include <windows.h>

#include <functional>
#include <string>

class CAtlException;

// Installs and removes a Windows service through the service control manager. Failures throw
// CAtlException with the message an operator sees.
class CServiceControl {
public:
    static bool IsInstalled(const std::wstring& iName);
    // An own-process service that starts automatically and depends on the RPC service; a null
    // iAccount runs it as LocalSystem. An installed service is left as it is.
    static void Install(const std::wstring& iName, const std::wstring& iProgramPath, const wchar_t* iAccount);
    // Stops the service when it runs (waiting for it to end, so that it can be installed again
    // at once) and deletes it; a service that is not installed is fine. A service that cannot be
    // stopped is still deleted, after its failure went to iWarn.
    static void Uninstall(const std::wstring& iName, const std::function<void(const CAtlException&)>& iWarn);
};
