#include <afxdisp.h>
#include <cstring>
#include "OleDateMath.h"

using afx_date::Parts;

namespace {

bool ValidParts(const COleDateTime& date, Parts& parts)
{
    return date.GetStatus() == COleDateTime::valid && afx_date::PartsFromDate(date.m_dt, parts);
}

}  // namespace

COleDateTime PASCAL COleDateTime::GetCurrentTime()
{
    return COleDateTime(_time64(nullptr));
}

COleDateTime::COleDateTime(const VARIANT& varSrc) : COleDateTime()
{
    *this = varSrc;
}

COleDateTime::COleDateTime(__time64_t timeSrc) : COleDateTime()
{
    *this = timeSrc;
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : COleDateTime()
{
    *this = systimeSrc;
}

COleDateTime::COleDateTime(const FILETIME& filetimeSrc) : COleDateTime()
{
    *this = filetimeSrc;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) : COleDateTime()
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(WORD wDosDate, WORD wDosTime) : COleDateTime()
{
    m_status = DosDateTimeToVariantTime(wDosDate, wDosTime, &m_dt) ? valid : invalid;
}

COleDateTime& COleDateTime::operator=(DATE dtSrc) noexcept
{
    m_dt = dtSrc;
    m_status = valid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const VARIANT& varSrc)
{
    if (varSrc.vt == VT_DATE)
        return *this = varSrc.date;
    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&varSrc), 0, VT_DATE)))
        *this = converted.date;
    else {
        m_dt = 0;
        m_status = invalid;
    }
    VariantClear(&converted);
    return *this;
}

COleDateTime& COleDateTime::operator=(__time64_t timeSrc)
{
    struct tm local;
    if (_localtime64_s(&local, &timeSrc) != 0) {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    SetDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc)
{
    SYSTEMTIME st;
    if (FileTimeToSystemTime(&filetimeSrc, &st))
        return *this = st;
    m_dt = 0;
    m_status = invalid;
    return *this;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    Parts parts;
    if (!ValidParts(*this, parts))
        return FALSE;
    sysTime.wYear = (WORD)parts.year;
    sysTime.wMonth = (WORD)parts.month;
    sysTime.wDay = (WORD)parts.day;
    sysTime.wHour = (WORD)parts.hour;
    sysTime.wMinute = (WORD)parts.minute;
    sysTime.wSecond = (WORD)parts.second;
    sysTime.wDayOfWeek = (WORD)(parts.dayOfWeek - 1);
    sysTime.wMilliseconds = 0;
    return TRUE;
}

#define AFX_DATE_PART(name, field)                          \
    int COleDateTime::name() const                          \
    {                                                       \
        Parts parts;                                        \
        return ValidParts(*this, parts) ? parts.field : -1; \
    }
AFX_DATE_PART(GetYear, year)
AFX_DATE_PART(GetMonth, month)
AFX_DATE_PART(GetDay, day)
AFX_DATE_PART(GetHour, hour)
AFX_DATE_PART(GetMinute, minute)
AFX_DATE_PART(GetSecond, second)
AFX_DATE_PART(GetDayOfWeek, dayOfWeek)
AFX_DATE_PART(GetDayOfYear, dayOfYear)
#undef AFX_DATE_PART

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (afx_date::DateFromParts(nYear, nMonth, nDay, nHour, nMin, nSec, m_dt)) {
        m_status = valid;
        return 0;
    }
    m_dt = 0;
    m_status = invalid;
    return 1;
}

bool COleDateTime::operator==(const COleDateTime& date) const noexcept
{
    return m_status == date.m_status && (m_status != valid || m_dt == date.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& date) const noexcept
{
    return afx_date::LinearFromDate(m_dt) < afx_date::LinearFromDate(date.m_dt);
}

COleDateTime COleDateTime::operator+(COleDateTimeSpan dateSpan) const noexcept
{
    COleDateTime result;
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null)
        result.m_status = null;
    else if (m_status == invalid || dateSpan.m_status == COleDateTimeSpan::invalid)
        result.m_status = invalid;
    else {
        result.m_dt = afx_date::DateFromLinear(afx_date::LinearFromDate(m_dt) + dateSpan.m_span);
        if (!(result.m_dt >= afx_date::kMinDate && result.m_dt < afx_date::kMaxDate + 1))
            result.m_status = invalid;
    }
    return result;
}

COleDateTime COleDateTime::operator-(COleDateTimeSpan dateSpan) const noexcept
{
    return *this + (-dateSpan);
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const noexcept
{
    COleDateTimeSpan result;
    if (m_status == null || date.m_status == null)
        result.m_status = COleDateTimeSpan::null;
    else if (m_status == invalid || date.m_status == invalid)
        result.m_status = COleDateTimeSpan::invalid;
    else
        result.m_span = afx_date::LinearFromDate(m_dt) - afx_date::LinearFromDate(date.m_dt);
    return result;
}

CString COleDateTime::Format(LPCWSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    Parts parts;
    if (!ValidParts(*this, parts))
        return CString(L"Invalid DateTime");
    struct tm t = {};
    t.tm_year = parts.year - 1900;
    t.tm_mon = parts.month - 1;
    t.tm_mday = parts.day;
    t.tm_hour = parts.hour;
    t.tm_min = parts.minute;
    t.tm_sec = parts.second;
    t.tm_wday = parts.dayOfWeek - 1;
    t.tm_yday = parts.dayOfYear - 1;
    t.tm_isdst = -1;
    CString result;
    for (size_t nCapacity = 256; nCapacity <= 65536; nCapacity *= 4) {
        size_t n = wcsftime(result.GetBuffer((int)nCapacity), nCapacity, lpszFormat, &t);
        if (n > 0 || lpszFormat[0] == 0) {
            result.ReleaseBuffer((int)n);
            return result;
        }
    }
    result.ReleaseBuffer(0);
    return result;
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString format;
    format.LoadString(nFormatID);
    return Format((LPCWSTR)format);
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString(L"Invalid DateTime");
    BSTR text = nullptr;
    if (FAILED(VarBstrFromDate(m_dt, lcid, dwFlags, &text)))
        return CString(L"Invalid DateTime");
    CString result(text, (int)SysStringLen(text));
    SysFreeString(text);
    return result;
}

CArchive& AFXAPI operator<<(CArchive& ar, COleDateTime dateSrc)
{
    ar << (LONG)dateSrc.m_status;
    return ar << dateSrc.m_dt;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc)
{
    LONG status;
    ar >> status >> dateSrc.m_dt;
    dateSrc.m_status = (COleDateTime::DateTimeStatus)status;
    return ar;
}

UINT AFXAPI HashKey(const COleDateTime& key)
{
    DWORD halves[2];
    memcpy(halves, &key.m_dt, sizeof(halves));
    return HashKey<DWORD>(halves[0] ^ halves[1]);
}
