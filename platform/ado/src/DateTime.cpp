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

long DaysFromCivil(long iYear, long iMonth, long iDay)
{
    iYear -= iMonth <= 2;
    long era = (iYear >= 0 ? iYear : iYear - 399) / 400;
    long yearOfEra = iYear - era * 400;
    long dayOfYear = (153 * (iMonth + (iMonth > 2 ? -3 : 9)) + 2) / 5 + iDay - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - kEpochDays;
}

void CivilFromDays(long iDays, SQL_TIMESTAMP_STRUCT& oTimestamp)
{
    iDays += kEpochDays;
    long era = (iDays >= 0 ? iDays : iDays - 146096) / 146097;
    long dayOfEra = iDays - era * 146097;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long monthIndex = (5 * dayOfYear + 2) / 153;
    oTimestamp.day = static_cast<SQLUSMALLINT>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    oTimestamp.month = static_cast<SQLUSMALLINT>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    oTimestamp.year = static_cast<SQLSMALLINT>(yearOfEra + era * 400 + (oTimestamp.month <= 2));
}

}  // namespace

SQL_TIMESTAMP_STRUCT ToTimestamp(DATE iDate)
{
    if (!(iDate >= kFirstDate && iDate < kLastDate)) {
        throw AdoError(DISP_E_OVERFLOW, L"The date " + std::to_wstring(iDate) + L" is out of range");
    }
    double whole = std::trunc(iDate);
    long days = static_cast<long>(whole);
    long long milliseconds = std::llround(std::fabs(iDate - whole) * kMillisecondsPerDay);
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

DATE FromTimestamp(const SQL_TIMESTAMP_STRUCT& iT)
{
    long days = DaysFromCivil(iT.year, iT.month, iT.day);
    long long milliseconds = ((iT.hour * 60LL + iT.minute) * 60 + iT.second) * 1000 + (iT.fraction + 500000) / 1000000;
    double time = static_cast<double>(milliseconds) / kMillisecondsPerDay;
    return days < 0 ? days - time : days + time;
}

}  // namespace ado
