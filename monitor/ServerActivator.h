#pragma once

#include <objbase.h>

#include <string>

// Creates the server object the monitor reports to.
class IServerActivator {
public:
    virtual ~IServerActivator() = default;
    // Activates iClassId on iServerName asking for IZorvane; oObject gets what the activation
    // returned (possibly null when only that interface was refused).
    virtual HRESULT Activate(const CLSID& iClassId, const std::wstring& iServerName, IUnknown** oObject) = 0;
};

// COM activation as a local or remote server. The server's name is passed only for another
// computer: activation by name fails for a class on this one.
class TComServerActivator : public IServerActivator {
public:
    TComServerActivator();
    HRESULT Activate(const CLSID& iClassId, const std::wstring& iServerName, IUnknown** oObject) override;

    static bool IsThisComputer(const std::wstring& iServerName, const std::wstring& iComputerName);

private:
    std::wstring m_ComputerName;
};
