#include <afxdisp.h>
#include <cmath>

namespace {

// The span in whole seconds, rounded, so that a value a hair below a full minute
// does not show as 59 seconds.
long long TotalSeconds(double span)
{
    return std::llround(span * 86400.0);
}

COleDateTimeSpan::DateTimeSpanStatus Combined(const COleDateTimeSpan& a, const COleDateTimeSpan& b)
{
    if (a.m_status == COleDateTimeSpan::null || b.m_status == COleDateTimeSpan::null)
        return COleDateTimeSpan::null;
    if (a.m_status == COleDateTimeSpan::invalid || b.m_status == COleDateTimeSpan::invalid)
        return COleDateTimeSpan::invalid;
    return COleDateTimeSpan::valid;
}

}  // namespace

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
{
    m_span = lDays + nHours / 24.0 + nMins / 1440.0 + nSecs / 86400.0;
    m_status = valid;
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc) noexcept
{
    m_span = dblSpanSrc;
    m_status = valid;
    return *this;
}

double COleDateTimeSpan::GetTotalHours() const noexcept
{
    return TotalSeconds(m_span) / 3600.0;
}
double COleDateTimeSpan::GetTotalMinutes() const noexcept
{
    return TotalSeconds(m_span) / 60.0;
}
double COleDateTimeSpan::GetTotalSeconds() const noexcept
{
    return (double)TotalSeconds(m_span);
}
LONG COleDateTimeSpan::GetDays() const noexcept
{
    return (LONG)(TotalSeconds(m_span) / 86400);
}
LONG COleDateTimeSpan::GetHours() const noexcept
{
    return (LONG)(TotalSeconds(m_span) % 86400 / 3600);
}
LONG COleDateTimeSpan::GetMinutes() const noexcept
{
    return (LONG)(TotalSeconds(m_span) % 3600 / 60);
}
LONG COleDateTimeSpan::GetSeconds() const noexcept
{
    return (LONG)(TotalSeconds(m_span) % 60);
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& span) const noexcept
{
    return m_status == span.m_status && (m_status != valid || m_span == span.m_span);
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& span) const noexcept
{
    COleDateTimeSpan result(m_span + span.m_span);
    result.m_status = Combined(*this, span);
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& span) const noexcept
{
    COleDateTimeSpan result(m_span - span.m_span);
    result.m_status = Combined(*this, span);
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const noexcept
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator*(int nFactor) const noexcept
{
    COleDateTimeSpan result(m_span * nFactor);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator/(int nDivisor) const noexcept
{
    COleDateTimeSpan result(nDivisor == 0 ? 0.0 : m_span / nDivisor);
    result.m_status = nDivisor == 0 ? invalid : m_status;
    return result;
}

CString COleDateTimeSpan::Format(LPCWSTR pFormat) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString(L"Invalid DateTimeSpan");
    CString result, part;
    for (LPCWSTR p = pFormat; *p != 0; ++p) {
        if (*p != L'%' || p[1] == 0) {
            result += *p;
            continue;
        }
        switch (*++p) {
        case L'D':
            part.Format(L"%ld", GetDays());
            break;
        case L'H':
            part.Format(L"%02ld", GetHours());
            break;
        case L'M':
            part.Format(L"%02ld", GetMinutes());
            break;
        case L'S':
            part.Format(L"%02ld", GetSeconds());
            break;
        default:
            part = *p;
            break;
        }
        result += part;
    }
    return result;
}

CString COleDateTimeSpan::Format(UINT nID) const
{
    CString format;
    format.LoadString(nID);
    return Format((LPCWSTR)format);
}

CArchive& AFXAPI operator<<(CArchive& ar, COleDateTimeSpan dateSpanSrc)
{
    ar << (LONG)dateSpanSrc.m_status;
    return ar << dateSpanSrc.m_span;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTimeSpan& dateSpanSrc)
{
    LONG status;
    ar >> status >> dateSpanSrc.m_span;
    dateSpanSrc.m_status = (COleDateTimeSpan::DateTimeSpanStatus)status;
    return ar;
}
