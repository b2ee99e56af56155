// Summaries spread over the numbers of a date part: hours, week days, month days, months, years.
#include "ActivityFilter.h"
#include "SummaryActivityQuery.h"

#include <string>

namespace {

struct TDatePart {
    const char* Alias;
    const char* JetPart;
    const char* OtherPart;
    // strftime's conversion on the embedded kind; null for the week day, which needs a shift.
    const char* SqliteFormat;
    // The Name column: a name from DateNumbers, or null for the number as text.
    const char* NameColumn;
    int Low;
    int High;
};

const TDatePart kDateParts[] = {
    {"SubmitHour", "DATEPART(\"h\",Activity.StartTime)", "DATEPART(\"hh\",Activity.StartTime)", "%H", nullptr, 0, 23},
    {"SubmitWeekDay", "DATEPART(\"w\",Activity.StartTime,0)", "DATEPART(\"w\",Activity.StartTime)", nullptr,
     "DateNumbers.AbbrevDayName", 1, 7},
    {"SubmitMonthDay", "DATEPART(\"d\",Activity.StartTime)", "DATEPART(\"d\",Activity.StartTime)", "%d", nullptr, 1,
     31},
    {"SubmitMonth", "DATEPART(\"m\",Activity.StartTime)", "DATEPART(\"m\",Activity.StartTime)", "%m",
     "DateNumbers.AbbrevMonthName", 1, 12},
    {"SubmitYear", "DATEPART(\"yyyy\",Activity.StartTime)", "DATEPART(\"yyyy\",Activity.StartTime)", "%Y", nullptr,
     1995, 2038},
};

std::string SqliteNumber(const char* iFormat)
{
    return std::string("CAST(strftime('") + iFormat + "',Activity.StartTime) AS INTEGER)";
}

// strftime counts from Sunday = 0; DateNumbers row 1 is the locale's first day of the week.
std::string SqliteWeekDay(int iFirstDayOfWeek)
{
    const int shift = (13 - iFirstDayOfWeek) % 7;
    return "(" + SqliteNumber("%w") + "+" + std::to_string(shift) + ")%7+1";
}

std::string PartExpression(const TDatePart& iPart, const TQueryDialect& iDialect)
{
    switch (iDialect.Kind) {
    case dbJet:
        return iPart.JetPart;
    case dbSqlite:
        return iPart.SqliteFormat ? SqliteNumber(iPart.SqliteFormat) : SqliteWeekDay(iDialect.FirstDayOfWeek);
    default:
        return iPart.OtherPart;
    }
}

std::string NameExpression(const TDatePart& iPart, DbType iKind)
{
    if (iPart.NameColumn)
        return iPart.NameColumn;
    switch (iKind) {
    case dbJet:
        return "CSTR(DateNumbers.DateNumber)";
    case dbSqlite:
        return "CAST(DateNumbers.DateNumber AS TEXT)";
    default:
        return "CAST(DateNumbers.DateNumber AS VARCHAR)";
    }
}

// Month days and months narrow to the period when it lies within one month or one year;
// years narrow to the period whenever it has both bounds.
void NarrowRange(ZorvaneObjectType iType, DATE iStart, DATE iEnd, int& ioLow, int& ioHigh)
{
    SYSTEMTIME start, end;
    if (iStart == 0 || iEnd == 0 || !VariantTimeToSystemTime(iStart, &start) || !VariantTimeToSystemTime(iEnd, &end))
        return;
    const bool sameYear = start.wYear == end.wYear;
    if (iType == ZorvaneMonthDaysDistribution && sameYear && start.wMonth == end.wMonth) {
        ioLow = start.wDay;
        ioHigh = end.wDay;
    } else if (iType == ZorvaneMonthsDistribution && sameYear) {
        ioLow = start.wMonth;
        ioHigh = end.wMonth;
    } else if (iType == ZorvaneYearsDistribution) {
        ioLow = start.wYear;
        ioHigh = end.wYear;
    }
}

// Activity without a document counts as well: the document join is an outer one.
void JoinNames(CDbQueryFrom& ioFrom)
{
    ioFrom.AddTable("Activity");
    ioFrom.JoinTable("ProcessInfo", "Activity.ProcessID=ProcessInfo.ID", "INNER");
    ioFrom.JoinTable("UserInfo", "Activity.UserID=UserInfo.ID", "INNER");
    ioFrom.JoinTable("ComputerInfo", "Activity.ComputerID=ComputerInfo.ID", "INNER");
    ioFrom.JoinTable("DocumentInfo", "Activity.DocumentID=DocumentInfo.ID", "LEFT OUTER");
}

}  // namespace

SmartPtr<CDbQuery> BuildDistribution(const SummaryActivityRequest& iRequest, const TQueryDialect& iDialect)
{
    const TDatePart& part = kDateParts[iRequest.ObjectType - ZorvaneHoursDistribution];
    SmartPtr<CDbQuery> sums = NewActivitySums();
    AddActivityFilters(sums->GetWhere(), iRequest);
    sums->AddGroupColumn(PartExpression(part, iDialect), part.Alias);
    JoinNames(sums->GetFrom());

    int low = part.Low, high = part.High;
    NarrowRange(iRequest.ObjectType, iRequest.TimeStart, iRequest.TimeEnd, low, high);

    SmartPtr<CDbQuery> numbers(new CDbQuery);
    numbers->GetSelect().AddColumn("DateNumbers.DateNumber", part.Alias);
    numbers->GetSelect().AddColumn(NameExpression(part, iDialect.Kind), "Name");
    numbers->GetSelect().AddPlainColumn("SQ.TimeSpent");
    numbers->GetSelect().AddPlainColumn("SQ.KeyboardEvents");
    numbers->GetSelect().AddPlainColumn("SQ.MouseEvents");
    numbers->GetFrom().AddTable("DateNumbers");
    numbers->GetFrom().JoinSubQuery(sums, std::string("DateNumbers.DateNumber=SQ.") + part.Alias, "LEFT OUTER", "SQ");
    numbers->GetWhere().AddBetween("DateNumbers.DateNumber", _variant_t(static_cast<long>(low)),
                                   _variant_t(static_cast<long>(high)));
    numbers->GetOrder().AddColumn("DateNumbers.DateNumber");
    return numbers;
}
