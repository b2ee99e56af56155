#include "ReportPeriod.h"

namespace {

COleDateTime Midnight(const COleDateTime& iTime)
{
    return COleDateTime(iTime.GetYear(), iTime.GetMonth(), iTime.GetDay(), 0, 0, 0);
}

}  // namespace

COleDateTime CurrentLocalTime(ILocalClock& iClock)
{
    SYSTEMTIME now = {};
    iClock.GetLocalTime(now);
    now.wMilliseconds = 0;
    return COleDateTime(now);
}

ReportPeriod InitialReportPeriod(ILocalClock& iClock)
{
    ReportPeriod period{COleDateTime(), COleDateTime(), ReportPeriod::ThisYear};
    UpdateReportPeriod(period, iClock);
    return period;
}

bool UpdateReportPeriod(ReportPeriod& ioPeriod, ILocalClock& iClock)
{
    const COleDateTime now = CurrentLocalTime(iClock);
    COleDateTime start;
    switch (ioPeriod.PeriodType) {
    case ReportPeriod::Today:
        start = Midnight(now);
        break;
    case ReportPeriod::ThisWeek:
        start = Midnight(now) - COleDateTimeSpan(now.GetDayOfWeek() - 1, 0, 0, 0);
        break;
    case ReportPeriod::ThisMonth:
        start = COleDateTime(now.GetYear(), now.GetMonth(), 1, 0, 0, 0);
        break;
    case ReportPeriod::ThisYear:
        start = COleDateTime(now.GetYear(), 1, 1, 0, 0, 0);
        break;
    default:
        return false;
    }
    ioPeriod.Start = start;
    ioPeriod.End = now;
    return true;
}
