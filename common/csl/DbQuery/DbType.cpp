#include <csl/DbQuery/DbType.h>

#include <windows.h>

namespace {

// The value of the first item named Provider; false when there is none.
bool FindProvider(const std::wstring& iText, std::wstring& oValue)
{
    size_t start = 0;
    while (start < iText.size()) {
        size_t end = iText.find(L';', start);
        if (end == std::wstring::npos)
            end = iText.size();
        const std::wstring item = iText.substr(start, end - start);
        const size_t equals = item.find(L'=');
        if (equals != std::wstring::npos && _wcsicmp(item.substr(0, equals).c_str(), L"Provider") == 0) {
            oValue = item.substr(equals + 1);
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

DbType DetectDbType(const std::wstring& iConnectionString)
{
    static const struct {
        const wchar_t* Marker;
        DbType Type;
    } kKinds[] = {
        {L"MICROSOFT.JET.OLEDB", dbJet}, {L"SQLOLEDB", dbSqlServer}, {L"ORAOLEDB", dbOracle}, {L"SQLITE", dbSqlite}};
    std::wstring provider;
    if (!FindProvider(iConnectionString, provider))
        return dbUnknown;
    if (!provider.empty())
        CharUpperBuffW(&provider[0], static_cast<DWORD>(provider.size()));
    for (const auto& kind : kKinds) {
        if (provider.find(kind.Marker) != std::wstring::npos)
            return kind.Type;
    }
    return dbUnknown;
}
