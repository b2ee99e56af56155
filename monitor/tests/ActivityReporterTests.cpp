#include "ActivityReporter.h"

#include <FakeZorvane.h>

#include <csl/CallFailure.h>
#include <csl/_time_t.h>
#include <csl/tests/LogCapture.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

const long long tenOClock = 1104573600;
const size_t aDay = 1440;

TActivityRecord Record(const wchar_t* iName, DWORD iTime, long long iStart = tenOClock)
{
    TActivityRecord record;
    record.PeriodStart = iStart;
    record.Name = iName;
    record.Owner = L"DOMAIN\\user";
    record.Title = std::wstring(L"Title of ") + iName;
    record.Path = L"Z:\\no\\such\\" + record.Name;
    record.Time = iTime;
    record.KeyEvents = 2;
    record.MouseEvents = 3;
    return record;
}

class ActivityReporterTest : public ::testing::Test {
protected:
    TLogCapture log;
    TFakeZorvane server;
    TActivityReporter reporter;
};

TEST_F(ActivityReporterTest, ReportsOneCallPerRecordWithItsOwnPeriod)
{
    reporter.Add({Record(L"a.exe", 1000, tenOClock - 60), Record(L"b.exe", 2000)}, aDay);
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    ASSERT_EQ(2u, server.script.reports.size());
    const auto& first = server.script.reports[0];
    EXPECT_EQ(_time_t(tenOClock - 60).localvarianttime(), first.start);
    EXPECT_EQ(L"DESK-07", first.computer);
    EXPECT_EQ(L"DOMAIN\\user", first.user);
    EXPECT_EQ(L"a.exe", first.process);
    EXPECT_EQ(L"Title of a.exe", first.description);
    EXPECT_EQ(1000, first.time);
    EXPECT_EQ(2, first.keys);
    EXPECT_EQ(3, first.mice);
    EXPECT_EQ(_time_t(tenOClock).localvarianttime(), server.script.reports[1].start);
    EXPECT_TRUE(server.script.information.empty());
    EXPECT_TRUE(reporter.Pending().empty());
}

TEST_F(ActivityReporterTest, SendsProcessInformationWhenAskedOrAlways)
{
    TActivityRecord described = Record(L"described.exe", 500);
    const char* fixture = ZV_FIXTURE_TWO_SIZES;
    described.Path.assign(fixture, fixture + strlen(fixture));
    server.script.askFor = {L"described.exe"};
    reporter.Add({Record(L"plain.exe", 100), described}, aDay);
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    ASSERT_EQ(1u, server.script.information.size());
    EXPECT_EQ(L"described.exe", server.script.information[0].process);
    EXPECT_EQ(L"Erste Beschreibung", server.script.information[0].description);
    EXPECT_EQ(38u + 42 + 42, server.script.information[0].icon.size());
    EXPECT_TRUE(log.Contains("TZorvaneApplication::SendProcessInformation( described.exe )\n"));
    EXPECT_TRUE(log.Contains("Sending( \"described.exe\", \"Erste Beschreibung\", 122 bytes )\n"));

    // With every process updated, a program file that cannot be read still goes, empty.
    reporter.Add({Record(L"plain.exe", 100)}, aDay);
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", true));
    ASSERT_EQ(2u, server.script.information.size());
    EXPECT_EQ(L"plain.exe", server.script.information[1].process);
    EXPECT_EQ(L"", server.script.information[1].description);
    EXPECT_TRUE(server.script.information[1].icon.empty());
}

TEST_F(ActivityReporterTest, FailedInformationDoesNotStopTheReport)
{
    server.script.results[L"SendProcessInformation"] = {E_FAIL, E_FAIL};
    reporter.Add({Record(L"a.exe", 100), Record(L"b.exe", 100)}, aDay);
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", true));
    EXPECT_EQ(2u, server.script.reports.size());
    EXPECT_EQ(2u, server.script.information.size());
    EXPECT_TRUE(log.Contains("(!) TZorvaneApplication::SendProcessInformation: "));
}

// The server asks only once, when it first stores the program: information it did not take is
// sent again at the next delivery, records or none, until it is taken; one it refused is not.
TEST_F(ActivityReporterTest, InformationTheServerDidNotTakeIsSentAgainUntilTaken)
{
    server.script.askFor = {L"kept.exe", L"refused.exe"};
    server.script.results[L"SendProcessInformation"] = {ZV_E_DATABASE_UNAVAILABLE, E_INVALIDARG,
                                                        ZV_E_SERVER_NOT_REACHED};
    reporter.Add({Record(L"kept.exe", 100), Record(L"refused.exe", 100)}, aDay);
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    EXPECT_EQ(2u, server.script.reports.size());
    ASSERT_EQ(1u, reporter.InformationOwed().size());
    EXPECT_EQ(L"kept.exe", reporter.InformationOwed().begin()->first);

    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    EXPECT_EQ(1u, reporter.InformationOwed().size()) << "still not reached";
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    EXPECT_TRUE(reporter.InformationOwed().empty());
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    std::vector<std::wstring> sent;
    for (const std::wstring& call : server.script.calls)
        if (call.rfind(L"SendProcessInformation ", 0) == 0)
            sent.push_back(call.substr(0, call.find(L' ', 23)));
    const std::vector<std::wstring> expected = {L"SendProcessInformation kept.exe",
                                                L"SendProcessInformation refused.exe",
                                                L"SendProcessInformation kept.exe", L"SendProcessInformation kept.exe"};
    EXPECT_EQ(expected, sent);
    EXPECT_EQ(2u, server.script.reports.size());
}

// The second of three records fails: what becomes of it, of the rest and of the proxy.
TEST_F(ActivityReporterTest, AFailedRecordFaresByTheSharedClassification)
{
    const std::vector<std::wstring> none, bc = {L"b.exe", L"c.exe"}, c = {L"c.exe"}, ac = {L"a.exe", L"c.exe"},
                                          a = {L"a.exe"};
    struct Case {
        HRESULT failure;
        bool proxyLives;
        std::vector<std::wstring> pending, reported;
    } cases[] = {
        // Not delivered: it waits with those after it.
        {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), false, bc, a},
        {RPC_E_DISCONNECTED, false, bc, a},
        {CO_E_OBJNOTCONNECTED, false, bc, a},
        {ZV_E_SERVER_NOT_REACHED, true, bc, a},  // the relay is there, its server is not
        // May have been stored: not sent again.
        {static_cast<HRESULT>(0x800706BE), false, c, a},
        {ZV_E_SERVER_CALL_BROKEN, true, none, ac},  // the relay has mended its way already
        // Refused by the server.
        {E_FAIL, true, none, ac},
        {E_INVALIDARG, true, none, ac},
    };
    for (const Case& c : cases) {
        TLogCapture caseLog;
        TFakeZorvane caseServer;
        TActivityReporter caseReporter;
        caseServer.script.results[L"ReportActivity"] = {S_OK, c.failure};
        caseReporter.Add({Record(L"a.exe", 1), Record(L"b.exe", 2), Record(L"c.exe", 3)}, aDay);
        EXPECT_EQ(c.proxyLives, caseReporter.Deliver(caseServer, L"DESK-07", false)) << std::hex << c.failure;
        EXPECT_TRUE(caseLog.Contains("(!) ReportActivity FAILED!\n"));
        std::vector<std::wstring> pending, reported;
        for (const TActivityRecord& record : caseReporter.Pending())
            pending.push_back(record.Name);
        for (const auto& report : caseServer.script.reports)
            reported.push_back(report.process);
        EXPECT_EQ(c.pending, pending) << std::hex << c.failure;
        EXPECT_EQ(c.reported, reported) << std::hex << c.failure;
        EXPECT_EQ(ClassifyCallFailure(c.failure).Fate == TCallFate::MayHaveRun,
                  caseLog.Contains("(!) b.exe of " + _time_t(tenOClock).ToString() +
                                   ": the call broke after it was "
                                   "sent: the record may have been stored, and is not sent again\n"))
            << std::hex << c.failure;
    }
}

TEST_F(ActivityReporterTest, RecordsOfOneProgramTitleAndPeriodAreSentAsOne)
{
    TActivityRecord otherTitle = Record(L"a.exe", 5);
    otherTitle.Title = L"Other - a";
    reporter.Add({Record(L"a.exe", 1000), Record(L"b.exe", 10), otherTitle}, aDay);
    reporter.Add({Record(L"a.exe", 500), Record(L"a.exe", 7, tenOClock + 60)}, aDay);
    ASSERT_EQ(4u, reporter.Pending().size());
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    ASSERT_EQ(4u, server.script.reports.size());
    EXPECT_EQ(1500, server.script.reports[0].time);
    EXPECT_EQ(4, server.script.reports[0].keys);
    EXPECT_EQ(6, server.script.reports[0].mice);
    EXPECT_EQ(L"Other - a", server.script.reports[2].description);
    EXPECT_EQ(5, server.script.reports[2].time);
    EXPECT_EQ(7, server.script.reports[3].time);
}

TEST_F(ActivityReporterTest, TheBacklogKeepsTheNewestQuantaAndLogsWhatItDrops)
{
    reporter.Add({Record(L"a.exe", 1, tenOClock), Record(L"b.exe", 2, tenOClock)}, 2);
    reporter.Add({Record(L"a.exe", 3, tenOClock + 60)}, 2);
    EXPECT_FALSE(log.Contains("Backlog full"));
    reporter.Add({Record(L"a.exe", 4, tenOClock + 120), Record(L"c.exe", 5, tenOClock + 120)}, 2);
    ASSERT_EQ(3u, reporter.Pending().size());
    EXPECT_EQ(tenOClock + 60, reporter.Pending().front().PeriodStart);
    EXPECT_TRUE(log.Contains("(!) Backlog full: 2 record(s) of the quantum starting " + _time_t(tenOClock).ToString() +
                             " dropped\n"))
        << log.Text();
}

TEST_F(ActivityReporterTest, DeliveryStopsWhenToldAndGoesOnLater)
{
    reporter.Add({Record(L"a.exe", 1), Record(L"b.exe", 2), Record(L"c.exe", 3)}, aDay);
    int allowed = 1;
    EXPECT_TRUE(reporter.Deliver(server, L"DESK-07", false, [&] { return allowed-- > 0; }));
    EXPECT_EQ(1u, server.script.reports.size());
    EXPECT_EQ(2u, reporter.Pending().size());
    EXPECT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    EXPECT_EQ(3u, server.script.reports.size());
}

}  // namespace
