#include "TLocaleDateNames.h"

#include <csl/ESystemException.h>

#include <windows.h>

namespace {

std::wstring LocaleText(LCTYPE iType)
{
    wchar_t text[64];
    if (!GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, iType, text, 64))
        ThrowLastSystemError();
    return text;
}

}  // namespace

int TLocaleDateNames::FirstDayOfWeek() const
{
    DWORD day = 0;
    if (!GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&day), sizeof(day) / sizeof(wchar_t)))
        ThrowLastSystemError();
    return static_cast<int>(day);
}

std::wstring TLocaleDateNames::AbbrevDayName(int iDay) const
{
    return LocaleText(LOCALE_SABBREVDAYNAME1 + iDay);
}

std::wstring TLocaleDateNames::AbbrevMonthName(int iMonth) const
{
    return LocaleText(LOCALE_SABBREVMONTHNAME1 + iMonth - 1);
}
