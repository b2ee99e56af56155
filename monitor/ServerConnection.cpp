#include "ServerConnection.h"

#include "ComResult.h"
#include "MonitorLog.h"

#include <csl/EComException.h>
#include <csl/EGeneric.h>

TServerConnection::TServerConnection(IServerActivator& activator) : activator_(activator) {}

bool TServerConnection::Connect(const std::wstring& serverClass, const std::wstring& fallbackClass,
                                const std::wstring& serverName, TQuantum& quantum)
{
    CLSID classId;
    if (!ResolveClass(serverClass, fallbackClass, classId))
        return false;
    if (LogOn())
        DebugLog() << "Connecting to " << serverName << "...\n";
    IUnknown* object = nullptr;
    HRESULT result = activator_.Activate(classId, serverName, &object);
    if (FAILED(result)) {
        if (LogOn())
            DebugLog().Printf("CoCreateInstanceEx FAILED! (0x%lx)\n", result);
        return false;
    }
    if (LogOn())
        DebugLog() << "Connected\n";
    _com_ptr_t<_com_IIID<IUnknown, &IID_IUnknown>> owned(object, false);
    try {
        ReadQuantum(owned, quantum);
        return true;
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) GetQuantum FAILED!\n" << failure << "\n";
        server_ = nullptr;
        return false;
    }
}

bool TServerConnection::ResolveClass(const std::wstring& serverClass, const std::wstring& fallbackClass, CLSID& classId)
{
    if (!serverClass.empty() && serverClass[0] == L'{') {
        HRESULT result = CLSIDFromString(serverClass.c_str(), &classId);
        if (SUCCEEDED(result))
            return true;
        if (LogOn())
            DebugLog().Printf("CLSIDFromString FAILED! (0x%lx) (%ls)\n", result, serverClass.c_str());
        return false;
    }
    if (SUCCEEDED(CLSIDFromProgID(serverClass.c_str(), &classId)))
        return true;
    HRESULT result = CLSIDFromProgID(fallbackClass.c_str(), &classId);
    if (SUCCEEDED(result))
        return true;
    if (LogOn())
        DebugLog().Printf("CLSIDFromProgID FAILED! (0x%lx) (%ls)\n", result, fallbackClass.c_str());
    return false;
}

// Any failure here, a refused interface included, leaves the monitor unconnected.
void TServerConnection::ReadQuantum(IUnknown* object, TQuantum& quantum)
{
    server_ = nullptr;
    if (object) {
        HRESULT result = object->QueryInterface(IID_IZorvane, reinterpret_cast<void**>(&server_));
        if (result != E_NOINTERFACE)
            CheckComResult(result);
    }
    if (!server_)
        ComErrorHandler(E_POINTER);
    unsigned long seconds = 0;
    CheckComResult(server_->GetQuantum(&seconds));
    if (!quantum.Set(seconds))
        throw EGeneric(TNamedValue("Text", "The server's quantum is 0"));
    if (LogOn())
        DebugLog() << "Quantum = " << quantum.Seconds() << "\n";
}
