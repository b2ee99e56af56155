#pragma once

#include "Quantum.h"
#include "ServerActivator.h"

#include <zorvane.h>

#include <comdef.h>

#include <string>

using IZorvanePtr = _com_ptr_t<_com_IIID<IZorvane, &IID_IZorvane>>;

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
