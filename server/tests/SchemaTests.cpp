#include "ServerTestSupport.h"

#include <IDateNames.h>

#include <csl/DbQuery/DbConnection.h>
#include <csl/TDebugStream.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kTables[] = "SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name IN "
                       "('Config','UserInfo','ComputerInfo','ProcessInfo','DocumentInfo','Activity','DateNumbers')";

const char kTimeIndex[] = "SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name='ActivityStartTime'";

class SchemaTest : public ServerTest {
protected:
    SchemaTest() : ServerTest(L"schema.db") {}

    // Runs statements on the database while no server is running.
    void Change(const std::vector<const char*>& iStatements)
    {
        DbConnection connection(_bstr_t(SqliteConnectionString(database).c_str()));
        connection.Open();
        for (const char* statement : iStatements)
            connection.Execute(_bstr_t(statement));
        connection.Close();
    }

    void ExpectVersion2()
    {
        EXPECT_EQ(7, ScalarLong(kTables));
        EXPECT_EQ(1, ScalarLong("SELECT COUNT(*) FROM Config"));
        EXPECT_EQ(2, ScalarLong("SELECT DbVersion FROM Config"));
        EXPECT_EQ(76, ScalarLong("SELECT COUNT(*) FROM DateNumbers"));
        EXPECT_EQ(76, ScalarLong("SELECT COUNT(DISTINCT DateNumber) FROM DateNumbers"));
        EXPECT_EQ(32, ScalarLong("SELECT COUNT(*) FROM DateNumbers WHERE DateNumber BETWEEN 0 AND 31"));
        EXPECT_EQ(44, ScalarLong("SELECT COUNT(*) FROM DateNumbers WHERE DateNumber BETWEEN 1995 AND 2038"));
        EXPECT_EQ(1, ScalarLong(kTimeIndex));
    }
};

std::wstring LocaleText(LCTYPE iType)
{
    wchar_t text[64] = L"";
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, iType, text, 64);
    return text;
}

TEST_F(SchemaTest, EmptyDatabaseGetsEveryTableAndTheLocaleNames)
{
    auto server = StartServer();
    ExpectVersion2();
    const std::string text = log->Text();
    const char* const lines[] = {"Checking DB version...\n",
                                 "(!) Database structure not found\n",
                                 "DB Version 1\n",
                                 "CZorvaneServer::UpgradeDB_1_to_2()\n",
                                 "CZorvaneServer::UpgradeDB_1_to_2() - complete\n",
                                 "Successfully connected\n"};
    size_t at = 0;
    for (const char* line : lines) {
        at = text.find(line, at);
        ASSERT_NE(std::string::npos, at) << line << " in order in\n" << text;
    }

    DWORD firstDay = 0;
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<LPWSTR>(&firstDay), 2);
    EXPECT_EQ(LocaleText(LOCALE_SABBREVDAYNAME1 + firstDay),
              ScalarText("SELECT AbbrevDayName FROM DateNumbers WHERE DateNumber=1"));
    EXPECT_EQ(LocaleText(LOCALE_SABBREVMONTHNAME1),
              ScalarText("SELECT AbbrevMonthName FROM DateNumbers WHERE DateNumber=1"));
    EXPECT_EQ(LocaleText(LOCALE_SABBREVMONTHNAME12),
              ScalarText("SELECT AbbrevMonthName FROM DateNumbers WHERE DateNumber=12"));
    EXPECT_EQ(7, ScalarLong("SELECT COUNT(AbbrevDayName) FROM DateNumbers"));
    EXPECT_EQ(12, ScalarLong("SELECT COUNT(AbbrevMonthName) FROM DateNumbers"));
}

class TFixedDateNames : public IDateNames {
public:
    explicit TFixedDateNames(int iFirstDay) : m_FirstDay(iFirstDay) {}
    int FirstDayOfWeek() const override { return m_FirstDay; }
    std::wstring AbbrevDayName(int iDay) const override
    {
        static const wchar_t* const names[] = {L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su"};
        return names[iDay];
    }
    std::wstring AbbrevMonthName(int iMonth) const override { return L"M" + std::to_wstring(iMonth); }

private:
    int m_FirstDay;
};

TEST_F(SchemaTest, DayNamesStartWithTheLocaleFirstDayOfTheWeek)
{
    auto server = StartServer();
    struct Case {
        int firstDay;
        const wchar_t* rows[7];
    } cases[] = {
        {0, {L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su"}},
        {6, {L"Su", L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa"}},
    };
    for (const Case& c : cases) {
        (*server)->UpdateDateNames(TFixedDateNames(c.firstDay));
        for (int row = 1; row <= 7; ++row) {
            const std::string query = "SELECT AbbrevDayName FROM DateNumbers WHERE DateNumber=" + std::to_string(row);
            EXPECT_EQ(c.rows[row - 1], ScalarText(query.c_str())) << c.firstDay << " row " << row;
        }
        EXPECT_EQ(L"M12", ScalarText("SELECT AbbrevMonthName FROM DateNumbers WHERE DateNumber=12"));
        EXPECT_EQ(0, ScalarLong("SELECT COUNT(*) FROM DateNumbers WHERE DateNumber=0 AND AbbrevDayName IS NOT NULL"));
    }
}

TEST_F(SchemaTest, OlderDatabasesAreUpgradedAndKeepTheirData)
{
    struct Case {
        const char* name;
        std::vector<const char*> downgrade;
    } cases[] = {
        {"version 1", {"DROP TABLE DateNumbers", "UPDATE Config SET DbVersion=1"}},
        // An upgrade that stopped half-way: the table is there with a few rows.
        {"half-done upgrade", {"DELETE FROM DateNumbers WHERE DateNumber > 10", "UPDATE Config SET DbVersion=1"}},
    };
    for (const Case& c : cases) {
        database = FreshDatabase(L"schema.db");
        StartServer().reset();
        Change({"INSERT INTO UserInfo(UserName) VALUES ('HOST\\user')"});
        Change(c.downgrade);
        auto server = StartServer();
        ExpectVersion2();
        EXPECT_EQ(1, log->Count("DB Version 1\n")) << c.name;
        EXPECT_EQ(1, log->Count("CZorvaneServer::UpgradeDB_1_to_2() - complete\n")) << c.name;
        EXPECT_EQ(0, log->Count("(!) Database structure not found\n")) << c.name;
        EXPECT_EQ(1, ScalarLong("SELECT COUNT(*) FROM UserInfo")) << c.name;
        EXPECT_EQ(7, ScalarLong("SELECT COUNT(AbbrevDayName) FROM DateNumbers")) << c.name;
    }
}

TEST_F(SchemaTest, CurrentDatabaseIsOnlyReadApartFromTheNamesAndTheTimeIndex)
{
    StartServer().reset();
    Change({"UPDATE DateNumbers SET AbbrevDayName='x' WHERE DateNumber=1",
            "DELETE FROM DateNumbers WHERE DateNumber=2038", "DROP INDEX ActivityStartTime"});
    auto server = StartServer();
    EXPECT_EQ(1, ScalarLong(kTimeIndex));
    EXPECT_EQ(1, log->Count("Checking DB version...\n"));
    EXPECT_EQ(0, log->Count("DB Version"));
    EXPECT_EQ(0, log->Count("UpgradeDB_1_to_2"));
    EXPECT_EQ(75, ScalarLong("SELECT COUNT(*) FROM DateNumbers"));
    EXPECT_NE(L"x", ScalarText("SELECT AbbrevDayName FROM DateNumbers WHERE DateNumber=1"));
}

}  // namespace
