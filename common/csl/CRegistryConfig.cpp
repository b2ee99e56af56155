#include <csl/CRegistryConfig.h>
#include <csl/ESystemException.h>
#include <csl/TSharedLockScope.h>
#include <csl/ValueConversions.h>

#include <cwchar>
#include <vector>

namespace {

class TRegistryKey {
public:
    TRegistryKey() : m_Key(nullptr) {}
    ~TRegistryKey()
    {
        if (m_Key)
            RegCloseKey(m_Key);
    }
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;

    // Opens the key, creating it when missing; the registry's error code.
    LONG Open(const wchar_t* iPath, REGSAM iAccess)
    {
        return RegCreateKeyExW(HKEY_LOCAL_MACHINE, iPath, 0, nullptr, 0, iAccess, nullptr, &m_Key, nullptr);
    }
    HKEY Get() const { return m_Key; }

private:
    HKEY m_Key;
};

void ThrowIfFailed(LONG iResult)
{
    if (iResult != ERROR_SUCCESS)
        throw ESystemException(static_cast<DWORD>(iResult));
}

// Buffers for enumerating a key's values, sized from the key so that values of any
// length load.
struct TValueBuffers {
    std::vector<wchar_t> Name;
    std::vector<BYTE> Data;

    // Grows the buffers to the key's longest name and largest data (a value may have
    // grown since they were sized); true when they grew.
    bool FitTo(HKEY iKey)
    {
        DWORD longestName = 0, largestData = 0;
        ThrowIfFailed(RegQueryInfoKeyW(iKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       &longestName, &largestData, nullptr, nullptr));
        const size_t nameSize = longestName + 1;
        // Never empty: given no buffer, the registry answers sizes instead of data.
        const size_t dataSize = largestData + sizeof(wchar_t);
        if (nameSize <= Name.size() && dataSize <= Data.size())
            return false;
        Name.resize(std::max(Name.size(), nameSize));
        Data.resize(std::max(Data.size(), dataSize));
        return true;
    }
};

// Registry text need not end with a NUL: it ends at the first NUL within its length.
std::wstring TextOf(const BYTE* iData, DWORD iSize)
{
    const wchar_t* text = reinterpret_cast<const wchar_t*>(iData);
    return std::wstring(text, wcsnlen(text, iSize / sizeof(wchar_t)));
}

std::wstring Expanded(const std::wstring& iText)
{
    const DWORD size = ExpandEnvironmentStringsW(iText.c_str(), nullptr, 0);
    if (size == 0)
        ThrowLastSystemError();
    std::wstring result(size, L'\0');
    if (ExpandEnvironmentStringsW(iText.c_str(), &result[0], size) == 0)
        ThrowLastSystemError();
    result.resize(wcsnlen(result.c_str(), size));
    return result;
}

// One text per NUL-terminated part, up to the empty part that ends the list.
_value_t ListOf(const BYTE* iData, DWORD iSize)
{
    const wchar_t* text = reinterpret_cast<const wchar_t*>(iData);
    const size_t count = iSize / sizeof(wchar_t);
    _value_t list;
    for (size_t at = 0; at < count && text[at] != L'\0';) {
        const std::wstring part(text + at, wcsnlen(text + at, count - at));
        list.Append(part);
        at += part.size() + 1;
    }
    return list;
}

std::vector<BYTE> MultiStringOf(const _value_t& iList)
{
    std::wstring data;
    for (int i = 0; i < iList.GetData()->GetCount(); ++i)
        data.append(ValueToWText(iList.GetConstValue(i))).push_back(L'\0');
    data.push_back(L'\0');
    const BYTE* bytes = reinterpret_cast<const BYTE*>(data.data());
    return std::vector<BYTE>(bytes, bytes + data.size() * sizeof(wchar_t));
}

void Write(HKEY iKey, const _bstr_t& iName, const _value_t& iValue)
{
    const _value_t_data& data = *iValue.GetData();
    switch (data.GetVarType()) {
    case VT_I4:
    case VT_BOOL:
    case VT_UI4:
    case VT_INT: {
        const DWORD number = ValueToULong(iValue);
        ThrowIfFailed(RegSetValueExW(iKey, iName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number));
        break;
    }
    case VT_BSTR: {
        if (data.IsContainer()) {
            const std::vector<BYTE> list = MultiStringOf(iValue);
            ThrowIfFailed(RegSetValueExW(iKey, iName, 0, REG_MULTI_SZ, list.data(), static_cast<DWORD>(list.size())));
            break;
        }
        const std::wstring text = ValueToWText(iValue);
        ThrowIfFailed(RegSetValueExW(iKey, iName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
        break;
    }
    default:
        break;
    }
}

}  // namespace

bool CRegistryConfig::TNameLess::operator()(const _bstr_t& iLeft, const _bstr_t& iRight) const
{
    auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    const wchar_t* left = iLeft.length() ? static_cast<const wchar_t*>(iLeft) : L"";
    const wchar_t* right = iRight.length() ? static_cast<const wchar_t*>(iRight) : L"";
    const unsigned leftLength = iLeft.length(), rightLength = iRight.length();
    for (unsigned i = 0; i < leftLength && i < rightLength; ++i) {
        const wchar_t l = fold(left[i]), r = fold(right[i]);
        if (l != r)
            return l < r;
    }
    return leftLength < rightLength;
}

CRegistryConfig::CRegistryConfig(const _bstr_t& iKeyPath) : m_KeyPath(iKeyPath)
{
    Load();
}

void CRegistryConfig::Load()
{
    TLockScope exclusive(m_Lock);
    TRegistryKey key;
    if (key.Open(m_KeyPath, KEY_READ) != ERROR_SUCCESS)
        return;
    LoadValues(key.Get());
}

void CRegistryConfig::LoadValues(HKEY iKey)
{
    TValueBuffers buffers;
    buffers.FitTo(iKey);
    for (DWORD index = 0;;) {
        DWORD nameLength = static_cast<DWORD>(buffers.Name.size());
        DWORD size = static_cast<DWORD>(buffers.Data.size());
        DWORD type = REG_NONE;
        const LONG result =
            RegEnumValueW(iKey, index, buffers.Name.data(), &nameLength, nullptr, &type, buffers.Data.data(), &size);
        if (result == ERROR_NO_MORE_ITEMS)
            return;
        if (result == ERROR_MORE_DATA && buffers.FitTo(iKey))
            continue;
        ThrowIfFailed(result);
        StoreValue(_bstr_t(buffers.Name.data()), type, buffers.Data.data(), size);
        ++index;
    }
}

void CRegistryConfig::StoreValue(const _bstr_t& iName, DWORD iType, const BYTE* iData, DWORD iSize)
{
    switch (iType) {
    case REG_SZ:
        m_Values[iName] = _value_t(TextOf(iData, iSize));
        break;
    case REG_EXPAND_SZ:
        m_Values[iName] = _value_t(Expanded(TextOf(iData, iSize)));
        break;
    case REG_DWORD: {
        DWORD number = 0;
        memcpy(&number, iData, std::min<DWORD>(iSize, sizeof number));
        m_Values[iName] = _value_t(static_cast<unsigned long>(number));
        break;
    }
    case REG_MULTI_SZ: {
        // A list without a single text holds nothing to answer with.
        const _value_t list = ListOf(iData, iSize);
        if (list.IsEmpty())
            m_Values.erase(iName);
        else
            m_Values[iName] = list;
        break;
    }
    default:
        break;
    }
}

_value_t CRegistryConfig::Get(const _bstr_t& iName, const _value_t& iDefault)
{
    TSharedLockScope shared(m_Lock);
    const auto found = m_Values.find(iName);
    return found == m_Values.end() ? iDefault : found->second;
}

// The registry is written first, so a failure leaves memory and registry as they were.
void CRegistryConfig::Save(const _bstr_t& iName, const _value_t& iValue)
{
    TLockScope exclusive(m_Lock);
    TRegistryKey key;
    ThrowIfFailed(key.Open(m_KeyPath, KEY_WRITE));
    if (iValue.IsEmpty()) {
        const LONG result = RegDeleteValueW(key.Get(), iName);
        if (result != ERROR_FILE_NOT_FOUND)
            ThrowIfFailed(result);
        m_Values.erase(iName);
        return;
    }
    Write(key.Get(), iName, iValue);
    m_Values[iName] = iValue;
}

_value_t CRegistryConfig::Get(const _bstr_t& iName)
{
    return Get(iName, _value_t());
}

bool CRegistryConfig::GetBool(const _bstr_t& iName, bool iDefault)
{
    return ParseBoolText(Get(iName, _value_t(iDefault)));
}

unsigned long CRegistryConfig::GetULong(const _bstr_t& iName, unsigned long iDefault)
{
    return ValueToULong(Get(iName, _value_t(iDefault)));
}

std::wstring CRegistryConfig::GetString(const _bstr_t& iName, const std::wstring& iDefault)
{
    return ValueToWText(Get(iName, _value_t(iDefault)));
}

void CRegistryConfig::PutValue(const _bstr_t& iName, const _value_t& iValue)
{
    TLockScope exclusive(m_Lock);
    m_Values[iName] = iValue;
}
