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

void SetSecurityDescriptor(CRegistryKey& key, const wchar_t* name, const wchar_t* sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ULONG size = 0;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, &size))
        throw CAtlException::FromWin32(GetLastError(),
                                       std::wstring(L"Could not build the security descriptor ") + name);
    try {
        key.SetBinary(name, descriptor, size);
    } catch (...) {
        LocalFree(descriptor);
        throw;
    }
    LocalFree(descriptor);
}

struct TypeLibAttributes {
    GUID libId;
    WORD major, minor;
    LCID lcid;
    SYSKIND syskind;
};

TypeLibAttributes LoadTypeLibAttributes(const std::wstring& path, REGKIND kind)
{
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLibEx(path.c_str(), kind, &lib);
    if (FAILED(hr))
        throw CAtlException::FromHResult(hr,
                                         (kind == REGKIND_REGISTER ? L"Could not register the type library of "
                                                                   : L"Could not load the type library of ") +
                                             path);
    TLIBATTR* attr = nullptr;
    hr = lib->GetLibAttr(&attr);
    if (FAILED(hr)) {
        lib->Release();
        throw CAtlException::FromHResult(hr, L"Could not read the type library of " + path);
    }
    TypeLibAttributes result{attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, attr->lcid, attr->syskind};
    lib->ReleaseTLibAttr(attr);
    lib->Release();
    return result;
}

}  // namespace

std::wstring CComRegistrar::GuidText(const GUID& guid)
{
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

CRegistryKey CComRegistrar::RegisterClassKey(const CLSID& clsid, const CComClassRegistration& registration)
{
    const std::wstring classId = GuidText(clsid);
    const std::wstring progId = registration.progId;
    const std::wstring independentId = registration.versionIndependentProgId;

    CRegistryKey versioned = CRegistryKey::Create(HKEY_CLASSES_ROOT, progId);
    versioned.SetString(L"", registration.description);
    versioned.Subkey(L"CLSID").SetString(L"", classId);

    CRegistryKey independent = CRegistryKey::Create(HKEY_CLASSES_ROOT, independentId);
    independent.SetString(L"", registration.description);
    independent.Subkey(L"CLSID").SetString(L"", classId);
    independent.Subkey(L"CurVer").SetString(L"", progId);

    const std::wstring classPath = L"CLSID\\" + classId;
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, classPath);
    CRegistryKey key = CRegistryKey::Create(HKEY_CLASSES_ROOT, classPath);
    key.SetString(L"", registration.description);
    key.Subkey(L"ProgID").SetString(L"", progId);
    key.Subkey(L"VersionIndependentProgID").SetString(L"", independentId);
    return key;
}

void CComRegistrar::RegisterClass(const CLSID& clsid, const CComClassRegistration& registration, const GUID& appId,
                                  const GUID& libId, const std::wstring& serverPath)
{
    CRegistryKey key = RegisterClassKey(clsid, registration);
    key.Subkey(L"Programmable");
    // COM runs the command line as it stands: a path with blanks needs its quotes.
    key.Subkey(L"LocalServer32")
        .SetString(L"", serverPath.find(L' ') == std::wstring::npos ? serverPath : L"\"" + serverPath + L"\"");
    key.SetString(L"AppID", GuidText(appId));
    key.Subkey(L"TypeLib").SetString(L"", GuidText(libId));
}

void CComRegistrar::RegisterInprocClass(const CLSID& clsid, const CComClassRegistration& registration,
                                        const std::wstring& dllPath, const std::wstring& threadingModel)
{
    CRegistryKey server = RegisterClassKey(clsid, registration).Subkey(L"InprocServer32");
    server.SetString(L"", dllPath);
    server.SetString(L"ThreadingModel", threadingModel);
}

void CComRegistrar::UnregisterClass(const CLSID& clsid, const CComClassRegistration& registration)
{
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, registration.progId);
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, registration.versionIndependentProgId);
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"CLSID\\" + GuidText(clsid));
}

void CComRegistrar::RegisterAppId(const GUID& appId, const std::wstring& name, const std::wstring& exeName)
{
    CRegistryKey key = CRegistryKey::Create(HKEY_CLASSES_ROOT, L"AppID\\" + GuidText(appId));
    key.SetString(L"", name);
    SetSecurityDescriptor(key, L"AccessPermission", kAccessPermission);
    SetSecurityDescriptor(key, L"LaunchPermission", kLaunchPermission);
    CRegistryKey::Create(HKEY_CLASSES_ROOT, L"AppID\\" + exeName).SetString(L"AppID", GuidText(appId));
}

void CComRegistrar::UnregisterAppId(const GUID& appId, const std::wstring& exeName)
{
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"AppID\\" + GuidText(appId));
    CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"AppID\\" + exeName);
}

// The key of the library under the neutral locale. Wine's interface marshaller looks for the
// library only there, whatever the library's own locale.
static std::wstring NeutralTypeLibKey(const TypeLibAttributes& attr)
{
    wchar_t version[16];
    swprintf(version, 16, L"%x.%x", attr.major, attr.minor);
    return L"TypeLib\\" + CComRegistrar::GuidText(attr.libId) + L"\\" + version + L"\\0";
}

// The platform's subkey of a library's file: the kind the library was compiled for.
static const wchar_t* SysKindKey(SYSKIND kind)
{
    return kind == SYS_WIN64 ? L"\\win64" : L"\\win32";
}

GUID CComRegistrar::RegisterTypeLib(const std::wstring& path)
{
    TypeLibAttributes attr = LoadTypeLibAttributes(path, REGKIND_REGISTER);
    if (attr.lcid != 0 && (attr.syskind == SYS_WIN32 || attr.syskind == SYS_WIN64))
        CRegistryKey::Create(HKEY_CLASSES_ROOT, NeutralTypeLibKey(attr) + SysKindKey(attr.syskind))
            .SetString(L"", path);
    return attr.libId;
}

void CComRegistrar::UnregisterTypeLib(const std::wstring& path)
{
    TypeLibAttributes attr = LoadTypeLibAttributes(path, REGKIND_NONE);
    // A library that is not registered has nothing to remove.
    if (!CRegistryKey::Open(HKEY_CLASSES_ROOT, L"TypeLib\\" + GuidText(attr.libId), KEY_READ))
        return;
    if (attr.lcid != 0)
        CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, NeutralTypeLibKey(attr));
    HRESULT hr = UnRegisterTypeLib(attr.libId, attr.major, attr.minor, attr.lcid, attr.syskind);
    if (FAILED(hr))
        throw CAtlException::FromHResult(hr, L"Could not unregister the type library of " + path);
}
