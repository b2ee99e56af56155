// Automation value classes: COleDateTime, COleDateTimeSpan and COleVariant, with their
// archive forms and collection helpers.
#pragma once
#include "afx.h"
#include <ctime>

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus {
        valid = 0,
        invalid = 1,
        null = 2
    };

    COleDateTimeSpan() noexcept : m_span(0), m_status(valid) {}
    COleDateTimeSpan(double dblSpanSrc) noexcept : m_span(dblSpanSrc), m_status(valid) {}
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;

    void SetStatus(DateTimeSpanStatus status) noexcept { m_status = status; }
    DateTimeSpanStatus GetStatus() const noexcept { return m_status; }
    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;

    double GetTotalDays() const noexcept { return m_span; }
    double GetTotalHours() const noexcept;
    double GetTotalMinutes() const noexcept;
    double GetTotalSeconds() const noexcept;
    // Parts of the span, each truncated toward zero and carrying the span's sign.
    LONG GetDays() const noexcept;
    LONG GetHours() const noexcept;
    LONG GetMinutes() const noexcept;
    LONG GetSeconds() const noexcept;

    operator double() const noexcept { return m_span; }
    COleDateTimeSpan& operator=(double dblSpanSrc) noexcept;

    bool operator==(const COleDateTimeSpan& span) const noexcept;
    bool operator!=(const COleDateTimeSpan& span) const noexcept { return !(*this == span); }
    bool operator<(const COleDateTimeSpan& span) const noexcept { return m_span < span.m_span; }
    bool operator>(const COleDateTimeSpan& span) const noexcept { return m_span > span.m_span; }
    bool operator<=(const COleDateTimeSpan& span) const noexcept { return m_span <= span.m_span; }
    bool operator>=(const COleDateTimeSpan& span) const noexcept { return m_span >= span.m_span; }

    // A null operand makes the result null; else an invalid one makes it invalid.
    COleDateTimeSpan operator+(const COleDateTimeSpan& span) const noexcept;
    COleDateTimeSpan operator-(const COleDateTimeSpan& span) const noexcept;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& span) noexcept { return *this = *this + span; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& span) noexcept { return *this = *this - span; }
    COleDateTimeSpan operator-() const noexcept;
    COleDateTimeSpan operator*(int nFactor) const noexcept;
    COleDateTimeSpan operator/(int nDivisor) const noexcept;

    // %D days, %H hours, %M minutes, %S seconds (two digits), %% a percent sign.
    CString Format(LPCWSTR pFormat) const;
    CString Format(UINT nID) const;

    double m_span;
    DateTimeSpanStatus m_status;
};

class COleDateTime {
public:
    enum DateTimeStatus {
        valid = 0,
        invalid = 1,
        null = 2
    };

    static COleDateTime PASCAL GetCurrentTime();

    COleDateTime() noexcept : m_dt(0), m_status(valid) {}
    COleDateTime(DATE dtSrc) noexcept : m_dt(dtSrc), m_status(valid) {}
    COleDateTime(const VARIANT& varSrc);
    COleDateTime(__time64_t timeSrc);  // local time
    COleDateTime(const SYSTEMTIME& systimeSrc);
    COleDateTime(const FILETIME& filetimeSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(WORD wDosDate, WORD wDosTime);

    COleDateTime& operator=(DATE dtSrc) noexcept;
    COleDateTime& operator=(const VARIANT& varSrc);
    COleDateTime& operator=(__time64_t timeSrc);
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    COleDateTime& operator=(const FILETIME& filetimeSrc);

    DateTimeStatus GetStatus() const noexcept { return m_status; }
    void SetStatus(DateTimeStatus status) noexcept { m_status = status; }
    operator DATE() const noexcept { return m_dt; }

    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // -1 when the date is not valid. Day of week: 1 = Sunday ... 7 = Saturday;
    // day of year: 1 = January 1st.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;
    int GetDayOfYear() const;

    // 0 on success; 1 when a part is out of range (years 100 to 9999), which leaves
    // the date invalid.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
    int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

    // Comparisons and arithmetic run on the linear time line (dates before 1899-12-30
    // hold the time of day as a positive fraction).
    bool operator==(const COleDateTime& date) const noexcept;
    bool operator!=(const COleDateTime& date) const noexcept { return !(*this == date); }
    bool operator<(const COleDateTime& date) const noexcept;
    bool operator>(const COleDateTime& date) const noexcept { return date < *this; }
    bool operator<=(const COleDateTime& date) const noexcept { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const noexcept { return !(*this < date); }

    COleDateTime operator+(COleDateTimeSpan dateSpan) const noexcept;
    COleDateTime operator-(COleDateTimeSpan dateSpan) const noexcept;
    COleDateTime& operator+=(COleDateTimeSpan dateSpan) noexcept { return *this = *this + dateSpan; }
    COleDateTime& operator-=(COleDateTimeSpan dateSpan) noexcept { return *this = *this - dateSpan; }
    COleDateTimeSpan operator-(const COleDateTime& date) const noexcept;

    // strftime codes; "" for a null date, "Invalid DateTime" for an invalid one.
    CString Format(LPCWSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;
    // The locale's own form (VarBstrFromDate flags such as VAR_DATEVALUEONLY).
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;

    DATE m_dt;
    DateTimeStatus m_status;
};

typedef const VARIANT* LPCVARIANT;

class COleVariant : public tagVARIANT {
public:
    COleVariant() noexcept { VariantInit(this); }
    ~COleVariant() { VariantClear(this); }

    COleVariant(const VARIANT& varSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(LPCVARIANT pSrc);
    COleVariant(LPCWSTR lpszSrc);
    COleVariant(LPCWSTR lpszSrc, VARTYPE vtSrc);  // VT_BSTR only in this library
    COleVariant(const CString& strSrc);
    COleVariant(BYTE nSrc);
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);  // VT_I2 or VT_BOOL
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);   // VT_I4, VT_ERROR or VT_BOOL
    COleVariant(int nSrc) : COleVariant((long)nSrc) {}
    COleVariant(float fltSrc);
    COleVariant(double dblSrc);
    COleVariant(const COleDateTime& dateSrc);

    COleVariant& operator=(const VARIANT& varSrc);
    COleVariant& operator=(const COleVariant& varSrc);
    COleVariant& operator=(LPCVARIANT pSrc);
    COleVariant& operator=(LPCWSTR lpszSrc);
    COleVariant& operator=(const CString& strSrc);
    COleVariant& operator=(BYTE nSrc);
    COleVariant& operator=(short nSrc);
    COleVariant& operator=(long lSrc);
    COleVariant& operator=(int nSrc) { return *this = (long)nSrc; }
    COleVariant& operator=(float fltSrc);
    COleVariant& operator=(double dblSrc);
    COleVariant& operator=(const COleDateTime& dateSrc);

    bool operator==(const VARIANT& varSrc) const;
    bool operator!=(const VARIANT& varSrc) const { return !(*this == varSrc); }

    void Clear() { VariantClear(this); }
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = nullptr);  // throws COleException
    void Attach(VARIANT& varSrc);                                // takes the value; varSrc becomes VT_EMPTY
    VARIANT Detach();                                            // gives the value away; this becomes VT_EMPTY

    operator LPVARIANT() { return this; }
    operator LPCVARIANT() const { return this; }

private:
    void Copy(const VARIANT& varSrc);
};

CArchive& AFXAPI operator<<(CArchive& ar, COleDateTime dateSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc);
CArchive& AFXAPI operator<<(CArchive& ar, COleDateTimeSpan dateSpanSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleDateTimeSpan& dateSpanSrc);
CArchive& AFXAPI operator<<(CArchive& ar, const COleVariant& varSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc);

inline void AFXAPI SerializeElements(CArchive& ar, COleDateTime* pElements, INT_PTR nCount)
{
    SerializeEachElement(ar, pElements, nCount);
}
inline void AFXAPI SerializeElements(CArchive& ar, COleDateTimeSpan* pElements, INT_PTR nCount)
{
    SerializeEachElement(ar, pElements, nCount);
}
inline void AFXAPI SerializeElements(CArchive& ar, COleVariant* pElements, INT_PTR nCount)
{
    SerializeEachElement(ar, pElements, nCount);
}
UINT AFXAPI HashKey(const COleDateTime& key);
