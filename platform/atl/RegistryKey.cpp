#include "RegistryKey.h"

#include "AtlException.h"

namespace {

std::wstring RootName(HKEY iKey)
{
    if (iKey == HKEY_CLASSES_ROOT)
        return L"HKEY_CLASSES_ROOT\\";
    if (iKey == HKEY_LOCAL_MACHINE)
        return L"HKEY_LOCAL_MACHINE\\";
    if (iKey == HKEY_CURRENT_USER)
        return L"HKEY_CURRENT_USER\\";
    return L"";
}

void Check(LONG iError, const std::wstring& iWhat)
{
    if (iError != ERROR_SUCCESS)
        throw CAtlException::FromWin32(iError, iWhat);
}

}  // namespace

CRegistryKey CRegistryKey::Create(HKEY iParent, const std::wstring& iPath)
{
    HKEY key = nullptr;
    std::wstring full = RootName(iParent) + iPath;
    Check(RegCreateKeyExW(iParent, iPath.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr),
          L"Could not create the registry key " + full);
    return CRegistryKey(key, full);
}

CRegistryKey CRegistryKey::Open(HKEY iParent, const std::wstring& iPath, REGSAM iAccess)
{
    HKEY key = nullptr;
    std::wstring full = RootName(iParent) + iPath;
    LONG error = RegOpenKeyExW(iParent, iPath.c_str(), 0, iAccess, &key);
    if (error == ERROR_FILE_NOT_FOUND)
        return CRegistryKey(nullptr, full);
    Check(error, L"Could not open the registry key " + full);
    return CRegistryKey(key, full);
}

void CRegistryKey::DeleteTree(HKEY iParent, const std::wstring& iPath)
{
    LONG error = RegDeleteTreeW(iParent, iPath.c_str());
    if (error == ERROR_FILE_NOT_FOUND)
        return;
    Check(error, L"Could not delete the registry key " + RootName(iParent) + iPath);
    error = RegDeleteKeyW(iParent, iPath.c_str());
    if (error != ERROR_FILE_NOT_FOUND)
        Check(error, L"Could not delete the registry key " + RootName(iParent) + iPath);
}

CRegistryKey::CRegistryKey(CRegistryKey&& iOther) noexcept : m_Key(iOther.m_Key), m_Path(std::move(iOther.m_Path))
{
    iOther.m_Key = nullptr;
}

CRegistryKey::~CRegistryKey()
{
    if (m_Key)
        RegCloseKey(m_Key);
}

void CRegistryKey::SetString(const std::wstring& iName, const std::wstring& iValue)
{
    Check(RegSetValueExW(m_Key, iName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(iValue.c_str()),
                         static_cast<DWORD>((iValue.size() + 1) * sizeof(wchar_t))),
          L"Could not write the value \"" + iName + L"\" of " + m_Path);
}

void CRegistryKey::SetBinary(const std::wstring& iName, const void* iData, DWORD iSize)
{
    Check(RegSetValueExW(m_Key, iName.c_str(), 0, REG_BINARY, static_cast<const BYTE*>(iData), iSize),
          L"Could not write the value \"" + iName + L"\" of " + m_Path);
}

void CRegistryKey::DeleteValue(const std::wstring& iName)
{
    LONG error = RegDeleteValueW(m_Key, iName.c_str());
    if (error != ERROR_FILE_NOT_FOUND)
        Check(error, L"Could not delete the value \"" + iName + L"\" of " + m_Path);
}

bool CRegistryKey::QueryString(const std::wstring& iName, std::wstring& oValue) const
{
    DWORD type = 0, size = 0;
    LONG error = RegQueryValueExW(m_Key, iName.c_str(), nullptr, &type, nullptr, &size);
    if (error == ERROR_FILE_NOT_FOUND)
        return false;
    Check(error, L"Could not read the value \"" + iName + L"\" of " + m_Path);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw CAtlException(HRESULT_FROM_WIN32(ERROR_INVALID_DATA),
                            L"The value \"" + iName + L"\" of " + m_Path + L" is not a string");
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    Check(RegQueryValueExW(m_Key, iName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]), &size),
          L"Could not read the value \"" + iName + L"\" of " + m_Path);
    text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
    oValue = text;
    return true;
}
