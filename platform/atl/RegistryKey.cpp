#include "RegistryKey.h"

#include "AtlException.h"

namespace {

std::wstring RootName(HKEY key)
{
    if (key == HKEY_CLASSES_ROOT)
        return L"HKEY_CLASSES_ROOT\\";
    if (key == HKEY_LOCAL_MACHINE)
        return L"HKEY_LOCAL_MACHINE\\";
    if (key == HKEY_CURRENT_USER)
        return L"HKEY_CURRENT_USER\\";
    return L"";
}

void Check(LONG error, const std::wstring& what)
{
    if (error != ERROR_SUCCESS)
        throw CAtlException::FromWin32(error, what);
}

}  // namespace

CRegistryKey CRegistryKey::Create(HKEY parent, const std::wstring& path)
{
    HKEY key = nullptr;
    std::wstring full = RootName(parent) + path;
    Check(RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr),
          L"Could not create the registry key " + full);
    return CRegistryKey(key, full);
}

CRegistryKey CRegistryKey::Open(HKEY parent, const std::wstring& path, REGSAM access)
{
    HKEY key = nullptr;
    std::wstring full = RootName(parent) + path;
    LONG error = RegOpenKeyExW(parent, path.c_str(), 0, access, &key);
    if (error == ERROR_FILE_NOT_FOUND)
        return CRegistryKey(nullptr, full);
    Check(error, L"Could not open the registry key " + full);
    return CRegistryKey(key, full);
}

void CRegistryKey::DeleteTree(HKEY parent, const std::wstring& path)
{
    LONG error = RegDeleteTreeW(parent, path.c_str());
    if (error == ERROR_FILE_NOT_FOUND)
        return;
    Check(error, L"Could not delete the registry key " + RootName(parent) + path);
    error = RegDeleteKeyW(parent, path.c_str());
    if (error != ERROR_FILE_NOT_FOUND)
        Check(error, L"Could not delete the registry key " + RootName(parent) + path);
}

CRegistryKey::CRegistryKey(CRegistryKey&& other) noexcept : m_key(other.m_key), m_path(std::move(other.m_path))
{
    other.m_key = nullptr;
}

CRegistryKey::~CRegistryKey()
{
    if (m_key)
        RegCloseKey(m_key);
}

void CRegistryKey::SetString(const std::wstring& name, const std::wstring& value)
{
    Check(RegSetValueExW(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
          L"Could not write the value \"" + name + L"\" of " + m_path);
}

void CRegistryKey::SetBinary(const std::wstring& name, const void* data, DWORD size)
{
    Check(RegSetValueExW(m_key, name.c_str(), 0, REG_BINARY, static_cast<const BYTE*>(data), size),
          L"Could not write the value \"" + name + L"\" of " + m_path);
}

void CRegistryKey::DeleteValue(const std::wstring& name)
{
    LONG error = RegDeleteValueW(m_key, name.c_str());
    if (error != ERROR_FILE_NOT_FOUND)
        Check(error, L"Could not delete the value \"" + name + L"\" of " + m_path);
}

bool CRegistryKey::QueryString(const std::wstring& name, std::wstring& value) const
{
    DWORD type = 0, size = 0;
    LONG error = RegQueryValueExW(m_key, name.c_str(), nullptr, &type, nullptr, &size);
    if (error == ERROR_FILE_NOT_FOUND)
        return false;
    Check(error, L"Could not read the value \"" + name + L"\" of " + m_path);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw CAtlException(HRESULT_FROM_WIN32(ERROR_INVALID_DATA),
                            L"The value \"" + name + L"\" of " + m_path + L" is not a string");
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    Check(RegQueryValueExW(m_key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]), &size),
          L"Could not read the value \"" + name + L"\" of " + m_path);
    text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
    value = text;
    return true;
}
