#pragma once

#include <windows.h>

#include <string>

// An open registry key. Every failure throws CAtlException with the key's path in its text.
class CRegistryKey {
public:
    // Opens the key, creating what is missing.
    static CRegistryKey Create(HKEY parent, const std::wstring& path);
    // Opens an existing key; answers an empty object when the key does not exist.
    static CRegistryKey Open(HKEY parent, const std::wstring& path, REGSAM access);
    // Deletes the key with everything under it; a missing key is fine.
    static void DeleteTree(HKEY parent, const std::wstring& path);

    CRegistryKey(CRegistryKey&& other) noexcept;
    CRegistryKey& operator=(CRegistryKey&&) = delete;
    ~CRegistryKey();

    explicit operator bool() const { return m_key != nullptr; }

    // An empty name sets the key's default value.
    void SetString(const std::wstring& name, const std::wstring& value);
    void SetBinary(const std::wstring& name, const void* data, DWORD size);
    // A missing value is fine.
    void DeleteValue(const std::wstring& name);
    // Answers false when the value does not exist.
    bool QueryString(const std::wstring& name, std::wstring& value) const;

    CRegistryKey Subkey(const std::wstring& path) const { return Create(m_key, path); }

private:
    CRegistryKey(HKEY key, std::wstring path) : m_key(key), m_path(std::move(path)) {}

    HKEY m_key;
    std::wstring m_path;
};
