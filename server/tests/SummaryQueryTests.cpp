// Both summaries over a small database filled through ReportActivity.
#include "ActivityTestSupport.h"

#include <csl/TComCallerToken.h>
#include <TLocaleDateNames.h>

#include <csl/DbQuery/AdoPtr.h>

#include <algorithm>
#include <string>

namespace {

std::string Narrow(const std::wstring& iText)
{
    return static_cast<const char*>(_bstr_t(iText.c_str()));
}

class SummaryQueryTest : public ActivityTest {
protected:
    // Alice works on two computers with two programs (one report without a document); Bob on
    // one computer, the last time in the next year.
    void Fill()
    {
        Report(Date(2007, 3, 5, 9, 15), L"PC1", L"DOM\\alice", L"notepad.exe", 1000, 10, 1, L"a.txt - Notepad");
        Report(Date(2007, 3, 5, 14, 30), L"PC1", L"DOM\\alice", L"calc.exe", 2000, 20, 2, L"Calculator");
        Report(Date(2007, 3, 10, 9, 45), L"PC2", L"DOM\\alice", L"notepad.exe", 3000, 30, 3, L"b.txt - Notepad");
        Report(Date(2007, 3, 20, 23, 0), L"PC2", L"DOM\\bob", L"notepad.exe", 4000, 40, 4, L"a.txt - Notepad");
        Report(Date(2008, 1, 2, 8, 0), L"PC2", L"DOM\\bob", L"winword.exe", 5000, 50, 5, L"r.doc - Word");
    }

    std::vector<std::string> Summary(SummaryActivityRequest& ioRequest, std::initializer_list<const wchar_t*> iColumns,
                                     bool iSorted = false)
    {
        _Recordset* data = nullptr;
        EXPECT_EQ(S_OK, ActivityTest::Summary(ioRequest, &data)) << log->Text();
        if (!data)
            return {};
        const _RecordsetPtr owner(data, false);
        std::vector<std::string> rows = Rows(data, iColumns);
        if (iSorted)
            std::sort(rows.begin(), rows.end());
        return rows;
    }

    std::vector<std::string> Totals(SummaryObjectRequest iRequest, std::initializer_list<const wchar_t*> iColumns)
    {
        _Recordset* data = nullptr;
        EXPECT_EQ(S_OK, ActivityTest::Totals(iRequest, &data)) << log->Text();
        if (!data)
            return {};
        const _RecordsetPtr owner(data, false);
        return Rows(data, iColumns);
    }

    std::vector<std::string> Distribution(ZorvaneObjectType iType, DATE iStart = 0, DATE iEnd = 0)
    {
        SummaryActivityRequest request = Request(iType, iStart, iEnd);
        return Summary(request, {L"Name", L"TimeSpent", L"KeyboardEvents", L"MouseEvents"});
    }

    static std::vector<std::string> Empty(int iFirst, int iLast)
    {
        std::vector<std::string> rows;
        for (int number = iFirst; number <= iLast; ++number)
            rows.push_back(std::to_string(number) + "|NULL|NULL|NULL");
        return rows;
    }

    long Id(const char* iTable, const char* iColumn, const char* iName)
    {
        return ScalarLong((std::string("SELECT ID FROM ") + iTable + " WHERE " + iColumn + "='" + iName + "'").c_str());
    }
};

TEST_F(SummaryQueryTest, ObjectsWithTheirSumsAndDistinctCounts)
{
    Fill();
    SummaryActivityRequest users = Request(ZorvaneUser);
    EXPECT_EQ(
        (std::vector<std::string>{"DOM\\alice|6000|60|6|2|2", "DOM\\bob|9000|90|9|2|1"}),
        Summary(users, {L"Name", L"TimeSpent", L"KeyboardEvents", L"MouseEvents", L"Processes", L"Computers"}, true));
    SummaryActivityRequest computers = Request(ZorvaneComputer);
    EXPECT_EQ((std::vector<std::string>{"PC1|3000|2|1", "PC2|12000|2|2"}),
              Summary(computers, {L"Name", L"TimeSpent", L"Processes", L"Users"}, true));
    SummaryActivityRequest programs = Request(ZorvaneProcess);
    EXPECT_EQ(
        (std::vector<std::string>{"calc.exe|NULL|2000|1|1", "notepad.exe|NULL|8000|2|2", "winword.exe|NULL|5000|1|1"}),
        Summary(programs, {L"Name", L"Description", L"TimeSpent", L"Users", L"Computers"}, true));
    SummaryActivityRequest documents = Request(ZorvaneDocument, Date(2007, 3, 1), Date(2007, 3, 31));
    EXPECT_EQ((std::vector<std::string>{"a.txt|5000|2|2", "b.txt|3000|1|1"}),
              Summary(documents, {L"Name", L"TimeSpent", L"Users", L"Computers"}, true));

    SummaryActivityRequest filtered = Request(ZorvaneProcess);
    filtered.ComputerId = static_cast<unsigned long>(Id("ComputerInfo", "ComputerName", "PC2"));
    filtered.FirstEntry = 5;
    filtered.EntriesCount = 1;
    const SummaryActivityRequest sent = filtered;
    EXPECT_EQ((std::vector<std::string>{"notepad.exe|7000|2", "winword.exe|5000|1"}),
              Summary(filtered, {L"Name", L"TimeSpent", L"Users"}, true));
    EXPECT_EQ(0, memcmp(&sent, &filtered, sizeof sent));
}

TEST_F(SummaryQueryTest, EmptyObjectsAreKeptWithTheirActivityInThePeriodOnly)
{
    Fill();
    SummaryActivityRequest request = Request(ZorvaneUser, Date(2008, 1, 1), Date(2008, 12, 31));
    request.ReturnEmptyObjects = 1;
    EXPECT_EQ((std::vector<std::string>{"DOM\\alice|NULL|0|0", "DOM\\bob|5000|1|1"}),
              Summary(request, {L"Name", L"TimeSpent", L"Processes", L"Computers"}, true));
    request.UserId = static_cast<unsigned long>(Id("UserInfo", "UserName", "DOM\\alice"));
    EXPECT_EQ((std::vector<std::string>{"DOM\\alice|NULL|0|0"}),
              Summary(request, {L"Name", L"TimeSpent", L"Processes", L"Computers"}));
    request.ReturnEmptyObjects = 0;
    EXPECT_TRUE(Summary(request, {L"Name"}).empty());
}

TEST_F(SummaryQueryTest, DistributionsOverHoursDaysMonthsAndYears)
{
    Fill();
    std::vector<std::string> hours = Empty(0, 23);
    hours[8] = "8|5000|50|5";
    hours[9] = "9|4000|40|4";
    hours[14] = "14|2000|20|2";
    hours[23] = "23|4000|40|4";
    EXPECT_EQ(hours, Distribution(ZorvaneHoursDistribution));

    std::vector<std::string> days = Empty(5, 20);
    days[0] = "5|3000|30|3";
    days[5] = "10|3000|30|3";
    days[15] = "20|4000|40|4";
    EXPECT_EQ(days, Distribution(ZorvaneMonthDaysDistribution, Date(2007, 3, 5), Date(2007, 3, 20, 23, 59)));

    const TLocaleDateNames names;
    const int firstDay = names.FirstDayOfWeek();
    std::vector<std::string> weekDays(7);
    const char* sums[7] = {"3000|30|3",      "4000|40|4", "5000|50|5",     "NULL|NULL|NULL",
                           "NULL|NULL|NULL", "3000|30|3", "NULL|NULL|NULL"};  // Monday to Sunday
    for (int day = 0; day < 7; ++day)
        weekDays[(day - firstDay + 7) % 7] = Narrow(names.AbbrevDayName(day)) + "|" + sums[day];
    EXPECT_EQ(weekDays, Distribution(ZorvaneWeekDaysDistribution));

    const std::vector<std::string> months = Distribution(ZorvaneMonthsDistribution);
    ASSERT_EQ(12u, months.size());
    EXPECT_EQ(Narrow(names.AbbrevMonthName(1)) + "|5000|50|5", months[0]);
    EXPECT_EQ(Narrow(names.AbbrevMonthName(3)) + "|10000|100|10", months[2]);
    EXPECT_EQ(Narrow(names.AbbrevMonthName(12)) + "|NULL|NULL|NULL", months[11]);

    EXPECT_EQ((std::vector<std::string>{"2007|10000|100|10", "2008|5000|50|5"}),
              Distribution(ZorvaneYearsDistribution, Date(2007, 1, 1), Date(2008, 12, 31)));
    EXPECT_EQ(44u, Distribution(ZorvaneYearsDistribution).size());
}

TEST_F(SummaryQueryTest, AnEmptyDatabaseStillSpreadsOverEveryNumber)
{
    EXPECT_EQ(Empty(0, 23), Distribution(ZorvaneHoursDistribution));
    SummaryActivityRequest users = Request(ZorvaneUser);
    EXPECT_TRUE(Summary(users, {L"Name"}).empty());
}

TEST_F(SummaryQueryTest, UnknownObjectTypesAreNotImplemented)
{
    for (int type : {9, -1}) {
        SummaryActivityRequest request = Request(static_cast<ZorvaneObjectType>(type));
        _Recordset* data = nullptr;
        EXPECT_EQ(E_NOTIMPL, ActivityTest::Summary(request, &data)) << type;
        EXPECT_EQ(nullptr, data);
    }
    SummaryObjectRequest object = {ZorvaneHoursDistribution, 1, 0, 0};
    _Recordset* data = nullptr;
    EXPECT_EQ(E_NOTIMPL, ActivityTest::Totals(object, &data));
}

TEST_F(SummaryQueryTest, TotalsOfAllActivityAndOfOneObject)
{
    Fill();
    const auto columns = {L"TotalUsers",     L"TotalProcesses",      L"TotalComputers",  L"TotalDocuments",
                          L"TotalTimeSpent", L"TotalKeyboardEvents", L"TotalMouseEvents"};
    EXPECT_EQ((std::vector<std::string>{"2|3|2|3|15000|150|15"}),
              Totals({ZorvaneMonthsDistribution, 0, 0, 0}, columns));
    EXPECT_EQ((std::vector<std::string>{"0|0|0|0|NULL|NULL|NULL"}),
              Totals({ZorvaneUser, 0, Date(2009, 1, 1), Date(2009, 2, 1)}, columns));
    const std::vector<std::string> dates = Totals({ZorvaneUser, 0, 0, 0}, {L"TotalMinDate", L"TotalMaxDate"});
    ASSERT_EQ(1u, dates.size());
    EXPECT_EQ(0u, dates[0].find("2007-03-05 09:15:00")) << dates[0];
    EXPECT_NE(std::string::npos, dates[0].find("|2008-01-02 08:00:00")) << dates[0];

    const unsigned long notepad = static_cast<unsigned long>(Id("ProcessInfo", "ProcessName", "notepad.exe"));
    EXPECT_EQ((std::vector<std::string>{std::to_string(notepad) + "|2|1|2|2|8000|80|8|notepad.exe"}),
              Totals({ZorvaneProcess, notepad, 0, 0},
                     {L"ObjectID", L"Users", L"Processes", L"Computers", L"Documents", L"TimeSpent", L"KeyboardEvents",
                      L"MouseEvents", L"ProcessName"}));
    EXPECT_TRUE(Totals({ZorvaneProcess, notepad, Date(2009, 1, 1), 0}, {L"ObjectID"}).empty());
}

TEST_F(SummaryQueryTest, ARestrictedCallerSeesOnlyHisOwnActivity)
{
    Fill();
    SetCaller(TTestCallerToken::PlainUser);
    SummaryActivityRequest request = Request(ZorvaneUser);
    EXPECT_TRUE(Summary(request, {L"Name"}).empty());
    const unsigned long self = request.UserId;
    ASSERT_NE(0u, self);
    const std::wstring account = ScalarText(("SELECT UserName FROM UserInfo WHERE ID=" + std::to_string(self)).c_str());
    Report(Date(2007, 3, 6, 10, 0), L"PC3", account.c_str(), L"notepad.exe", 700, 7, 0, L"c.txt - Notepad");

    request = Request(ZorvaneProcess);
    EXPECT_EQ((std::vector<std::string>{"notepad.exe|700|1"}), Summary(request, {L"Name", L"TimeSpent", L"Users"}));
    EXPECT_EQ(self, request.UserId);
    EXPECT_EQ(2, log->Count("GetSummaryActivityData() UserId restricted to " + std::to_string(self) + "\n"));
    EXPECT_EQ((std::vector<std::string>{"1|1|1|1|700"}),
              Totals({ZorvaneUser, 0, 0, 0},
                     {L"TotalUsers", L"TotalProcesses", L"TotalComputers", L"TotalDocuments", L"TotalTimeSpent"}));
    const unsigned long notepad = static_cast<unsigned long>(Id("ProcessInfo", "ProcessName", "notepad.exe"));
    EXPECT_EQ((std::vector<std::string>{"700|1"}), Totals({ZorvaneProcess, notepad, 0, 0}, {L"TimeSpent", L"Users"}));
    EXPECT_EQ((std::vector<std::string>{"700"}), Totals({ZorvaneUser, self, 0, 0}, {L"TimeSpent"}));

    const unsigned long alice = static_cast<unsigned long>(Id("UserInfo", "UserName", "DOM\\alice"));
    request = Request(ZorvaneHoursDistribution);
    request.UserId = alice;
    _Recordset* data = nullptr;
    EXPECT_EQ(E_ACCESSDENIED, ActivityTest::Summary(request, &data));
    SummaryObjectRequest object = {ZorvaneUser, alice, 0, 0};
    EXPECT_EQ(E_ACCESSDENIED, ActivityTest::Totals(object, &data));
    EXPECT_EQ(nullptr, data);
}

// Another user's activity in the same hours, days, months and years is not in a restricted
// caller's distributions: each equals the same distribution over his rows alone.
TEST_F(SummaryQueryTest, ARestrictedCallersDistributionsAreHisOwnSums)
{
    Fill();
    SetCaller(TTestCallerToken::PlainUser);
    SummaryActivityRequest users = Request(ZorvaneUser);
    Summary(users, {L"Name"});
    const unsigned long self = users.UserId;
    const std::wstring account = ScalarText(("SELECT UserName FROM UserInfo WHERE ID=" + std::to_string(self)).c_str());
    Report(Date(2007, 3, 5, 9, 15), L"PC3", account.c_str(), L"notepad.exe", 700, 7, 1, L"c.txt - Notepad");
    Report(Date(2008, 1, 2, 8, 0), L"PC3", account.c_str(), L"notepad.exe", 300, 3, 2, L"c.txt - Notepad");
    const std::initializer_list<const wchar_t*> columns = {L"Name", L"TimeSpent", L"KeyboardEvents", L"MouseEvents"};
    for (ZorvaneObjectType type : {ZorvaneHoursDistribution, ZorvaneWeekDaysDistribution, ZorvaneMonthDaysDistribution,
                                   ZorvaneMonthsDistribution, ZorvaneYearsDistribution}) {
        SetCaller(TTestCallerToken::PlainUser);
        SummaryActivityRequest restricted = Request(type);
        const std::vector<std::string> seen = Summary(restricted, columns);
        SetCaller(TTestCallerToken::Administrator);
        SummaryActivityRequest own = Request(type);
        own.UserId = self;
        SummaryActivityRequest everyone = Request(type);
        EXPECT_EQ(Summary(own, columns), seen) << type;
        EXPECT_NE(Summary(everyone, columns), seen) << type;
    }
}

// Objects kept without activity would be everyone's; the totals of one object are his alone.
TEST_F(SummaryQueryTest, ARestrictedCallerSeesTheNamesOfHisOwnObjectsOnly)
{
    Fill();
    SetCaller(TTestCallerToken::PlainUser);
    SummaryActivityRequest users = Request(ZorvaneUser);
    Summary(users, {L"Name"});
    const std::wstring self =
        ScalarText(("SELECT UserName FROM UserInfo WHERE ID=" + std::to_string(users.UserId)).c_str());
    Report(Date(2007, 3, 6, 10, 0), L"PC3", self.c_str(), L"notepad.exe", 700, 7, 0, L"c.txt - Notepad");
    const struct {
        ZorvaneObjectType Type;
        const char* Table;
        const char* Column;
        std::string Own;
        std::string OthersOnly;
        HRESULT OthersTotals;
    } cases[] = {
        {ZorvaneUser, "UserInfo", "UserName", Narrow(self), "DOM\\alice", E_ACCESSDENIED},
        {ZorvaneComputer, "ComputerInfo", "ComputerName", "PC3", "PC1", S_OK},
        {ZorvaneProcess, "ProcessInfo", "ProcessName", "notepad.exe", "winword.exe", S_OK},
        {ZorvaneDocument, "DocumentInfo", "DocumentName", "c.txt", "r.doc", S_OK},
    };
    for (const auto& c : cases) {
        for (long keepEmpty : {0L, 1L}) {
            SummaryActivityRequest request = Request(c.Type);
            request.ReturnEmptyObjects = keepEmpty;
            EXPECT_EQ(std::vector<std::string>{c.Own}, Summary(request, {L"Name"}, true)) << c.Table << keepEmpty;
        }
        const _bstr_t column(c.Column);
        const unsigned long own = static_cast<unsigned long>(Id(c.Table, c.Column, c.Own.c_str()));
        EXPECT_EQ(std::vector<std::string>{c.Own}, Totals({c.Type, own, 0, 0}, {column})) << c.Table;
        SummaryObjectRequest others = {c.Type, static_cast<unsigned long>(Id(c.Table, c.Column, c.OthersOnly.c_str())),
                                       0, 0};
        _Recordset* data = nullptr;
        EXPECT_EQ(c.OthersTotals, ActivityTest::Totals(others, &data)) << c.Table;
        if (data) {
            const _RecordsetPtr owner(data, false);
            EXPECT_TRUE(Rows(data, {column}).empty()) << c.Table;
        }
    }
}

TEST_F(SummaryQueryTest, ACallerWhoCannotBeIdentifiedIsDenied)
{
    Fill();
    SetCaller(TTestCallerToken::Unreadable);
    SummaryActivityRequest request = Request(ZorvaneUser);
    _Recordset* data = nullptr;
    EXPECT_EQ(E_ACCESSDENIED, ActivityTest::Summary(request, &data));
    SummaryObjectRequest object = {ZorvaneUser, 0, 0, 0};
    EXPECT_EQ(E_ACCESSDENIED, ActivityTest::Totals(object, &data));
    EXPECT_EQ(nullptr, data);
    EXPECT_EQ(2, ScalarLong("SELECT COUNT(*) FROM UserInfo"));
}

// Under Wine the caller's token is the server's own, whose account is an administrator.
TEST_F(SummaryQueryTest, AnAdministratorSeesEveryone)
{
    Fill();
    for (bool ownToken : {false, true}) {
        if (ownToken)
            (*server)->SetCallerToken(std::unique_ptr<ICallerToken>(new TComCallerToken));
        SummaryActivityRequest request = Request(ZorvaneUser);
        EXPECT_EQ(2u, Summary(request, {L"Name"}).size());
        EXPECT_EQ(0u, request.UserId);
        EXPECT_EQ(2, ScalarLong("SELECT COUNT(*) FROM UserInfo"));
    }
}

}  // namespace
