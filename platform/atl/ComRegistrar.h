#pragma once

#include "ComCoClass.h"
#include "RegistryKey.h"

#include <string>

// The registry entries of a COM local server: its classes, its AppID and its type library.
// Every failure throws CAtlException.
class CComRegistrar {
public:
    // The ProgID keys and HKCR\CLSID\{clsid}, which is replaced whole: description, ProgID,
    // VersionIndependentProgID, Programmable, LocalServer32 (the server's path), AppID and TypeLib.
    static void RegisterClass(const CLSID& iClsid, const CComClassRegistration& iRegistration, const GUID& iAppId,
                              const GUID& iLibId, const std::wstring& iServerPath);
    // The same keys for a class served by a DLL: InprocServer32 (the DLL's path and threading model)
    // in place of the server's entries.
    static void RegisterInprocClass(const CLSID& iClsid, const CComClassRegistration& iRegistration,
                                    const std::wstring& iDllPath, const std::wstring& iThreadingModel);
    static void UnregisterClass(const CLSID& iClsid, const CComClassRegistration& iRegistration);

    // HKCR\AppID\{appId} with its name and its access and launch permissions (Everyone may
    // call, launch and activate, locally and remotely), and HKCR\AppID\exeName naming the AppID.
    static void RegisterAppId(const GUID& iAppId, const std::wstring& iName, const std::wstring& iExeName);
    // Removes both keys; HKCR\AppID itself stays.
    static void UnregisterAppId(const GUID& iAppId, const std::wstring& iExeName);

    // The type library that is resource 1 of the file; answers its library id.
    static GUID RegisterTypeLib(const std::wstring& iPath);
    static void UnregisterTypeLib(const std::wstring& iPath);

    static std::wstring GuidText(const GUID& iGuid);

private:
    // The ProgID keys and the class key with what every kind of server writes there.
    static CRegistryKey RegisterClassKey(const CLSID& iClsid, const CComClassRegistration& iRegistration);
};
