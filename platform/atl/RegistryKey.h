#pragma once

#include <windows.h>

#include <string>

// An open registry key. Every failure throws CAtlException with the key's path in its text.
class CRegistryKey {
public:
    // Opens the key, creating what is missing.
    static CRegistryKey Create(HKEY iParent, const std::wstring& iPath);
    // Opens an existing key; answers an empty object when the key does not exist.
    static CRegistryKey Open(HKEY iParent, const std::wstring& iPath, REGSAM iAccess);
    // Deletes the key with everything under it; a missing key is fine.
    static void DeleteTree(HKEY iParent, const std::wstring& iPath);

    CRegistryKey(CRegistryKey&& iOther) noexcept;
    CRegistryKey& operator=(CRegistryKey&&) = delete;
    ~CRegistryKey();

    explicit operator bool() const { return m_Key != nullptr; }

    // An empty name sets the key's default value.
    void SetString(const std::wstring& iName, const std::wstring& iValue);
    void SetBinary(const std::wstring& iName, const void* iData, DWORD iSize);
    // A missing value is fine.
    void DeleteValue(const std::wstring& iName);
    // Answers false when the value does not exist.
    bool QueryString(const std::wstring& iName, std::wstring& oValue) const;

    CRegistryKey Subkey(const std::wstring& iPath) const { return Create(m_Key, iPath); }

private:
    CRegistryKey(HKEY iKey, std::wstring iPath) : m_Key(iKey), m_Path(std::move(iPath)) {}

    HKEY m_Key;
    std::wstring m_Path;
};
