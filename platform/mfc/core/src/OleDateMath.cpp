#include "OleDateMath.h"
#include <cmath>

namespace afx_date {
namespace {

// Days from 1970-01-01 to a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = (unsigned)(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (long long)doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = (unsigned)(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    day = (int)(doy - (153 * mp + 2) / 5 + 1);
    month = (int)(mp < 10 ? mp + 3 : mp - 9);
    year = (int)(yoe + era * 400 + (month <= 2));
}

const long long kEpoch = DaysFromCivil(1899, 12, 30);

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

}  // namespace

double LinearFromDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    double day = std::trunc(dt);
    return day + (day - dt);
}

DATE DateFromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    double day = std::floor(linear);
    return day - (linear - day);
}

bool PartsFromDate(DATE dt, Parts& parts)
{
    if (!(dt >= kMinDate && dt < kMaxDate + 1))
        return false;
    long long seconds = std::llround(LinearFromDate(dt) * 86400.0);
    long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    long long secondOfDay = seconds - days * 86400;
    CivilFromDays(days + kEpoch, parts.year, parts.month, parts.day);
    if (parts.year > 9999)
        return false;
    parts.hour = (int)(secondOfDay / 3600);
    parts.minute = (int)(secondOfDay % 3600 / 60);
    parts.second = (int)(secondOfDay % 60);
    parts.dayOfWeek = (int)(((days + 6) % 7 + 7) % 7) + 1;
    parts.dayOfYear = (int)(days + kEpoch - DaysFromCivil(parts.year, 1, 1)) + 1;
    return true;
}

bool DateFromParts(int year, int month, int day, int hour, int minute, int second, DATE& dt)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    long long days = DaysFromCivil(year, (unsigned)month, (unsigned)day) - kEpoch;
    dt = DateFromLinear((double)days + (hour * 3600 + minute * 60 + second) / 86400.0);
    return true;
}

}  // namespace afx_date
