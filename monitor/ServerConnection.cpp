#include "ServerConnection.h"

#include "ComResult.h"
#include "MonitorLog.h"

#include <csl/EComException.h>
#include <csl/EGeneric.h>

TServerConnection::TServerConnection(IServerActivator& iActivator) : m_Activator(iActivator) {}

bool TServerConnection::Connect(const std::wstring& iServerClass, const std::wstring& iFallbackClass,
                                const std::wstring& iServerName, TQuantum& oQuantum)
{
    CLSID classId;
    if (!ResolveClass(iServerClass, iFallbackClass, classId))
        return false;
    if (LogOn())
        DebugLog() << "Connecting to " << iServerName << "...\n";
    IUnknown* object = nullptr;
    HRESULT result = m_Activator.Activate(classId, iServerName, &object);
    if (FAILED(result)) {
        if (LogOn())
            DebugLog().Printf("CoCreateInstanceEx FAILED! (0x%lx)\n", result);
        return false;
    }
    if (LogOn())
        DebugLog() << "Connected\n";
    _com_ptr_t<_com_IIID<IUnknown, &IID_IUnknown>> owned(object, false);
    try {
        ReadQuantum(owned, oQuantum);
        return true;
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) GetQuantum FAILED!\n" << failure << "\n";
        m_Server = nullptr;
        return false;
    }
}

bool TServerConnection::ResolveClass(const std::wstring& iServerClass, const std::wstring& iFallbackClass,
                                     CLSID& oClassId)
{
    if (!iServerClass.empty() && iServerClass[0] == L'{') {
        HRESULT result = CLSIDFromString(iServerClass.c_str(), &oClassId);
        if (SUCCEEDED(result))
            return true;
        if (LogOn())
            DebugLog().Printf("CLSIDFromString FAILED! (0x%lx) (%ls)\n", result, iServerClass.c_str());
        return false;
    }
    if (SUCCEEDED(CLSIDFromProgID(iServerClass.c_str(), &oClassId)))
        return true;
    HRESULT result = CLSIDFromProgID(iFallbackClass.c_str(), &oClassId);
    if (SUCCEEDED(result))
        return true;
    if (LogOn())
        DebugLog().Printf("CLSIDFromProgID FAILED! (0x%lx) (%ls)\n", result, iFallbackClass.c_str());
    return false;
}

// Any failure here, a refused interface included, leaves the monitor unconnected.
void TServerConnection::ReadQuantum(IUnknown* iObject, TQuantum& oQuantum)
{
    m_Server = nullptr;
    if (iObject) {
        HRESULT result = iObject->QueryInterface(IID_IZorvane, reinterpret_cast<void**>(&m_Server));
        if (result != E_NOINTERFACE)
            CheckComResult(result);
    }
    if (!m_Server)
        ComErrorHandler(E_POINTER);
    unsigned long seconds = 0;
    CheckComResult(m_Server->GetQuantum(&seconds));
    if (!oQuantum.Set(seconds))
        throw EGeneric(TNamedValue("Text", "The server's quantum is 0"));
    if (LogOn())
        DebugLog() << "Quantum = " << oQuantum.Seconds() << "\n";
}
