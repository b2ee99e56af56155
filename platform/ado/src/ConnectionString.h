#pragma once
#include <functional>
#include <string>

namespace ado {

// Turns a provider connection string ("Provider=...;Data Source=...") into an ODBC one; a
// value in quotes may hold ";". SQLite takes the data source as its database file, Jet as
// its .mdb file (both through resolveFile, which makes a relative path absolute, and quoted
// so that a ";" in the path cannot end the attribute); SQL Server and Oracle name a server.
// A string that names an ODBC "Driver=" already goes through unchanged. A user and password
// given apart from the string are added as UID and PWD.
struct ConnectionStringInput {
    std::wstring Text;
    std::wstring User;
    std::wstring Password;
};
std::wstring ToOdbcConnectionString(const ConnectionStringInput& iInput,
                                    const std::function<std::wstring(const std::wstring&)>& iResolveFile);

// The driver an ODBC connection string names (without braces); empty when none.
std::wstring DriverName(const std::wstring& iOdbcString);

// A relative path taken relative to the program's own folder, then, under Wine, turned into
// the host's path: the SQLite driver is a host library that opens host paths.
std::wstring ResolveDatabaseFile(const std::wstring& iPath);

}  // namespace ado
