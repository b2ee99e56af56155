// The collection road as the computer runs it: the user service starts the server through COM
// and the monitor in the session; a user works in two programs; the server stores what the
// monitor saw and answers the summaries through the service.
#include "E2eSupport.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const DWORD kQuantumSeconds = 4;

class RoadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))); }
    void TearDown() override { CoUninitialize(); }
};

long long SumByName(const std::vector<TRow>& iRows, const std::wstring& iName)
{
    long long sum = 0;
    for (const TRow& row : iRows)
        if (row.at(L"Name") == iName)
            sum += _wtoi64(row.at(L"TimeSpent").c_str());
    return sum;
}

TEST_F(RoadTest, WhatTheUserDidIsStoredAndSummarisedThroughTheService)
{
    TInstalledSystem system(kQuantumSeconds, GetProgramDirectory() + L"e2e_road.db");
    const ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(system.Start(kUserService));
    ASSERT_TRUE(WaitUntil([] { return ProcessIds(L"zvuser.exe").size() == 1; }));

    ASSERT_EQ(0u,
              RunProgram(L"\"" + GetProgramDirectory() + L"zvdriver.exe\" " + std::to_wstring(3 * kQuantumSeconds)));
    // The programs are closed now; their last records arrive at the next quantum boundary.
    TDatabase database(system.Database());
    const std::wstring driven = L"ProcessInfo.ProcessName IN ('notepad.exe','regedit.exe')";
    const std::wstring perProgram = L"SELECT ProcessName, SUM(TimeSpent) AS TimeSpent, SUM(KeyboardEvents) AS Keys "
                                    L"FROM Activity JOIN ProcessInfo ON Activity.ProcessID=ProcessInfo.ID WHERE " +
        driven + L" GROUP BY ProcessName ORDER BY ProcessName";
    ASSERT_TRUE(WaitUntil([&] { return database.Rows(perProgram).size() == 2; }, 4000 * kQuantumSeconds));
    Sleep(2000 * kQuantumSeconds + 1000);
    const double elapsedMs = static_cast<double>(GetTickCount64() - start);

    const std::vector<TRow> programs = database.Rows(perProgram);
    ASSERT_EQ(2u, programs.size());
    EXPECT_EQ(L"notepad.exe", programs[0].at(L"ProcessName"));
    EXPECT_GT(_wtoi64(programs[0].at(L"Keys").c_str()), 0) << "typing into notepad was counted";
    EXPECT_LE(database.Number(L"SELECT SUM(TimeSpent) FROM Activity"), elapsedMs);
    // Nothing was lost on the way: every quantum the user worked through has records of most
    // of its length. Not the monitor's first (it started within that one), nor the one in
    // which the programs closed: from then on no window is in front, and that time is nobody's.
    // Timers come up to a second late, which moves time between neighbouring quanta.
    const std::vector<TRow> quanta =
        database.Rows(L"SELECT StartTime, SUM(TimeSpent) AS Spent FROM Activity GROUP BY StartTime ORDER BY StartTime");
    ASSERT_GE(quanta.size(), 4u);
    const long long lastDriven = DateSeconds(database.Scalar(
        L"SELECT MAX(StartTime) FROM Activity JOIN ProcessInfo ON Activity.ProcessID=ProcessInfo.ID WHERE " + driven));
    long long previous = DateSeconds(quanta[0].at(L"StartTime"));
    for (size_t i = 1; i < quanta.size(); ++i) {
        const long long start = DateSeconds(quanta[i].at(L"StartTime"));
        EXPECT_EQ(previous + kQuantumSeconds, start) << "no quantum is missing";
        if (start < lastDriven)
            EXPECT_GE(_wtoi64(quanta[i].at(L"Spent").c_str()), 500ll * kQuantumSeconds) << quanta[i].at(L"StartTime");
        previous = start;
    }
    for (const TRow& info :
         database.Rows(L"SELECT ProcessName, length(Icon) AS IconBytes FROM ProcessInfo WHERE " + driven))
        EXPECT_GT(_wtoi64(info.at(L"IconBytes").c_str()), 6) << info.at(L"ProcessName");
    EXPECT_NE(L"NULL", database.Scalar(L"SELECT Description FROM ProcessInfo WHERE ProcessName='regedit.exe'"));

    // Everything up to the driven programs' last record is complete: later records start later.
    const std::wstring lastStart =
        database.Scalar(L"SELECT julianday(MAX(StartTime)) - 2415018.5 FROM Activity JOIN ProcessInfo ON "
                        L"Activity.ProcessID=ProcessInfo.ID WHERE " +
                        driven);
    // Half a second past it, so that the rounding of the day number as text leaves it inside.
    const DATE until = _wtof(lastStart.c_str()) + 0.5 / 86400;
    const std::wstring upToLast = L" WHERE julianday(StartTime) - 2415018.5 <= " + lastStart + L" + 0.5 / 86400";
    const long long total = database.Number(L"SELECT SUM(TimeSpent) FROM Activity" + upToLast);

    ComPtr<IZorvane> service = ConnectService();
    ASSERT_TRUE(service);
    std::vector<TRow> byUser, byProgram, byHour;
    ASSERT_EQ(S_OK, Summary(service.Get(), ZorvaneUser, byUser, 0, until));
    ASSERT_EQ(S_OK, Summary(service.Get(), ZorvaneProcess, byProgram, 0, until));
    ASSERT_EQ(S_OK, Summary(service.Get(), ZorvaneHoursDistribution, byHour, 0, until));

    ASSERT_EQ(1u, byUser.size());
    EXPECT_EQ(database.Scalar(L"SELECT UserName FROM UserInfo"), byUser[0].at(L"Name"));
    EXPECT_EQ(total, _wtoi64(byUser[0].at(L"TimeSpent").c_str()));
    for (const TRow& program : programs)
        EXPECT_EQ(_wtoi64(program.at(L"TimeSpent").c_str()), SumByName(byProgram, program.at(L"ProcessName")))
            << program.at(L"ProcessName");
    long long hours = 0;
    for (const TRow& hour : byHour)
        hours += hour.at(L"TimeSpent") == L"NULL" ? 0 : _wtoi64(hour.at(L"TimeSpent").c_str());
    EXPECT_EQ(total, hours);

    EXPECT_TRUE(system.Stop(kUserService));
    EXPECT_TRUE(WaitUntil([] { return ProcessIds(L"zvuser.exe").empty(); }, 10000))
        << "the monitor ended with the service";
}

}  // namespace
}  // namespace e2e
