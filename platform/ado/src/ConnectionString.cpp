#include "ConnectionString.h"

#include <windows.h>

#include <cwctype>
#include <vector>

#include "AdoError.h"

#include <ModulePath.h>

namespace ado {
namespace {

struct Item {
    std::wstring Name;
    std::wstring Value;
};

std::wstring Trim(const std::wstring& iText)
{
    size_t first = iText.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::wstring();
    size_t last = iText.find_last_not_of(L" \t");
    return iText.substr(first, last - first + 1);
}

std::wstring Upper(std::wstring iText)
{
    for (wchar_t& c : iText)
        c = static_cast<wchar_t>(std::towupper(c));
    return iText;
}

// The value that starts at "at", up to the ";" that ends its item; "at" moves past that ";". A
// value in single or double quotes may hold ";" (a doubled quote stands for one quote).
std::wstring ReadValue(const std::wstring& iText, size_t& ioAt)
{
    const size_t start = iText.find_first_not_of(L" \t", ioAt);
    const bool quoted = start != std::wstring::npos && (iText[start] == L'"' || iText[start] == L'\'');
    size_t end = ioAt;
    std::wstring value;
    if (quoted) {
        const wchar_t quote = iText[start];
        for (end = start + 1; end < iText.size(); ++end) {
            if (iText[end] == quote && (end + 1 == iText.size() || iText[end + 1] != quote))
                break;
            if (iText[end] == quote)
                ++end;
            value += iText[end];
        }
    }
    end = iText.find(L';', end);
    if (end == std::wstring::npos)
        end = iText.size();
    if (!quoted)
        value = Trim(iText.substr(ioAt, end - ioAt));
    ioAt = end + 1;
    return value;
}

std::vector<Item> Split(const std::wstring& iText)
{
    std::vector<Item> items;
    size_t at = 0;
    while (at < iText.size()) {
        size_t end = iText.find_first_of(L";=", at);
        if (end == std::wstring::npos)
            end = iText.size();
        const std::wstring name = Trim(iText.substr(at, end - at));
        at = end + 1;
        if (end < iText.size() && iText[end] == L'=')
            items.push_back({name, ReadValue(iText, at)});
        else if (!name.empty())
            items.push_back({name, std::wstring()});
    }
    return items;
}

const Item* Find(const std::vector<Item>& iItems, const wchar_t* iName)
{
    for (const Item& item : iItems) {
        if (_wcsicmp(item.Name.c_str(), iName) == 0)
            return &item;
    }
    return nullptr;
}

std::wstring ValueOf(const std::vector<Item>& iItems, const wchar_t* iName)
{
    const Item* item = Find(iItems, iName);
    return item ? item->Value : std::wstring();
}

// Items of the provider string that an ODBC driver does not know; the rest go through.
bool IsProviderItem(const std::wstring& iName)
{
    static const wchar_t* const kNames[] = {L"Provider", L"Data Source",         L"Initial Catalog",      L"User ID",
                                            L"Password", L"Integrated Security", L"Persist Security Info"};
    for (const wchar_t* known : kNames) {
        if (_wcsicmp(iName.c_str(), known) == 0)
            return true;
    }
    return false;
}

// A value as an ODBC attribute: in braces (closing braces doubled) when it holds a separator, a
// brace or outer blanks, so that a password such as "a;b" cannot end its attribute early.
std::wstring AttributeValue(const std::wstring& iValue)
{
    if (iValue.find_first_of(L";{}") == std::wstring::npos && Trim(iValue) == iValue)
        return iValue;
    std::wstring braced = L"{";
    for (wchar_t c : iValue) {
        braced += c;
        if (c == L'}')
            braced += L'}';
    }
    return braced + L"}";
}

// The SQLite driver reads its Database attribute up to the next ";" and knows no braces; a path
// that holds a ";" goes as a SQLite URI instead, whose percent escapes carry any character.
std::wstring SqliteDatabase(const std::wstring& iPath)
{
    if (iPath.find(L';') == std::wstring::npos)
        return iPath;
    std::wstring uri = L"file:";
    for (wchar_t c : iPath) {
        if (c == L';' || c == L'%' || c == L'?' || c == L'#') {
            wchar_t escape[4];
            swprintf(escape, 4, L"%%%02X", static_cast<unsigned>(c));
            uri += escape;
        } else {
            uri += c;
        }
    }
    return uri;
}

std::wstring Credentials(const std::vector<Item>& iItems, const ConnectionStringInput& iInput)
{
    std::wstring user = iInput.User.empty() ? ValueOf(iItems, L"User ID") : iInput.User;
    std::wstring password = iInput.Password.empty() ? ValueOf(iItems, L"Password") : iInput.Password;
    std::wstring text;
    if (!user.empty())
        text += L";UID=" + AttributeValue(user);
    if (!password.empty())
        text += L";PWD=" + AttributeValue(password);
    return text;
}

std::wstring RequiredDataSource(const std::vector<Item>& iItems, const std::wstring& iProvider)
{
    std::wstring source = ValueOf(iItems, L"Data Source");
    if (source.empty()) {
        throw AdoError(adErrInvalidArgument,
                       L"The connection string for provider \"" + iProvider + L"\" has no Data Source");
    }
    return source;
}

}  // namespace

std::wstring ToOdbcConnectionString(const ConnectionStringInput& iInput,
                                    const std::function<std::wstring(const std::wstring&)>& iResolveFile)
{
    std::vector<Item> items = Split(iInput.Text);
    if (Find(items, L"Driver")) {
        return iInput.Text.substr(0, iInput.Text.find_last_not_of(L"; ") + 1) + Credentials({}, iInput);
    }
    const Item* providerItem = Find(items, L"Provider");
    if (!providerItem) {
        throw AdoError(adErrProviderNotFound, L"The connection string names neither a Provider nor an ODBC Driver");
    }
    const std::wstring& provider = providerItem->Value;
    std::wstring upper = Upper(provider);
    std::wstring text;
    if (upper.find(L"SQLITE") != std::wstring::npos) {
        text = L"Driver={SQLite3};Database=" + SqliteDatabase(iResolveFile(RequiredDataSource(items, provider)));
    } else if (upper.find(L"MICROSOFT.JET.OLEDB") != std::wstring::npos) {
        text = L"Driver={Microsoft Access Driver (*.mdb)};DBQ=" +
            AttributeValue(iResolveFile(RequiredDataSource(items, provider)));
    } else if (upper.find(L"SQLOLEDB") != std::wstring::npos) {
        text = L"Driver={SQL Server};Server=" + RequiredDataSource(items, provider);
        std::wstring catalog = ValueOf(items, L"Initial Catalog");
        if (!catalog.empty())
            text += L";Database=" + catalog;
        if (_wcsicmp(ValueOf(items, L"Integrated Security").c_str(), L"SSPI") == 0) {
            text += L";Trusted_Connection=Yes";
        }
    } else if (upper.find(L"ORAOLEDB") != std::wstring::npos) {
        text = L"Driver={Microsoft ODBC for Oracle};Server=" + RequiredDataSource(items, provider);
    } else {
        throw AdoError(adErrProviderNotFound, L"The provider \"" + provider + L"\" is not supported");
    }
    for (const Item& item : items) {
        if (!IsProviderItem(item.Name))
            text += L";" + item.Name + L"=" + AttributeValue(item.Value);
    }
    return text + Credentials(items, iInput);
}

std::wstring DriverName(const std::wstring& iOdbcString)
{
    std::wstring name = ValueOf(Split(iOdbcString), L"Driver");
    if (name.size() >= 2 && name.front() == L'{' && name.back() == L'}') {
        name = name.substr(1, name.size() - 2);
    }
    return name;
}

std::wstring ResolveDatabaseFile(const std::wstring& iPath)
{
    std::wstring full = iPath;
    bool absolute =
        (iPath.size() >= 2 && iPath[1] == L':') || (!iPath.empty() && (iPath[0] == L'\\' || iPath[0] == L'/'));
    if (!absolute) {
        full = ProgramFolder() + iPath;
    }
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto toUnix =
        reinterpret_cast<UnixName>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    if (!toUnix)
        return full;
    char* unixName = toUnix(full.c_str());
    if (!unixName)
        throw AdoError(adErrInvalidArgument, L"Cannot reach the database file " + full);
    int size = MultiByteToWideChar(CP_UTF8, 0, unixName, -1, nullptr, 0);
    std::wstring result(size > 0 ? size - 1 : 0, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, unixName, -1, &result[0], size);
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

}  // namespace ado
