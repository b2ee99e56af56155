// Conversions between OLE dates and calendar parts, shared by the date classes.
// An OLE date counts days from 1899-12-30; before that day the fraction still
// counts forward from midnight (-1.25 is 1899-12-29 06:00), so arithmetic runs on the
// "linear" value instead.
#pragma once
#include <afxdefs.h>

namespace afx_date {

const double kMinDate = -657434.0;  // 100-01-01
const double kMaxDate = 2958465.0;  // 9999-12-31 (the whole day)

struct Parts {
    int year, month, day, hour, minute, second;
    int dayOfWeek;  // 1 = Sunday
    int dayOfYear;  // 1 = January 1st
};

double LinearFromDate(DATE dt);
DATE DateFromLinear(double linear);
// Rounds to the nearest second; false outside years 100 to 9999.
bool PartsFromDate(DATE dt, Parts& parts);
// False when a part is out of range.
bool DateFromParts(int year, int month, int day, int hour, int minute, int second, DATE& dt);

}  // namespace afx_date
