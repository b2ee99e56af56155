#pragma once
#include <string>

// Where the names of the DateNumbers table come from: the computer's locale, or a test's own.
class IDateNames {
public:
    virtual ~IDateNames() = default;
    // 0 = Monday ... 6 = Sunday.
    virtual int FirstDayOfWeek() const = 0;
    // iDay: 0 = Monday ... 6 = Sunday.
    virtual std::wstring AbbrevDayName(int iDay) const = 0;
    // iMonth: 1 = January ... 12 = December.
    virtual std::wstring AbbrevMonthName(int iMonth) const = 0;
};
