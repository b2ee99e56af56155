#include <csl/EGeneric.h>
#include <csl/SystemUtils.h>
#include <csl/_time_t.h>
#include <gtest/gtest.h>

#include <oleauto.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

DATE DateOf(WORD iYear, WORD iMonth, WORD iDay, WORD iHour = 0, WORD iMinute = 0, WORD iSecond = 0)
{
    SYSTEMTIME clock = {iYear, iMonth, 0, iDay, iHour, iMinute, iSecond, 0};
    DATE date = 0;
    EXPECT_TRUE(SystemTimeToVariantTime(&clock, &date));
    return date;
}

VARIANT DateVariant(DATE iDate)
{
    VARIANT date;
    VariantInit(&date);
    V_VT(&date) = VT_DATE;
    V_DATE(&date) = iDate;
    return date;
}

__int64 SecondsOf(DATE iDate)
{
    return _time_t(DateVariant(iDate)).GetTime64();
}

// The fixed text form of a broken-down time, built apart from the runtime's own.
std::string TextOf(const SYSTEMTIME& iClock)
{
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[32];
    sprintf(text, "%s %s %02u %02u:%02u:%02u %u", days[iClock.wDayOfWeek], months[iClock.wMonth - 1], iClock.wDay,
            iClock.wHour, iClock.wMinute, iClock.wSecond, iClock.wYear);
    return text;
}

SYSTEMTIME UtcClockOf(__int64 iSeconds)
{
    ULARGE_INTEGER ticks;
    ticks.QuadPart = static_cast<ULONGLONG>(iSeconds * 10000000LL + 116444736000000000LL);
    FILETIME fileTime = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME clock;
    EXPECT_TRUE(FileTimeToSystemTime(&fileTime, &clock));
    return clock;
}

}  // namespace

// Every check here holds in any time zone: the date's clock reading is taken as UTC.
TEST(TimeFromDate, ReadsTheClockAsUtc)
{
    const struct {
        DATE date;
        __int64 seconds;
    } cases[] = {
        {DateOf(2005, 1, 1, 12, 0, 0), 1104580800},
        {DateOf(2005, 7, 1, 12, 0, 0), 1120219200},
        {DateOf(1970, 1, 1, 0, 0, 1), 1},
        {DateOf(1960, 1, 1), -315619200},
        {DateOf(1899, 12, 30, 6, 0, 0), -2209140000},
        {DateOf(1601, 1, 1), -11644473600},
        {DateOf(9999, 12, 31, 23, 59, 59), 253402300799},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.seconds, SecondsOf(c.date)) << c.date;
}

TEST(TimeFromDate, UnusableDatesAreInvalid)
{
    const DATE dates[] = {0, DateOf(1600, 12, 31), DateOf(100, 1, 1), 3e6, -700000};
    for (DATE date : dates)
        EXPECT_EQ(_time_t::Invalid, SecondsOf(date)) << date;

    VARIANT number;
    V_VT(&number) = VT_I4;
    V_I4(&number) = 1104580800;
    EXPECT_EQ(_time_t::Invalid, _time_t(number).GetTime64());
    EXPECT_EQ("<invalid time>", _time_t(DateVariant(0)).ToString());
    EXPECT_EQ("<invalid time>", _time_t().ToString());
}

TEST(TimeToLocal, InvalidTimeIsRefused)
{
    EXPECT_THROW(_time_t().localvarianttime(), EGeneric);
    tm local;
    EXPECT_THROW(_time_t().ToLocalTm(local), EGeneric);
}

TEST(TimeToLocal, NowGivesWholeSecondsOfTheLocalClock)
{
    _time_t now;
    now.Now();
    tm local;
    now.ToLocalTm(local);
    SYSTEMTIME clock;
    ASSERT_TRUE(VariantTimeToSystemTime(now.localvarianttime(), &clock));
    EXPECT_EQ(local.tm_year + 1900, clock.wYear);
    EXPECT_EQ(local.tm_mon + 1, clock.wMonth);
    EXPECT_EQ(local.tm_mday, clock.wDay);
    EXPECT_EQ(local.tm_hour, clock.wHour);
    EXPECT_EQ(local.tm_min, clock.wMinute);
    EXPECT_EQ(local.tm_sec, clock.wSecond);
    EXPECT_EQ(0, clock.wMilliseconds);
}

// Run in a child process of this program with TZ and the zone's offset east of UTC in
// seconds (ZV_ZONE_OFFSET) set; skipped in the parent.
TEST(TimeInZone, LocalFormsFollowTheZone)
{
    const char* offsetText = getenv("ZV_ZONE_OFFSET");
    if (!offsetText)
        GTEST_SKIP() << "run by TimeZones in a child process";
    const __int64 offset = atoi(offsetText);

    EXPECT_EQ(1104580800, SecondsOf(DateOf(2005, 1, 1, 12, 0, 0)));
    EXPECT_EQ(-315619200, SecondsOf(DateOf(1960, 1, 1)));

    EXPECT_EQ(TextOf(UtcClockOf(offset)), _time_t(0).ToString());
    const SYSTEMTIME local = UtcClockOf(1104580800 + offset);
    EXPECT_EQ(DateOf(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond),
              _time_t(1104580800).localvarianttime());
}

namespace {

// Runs this program's TimeInZone test in a child process with the given zone.
DWORD RunInZone(const wchar_t* iZone, int iOffset)
{
    std::wstring environment;
    LPWCH inherited = GetEnvironmentStringsW();
    for (const wchar_t* entry = inherited; *entry; entry += wcslen(entry) + 1) {
        if (_wcsnicmp(entry, L"TZ=", 3) != 0)
            environment.append(entry).push_back(L'\0');
    }
    FreeEnvironmentStringsW(inherited);
    environment.append(L"TZ=").append(iZone).push_back(L'\0');
    environment.append(L"ZV_ZONE_OFFSET=").append(std::to_wstring(iOffset)).push_back(L'\0');
    environment.push_back(L'\0');

    const std::wstring program = GetProgramPath();
    std::wstring commandLine = L"\"" + program + L"\" --gtest_filter=TimeInZone.*";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process;
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        &environment[0], nullptr, &startup, &process))
        return GetLastError();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

}  // namespace

TEST(TimeZones, DatesAndTextsHoldWestAndEastOfUtc)
{
    EXPECT_EQ(0u, RunInZone(L"EST5EDT", -5 * 3600));
    EXPECT_EQ(0u, RunInZone(L"JST-9", 9 * 3600));
}
