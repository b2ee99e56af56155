// The SQL text of the summary statements, for each kind of database.
#include "ActivityTestSupport.h"

#include <SummaryActivityQuery.h>
#include <SummaryObjectQuery.h>

#include <csl/EComException.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const TQueryDialect kJet = {dbJet, 0};
const TQueryDialect kSqlServer = {dbSqlServer, 0};
const TQueryDialect kSqlite = {dbSqlite, 0};
const TQueryDialect kSqliteSunday = {dbSqlite, 6};

const DATE kStart = 39150.0;  // 2007-03-09
const DATE kEnd = 39160.5;    // 2007-03-19 12:00

struct TRendered {
    std::string Text;
    std::vector<std::string> Values;
};

// Each value as its type's letter and its number: D (date), I (int), U (unsigned).
TRendered Render(const SmartPtr<CDbQuery>& iQuery)
{
    std::ostringstream text;
    TDbQueryValues values;
    iQuery->RenderQuery(text, values);
    TRendered rendered{text.str(), {}};
    for (const _variant_t& value : values) {
        if (value.vt == VT_DATE)
            rendered.Values.push_back("D" + std::to_string(value.date));
        else if (value.vt == VT_UI4)
            rendered.Values.push_back("U" + std::to_string(value.ulVal));
        else
            rendered.Values.push_back("I" + std::to_string(static_cast<long>(value)));
    }
    return rendered;
}

TRendered Activity(const SummaryActivityRequest& iRequest, const TQueryDialect& iDialect)
{
    return Render(BuildSummaryActivityQuery(iRequest, false, iDialect));
}

TRendered Objects(ZorvaneObjectType iType, unsigned long iId, DATE iStart, DATE iEnd, unsigned long iUserId,
                  const TQueryDialect& iDialect)
{
    const SummaryObjectRequest request = {iType, iId, iStart, iEnd};
    return Render(BuildSummaryObjectQuery(request, iUserId, iDialect));
}

const std::string kStartText = "D" + std::to_string(kStart);
const std::string kEndText = "D" + std::to_string(kEnd);

TEST(SummaryActivitySqlTest, UsersCountDistinctlyOrThroughSubQueriesOnJet)
{
    const SummaryActivityRequest request = Request(ZorvaneUser, kStart, kEnd);
    const TRendered other = Activity(request, kSqlite);
    EXPECT_EQ("SELECT SUM(Activity.TimeSpent) AS TimeSpent,SUM(Activity.KeyboardEvents) AS KeyboardEvents,"
              "SUM(Activity.MouseEvents) AS MouseEvents,UserInfo.ID,UserInfo.UserName AS Name,COUNT(DISTINCT "
              "ProcessID) AS Processes,COUNT(DISTINCT ComputerID) AS Computers FROM (UserInfo INNER JOIN Activity ON "
              "(Activity.UserID=UserInfo.ID)) WHERE (Activity.StartTime BETWEEN ? AND ?) GROUP BY "
              "UserInfo.ID,UserInfo.UserName",
              other.Text);
    EXPECT_EQ((std::vector<std::string>{kStartText, kEndText}), other.Values);
    EXPECT_EQ(other.Text, Activity(request, kSqlServer).Text);

    const TRendered jet = Activity(request, kJet);
    EXPECT_EQ("SELECT SUM(Activity.TimeSpent) AS TimeSpent,SUM(Activity.KeyboardEvents) AS KeyboardEvents,"
              "SUM(Activity.MouseEvents) AS MouseEvents,UserInfo.ID,UserInfo.UserName AS Name,Processes,Computers "
              "FROM (((UserInfo INNER JOIN Activity ON (Activity.UserID=UserInfo.ID)) INNER JOIN (SELECT "
              "UserID,COUNT(ProcessID) AS Processes FROM (SELECT DISTINCT UserID,ProcessID FROM (UserInfo INNER "
              "JOIN Activity ON (Activity.UserID=UserInfo.ID)) WHERE (Activity.StartTime BETWEEN ? AND ?)) SubQuery "
              "GROUP BY UserID) ProcessesTable ON (UserInfo.ID=ProcessesTable.UserID)) INNER JOIN (SELECT "
              "UserID,COUNT(ComputerID) AS Computers FROM (SELECT DISTINCT UserID,ComputerID FROM (UserInfo INNER "
              "JOIN Activity ON (Activity.UserID=UserInfo.ID)) WHERE (Activity.StartTime BETWEEN ? AND ?)) SubQuery "
              "GROUP BY UserID) ComputersTable ON (UserInfo.ID=ComputersTable.UserID)) WHERE (Activity.StartTime "
              "BETWEEN ? AND ?) GROUP BY UserInfo.ID,UserInfo.UserName,Processes,Computers",
              jet.Text);
    EXPECT_EQ((std::vector<std::string>{kStartText, kEndText, kStartText, kEndText, kStartText, kEndText}), jet.Values);
}

TEST(SummaryActivitySqlTest, ObjectKindsNameTheirTablesAndCounts)
{
    SummaryActivityRequest request = Request(ZorvaneProcess);
    request.ComputerId = 3;
    request.UserId = 4;
    request.ProcessId = 5;
    request.DocumentId = 6;
    const TRendered programs = Activity(request, kSqlite);
    EXPECT_EQ("SELECT SUM(Activity.TimeSpent) AS TimeSpent,SUM(Activity.KeyboardEvents) AS KeyboardEvents,"
              "SUM(Activity.MouseEvents) AS MouseEvents,ProcessInfo.ID,ProcessInfo.ProcessName AS Name,"
              "ProcessInfo.Description AS Description,COUNT(DISTINCT UserID) AS Users,COUNT(DISTINCT ComputerID) AS "
              "Computers FROM (ProcessInfo INNER JOIN Activity ON (Activity.ProcessID=ProcessInfo.ID)) WHERE "
              "(Activity.ComputerID=?) AND (Activity.UserID=?) AND (Activity.ProcessID=?) AND (Activity.DocumentID=?) "
              "GROUP BY ProcessInfo.ID,ProcessInfo.ProcessName,ProcessInfo.Description",
              programs.Text);
    EXPECT_EQ((std::vector<std::string>{"U3", "U4", "U5", "U6"}), programs.Values);

    const std::string computers = Activity(Request(ZorvaneComputer), kJet).Text;
    EXPECT_NE(std::string::npos, computers.find("ComputerInfo.ComputerName AS Name,Processes,Users FROM"));
    EXPECT_NE(std::string::npos, computers.find("ON (ComputerInfo.ID=UsersTable.ComputerID)"));
    const std::string documents = Activity(Request(ZorvaneDocument), kSqlite).Text;
    EXPECT_NE(std::string::npos,
              documents.find("DocumentInfo.DocumentName AS Name,COUNT(DISTINCT UserID) AS Users,"
                             "COUNT(DISTINCT ComputerID) AS Computers FROM (DocumentInfo INNER "
                             "JOIN Activity ON (Activity.DocumentID=DocumentInfo.ID))"));
}

TEST(SummaryActivitySqlTest, EmptyObjectsKeepTheFiltersInTheirJoin)
{
    SummaryActivityRequest request = Request(ZorvaneUser, kStart, kEnd);
    request.ReturnEmptyObjects = 1;
    request.UserId = 4;
    request.ComputerId = 3;
    const TRendered filtered = Activity(request, kSqlite);
    EXPECT_EQ("SELECT SUM(Activity.TimeSpent) AS TimeSpent,SUM(Activity.KeyboardEvents) AS KeyboardEvents,"
              "SUM(Activity.MouseEvents) AS MouseEvents,UserInfo.ID,UserInfo.UserName AS Name,COUNT(DISTINCT "
              "ProcessID) AS Processes,COUNT(DISTINCT ComputerID) AS Computers FROM (UserInfo LEFT OUTER JOIN "
              "(SELECT * FROM Activity WHERE (Activity.StartTime BETWEEN ? AND ?) AND (Activity.ComputerID=?)) "
              "Activity ON (Activity.UserID=UserInfo.ID)) WHERE (UserInfo.ID=?) GROUP BY UserInfo.ID,UserInfo.UserName",
              filtered.Text);
    EXPECT_EQ((std::vector<std::string>{kStartText, kEndText, "U3", "U4"}), filtered.Values);

    const std::string unfiltered = Activity(Request(ZorvaneUser), kJet).Text;
    request = Request(ZorvaneUser);
    request.ReturnEmptyObjects = 1;
    const std::string jet = Activity(request, kJet).Text;
    EXPECT_NE(std::string::npos,
              jet.find("FROM (((UserInfo LEFT OUTER JOIN Activity ON (Activity.UserID=UserInfo.ID)) "
                       "LEFT OUTER JOIN (SELECT UserID,COUNT(ProcessID) AS Processes FROM (SELECT "
                       "DISTINCT UserID,ProcessID FROM (UserInfo LEFT OUTER JOIN Activity"))
        << jet;
    EXPECT_EQ(std::string::npos, jet.find("INNER")) << jet;
    EXPECT_NE(std::string::npos, unfiltered.find("INNER")) << unfiltered;
}

TEST(SummaryActivitySqlTest, HoursOnJetCountActivityWithoutADocument)
{
    const TRendered hours = Activity(Request(ZorvaneHoursDistribution), kJet);
    EXPECT_EQ("SELECT DateNumbers.DateNumber AS SubmitHour,CSTR(DateNumbers.DateNumber) AS Name,SQ.TimeSpent,"
              "SQ.KeyboardEvents,SQ.MouseEvents FROM (DateNumbers LEFT OUTER JOIN (SELECT SUM(Activity.TimeSpent) AS "
              "TimeSpent,SUM(Activity.KeyboardEvents) AS KeyboardEvents,SUM(Activity.MouseEvents) AS MouseEvents,"
              "DATEPART(\"h\",Activity.StartTime) AS SubmitHour FROM ((((Activity INNER JOIN ProcessInfo ON "
              "(Activity.ProcessID=ProcessInfo.ID)) INNER JOIN UserInfo ON (Activity.UserID=UserInfo.ID)) INNER JOIN "
              "ComputerInfo ON (Activity.ComputerID=ComputerInfo.ID)) LEFT OUTER JOIN DocumentInfo ON "
              "(Activity.DocumentID=DocumentInfo.ID)) GROUP BY DATEPART(\"h\",Activity.StartTime)) SQ ON "
              "(DateNumbers.DateNumber=SQ.SubmitHour)) WHERE (DateNumbers.DateNumber BETWEEN ? AND ?) ORDER BY "
              "DateNumbers.DateNumber",
              hours.Text);
    EXPECT_EQ((std::vector<std::string>{"I0", "I23"}), hours.Values);
}

TEST(SummaryActivitySqlTest, DatePartsAndRangesOfEachKind)
{
    const struct {
        ZorvaneObjectType Type;
        TQueryDialect Dialect;
        DATE Start, End;
        const char* Part;
        const char* Name;
        const char* Low;
        const char* High;
    } cases[] = {
        {ZorvaneHoursDistribution, kSqlite, kStart, kEnd, "CAST(strftime('%H',Activity.StartTime) AS INTEGER)",
         "CAST(DateNumbers.DateNumber AS TEXT)", "I0", "I23"},
        {ZorvaneHoursDistribution, kSqlServer, 0, 0, "DATEPART(\"hh\",Activity.StartTime)",
         "CAST(DateNumbers.DateNumber AS VARCHAR)", "I0", "I23"},
        {ZorvaneWeekDaysDistribution, kSqlite, 0, 0, "(CAST(strftime('%w',Activity.StartTime) AS INTEGER)+6)%7+1",
         "DateNumbers.AbbrevDayName", "I1", "I7"},
        {ZorvaneWeekDaysDistribution, kSqliteSunday, 0, 0, "(CAST(strftime('%w',Activity.StartTime) AS INTEGER)+0)%7+1",
         "DateNumbers.AbbrevDayName", "I1", "I7"},
        {ZorvaneWeekDaysDistribution, kJet, 0, 0, "DATEPART(\"w\",Activity.StartTime,0)", "DateNumbers.AbbrevDayName",
         "I1", "I7"},
        {ZorvaneMonthDaysDistribution, kSqlite, kStart, kEnd, "CAST(strftime('%d',Activity.StartTime) AS INTEGER)",
         "CAST(DateNumbers.DateNumber AS TEXT)", "I9", "I19"},
        {ZorvaneMonthDaysDistribution, kJet, kStart, kEnd + 30, "DATEPART(\"d\",Activity.StartTime)",
         "CSTR(DateNumbers.DateNumber)", "I1", "I31"},
        {ZorvaneMonthsDistribution, kSqlite, kStart, kEnd + 60, "CAST(strftime('%m',Activity.StartTime) AS INTEGER)",
         "DateNumbers.AbbrevMonthName", "I3", "I5"},
        {ZorvaneMonthsDistribution, kSqlite, kStart, 0, "CAST(strftime('%m',Activity.StartTime) AS INTEGER)",
         "DateNumbers.AbbrevMonthName", "I1", "I12"},
        {ZorvaneYearsDistribution, kSqlite, kStart, kEnd + 700, "CAST(strftime('%Y',Activity.StartTime) AS INTEGER)",
         "CAST(DateNumbers.DateNumber AS TEXT)", "I2007", "I2009"},
        {ZorvaneYearsDistribution, kJet, 0, kEnd, "DATEPART(\"yyyy\",Activity.StartTime)",
         "CSTR(DateNumbers.DateNumber)", "I1995", "I2038"},
    };
    for (const auto& c : cases) {
        const TRendered rendered = Activity(Request(c.Type, c.Start, c.End), c.Dialect);
        const std::string& text = rendered.Text;
        EXPECT_NE(std::string::npos, text.find(std::string(",") + c.Name + " AS Name,")) << text;
        EXPECT_NE(std::string::npos, text.find(std::string("GROUP BY ") + c.Part + ") SQ ON")) << text;
        ASSERT_LE(2u, rendered.Values.size()) << text;
        EXPECT_EQ(c.Low, rendered.Values[rendered.Values.size() - 2]) << text;
        EXPECT_EQ(c.High, rendered.Values.back()) << text;
    }
}

TEST(SummaryActivitySqlTest, UnknownObjectTypesAreNotImplemented)
{
    for (int type : {9, -1}) {
        try {
            BuildSummaryActivityQuery(Request(static_cast<ZorvaneObjectType>(type)), false, kSqlite);
            ADD_FAILURE() << type;
        } catch (const EComException& e) {
            EXPECT_EQ(E_NOTIMPL, e.GetHResult()) << type;
        }
    }
}

TEST(SummaryObjectSqlTest, TotalsOverAllActivity)
{
    const TRendered other = Objects(ZorvaneYearsDistribution, 0, kStart, kEnd, 0, kSqlite);
    EXPECT_EQ("SELECT COUNT(DISTINCT UserID) AS TotalUsers,COUNT(DISTINCT ProcessID) AS TotalProcesses,COUNT(DISTINCT "
              "ComputerID) AS TotalComputers,COUNT(DISTINCT DocumentID) AS TotalDocuments,SUM(Activity.TimeSpent) AS "
              "TotalTimeSpent,SUM(KeyboardEvents) AS TotalKeyboardEvents,SUM(MouseEvents) AS TotalMouseEvents,"
              "MIN(StartTime) AS TotalMinDate,MAX(StartTime) AS TotalMaxDate FROM Activity WHERE (Activity.StartTime "
              "BETWEEN ? AND ?)",
              other.Text);
    EXPECT_EQ((std::vector<std::string>{kStartText, kEndText}), other.Values);

    // Every part on Jet is a one-row sub-query, so the totals are one row even over no activity.
    const TRendered jet = Objects(ZorvaneUser, 0, kStart, 0, 0, kJet);
    EXPECT_EQ("SELECT TotalUsers,TotalProcesses,TotalComputers,TotalDocuments,TotalTimeSpent,TotalKeyboardEvents,"
              "TotalMouseEvents,TotalMinDate,TotalMaxDate FROM (SELECT COUNT(UserID) AS TotalUsers FROM (SELECT "
              "DISTINCT UserID FROM Activity WHERE (Activity.StartTime>=?)) SubQuery) SubQueryUsers,(SELECT "
              "COUNT(ProcessID) AS TotalProcesses FROM (SELECT DISTINCT ProcessID FROM Activity WHERE "
              "(Activity.StartTime>=?)) SubQuery) SubQueryProcesses,(SELECT COUNT(ComputerID) AS TotalComputers FROM "
              "(SELECT DISTINCT ComputerID FROM Activity WHERE (Activity.StartTime>=?)) SubQuery) "
              "SubQueryComputers,(SELECT COUNT(DocumentID) AS TotalDocuments FROM (SELECT DISTINCT DocumentID FROM "
              "Activity WHERE (Activity.StartTime>=?)) SubQuery) SubQueryDocuments,(SELECT SUM(Activity.TimeSpent) AS "
              "TotalTimeSpent,SUM(KeyboardEvents) AS TotalKeyboardEvents,SUM(MouseEvents) AS TotalMouseEvents,"
              "MIN(StartTime) AS TotalMinDate,MAX(StartTime) AS TotalMaxDate FROM Activity WHERE "
              "(Activity.StartTime>=?)) SubQueryTotals",
              jet.Text);
    EXPECT_EQ(std::vector<std::string>(5, kStartText), jet.Values);

    const std::string untilEnd = Objects(ZorvaneUser, 0, 0, kEnd, 0, kSqlite).Text;
    EXPECT_NE(std::string::npos, untilEnd.find("WHERE (Activity.StartTime<=?)"));
    EXPECT_EQ(std::string::npos, Objects(ZorvaneUser, 0, 0, 0, 0, kSqlite).Text.find("WHERE"));
}

TEST(SummaryObjectSqlTest, OneObjectWithItsOwnRow)
{
    const TRendered other = Objects(ZorvaneProcess, 7, 0, 0, 0, kSqlite);
    EXPECT_EQ("SELECT * FROM ((SELECT ObjectData.ID AS ObjectID,COUNT(DISTINCT UserID) AS Users,COUNT(DISTINCT "
              "ProcessID) AS Processes,COUNT(DISTINCT ComputerID) AS Computers,COUNT(DISTINCT DocumentID) AS "
              "Documents,SUM(Activity.TimeSpent) AS TimeSpent,SUM(KeyboardEvents) AS KeyboardEvents,SUM(MouseEvents) "
              "AS MouseEvents,MIN(StartTime) AS MinDate,MAX(StartTime) AS MaxDate FROM (Activity INNER JOIN "
              "ProcessInfo ObjectData ON (Activity.ProcessID=ObjectData.ID)) WHERE (ObjectData.ID=?) GROUP BY "
              "ObjectData.ID) InnerQuery INNER JOIN ProcessInfo ObjectData ON (InnerQuery.ObjectID=ObjectData.ID))",
              other.Text);
    EXPECT_EQ((std::vector<std::string>{"U7"}), other.Values);

    const TRendered jet = Objects(ZorvaneUser, 7, 0, 0, 0, kJet);
    EXPECT_NE(std::string::npos,
              jet.Text.find("(SELECT UsersObjectID,COUNT(UserID) AS Users FROM (SELECT DISTINCT ObjectData.ID AS "
                            "UsersObjectID,UserID FROM (Activity INNER JOIN UserInfo ObjectData ON "
                            "(Activity.UserID=ObjectData.ID)) WHERE (ObjectData.ID=?)) SubQuery GROUP BY "
                            "UsersObjectID) UsersTable"))
        << jet.Text;
    EXPECT_NE(std::string::npos, jet.Text.find("GROUP BY ObjectData.ID,Users,Processes,Computers,Documents)"));
    EXPECT_EQ(std::string::npos, jet.Text.find("COUNT(DISTINCT"));
    EXPECT_EQ(std::vector<std::string>(5, "U7"), jet.Values);
}

TEST(SummaryObjectSqlTest, ARestrictedCallerCountsOnlyHisOwnActivity)
{
    const TRendered totals = Objects(ZorvaneUser, 0, kStart, kEnd, 4, kSqlite);
    EXPECT_NE(std::string::npos,
              totals.Text.find("WHERE (Activity.StartTime BETWEEN ? AND ?) AND (Activity.UserID=?)"));
    EXPECT_EQ((std::vector<std::string>{kStartText, kEndText, "U4"}), totals.Values);
    EXPECT_EQ((std::vector<std::string>{"U9", "U4"}), Objects(ZorvaneComputer, 9, 0, 0, 4, kSqlite).Values);
}

TEST(SummaryObjectSqlTest, OneObjectOfAnUnknownTypeIsNotImplemented)
{
    for (int type : {4, 9, -1}) {
        try {
            Objects(static_cast<ZorvaneObjectType>(type), 1, 0, 0, 0, kSqlite);
            ADD_FAILURE() << type;
        } catch (const EComException& e) {
            EXPECT_EQ(E_NOTIMPL, e.GetHResult()) << type;
        }
    }
}

}  // namespace
