#pragma once
#include <csl/DbQuery/DbType.h>

// What the SQL of a summary query depends on besides the request: the kind of database and,
// for the embedded kind's week days, the locale's first day of the week (0 = Monday ...
// 6 = Sunday), so that week day 1 is the day that DateNumbers names first.
struct TQueryDialect {
    DbType Kind;
    int FirstDayOfWeek;

    // The thread's current connection and the system's locale.
    static TQueryDialect Current();
};
