#include "PointStyle.h"

#include <cmath>
#include <cwchar>

std::wstring FormatNumber(double iValue, int iDecimals)
{
    wchar_t plain[400];
    swprintf(plain, 400, L"%.*f", iDecimals, iValue);
    std::wstring text = plain;
    UINT decimals = 0;
    if (text.find(L'.') != std::wstring::npos) {
        text.erase(text.find_last_not_of(L'0') + 1);
        if (text.back() == L'.')
            text.pop_back();
        const size_t point = text.find(L'.');
        decimals = point == std::wstring::npos ? 0 : static_cast<UINT>(text.size() - point - 1);
    }
    if (text == L"-0")
        text = L"0";
    // Grouped the user's way: the values are often milliseconds, millions of them.
    wchar_t decimal[8] = L".";
    wchar_t thousand[8] = L",";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, thousand, 8);
    NUMBERFMTW format = {decimals, 1, 3, decimal, thousand, 1};
    wchar_t grouped[500];
    return GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, text.c_str(), &format, grouped, 500) ? grouped : text;
}

COLORREF PointColour(const ChartPoint& iPoint, size_t iIndex)
{
    static const COLORREF kAutomatic[] = {
        RGB(52, 101, 164), RGB(204, 72, 63),  RGB(86, 160, 72),   RGB(237, 161, 40),
        RGB(122, 82, 163), RGB(39, 160, 176), RGB(214, 106, 158), RGB(140, 110, 70),
        RGB(150, 180, 40), RGB(95, 140, 210), RGB(230, 110, 40),  RGB(60, 70, 90),
    };
    return iPoint.Colour == kAutomaticColour ? kAutomatic[iIndex % std::size(kAutomatic)] : iPoint.Colour;
}

std::wstring MarkText(MarkKind iKind, const ChartPoint& iPoint, double iTotal)
{
    switch (iKind) {
    case MarkKind::Percent:
        return iTotal > 0 ? FormatNumber(100 * iPoint.Value / iTotal, 1) + L"%" : std::wstring();
    case MarkKind::Value:
        return FormatNumber(iPoint.Value, 2);
    case MarkKind::Label:
        return iPoint.Label;
    default:
        return std::wstring();
    }
}
