#include "ActivityReporter.h"
#include "FakeZorvane.h"
#include "LogCapture.h"

#include <csl/_time_t.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

const long long tenOClock = 1104573600;

TActivityRecord Record(const wchar_t* name, DWORD time, long long start = tenOClock)
{
    TActivityRecord record;
    record.periodStart = start;
    record.name = name;
    record.owner = L"DOMAIN\\user";
    record.title = std::wstring(L"Title of ") + name;
    record.path = L"Z:\\no\\such\\" + record.name;
    record.time = time;
    record.keyEvents = 2;
    record.mouseEvents = 3;
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
    reporter.Add({Record(L"a.exe", 1000, tenOClock - 60), Record(L"b.exe", 2000)});
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    ASSERT_EQ(2u, server.reports.size());
    const auto& first = server.reports[0];
    EXPECT_EQ(_time_t(tenOClock - 60).localvarianttime(), first.start);
    EXPECT_EQ(L"DESK-07", first.computer);
    EXPECT_EQ(L"DOMAIN\\user", first.user);
    EXPECT_EQ(L"a.exe", first.process);
    EXPECT_EQ(L"Title of a.exe", first.description);
    EXPECT_EQ(1000, first.time);
    EXPECT_EQ(2, first.keys);
    EXPECT_EQ(3, first.mice);
    EXPECT_EQ(_time_t(tenOClock).localvarianttime(), server.reports[1].start);
    EXPECT_TRUE(server.information.empty());
    EXPECT_TRUE(reporter.Pending().empty());
}

TEST_F(ActivityReporterTest, SendsProcessInformationWhenAskedOrAlways)
{
    TActivityRecord described = Record(L"described.exe", 500);
    const char* fixture = ZV_FIXTURE_TWO_SIZES;
    described.path.assign(fixture, fixture + strlen(fixture));
    server.askFor = {L"described.exe"};
    reporter.Add({Record(L"plain.exe", 100), described});
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", false));
    ASSERT_EQ(1u, server.information.size());
    EXPECT_EQ(L"described.exe", server.information[0].process);
    EXPECT_EQ(L"Erste Beschreibung", server.information[0].description);
    EXPECT_EQ(38u + 42 + 42, server.information[0].icon.size());
    EXPECT_TRUE(log.Contains("TZorvaneApplication::SendProcessInformation( described.exe )\n"));
    EXPECT_TRUE(log.Contains("Sending( \"described.exe\", \"Erste Beschreibung\", 122 bytes )\n"));

    // With every process updated, a program file that cannot be read still goes, empty.
    reporter.Add({Record(L"plain.exe", 100)});
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", true));
    ASSERT_EQ(2u, server.information.size());
    EXPECT_EQ(L"plain.exe", server.information[1].process);
    EXPECT_EQ(L"", server.information[1].description);
    EXPECT_TRUE(server.information[1].icon.empty());
}

TEST_F(ActivityReporterTest, FailedInformationDoesNotStopTheReport)
{
    server.informationResult = E_FAIL;
    reporter.Add({Record(L"a.exe", 100), Record(L"b.exe", 100)});
    ASSERT_TRUE(reporter.Deliver(server, L"DESK-07", true));
    EXPECT_EQ(2u, server.reports.size());
    EXPECT_EQ(2u, server.information.size());
    EXPECT_TRUE(log.Contains("(!) TZorvaneApplication::SendProcessInformation: "));
}

TEST_F(ActivityReporterTest, TransportFailuresKeepRecordsAndRejectionsDropThem)
{
    struct Case {
        HRESULT failure;
        bool transport;
    } cases[] = {
        {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), true},
        {static_cast<HRESULT>(0x80010105), true},  // server fault
        {static_cast<HRESULT>(0x80010108), true},  // disconnected
        {E_FAIL, false},
        {E_INVALIDARG, false},
    };
    for (const Case& c : cases) {
        TLogCapture caseLog;
        TFakeZorvane caseServer;
        TActivityReporter caseReporter;
        caseServer.reportResults = {S_OK, c.failure};
        caseReporter.Add({Record(L"a.exe", 1), Record(L"b.exe", 2), Record(L"c.exe", 3)});
        EXPECT_EQ(!c.transport, caseReporter.Deliver(caseServer, L"DESK-07", false)) << c.failure;
        EXPECT_TRUE(caseLog.Contains("(!) ReportActivity FAILED!\n"));
        if (c.transport) {
            ASSERT_EQ(1u, caseServer.reports.size());
            ASSERT_EQ(2u, caseReporter.Pending().size());
            EXPECT_EQ(L"b.exe", caseReporter.Pending().front().name);
            // A later delivery sends them with their own period.
            EXPECT_TRUE(caseReporter.Deliver(caseServer, L"DESK-07", false));
            ASSERT_EQ(3u, caseServer.reports.size());
            EXPECT_EQ(L"b.exe", caseServer.reports[1].process);
        } else {
            ASSERT_EQ(2u, caseServer.reports.size());
            EXPECT_EQ(L"c.exe", caseServer.reports[1].process);
            EXPECT_TRUE(caseReporter.Pending().empty());
        }
    }
}

}  // namespace
