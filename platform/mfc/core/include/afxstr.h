// CString: a UTF-16 string with the library's interface. It holds one pointer to its
// characters (a header with the length and capacity sits before them).
#pragma once
#include "afxdefs.h"
#include <cstdarg>
#include <type_traits>

class CString;

namespace afx_detail {
// Format arguments travel through C varargs, which cannot carry a class by value:
// a CString argument is passed as its character pointer, anything else must be a
// plain value.
inline LPCWSTR FormatArg(const CString& s);
template <class T>
inline T FormatArg(T value)
{
    static_assert(std::is_trivially_copyable<T>::value, "a formatted argument must be a plain value or a CString");
    return value;
}
}  // namespace afx_detail

class CString {
public:
    CString();
    CString(const CString& src);
    CString(CString&& src) noexcept;
    CString(LPCWSTR psz);  // also a string resource id given with MAKEINTRESOURCE
    CString(LPCWSTR pch, int nLength);
    CString(LPCSTR psz);  // converted from the ANSI code page
    CString(LPCSTR pch, int nLength);
    CString(WCHAR ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(LPCWSTR psz);
    CString& operator=(LPCSTR psz);
    CString& operator=(WCHAR ch);

    int GetLength() const { return Header()->nLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();
    operator LPCWSTR() const { return m_pszData; }
    LPCWSTR GetString() const { return m_pszData; }

    WCHAR GetAt(int nIndex) const;
    void SetAt(int nIndex, WCHAR ch);
    WCHAR operator[](int nIndex) const { return GetAt(nIndex); }

    CString& operator+=(const CString& src);
    CString& operator+=(LPCWSTR psz);
    CString& operator+=(WCHAR ch);
    CString& Append(LPCWSTR pch, int nLength);
    CString& AppendChar(WCHAR ch) { return *this += ch; }

    int Compare(LPCWSTR psz) const;
    int CompareNoCase(LPCWSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    int Find(WCHAR ch, int nStart = 0) const;
    int Find(LPCWSTR pszSub, int nStart = 0) const;
    int ReverseFind(WCHAR ch) const;
    int FindOneOf(LPCWSTR pszCharSet) const;

    int Replace(WCHAR chOld, WCHAR chNew);
    int Replace(LPCWSTR pszOld, LPCWSTR pszNew);
    int Remove(WCHAR ch);
    int Insert(int nIndex, WCHAR ch);
    int Insert(int nIndex, LPCWSTR psz);
    int Delete(int nIndex, int nCount = 1);

    CString& Trim();
    CString& Trim(WCHAR chTarget);
    CString& Trim(LPCWSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(WCHAR chTarget);
    CString& TrimLeft(LPCWSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(WCHAR chTarget);
    CString& TrimRight(LPCWSTR pszTargets);

    CString& MakeUpper();
    CString& MakeLower();

    // printf-style formatting with the C runtime's own wide printf: %s and %c take
    // wide text, %S and %C narrow text; infinities print as "1.#INF00", exponents
    // with three digits.
    template <class... Args>
    void Format(LPCWSTR pszFormat, const Args&... args)
    {
        FormatRaw(pszFormat, afx_detail::FormatArg(args)...);
    }
    template <class... Args>
    void Format(UINT nFormatID, const Args&... args)
    {
        CString format;
        format.LoadString(nFormatID);
        FormatRaw(format, afx_detail::FormatArg(args)...);
    }
    void FormatV(LPCWSTR pszFormat, va_list args);

    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    LPWSTR GetBuffer(int nMinBufferLength);
    LPWSTR GetBuffer() { return GetBuffer(0); }
    LPWSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);
    void FreeExtra() {}

    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;

private:
    struct Data {
        int nLength;
        int nAllocLength;
    };
    Data* Header() const { return reinterpret_cast<Data*>(m_pszData) - 1; }
    void FormatRaw(LPCWSTR pszFormat, ...);
    void Assign(LPCWSTR pch, int nLength);
    void Reserve(int nLength);  // keeps the contents, grows the capacity
    void SetLength(int nLength);
    void Release();
    LPCWSTR TrimLeftEnd(LPCWSTR pszTargets) const;
    int TrimRightLength(LPCWSTR pszTargets) const;

    LPWSTR m_pszData;
};

namespace afx_detail {
inline LPCWSTR FormatArg(const CString& s)
{
    return s;
}
}  // namespace afx_detail

CString AFXAPI operator+(const CString& s1, const CString& s2);
CString AFXAPI operator+(const CString& s, LPCWSTR psz);
CString AFXAPI operator+(LPCWSTR psz, const CString& s);
CString AFXAPI operator+(const CString& s, WCHAR ch);
CString AFXAPI operator+(WCHAR ch, const CString& s);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}
