#include "ComRegistrar.h"

#include "AtlException.h"
#include "RegistryKey.h"

#include <sddl.h>

#include <cwchar>

namespace {

// COM rights in the permission entries: execute, execute locally, remotely, activate locally,
// remotely.
const wchar_t kAccessPermission[] = L"O:BAG:BAD:(A;;0x7;;;WD)";
const wchar_t kLaunchPermission[] = L"O:LAG:LAD:(A;;0x1F;;;WD)";

void SetSecurityDescriptor(CRegistryKey& iKey, const wchar_t* iName, const wchar_t* iSddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ULONG size = 0;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(iSddl, SDDL_REVISION_1, &descriptor, &size))
        throw CAtlException::FromWin32(GetLastError(),
                                       std::wstring(L"Could not build the security descriptor ") + iName);
    try {
        iKey.SetBinary(iName, descriptor, size);
    } catch (...) {
        LocalFree(descriptor);
        throw;
    }
    LocalFree(descriptor);
}

struct TypeLibAttributes {
    GUID LibId;
    WORD Major, Minor;
    LCID Lcid;
    SYSKIND Syskind;
};

TypeLibAttributes LoadTypeLibAttributes(const std::wstring& iPath, REGKIND iKind)
{
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLibEx(iPath.c_str(), iKind, &lib);
    if (FAILED(hr))
        throw CAtlException::FromHResult(hr,
                                         (iKind == REGKIND_REGISTER ? L"Could not register the type library of "
                                                                    : L"Could not load the type library of ") +
                                             iPath);
    TLIBATTR* attr = nullptr;
    hr = lib->GetLibAttr(&attr);
    if (FAILED(hr)) {
        lib->Release();
        throw CAtlException::FromHResult(hr, L"Could not read the type library of " + iPath);
    }
    TypeLibAttributes result{attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, attr->lcid, attr->syskind};
    lib->ReleaseTLibAttr(attr);
    lib->Release();
    return result;
}

}  // namespace

std::wstring CComRegistrar::GuidText(const GUID& iGuid)
{
    wchar_t text[40];
    StringFromGUID2(iGuid, text, 40);
    return text;
}

CRegistryKey CComRegistrar::RegisterClassKey(const CLSID& iClsid, const CComClassRegistration& iRegistration)
{
    const std::wstring classId = GuidText(iClsid);
    const std::wstring progId = iRegistration.ProgId;
    const std::wstring independentId = iRegistration.VersionIndependentProgId;

    CRegistryKey versioned = CRegistryKey::Create(HKEY_CLASSES_ROOT, progId);
    versioned.SetString(L"", iRegistration.Description);
    versioned.Subkey(L"CLSID").SetString(L"", classId);

    CRegistryKey independent = CRegistryKey::Create(HKEY_CLASSES_ROOT, independentId);
    independent.SetString(L"", iRegistration.Description);
    independent.Subkey(L"CLSID").SetString(L"", classId);
    independent.Subkey(L"CurVer").SetString(L"", progId);

    const std::wstring classPath = L"CLSID\\" + classId;
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, classPath);
    CRegistryKey key = CRegistryKey::Create(HKEY_CLASSES_ROOT, classPath);
    key.SetString(L"", iRegistration.Description);
    key.Subkey(L"ProgID").SetString(L"", progId);
    key.Subkey(L"VersionIndependentProgID").SetString(L"", independentId);
    return key;
}

void CComRegistrar::RegisterClass(const CLSID& iClsid, const CComClassRegistration& iRegistration, const GUID& iAppId,
                                  const GUID& iLibId, const std::wstring& iServerPath)
{
    CRegistryKey key = RegisterClassKey(iClsid, iRegistration);
    key.Subkey(L"Programmable");
    // COM runs the command line as it stands: a path with blanks needs its quotes.
    key.Subkey(L"LocalServer32")
        .SetString(L"", iServerPath.find(L' ') == std::wstring::npos ? iServerPath : L"\"" + iServerPath + L"\"");
    key.SetString(L"AppID", GuidText(iAppId));
    key.Subkey(L"TypeLib").SetString(L"", GuidText(iLibId));
}

void CComRegistrar::RegisterInprocClass(const CLSID& iClsid, const CComClassRegistration& iRegistration,
                                        const std::wstring& iDllPath, const std::wstring& iThreadingModel)
{
    CRegistryKey server = RegisterClassKey(iClsid, iRegistration).Subkey(L"InprocServer32");
    server.SetString(L"", iDllPath);
    server.SetString(L"ThreadingModel", iThreadingModel);
}

void CComRegistrar::UnregisterClass(const CLSID& iClsid, const CComClassRegistration& iRegistration)
{
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, iRegistration.ProgId);
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, iRegistration.VersionIndependentProgId);
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"CLSID\\" + GuidText(iClsid));
}

void CComRegistrar::RegisterAppId(const GUID& iAppId, const std::wstring& iName, const std::wstring& iExeName)
{
    CRegistryKey key = CRegistryKey::Create(HKEY_CLASSES_ROOT, L"AppID\\" + GuidText(iAppId));
    key.SetString(L"", iName);
    SetSecurityDescriptor(key, L"AccessPermission", kAccessPermission);
    SetSecurityDescriptor(key, L"LaunchPermission", kLaunchPermission);
    CRegistryKey::Create(HKEY_CLASSES_ROOT, L"AppID\\" + iExeName).SetString(L"AppID", GuidText(iAppId));
}

void CComRegistrar::UnregisterAppId(const GUID& iAppId, const std::wstring& iExeName)
{
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"AppID\\" + GuidText(iAppId));
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"AppID\\" + iExeName);
}

// The key of the library under the neutral locale. Wine's interface marshaller looks for the
// library only there, whatever the library's own locale.
static std::wstring NeutralTypeLibKey(const TypeLibAttributes& iAttr)
{
    wchar_t version[16];
    swprintf(version, 16, L"%x.%x", iAttr.Major, iAttr.Minor);
    return L"TypeLib\\" + CComRegistrar::GuidText(iAttr.LibId) + L"\\" + version + L"\\0";
}

// The platform's subkey of a library's file: the kind the library was compiled for.
static const wchar_t* SysKindKey(SYSKIND iKind)
{
    return iKind == SYS_WIN64 ? L"\\win64" : L"\\win32";
}

GUID CComRegistrar::RegisterTypeLib(const std::wstring& iPath)
{
    TypeLibAttributes attr = LoadTypeLibAttributes(iPath, REGKIND_REGISTER);
    if (attr.Lcid != 0 && (attr.Syskind == SYS_WIN32 || attr.Syskind == SYS_WIN64))
        CRegistryKey::Create(HKEY_CLASSES_ROOT, NeutralTypeLibKey(attr) + SysKindKey(attr.Syskind))
            .SetString(L"", iPath);
    return attr.LibId;
}

void CComRegistrar::UnregisterTypeLib(const std::wstring& iPath)
{
    TypeLibAttributes attr = LoadTypeLibAttributes(iPath, REGKIND_NONE);
    // A library that is not registered has nothing to remove.
    if (!CRegistryKey::Open(HKEY_CLASSES_ROOT, L"TypeLib\\" + GuidText(attr.LibId), KEY_READ))
        return;
    if (attr.Lcid != 0)
        CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, NeutralTypeLibKey(attr));
    HRESULT hr = UnRegisterTypeLib(attr.LibId, attr.Major, attr.Minor, attr.Lcid, attr.Syskind);
    if (FAILED(hr))
        throw CAtlException::FromHResult(hr, L"Could not unregister the type library of " + iPath);
}
