#include <csl/_time_t.h>
#include <csl/EGeneric.h>
#include <oleauto.h>

namespace {

// 100-nanosecond ticks of a FILETIME from 1601-01-01 to 1970-01-01.
const __int64 kFileTimeOf1970 = 116444736000000000LL;
const __int64 kTicksPerSecond = 10000000LL;

// File-time arithmetic instead of the runtime's mktime: it has no time zone to undo and
// covers the years before 1970 as well.
__int64 SecondsFromDate(DATE iDate)
{
    SYSTEMTIME clock;
    if (iDate == 0 || !VariantTimeToSystemTime(iDate, &clock))
        return _time_t::Invalid;
    clock.wMilliseconds = 0;
    FILETIME fileTime;
    if (!SystemTimeToFileTime(&clock, &fileTime))
        return _time_t::Invalid;
    ULARGE_INTEGER ticks;
    ticks.LowPart = fileTime.dwLowDateTime;
    ticks.HighPart = fileTime.dwHighDateTime;
    return (static_cast<__int64>(ticks.QuadPart) - kFileTimeOf1970) / kTicksPerSecond;
}

}  // namespace

// A variant of another type holds no date to read.
_time_t::_time_t(const VARIANT& iDate) : m_Seconds(V_VT(&iDate) == VT_DATE ? SecondsFromDate(V_DATE(&iDate)) : Invalid)
{
}

const _time_t& _time_t::Now()
{
    m_Seconds = _time64(nullptr);
    return *this;
}

std::string _time_t::ToString() const
{
    const __time64_t seconds = m_Seconds;
    const char* text = m_Seconds == Invalid ? nullptr : _ctime64(&seconds);
    if (text == nullptr)
        return "<invalid time>";
    std::string result(text);
    if (!result.empty() && result.back() == '\n')
        result.pop_back();
    return result;
}

// A time the runtime cannot break down would leave the record undefined: refused.
void _time_t::ToLocalTm(tm& oLocal) const
{
    const __time64_t seconds = m_Seconds;
    if (_localtime64_s(&oLocal, &seconds) != 0)
        throw EGeneric({TNamedValue("Text", "Condition not meet"),
                        TNamedValue("Condition", "_localtime64_s( &Tm, &Time ) == 0"),
                        TNamedValue("SourceFunction", "_time_t::ToLocalTm")});
}

DATE _time_t::localvarianttime() const
{
    tm local;
    ToLocalTm(local);
    SYSTEMTIME SystemTime = {};
    SystemTime.wYear = static_cast<WORD>(local.tm_year + 1900);
    SystemTime.wMonth = static_cast<WORD>(local.tm_mon + 1);
    SystemTime.wDay = static_cast<WORD>(local.tm_mday);
    SystemTime.wHour = static_cast<WORD>(local.tm_hour);
    SystemTime.wMinute = static_cast<WORD>(local.tm_min);
    SystemTime.wSecond = static_cast<WORD>(local.tm_sec);
    DATE VariantTime;
    if (SystemTimeToVariantTime(&SystemTime, &VariantTime) == 0)
        throw EGeneric({TNamedValue("Text", "Condition not meet"),
                        TNamedValue("Condition", "SystemTimeToVariantTime( &SystemTime, &VariantTime ) != 0"),
                        TNamedValue("SourceFile", ".\\Time"), TNamedValue("SourceLine", 202),
                        TNamedValue("SourceFunction", "_time_t::localvarianttime")});
    return VariantTime;
}
