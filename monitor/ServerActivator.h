#pragma once

#include <objbase.h>

#include <string>

// Creates the server object the monitor reports to.
class IServerActivator {
public:
    virtual ~IServerActivator() = default;
    // Activates classId on serverName asking for IZorvane; object gets what the activation
    // returned (possibly null when only that interface was refused).
    virtual HRESULT Activate(const CLSID& classId, const std::wstring& serverName, IUnknown** object) = 0;
};

// COM activation as a local or remote server. The server's name is passed only for another
// computer: activation by name fails for a class on this one.
class TComServerActivator : public IServerActivator {
public:
    TComServerActivator();
    HRESULT Activate(const CLSID& classId, const std::wstring& serverName, IUnknown** object) override;

    static bool IsThisComputer(const std::wstring& serverName, const std::wstring& computerName);

private:
    std::wstring computerName_;
};
