#include <afxdisp.h>
#include <gtest/gtest.h>
#include <cmath>
#include "ArchiveTestSupport.h"

TEST(OleDateTime, ConvertsBetweenPartsAndDates)
{
    struct Case {
        int y, mo, d, h, mi, s;
        double dt;
        int dayOfWeek, dayOfYear;
    } cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0, 7, 364},   {1900, 1, 1, 12, 0, 0, 2.5, 2, 1},
        {1899, 12, 29, 6, 0, 0, -1.25, 6, 363}, {2024, 2, 29, 18, 0, 0, 45351.75, 5, 60},
        {100, 1, 1, 0, 0, 0, -657434.0, 6, 1},  {9999, 12, 31, 23, 59, 59, 2958465.0 + 86399.0 / 86400, 6, 365},
    };
    for (const Case& c : cases) {
        COleDateTime date(c.y, c.mo, c.d, c.h, c.mi, c.s);
        ASSERT_EQ(COleDateTime::valid, date.GetStatus());
        EXPECT_NEAR(c.dt, date.m_dt, 1e-9) << c.y;
        COleDateTime back(c.dt);
        EXPECT_EQ(c.y, back.GetYear());
        EXPECT_EQ(c.mo, back.GetMonth());
        EXPECT_EQ(c.d, back.GetDay());
        EXPECT_EQ(c.h, back.GetHour());
        EXPECT_EQ(c.mi, back.GetMinute());
        EXPECT_EQ(c.s, back.GetSecond());
        EXPECT_EQ(c.dayOfWeek, back.GetDayOfWeek()) << c.y;
        EXPECT_EQ(c.dayOfYear, back.GetDayOfYear()) << c.y;
    }
}

TEST(OleDateTime, RejectsPartsOutOfRange)
{
    COleDateTime date;
    EXPECT_EQ(1, date.SetDate(2023, 2, 29));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_EQ(-1, date.GetYear());
    EXPECT_EQ(1, date.SetDateTime(99, 12, 31, 0, 0, 0));
    EXPECT_EQ(1, date.SetDateTime(2000, 1, 1, 24, 0, 0));
    EXPECT_EQ(0, date.SetDate(2000, 2, 29));
    EXPECT_EQ(0, date.SetTime(13, 0, 0));
    EXPECT_DOUBLE_EQ(13.0 / 24, date.m_dt);
    EXPECT_EQ(-1, COleDateTime(3e6).GetYear());
}

TEST(OleDateTime, RoundsToTheNearestSecond)
{
    COleDateTime almostMidnight(1.0 - 0.4 / 86400);
    EXPECT_EQ(31, almostMidnight.GetDay());
    EXPECT_EQ(0, almostMidnight.GetHour());
    EXPECT_EQ(0, almostMidnight.GetSecond());
}

TEST(OleDateTime, FormatsWithStrftimeCodes)
{
    COleDateTime date(2024, 2, 29, 8, 5, 9);
    EXPECT_STREQ(L"February 2024", date.Format(L"%B %Y"));
    EXPECT_STREQ(L"Thu 2024-02-29 08:05:09", date.Format(L"%a %Y-%m-%d %H:%M:%S"));
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_STREQ(L"", null.Format(L"%Y"));
    EXPECT_STREQ(L"Invalid DateTime", COleDateTime(2023, 2, 29, 0, 0, 0).Format(L"%Y"));
}

TEST(OleDateTime, CalculatesOnTheLinearTimeLine)
{
    COleDateTime before(1899, 12, 29, 6, 0, 0);  // -1.25
    COleDateTime later = before + COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_DOUBLE_EQ(-1.75, later.m_dt);
    EXPECT_EQ(18, later.GetHour());
    EXPECT_TRUE(before < later);
    EXPECT_TRUE(later < COleDateTime(0.0));
    EXPECT_DOUBLE_EQ(0.5, (later - before).m_span);
    EXPECT_EQ(COleDateTime(1900, 1, 1, 0, 0, 0), COleDateTime(1899, 12, 31, 0, 0, 0) + COleDateTimeSpan(1.0));
    EXPECT_EQ(COleDateTime(2024, 3, 1, 0, 0, 0), COleDateTime(2024, 2, 29, 0, 0, 0) + COleDateTimeSpan(1, 0, 0, 0));
    EXPECT_EQ(COleDateTime(2024, 2, 28, 0, 0, 0), COleDateTime(2024, 2, 29, 0, 0, 0) - COleDateTimeSpan(1, 0, 0, 0));

    COleDateTime invalid(2023, 2, 29, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (invalid + COleDateTimeSpan(1.0)).GetStatus());
    COleDateTimeSpan nullSpan;
    nullSpan.SetStatus(COleDateTimeSpan::null);
    EXPECT_EQ(COleDateTime::null, (invalid + nullSpan).GetStatus());
}

TEST(OleDateTime, TakesLocalTimeFromATimeValue)
{
    __time64_t now = _time64(nullptr);
    struct tm local;
    ASSERT_EQ(0, _localtime64_s(&local, &now));
    COleDateTime date(now);
    EXPECT_EQ(local.tm_year + 1900, date.GetYear());
    EXPECT_EQ(local.tm_yday + 1, date.GetDayOfYear());
    EXPECT_EQ(local.tm_hour, date.GetHour());
    EXPECT_EQ(local.tm_sec, date.GetSecond());
    EXPECT_EQ(COleDateTime::valid, COleDateTime::GetCurrentTime().GetStatus());

    SYSTEMTIME st = {2021, 7, 0, 4, 10, 20, 30, 0};
    COleDateTime fromSystem(st);
    EXPECT_EQ(COleDateTime(2021, 7, 4, 10, 20, 30), fromSystem);
    SYSTEMTIME back;
    ASSERT_TRUE(fromSystem.GetAsSystemTime(back));
    EXPECT_EQ(0, back.wDayOfWeek);  // a Sunday
}

TEST(OleDateTimeSpan, SplitsIntoPartsAndFormats)
{
    COleDateTimeSpan span(2, 3, 4, 5);
    EXPECT_EQ(2, span.GetDays());
    EXPECT_EQ(3, span.GetHours());
    EXPECT_EQ(4, span.GetMinutes());
    EXPECT_EQ(5, span.GetSeconds());
    EXPECT_DOUBLE_EQ(2 * 86400 + 3 * 3600 + 4 * 60 + 5, span.GetTotalSeconds());
    EXPECT_STREQ(L"2 days 03:04:05 100%", span.Format(L"%D days %H:%M:%S 100%%"));
    COleDateTimeSpan negative = -span;
    EXPECT_EQ(-2, negative.GetDays());
    EXPECT_EQ(-3, negative.GetHours());
    EXPECT_EQ(COleDateTimeSpan(4, 6, 8, 10), span * 2);
    EXPECT_TRUE(span > COleDateTimeSpan(2.0));
}

TEST(DateArchive, WritesStatusThenValue)
{
    COleDateTime date(2.5);
    COleDateTimeSpan span;
    span.SetStatus(COleDateTimeSpan::null);
    Bytes bytes = Store([&](CArchive& ar) { ar << date << span; });
    Bytes expected = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x40, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(expected, bytes);
    Load(bytes, [](CArchive& ar) {
        COleDateTime d;
        COleDateTimeSpan s;
        ar >> d >> s;
        EXPECT_EQ(2.5, d.m_dt);
        EXPECT_EQ(COleDateTimeSpan::null, s.GetStatus());
    });
}

TEST(DateArchive, MapsKeyedByDateRoundTrip)
{
    CMap<COleDateTime, const COleDateTime&, int, int> map;
    map[COleDateTime(2024, 1, 1, 0, 0, 0)] = 1;
    map[COleDateTime(2024, 1, 2, 0, 0, 0)] = 2;
    Bytes bytes = Store([&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(2u + 2 * (12 + 4), bytes.size());
    Load(bytes, [](CArchive& ar) {
        CMap<COleDateTime, const COleDateTime&, int, int> back;
        back.Serialize(ar);
        int value = 0;
        EXPECT_TRUE(back.Lookup(COleDateTime(2024, 1, 2, 0, 0, 0), value));
        EXPECT_EQ(2, value);
    });
}
