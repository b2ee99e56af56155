#pragma once
#include <csl/TMultiLockEx.h>
#include <csl/_value_t.h>

#include <comutil.h>
#include <map>
#include <string>

// Configuration kept in one key under HKEY_LOCAL_MACHINE: every value of the key is read
// into memory at construction; lookups are answered from memory with a default for absent
// names, and writes go to memory and to the registry. Names are compared without regard
// to the case of ASCII letters.
class CRegistryConfig {
public:
    explicit CRegistryConfig(const _bstr_t& iKeyPath);
    virtual ~CRegistryConfig() = default;
    CRegistryConfig(const CRegistryConfig&) = delete;
    CRegistryConfig& operator=(const CRegistryConfig&) = delete;

    // Reads every value of the key (creating a missing key) into memory; names that left
    // the registry meanwhile stay. A key that cannot be opened leaves memory as it was.
    virtual void Load();
    // The stored value (shared, not copied), or iDefault when the name is absent.
    virtual _value_t Get(const _bstr_t& iName, const _value_t& iDefault);
    // Numbers and bools are written as REG_DWORD, texts as REG_SZ, lists of texts as
    // REG_MULTI_SZ; an empty value deletes the name.
    virtual void Save(const _bstr_t& iName, const _value_t& iValue);

    _value_t Get(const _bstr_t& iName);
    bool GetBool(const _bstr_t& iName, bool iDefault);
    unsigned long GetULong(const _bstr_t& iName, unsigned long iDefault);
    std::wstring GetString(const _bstr_t& iName, const std::wstring& iDefault);

protected:
    // Puts a value into memory only, replacing an entry of that name.
    void PutValue(const _bstr_t& iName, const _value_t& iValue);

private:
    struct TNameLess {
        bool operator()(const _bstr_t& iLeft, const _bstr_t& iRight) const;
    };
    typedef TMultiLockEx<_ml_no_notify, _ml_free_signal_event<_ml_full_owners_list<_ml_interlocked_inner_lock>>> TLock;

    void LoadValues(HKEY iKey);
    void StoreValue(const _bstr_t& iName, DWORD iType, const BYTE* iData, DWORD iSize);

    _bstr_t m_KeyPath;
    TLock m_Lock;
    std::map<_bstr_t, _value_t, TNameLess> m_Values;
};
