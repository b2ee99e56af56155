#include <gtest/gtest.h>

#include "AdoError.h"
#include "ConnectionString.h"
#include "DateTime.h"

#include <ModulePath.h>

namespace ado {
namespace {

std::wstring Resolved(const std::wstring& iPath)
{
    return L"<" + iPath + L">";
}

TEST(ConnectionStringTest, MapsProvidersToOdbcDrivers)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* user;
        const wchar_t* password;
        const wchar_t* expected;
    } cases[] = {
        {L"Provider=SQLite;Data Source=app.db", L"", L"", L"Driver={SQLite3};Database=<app.db>"},
        {L"provider = sqlite ; data source = \"C:\\a b\\x.db\" ;", L"", L"",
         L"Driver={SQLite3};Database=<C:\\a b\\x.db>"},
        {L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=app.mdb", L"", L"",
         L"Driver={Microsoft Access Driver (*.mdb)};DBQ=<app.mdb>"},
        {L"Provider=SQLOLEDB.1;Data Source=db1;Initial Catalog=Sales;Integrated Security=SSPI", L"", L"",
         L"Driver={SQL Server};Server=db1;Database=Sales;Trusted_Connection=Yes"},
        {L"Provider=SQLOLEDB;Data Source=db1;User ID=sa;Password=pw", L"", L"",
         L"Driver={SQL Server};Server=db1;UID=sa;PWD=pw"},
        {L"Provider=SQLOLEDB;Data Source=db1;User ID=sa", L"me", L"secret",
         L"Driver={SQL Server};Server=db1;UID=me;PWD=secret"},
        {L"Provider=SQLOLEDB;Data Source=db1", L" me", L"p;w}d",
         L"Driver={SQL Server};Server=db1;UID={ me};PWD={p;w}}d}"},
        {L"Provider=OraOLEDB.Oracle;Data Source=orcl", L"", L"", L"Driver={Microsoft ODBC for Oracle};Server=orcl"},
        {L"Provider=SQLite;Data Source=x.db;Timeout=5000", L"", L"", L"Driver={SQLite3};Database=<x.db>;Timeout=5000"},
        // A quoted value may hold ";"; a file name that holds one goes to SQLite as a URI, to other
        // drivers in braces.
        {L"Provider=SQLite;Data Source=\"C:\\a;b}%\\x.db\";Timeout='5;0'", L"", L"",
         L"Driver={SQLite3};Database=file:<C:\\a%3Bb}%25\\x.db>;Timeout={5;0}"},
        {L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source='C:\\it''s;}.mdb'", L"", L"",
         L"Driver={Microsoft Access Driver (*.mdb)};DBQ={<C:\\it's;}}.mdb>}"},
        {L"Driver={PostgreSQL Unicode};Server=h;Database=d;", L"u", L"",
         L"Driver={PostgreSQL Unicode};Server=h;Database=d;UID=u"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, ToOdbcConnectionString({c.text, c.user, c.password}, Resolved)) << c.text;
    }
}

TEST(ConnectionStringTest, RejectsStringsWithoutAUsableProvider)
{
    struct Case {
        const wchar_t* text;
        HRESULT code;
        const wchar_t* message;
    } cases[] = {
        {L"Data Source=x.db", adErrProviderNotFound, L"neither a Provider nor an ODBC Driver"},
        {L"Provider=MSDASQL;Data Source=x", adErrProviderNotFound, L"\"MSDASQL\" is not supported"},
        {L"Provider=SQLite", adErrInvalidArgument, L"has no Data Source"},
    };
    for (const Case& c : cases) {
        try {
            ToOdbcConnectionString({c.text, L"", L""}, Resolved);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const AdoError& e) {
            EXPECT_EQ(c.code, e.Code()) << c.text;
            EXPECT_NE(std::wstring::npos, e.Text().find(c.message)) << e.what();
        }
    }
}

TEST(ConnectionStringTest, NamesTheDriver)
{
    EXPECT_EQ(L"SQLite3", DriverName(L"Driver={SQLite3};Database=x"));
    EXPECT_EQ(L"", DriverName(L"DSN=x"));
}

TEST(ConnectionStringTest, ResolvesRelativeFilesBesideTheProgram)
{
    std::wstring folder = ProgramFolder();
    std::wstring resolved = ResolveDatabaseFile(L"some.db");
    // Under Wine the result is the host's path of the same file.
    std::wstring expected = folder + L"some.db";
    if (GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")) {
        ASSERT_EQ(L'/', resolved[0]) << resolved;
        EXPECT_EQ(L"/some.db", resolved.substr(resolved.size() - 8));
    } else {
        EXPECT_EQ(expected, resolved);
    }
}

TEST(DateTimeTest, ConvertsBothWaysToTheMillisecond)
{
    struct Case {
        DATE date;
        SQL_TIMESTAMP_STRUCT timestamp;
    } cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 0}},
        {2.0, {1900, 1, 1, 0, 0, 0, 0}},
        {60.0, {1900, 2, 28, 0, 0, 0, 0}},
        {61.0, {1900, 3, 1, 0, 0, 0, 0}},
        {36526.5, {2000, 1, 1, 12, 0, 0, 0}},
        {45293.127838541666, {2024, 1, 2, 3, 4, 5, 250000000}},
        {-1.25, {1899, 12, 29, 6, 0, 0, 0}},
        {-657434.0, {100, 1, 1, 0, 0, 0, 0}},
        {2958465.999988426, {9999, 12, 31, 23, 59, 59, 0}},
    };
    for (const Case& c : cases) {
        SQL_TIMESTAMP_STRUCT t = ToTimestamp(c.date);
        EXPECT_EQ(c.timestamp.year, t.year) << c.date;
        EXPECT_EQ(c.timestamp.month, t.month) << c.date;
        EXPECT_EQ(c.timestamp.day, t.day) << c.date;
        EXPECT_EQ(c.timestamp.hour, t.hour) << c.date;
        EXPECT_EQ(c.timestamp.minute, t.minute) << c.date;
        EXPECT_EQ(c.timestamp.second, t.second) << c.date;
        EXPECT_EQ(c.timestamp.fraction, t.fraction) << c.date;
        EXPECT_NEAR(c.date, FromTimestamp(c.timestamp), 0.5 / 86400000) << c.date;
    }
}

TEST(DateTimeTest, CarriesAMillisecondRoundedUpToMidnightIntoTheNextDay)
{
    SQL_TIMESTAMP_STRUCT t = ToTimestamp(1.9999999999);
    EXPECT_EQ(1900, t.year);
    EXPECT_EQ(1, t.month);
    EXPECT_EQ(1, t.day);
    EXPECT_EQ(0, t.hour);
}

TEST(DateTimeTest, RefusesDatesOutsideTheAutomationRange)
{
    EXPECT_THROW(ToTimestamp(-700000.0), AdoError);
    EXPECT_THROW(ToTimestamp(3000000.0), AdoError);
}

}  // namespace
}  // namespace ado
