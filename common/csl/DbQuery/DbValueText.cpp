#include <csl/DbQuery/DbValueText.h>

#include <csl/StringUtils.h>

#include <comutil.h>

#include <ctime>

namespace {

// Longer texts are not worth a log line.
const size_t kLongestLoggedText = 128;

// The standard conversion to text; a value it cannot convert shows its type.
std::string ConvertedText(const VARIANT& iValue)
{
    _variant_t text;
    if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&iValue), 0, VT_BSTR)))
        return "unknown vt=#" + std::to_string(iValue.vt);
    return WideToString(text.bstrVal);
}

std::string DateText(DATE iDate)
{
    SYSTEMTIME time;
    if (!VariantTimeToSystemTime(iDate, &time)) {
        VARIANT number;
        number.vt = VT_R8;
        number.dblVal = iDate;
        return "invalid time(" + ConvertedText(number) + ")";
    }
    tm parts = {};
    parts.tm_year = time.wYear - 1900;
    parts.tm_mon = time.wMonth - 1;
    parts.tm_mday = time.wDay;
    parts.tm_hour = time.wHour;
    parts.tm_min = time.wMinute;
    parts.tm_sec = time.wSecond;
    parts.tm_wday = time.wDayOfWeek;
    parts.tm_isdst = -1;
    char text[128];
    const size_t length = strftime(text, sizeof text, "%c", &parts);
    return "'" + std::string(text, length) + "'";
}

std::string BstrText(BSTR iText)
{
    if (SysStringLen(iText) > kLongestLoggedText)
        return "<long string>";
    return "'" + WideToString(iText) + "'";
}

}  // namespace

std::string DbValueText(const VARIANT& iValue, long iBlobSize)
{
    switch (iValue.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return "<null>";
    case VT_I4:
    case VT_R8:
    case VT_DECIMAL:
    case VT_I8:
    case VT_INT:
        return ConvertedText(iValue);
    case VT_DATE:
        return DateText(iValue.date);
    case VT_BSTR:
        return BstrText(iValue.bstrVal);
    case VT_ARRAY | VT_UI1:
        return "<blob " + std::to_string(iBlobSize) + " bytes long>";
    default:
        return "unknown vt=#" + std::to_string(iValue.vt);
    }
}
