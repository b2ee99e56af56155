#include <ViewerLog.h>
#include <ViewerSettings.h>

#include "FixedClock.h"

#include <csl/TDebugStream.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

const wchar_t kScratchKey[] = L"SOFTWARE\\ZorvaneTests\\Viewer";

std::wstring Text(const COleDateTime& iTime)
{
    return std::wstring(static_cast<LPCWSTR>(iTime.Format(L"%Y-%m-%d %H:%M:%S")));
}

class ViewerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
        m_Clock->Set(2026, 12, 10, 9, 30, 0);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey); }

    void WriteRaw(LPCWSTR iName, DWORD iType, const void* iBytes, DWORD iSize)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, kScratchKey, iName, iType, iBytes, iSize));
    }
    DWORD ReadRaw(LPCWSTR iName, DWORD& oType, void* oBytes, DWORD iSize)
    {
        EXPECT_EQ(ERROR_SUCCESS,
                  RegGetValueW(HKEY_CURRENT_USER, kScratchKey, iName, RRF_RT_ANY, &oType, oBytes, &iSize));
        return iSize;
    }

    SmartPtr<TFixedClock> m_Clock = new TFixedClock;
};

TEST_F(ViewerSettingsTest, NamedPeriodsStartAtMidnightAndEndNow)
{
    const struct {
        WORD Year, Month, Day, Hour, Minute, Second, Milliseconds;
        int Type;
        const wchar_t* Start;
        const wchar_t* End;
    } cases[] = {
        // 13 December 2026 is a Sunday.
        {2026, 12, 13, 14, 20, 5, 0, ReportPeriod::Today, L"2026-12-13 00:00:00", L"2026-12-13 14:20:05"},
        {2026, 12, 13, 14, 20, 5, 0, ReportPeriod::ThisWeek, L"2026-12-13 00:00:00", L"2026-12-13 14:20:05"},
        {2026, 12, 12, 23, 59, 59, 999, ReportPeriod::ThisWeek, L"2026-12-06 00:00:00", L"2026-12-12 23:59:59"},
        {2026, 12, 1, 10, 15, 30, 0, ReportPeriod::ThisWeek, L"2026-11-29 00:00:00", L"2026-12-01 10:15:30"},
        {2026, 12, 1, 10, 15, 30, 0, ReportPeriod::ThisMonth, L"2026-12-01 00:00:00", L"2026-12-01 10:15:30"},
        {2026, 12, 13, 14, 20, 5, 0, ReportPeriod::ThisYear, L"2026-01-01 00:00:00", L"2026-12-13 14:20:05"},
        {2027, 1, 1, 0, 0, 0, 0, ReportPeriod::ThisYear, L"2027-01-01 00:00:00", L"2027-01-01 00:00:00"},
        {2027, 1, 1, 8, 0, 0, 0, ReportPeriod::ThisWeek, L"2026-12-27 00:00:00", L"2027-01-01 08:00:00"},
    };
    for (const auto& c : cases) {
        m_Clock->Set(c.Year, c.Month, c.Day, c.Hour, c.Minute, c.Second, c.Milliseconds);
        CPeriodSettings settings(m_Clock, kScratchKey);
        settings.SetPeriod({COleDateTime(), COleDateTime(), c.Type});
        ReportPeriod period{};
        settings.ComputePeriod(period);
        EXPECT_EQ(c.Start, Text(period.Start)) << c.End << " type " << c.Type;
        EXPECT_EQ(c.End, Text(period.End)) << c.End << " type " << c.Type;
        EXPECT_EQ(c.Type, period.PeriodType);
        EXPECT_EQ(Text(period.Start), Text(settings.GetPeriod().Start));
    }
}

TEST_F(ViewerSettingsTest, CustomPeriodIsLeftAsItIs)
{
    CPeriodSettings settings(m_Clock, kScratchKey);
    const ReportPeriod custom{COleDateTime(2026, 3, 4, 5, 6, 7), COleDateTime(2026, 4, 5, 6, 7, 8),
                              ReportPeriod::Custom};
    settings.SetPeriod(custom);
    ReportPeriod period{};
    settings.ComputePeriod(period);
    EXPECT_EQ(L"2026-03-04 05:06:07", Text(period.Start));
    EXPECT_EQ(L"2026-04-05 06:07:08", Text(period.End));
    EXPECT_EQ(ReportPeriod::Custom, period.PeriodType);
    EXPECT_EQ(custom.End.m_dt, settings.GetPeriod().End.m_dt);
}

TEST_F(ViewerSettingsTest, FirstStartCreatesTheKeyAndKeepsThisYear)
{
    CPeriodSettings settings(m_Clock, kScratchKey);
    EXPECT_TRUE(settings.LoadPeriodSettings());
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, KEY_READ, &key));
    RegCloseKey(key);
    ReportPeriod period{};
    settings.ComputePeriod(period);
    EXPECT_EQ(ReportPeriod::ThisYear, period.PeriodType);
    EXPECT_EQ(L"2026-01-01 00:00:00", Text(period.Start));
}

TEST_F(ViewerSettingsTest, StoresRawDatesAndTheTypeAndReadsThemBack)
{
    CPeriodSettings first(m_Clock, kScratchKey);
    first.SetPeriod({COleDateTime(2026, 3, 4, 5, 6, 7), COleDateTime(2026, 4, 5, 6, 7, 8), ReportPeriod::Custom});
    ASSERT_TRUE(first.SavePeriodSettings());
    DWORD type = 0;
    BYTE bytes[16] = {};
    EXPECT_EQ(8u, ReadRaw(L"StartDate", type, bytes, sizeof bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    const DATE start = COleDateTime(2026, 3, 4, 5, 6, 7).m_dt;
    EXPECT_EQ(0, std::memcmp(&start, bytes, sizeof start));
    EXPECT_EQ(4u, ReadRaw(L"PeriodType", type, bytes, sizeof bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(4, bytes[0]);

    CPeriodSettings second(m_Clock, kScratchKey);
    ASSERT_TRUE(second.LoadPeriodSettings());
    ReportPeriod period{};
    second.ComputePeriod(period);
    EXPECT_EQ(ReportPeriod::Custom, period.PeriodType);
    EXPECT_EQ(L"2026-03-04 05:06:07", Text(period.Start));
    EXPECT_EQ(L"2026-04-05 06:07:08", Text(period.End));
}

TEST_F(ViewerSettingsTest, IgnoresValuesOfTheWrongSizeOrNoFiniteDate)
{
    const BYTE three[3] = {1, 2, 3};
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const double infinite = std::numeric_limits<double>::infinity();
    const WORD shortType = 4;
    WriteRaw(L"StartDate", REG_BINARY, three, sizeof three);
    WriteRaw(L"EndDate", REG_BINARY, &notANumber, sizeof notANumber);
    WriteRaw(L"PeriodType", REG_BINARY, &shortType, sizeof shortType);
    CPeriodSettings settings(m_Clock, kScratchKey);
    const ReportPeriod before = settings.GetPeriod();
    EXPECT_TRUE(settings.LoadPeriodSettings());
    EXPECT_EQ(before.Start.m_dt, settings.GetPeriod().Start.m_dt);
    EXPECT_EQ(before.End.m_dt, settings.GetPeriod().End.m_dt);
    EXPECT_EQ(ReportPeriod::ThisYear, settings.GetPeriod().PeriodType);
    WriteRaw(L"EndDate", REG_BINARY, &infinite, sizeof infinite);
    EXPECT_TRUE(settings.LoadPeriodSettings());
    EXPECT_EQ(before.End.m_dt, settings.GetPeriod().End.m_dt);
}

TEST_F(ViewerSettingsTest, ServerNameIsEmptyUntilWritten)
{
    EXPECT_EQ(CString(), ReadServerName(kScratchKey));
    WriteServerName(L"reports01", kScratchKey);
    EXPECT_EQ(CString(L"reports01"), ReadServerName(kScratchKey));
}

TEST(ViewerLogTest, StartUpLeavesTheLogWithoutWritersAndSqlLinesOn)
{
    DebugLog().SetCategory('D' - 'A', false);
    SetUpViewerLog();
    EXPECT_FALSE(DebugLog().HasWriters());
    EXPECT_TRUE(DebugLog().IsCategoryOn('D' - 'A'));
}

}  // namespace
