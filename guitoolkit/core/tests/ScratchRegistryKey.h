// A scratch key under HKEY_CURRENT_USER for the state savers' tests: empty when made,
// removed when it goes. Its path ends in a backslash, as the savers' profile paths do.
#pragma once
#include <afxwin.h>
#include <vector>

class ScratchRegistryKey {
public:
    explicit ScratchRegistryKey(LPCWSTR iName) : m_Root(CString(L"Software\\ZorvaneTests\\") + iName)
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_Root);
    }
    ~ScratchRegistryKey() { ::RegDeleteTreeW(HKEY_CURRENT_USER, m_Root); }
    ScratchRegistryKey(const ScratchRegistryKey&) = delete;
    ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;

    CString Path() const { return m_Root + L"\\"; }
    // The bytes of a value of a key below the scratch key; empty when there is none.
    std::vector<BYTE> Bytes(LPCWSTR iSubKey, LPCWSTR iName) const
    {
        const CString key = Path() + iSubKey;
        DWORD size = 0;
        if (::RegGetValueW(HKEY_CURRENT_USER, key, iName, RRF_RT_ANY, nullptr, nullptr, &size) != ERROR_SUCCESS)
            return {};
        std::vector<BYTE> bytes(size);
        ::RegGetValueW(HKEY_CURRENT_USER, key, iName, RRF_RT_ANY, nullptr, bytes.data(), &size);
        return bytes;
    }
    void StoreBinary(LPCWSTR iSubKey, LPCWSTR iName, const std::vector<BYTE>& iBytes) const
    {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, Path() + iSubKey, iName, REG_BINARY, iBytes.data(),
                          static_cast<DWORD>(iBytes.size()));
    }
    BOOL HasKey(LPCWSTR iSubKey) const
    {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, Path() + iSubKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return FALSE;
        ::RegCloseKey(key);
        return TRUE;
    }

private:
    CString m_Root;
};
