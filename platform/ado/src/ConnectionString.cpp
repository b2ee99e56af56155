#include "ConnectionString.h"

#include <windows.h>

#include <cwctype>
#include <vector>

#include "AdoError.h"

#include <ModulePath.h>

namespace ado {
namespace {

struct Item {
    std::wstring name;
    std::wstring value;
};

std::wstring Trim(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::wstring();
    size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

// The value that starts at "at", up to the ";" that ends its item; "at" moves past that ";". A
// value in single or double quotes may hold ";" (a doubled quote stands for one quote).
std::wstring ReadValue(const std::wstring& text, size_t& at)
{
    const size_t start = text.find_first_not_of(L" \t", at);
    const bool quoted = start != std::wstring::npos && (text[start] == L'"' || text[start] == L'\'');
    size_t end = at;
    std::wstring value;
    if (quoted) {
        const wchar_t quote = text[start];
        for (end = start + 1; end < text.size(); ++end) {
            if (text[end] == quote && (end + 1 == text.size() || text[end + 1] != quote))
                break;
            if (text[end] == quote)
                ++end;
            value += text[end];
        }
    }
    end = text.find(L';', end);
    if (end == std::wstring::npos)
        end = text.size();
    if (!quoted)
        value = Trim(text.substr(at, end - at));
    at = end + 1;
    return value;
}

std::vector<Item> Split(const std::wstring& text)
{
    std::vector<Item> items;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find_first_of(L";=", at);
        if (end == std::wstring::npos)
            end = text.size();
        const std::wstring name = Trim(text.substr(at, end - at));
        at = end + 1;
        if (end < text.size() && text[end] == L'=')
            items.push_back({name, ReadValue(text, at)});
        else if (!name.empty())
            items.push_back({name, std::wstring()});
    }
    return items;
}

const Item* Find(const std::vector<Item>& items, const wchar_t* name)
{
    for (const Item& item : items) {
        if (_wcsicmp(item.name.c_str(), name) == 0)
            return &item;
    }
    return nullptr;
}

std::wstring ValueOf(const std::vector<Item>& items, const wchar_t* name)
{
    const Item* item = Find(items, name);
    return item ? item->value : std::wstring();
}

// Items of the provider string that an ODBC driver does not know; the rest go through.
bool IsProviderItem(const std::wstring& name)
{
    static const wchar_t* const kNames[] = {L"Provider", L"Data Source",         L"Initial Catalog",      L"User ID",
                                            L"Password", L"Integrated Security", L"Persist Security Info"};
    for (const wchar_t* known : kNames) {
        if (_wcsicmp(name.c_str(), known) == 0)
            return true;
    }
    return false;
}

// A value as an ODBC attribute: in braces (closing braces doubled) when it holds a separator, a
// brace or outer blanks, so that a password such as "a;b" cannot end its attribute early.
std::wstring AttributeValue(const std::wstring& value)
{
    if (value.find_first_of(L";{}") == std::wstring::npos && Trim(value) == value)
        return value;
    std::wstring braced = L"{";
    for (wchar_t c : value) {
        braced += c;
        if (c == L'}')
            braced += L'}';
    }
    return braced + L"}";
}

// The SQLite driver reads its Database attribute up to the next ";" and knows no braces; a path
// that holds a ";" goes as a SQLite URI instead, whose percent escapes carry any character.
std::wstring SqliteDatabase(const std::wstring& path)
{
    if (path.find(L';') == std::wstring::npos)
        return path;
    std::wstring uri = L"file:";
    for (wchar_t c : path) {
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

std::wstring Credentials(const std::vector<Item>& items, const ConnectionStringInput& input)
{
    std::wstring user = input.user.empty() ? ValueOf(items, L"User ID") : input.user;
    std::wstring password = input.password.empty() ? ValueOf(items, L"Password") : input.password;
    std::wstring text;
    if (!user.empty())
        text += L";UID=" + AttributeValue(user);
    if (!password.empty())
        text += L";PWD=" + AttributeValue(password);
    return text;
}

std::wstring RequiredDataSource(const std::vector<Item>& items, const std::wstring& provider)
{
    std::wstring source = ValueOf(items, L"Data Source");
    if (source.empty()) {
        throw AdoError(adErrInvalidArgument,
                       L"The connection string for provider \"" + provider + L"\" has no Data Source");
    }
    return source;
}

}  // namespace

std::wstring ToOdbcConnectionString(const ConnectionStringInput& input,
                                    const std::function<std::wstring(const std::wstring&)>& resolveFile)
{
    std::vector<Item> items = Split(input.text);
    if (Find(items, L"Driver")) {
        return input.text.substr(0, input.text.find_last_not_of(L"; ") + 1) + Credentials({}, input);
    }
    const Item* providerItem = Find(items, L"Provider");
    if (!providerItem) {
        throw AdoError(adErrProviderNotFound, L"The connection string names neither a Provider nor an ODBC Driver");
    }
    const std::wstring& provider = providerItem->value;
    std::wstring upper = Upper(provider);
    std::wstring text;
    if (upper.find(L"SQLITE") != std::wstring::npos) {
        text = L"Driver={SQLite3};Database=" + SqliteDatabase(resolveFile(RequiredDataSource(items, provider)));
    } else if (upper.find(L"MICROSOFT.JET.OLEDB") != std::wstring::npos) {
        text = L"Driver={Microsoft Access Driver (*.mdb)};DBQ=" +
            AttributeValue(resolveFile(RequiredDataSource(items, provider)));
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
        if (!IsProviderItem(item.name))
            text += L";" + item.name + L"=" + AttributeValue(item.value);
    }
    return text + Credentials(items, input);
}

std::wstring DriverName(const std::wstring& odbcString)
{
    std::wstring name = ValueOf(Split(odbcString), L"Driver");
    if (name.size() >= 2 && name.front() == L'{' && name.back() == L'}') {
        name = name.substr(1, name.size() - 2);
    }
    return name;
}

std::wstring ResolveDatabaseFile(const std::wstring& path)
{
    std::wstring full = path;
    bool absolute = (path.size() >= 2 && path[1] == L':') || (!path.empty() && (path[0] == L'\\' || path[0] == L'/'));
    if (!absolute) {
        full = ProgramFolder() + path;
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
