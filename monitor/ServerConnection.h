#pragma once

#include "Quantum.h"
#include "ServerActivator.h"

#include <ZorvanePtr.h>

#include <string>

// The monitor's link to its server object (the user service's relay or the server itself):
// finds the class, activates it and reads the quantum.
class TServerConnection {
public:
    explicit TServerConnection(IServerActivator& iActivator);

    // Connects to iServerClass (a ProgID, or a braced class id) on iServerName; a ProgID that is
    // not registered is tried as iFallbackClass. True when an IZorvane is held and the quantum
    // was read into oQuantum.
    bool Connect(const std::wstring& iServerClass, const std::wstring& iFallbackClass, const std::wstring& iServerName,
                 TQuantum& oQuantum);
    void Drop() { m_Server = nullptr; }

    IZorvane* Server() const { return m_Server; }

private:
    bool ResolveClass(const std::wstring& iServerClass, const std::wstring& iFallbackClass, CLSID& oClassId);
    void ReadQuantum(IUnknown* iObject, TQuantum& oQuantum);

    IServerActivator& m_Activator;
    IZorvanePtr m_Server;
};
