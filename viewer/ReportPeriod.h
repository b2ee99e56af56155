#pragma once
#include <afxdisp.h>

#include <csl/ILocalClock.h>

// The period a report covers, in local time.
struct ReportPeriod {
    enum Type {
        Today = 0,
        ThisWeek = 1,
        ThisMonth = 2,
        ThisYear = 3,
        Custom = 4
    };

    COleDateTime Start;
    COleDateTime End;
    // Any value outside Today to ThisYear is a custom period.
    int PeriodType;
};

// Now, in whole seconds.
COleDateTime CurrentLocalTime(ILocalClock& iClock);

// This year so far as a first start shows it, before any period is loaded.
ReportPeriod InitialReportPeriod(ILocalClock& iClock);

// The named periods start at local midnight (the week on its Sunday) and end now; true for
// them. A custom period is left as it is (false).
bool UpdateReportPeriod(ReportPeriod& ioPeriod, ILocalClock& iClock);
