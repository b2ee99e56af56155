#pragma once
#include "IDateNames.h"

// The names and the first day of the week of the system's default locale. Every failure of
// the locale throws ESystemException.
class TLocaleDateNames : public IDateNames {
public:
    int FirstDayOfWeek() const override;
    std::wstring AbbrevDayName(int iDay) const override;
    std::wstring AbbrevMonthName(int iMonth) const override;
};
