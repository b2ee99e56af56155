#include "DateTime.h"

#include <cmath>

#include "AdoError.h"

namespace ado {
namespace {

constexpr long long kMillisecondsPerDay = 86400000;
// Days from 1 March of year 0 to 30 December 1899 in the proleptic Gregorian calendar.
constexpr long kEpochDays = 693899;
// The range automation dates cover: 1 January 100 to 31 December 9999.
constexpr double kFirstDate = -657434.0;
constexpr double kLastDate = 2958466.0;

long DaysFromCivil(long year, long month, long day)
{
    year -= month <= 2;
    long era = (year >= 0 ? year : year - 399) / 400;
    long yearOfEra = year - era * 400;
    long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - kEpochDays;
}

void CivilFromDays(long days, SQL_TIMESTAMP_STRUCT& out)
{
    days += kEpochDays;
    long era = (days >= 0 ? days : days - 146096) / 146097;
    long dayOfEra = days - era * 146097;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long monthIndex = (5 * dayOfYear + 2) / 153;
    out.day = static_cast<SQLUSMALLINT>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    out.month = static_cast<SQLUSMALLINT>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    out.year = static_cast<SQLSMALLINT>(yearOfEra + era * 400 + (out.month <= 2));
}

}  // namespace

SQL_TIMESTAMP_STRUCT ToTimestamp(DATE date)
{
    if (!(date >= kFirstDate && date < kLastDate)) {
        throw AdoError(DISP_E_OVERFLOW, L"The date " + std::to_wstring(date) + L" is out of range");
    }
    double whole = std::trunc(date);
    long days = static_cast<long>(whole);
    long long milliseconds = std::llround(std::fabs(date - whole) * kMillisecondsPerDay);
    if (milliseconds >= kMillisecondsPerDay) {
        milliseconds -= kMillisecondsPerDay;
        ++days;
    }
    SQL_TIMESTAMP_STRUCT out{};
    CivilFromDays(days, out);
    out.hour = static_cast<SQLUSMALLINT>(milliseconds / 3600000);
    out.minute = static_cast<SQLUSMALLINT>(milliseconds / 60000 % 60);
    out.second = static_cast<SQLUSMALLINT>(milliseconds / 1000 % 60);
    out.fraction = static_cast<SQLUINTEGER>(milliseconds % 1000 * 1000000);
    return out;
}

DATE FromTimestamp(const SQL_TIMESTAMP_STRUCT& t)
{
    long days = DaysFromCivil(t.year, t.month, t.day);
    long long milliseconds = ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + (t.fraction + 500000) / 1000000;
    double time = static_cast<double>(milliseconds) / kMillisecondsPerDay;
    return days < 0 ? days - time : days + time;
}

}  // namespace ado
