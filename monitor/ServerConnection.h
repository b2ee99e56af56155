#pragma once

#include "Quantum.h"
#include "ServerActivator.h"

#include <ZorvanePtr.h>

#include <string>

// The monitor's link to its server object (the user service's relay or the server itself):
// finds the class, activates it and reads the quantum.
class TServerConnection {
public:
    explicit TServerConnection(IServerActivator& activator);

    // Connects to serverClass (a ProgID, or a braced class id) on serverName; a ProgID that is
    // not registered is tried as fallbackClass. True when an IZorvane is held and the quantum
    // was read into quantum.
    bool Connect(const std::wstring& serverClass, const std::wstring& fallbackClass, const std::wstring& serverName,
                 TQuantum& quantum);
    void Drop() { server_ = nullptr; }

    IZorvane* Server() const { return server_; }

private:
    bool ResolveClass(const std::wstring& serverClass, const std::wstring& fallbackClass, CLSID& classId);
    void ReadQuantum(IUnknown* object, TQuantum& quantum);

    IServerActivator& activator_;
    IZorvanePtr server_;
};
