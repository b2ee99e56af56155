#include <string>

#include "AdoError.h"
#include "ComObject.h"
#include "PlatformAdo.h"

#include <ModulePath.h>

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO registration";

std::wstring ClassKey()
{
    wchar_t text[40] = {};
    StringFromGUID2(CLSID_Recordset, text, 40);
    return std::wstring(L"CLSID\\") + text;
}

std::wstring ServerPath(const wchar_t* iDllPath)
{
    if (iDllPath)
        return iDllPath;
    return ProgramFolder() + kServerDll;
}

void SetValue(const std::wstring& iKeyName, const wchar_t* iName, const std::wstring& iValue)
{
    HKEY key = nullptr;
    LONG status =
        RegCreateKeyExW(HKEY_CLASSES_ROOT, iKeyName.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(key, iName, 0, REG_SZ, reinterpret_cast<const BYTE*>(iValue.c_str()),
                                static_cast<DWORD>((iValue.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) {
        throw AdoError(HRESULT_FROM_WIN32(status), L"Cannot write the registry key " + iKeyName);
    }
}

}  // namespace

HRESULT RegisterServer(const wchar_t* iDllPath)
{
    return Guard(kSource, [&] {
        std::wstring path = ServerPath(iDllPath);
        ComPtr<ITypeLib> library;
        HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
        if (FAILED(hr))
            throw AdoError(hr, L"Cannot load the type library of " + path);
        std::wstring key = ClassKey();
        SetValue(key, nullptr, L"PlatformADO Recordset");
        SetValue(key + L"\\InprocServer32", nullptr, path);
        SetValue(key + L"\\InprocServer32", L"ThreadingModel", L"Both");
        hr = RegisterTypeLib(library.Get(), const_cast<wchar_t*>(path.c_str()), nullptr);
        if (FAILED(hr))
            throw AdoError(hr, L"Cannot register the type library of " + path);
    });
}

HRESULT UnregisterServer()
{
    return Guard(kSource, [&] {
        LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey().c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            throw AdoError(HRESULT_FROM_WIN32(status), L"Cannot remove the registry key " + ClassKey());
        }
        HRESULT hr = UnRegisterTypeLib(LIBID_PlatformADO, 1, 0, 0x409, kTypeLibKind);
        if (FAILED(hr) && hr != TYPE_E_REGISTRYACCESS && hr != TYPE_E_LIBNOTREGISTERED) {
            throw AdoError(hr, L"Cannot remove the type library's registration");
        }
    });
}

}  // namespace ado
