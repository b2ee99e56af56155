#pragma once
#include <afx.h>

// The text of the time column: "[N day(s) ]HH:MM hours" or "MM minutes"; the seconds of a
// part minute are dropped. A time that is not a finite number counts as 0.
CString FormatDuration(double iMilliseconds);
