#include <afx.h>
#include <algorithm>
#include <cwchar>
#include <string>

namespace {

// The empty string of every CString that holds nothing: a header with length 0 and
// capacity 0, followed by the terminating zero.
struct EmptyString {
    int nLength = 0;
    int nAllocLength = 0;
    wchar_t terminator = 0;
} g_empty;

LPWSTR EmptyData()
{
    return &g_empty.terminator;
}

int SafeLength(LPCWSTR psz)
{
    return psz == nullptr ? 0 : (int)wcslen(psz);
}

BOOL IsWhiteSpace(WCHAR ch)
{
    return iswspace(ch) != 0;
}

}  // namespace

CString::CString() : m_pszData(EmptyData()) {}

CString::CString(const CString& src) : CString()
{
    Assign(src.m_pszData, src.GetLength());
}

CString::CString(CString&& src) noexcept : m_pszData(src.m_pszData)
{
    src.m_pszData = EmptyData();
}

CString::CString(LPCWSTR psz) : CString()
{
    if (psz != nullptr && IS_INTRESOURCE(psz))
        LoadString(LOWORD((ULONG_PTR)psz));
    else
        Assign(psz, SafeLength(psz));
}

CString::CString(LPCWSTR pch, int nLength) : CString()
{
    Assign(pch, nLength);
}

CString::CString(LPCSTR psz) : CString(psz, psz == nullptr ? 0 : (int)strlen(psz)) {}

CString::CString(LPCSTR pch, int nLength) : CString()
{
    if (pch == nullptr || nLength <= 0)
        return;
    int nWide = MultiByteToWideChar(CP_ACP, 0, pch, nLength, nullptr, 0);
    MultiByteToWideChar(CP_ACP, 0, pch, nLength, GetBuffer(nWide), nWide);
    ReleaseBuffer(nWide);
}

CString::CString(WCHAR ch, int nRepeat) : CString()
{
    if (nRepeat <= 0)
        return;
    LPWSTR p = GetBuffer(nRepeat);
    for (int i = 0; i < nRepeat; ++i)
        p[i] = ch;
    ReleaseBuffer(nRepeat);
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& src)
{
    if (this != &src)
        Assign(src.m_pszData, src.GetLength());
    return *this;
}

CString& CString::operator=(CString&& src) noexcept
{
    if (this != &src) {
        Release();
        m_pszData = src.m_pszData;
        src.m_pszData = EmptyData();
    }
    return *this;
}

CString& CString::operator=(LPCWSTR psz)
{
    Assign(psz, SafeLength(psz));
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    return *this = CString(psz);
}

CString& CString::operator=(WCHAR ch)
{
    Assign(&ch, 1);
    return *this;
}

void CString::Release()
{
    if (m_pszData != EmptyData())
        free(Header());
    m_pszData = EmptyData();
}

void CString::Reserve(int nLength)
{
    if (nLength <= Header()->nAllocLength)
        return;
    int nAlloc = std::max(nLength, Header()->nAllocLength + Header()->nAllocLength / 2);
    bool wasEmpty = m_pszData == EmptyData();
    void* p = realloc(wasEmpty ? nullptr : Header(), sizeof(Data) + (nAlloc + 1) * sizeof(WCHAR));
    if (p == nullptr)
        AfxThrowMemoryException();
    Data* pData = static_cast<Data*>(p);
    if (wasEmpty)
        pData->nLength = 0;
    pData->nAllocLength = nAlloc;
    m_pszData = reinterpret_cast<LPWSTR>(pData + 1);
    m_pszData[pData->nLength] = 0;
}

void CString::SetLength(int nLength)
{
    if (m_pszData == EmptyData())
        return;
    Header()->nLength = nLength;
    m_pszData[nLength] = 0;
}

void CString::Assign(LPCWSTR pch, int nLength)
{
    if (pch == nullptr || nLength <= 0) {
        Empty();
        return;
    }
    if (pch >= m_pszData && pch <= m_pszData + GetLength()) {
        // The source lies inside this string: copy it out first.
        CString copy(std::wstring(pch, nLength).c_str());
        *this = std::move(copy);
        return;
    }
    Reserve(nLength);
    wmemcpy(m_pszData, pch, nLength);
    SetLength(nLength);
}

void CString::Empty()
{
    SetLength(0);
}

WCHAR CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex > GetLength())
        AfxThrowInvalidArgException();
    return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, WCHAR ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_pszData[nIndex] = ch;
}

CString& CString::Append(LPCWSTR pch, int nLength)
{
    if (pch == nullptr || nLength <= 0)
        return *this;
    if (pch >= m_pszData && pch <= m_pszData + GetLength())
        return Append(CString(pch, nLength), nLength);
    int nOld = GetLength();
    Reserve(nOld + nLength);
    wmemcpy(m_pszData + nOld, pch, nLength);
    SetLength(nOld + nLength);
    return *this;
}

CString& CString::operator+=(const CString& src)
{
    if (&src == this)
        return Append(CString(src), src.GetLength());
    return Append(src.m_pszData, src.GetLength());
}

CString& CString::operator+=(LPCWSTR psz)
{
    return Append(psz, SafeLength(psz));
}

CString& CString::operator+=(WCHAR ch)
{
    return Append(&ch, 1);
}

int CString::Compare(LPCWSTR psz) const
{
    return wcscmp(m_pszData, psz == nullptr ? L"" : psz);
}

int CString::CompareNoCase(LPCWSTR psz) const
{
    return _wcsicmp(m_pszData, psz == nullptr ? L"" : psz);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - std::max(nFirst, 0));
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::min(std::max(nFirst, 0), GetLength());
    nCount = std::min(std::max(nCount, 0), GetLength() - nFirst);
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::min(std::max(nCount, 0), GetLength());
    return CString(m_pszData + GetLength() - nCount, nCount);
}

int CString::Find(WCHAR ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    LPCWSTR p = wcschr(m_pszData + nStart, ch);
    return p == nullptr || ch == 0 ? -1 : (int)(p - m_pszData);
}

int CString::Find(LPCWSTR pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength())
        return -1;
    LPCWSTR p = wcsstr(m_pszData + nStart, pszSub);
    return p == nullptr ? -1 : (int)(p - m_pszData);
}

int CString::ReverseFind(WCHAR ch) const
{
    LPCWSTR p = wcsrchr(m_pszData, ch);
    return p == nullptr || ch == 0 ? -1 : (int)(p - m_pszData);
}

int CString::FindOneOf(LPCWSTR pszCharSet) const
{
    if (pszCharSet == nullptr)
        return -1;
    LPCWSTR p = wcspbrk(m_pszData, pszCharSet);
    return p == nullptr ? -1 : (int)(p - m_pszData);
}

int CString::Replace(WCHAR chOld, WCHAR chNew)
{
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i)
        if (m_pszData[i] == chOld) {
            m_pszData[i] = chNew;
            ++nCount;
        }
    return nCount;
}

int CString::Replace(LPCWSTR pszOld, LPCWSTR pszNew)
{
    int nOldLength = SafeLength(pszOld);
    if (nOldLength == 0)
        return 0;
    CString result;
    int nCount = 0;
    int nPos = 0;
    for (int nFound; (nFound = Find(pszOld, nPos)) >= 0; nPos = nFound + nOldLength) {
        result.Append(m_pszData + nPos, nFound - nPos);
        result += pszNew;
        ++nCount;
    }
    if (nCount > 0) {
        result.Append(m_pszData + nPos, GetLength() - nPos);
        *this = std::move(result);
    }
    return nCount;
}

int CString::Remove(WCHAR ch)
{
    int nKept = 0;
    for (int i = 0; i < GetLength(); ++i)
        if (m_pszData[i] != ch)
            m_pszData[nKept++] = m_pszData[i];
    int nRemoved = GetLength() - nKept;
    SetLength(nKept);
    return nRemoved;
}

int CString::Insert(int nIndex, WCHAR ch)
{
    return Insert(nIndex, CString(ch));
}

int CString::Insert(int nIndex, LPCWSTR psz)
{
    nIndex = std::min(std::max(nIndex, 0), GetLength());
    CString result(m_pszData, nIndex);
    result += psz;
    result.Append(m_pszData + nIndex, GetLength() - nIndex);
    *this = std::move(result);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::max(nIndex, 0);
    if (nCount > 0 && nIndex < GetLength()) {
        nCount = std::min(nCount, GetLength() - nIndex);
        wmemmove(m_pszData + nIndex, m_pszData + nIndex + nCount, GetLength() - nIndex - nCount);
        SetLength(GetLength() - nCount);
    }
    return GetLength();
}

LPCWSTR CString::TrimLeftEnd(LPCWSTR pszTargets) const
{
    LPCWSTR p = m_pszData;
    while (*p != 0 && (pszTargets == nullptr ? IsWhiteSpace(*p) : wcschr(pszTargets, *p) != nullptr))
        ++p;
    return p;
}

int CString::TrimRightLength(LPCWSTR pszTargets) const
{
    int n = GetLength();
    while (n > 0 &&
           (pszTargets == nullptr ? IsWhiteSpace(m_pszData[n - 1]) : wcschr(pszTargets, m_pszData[n - 1]) != nullptr))
        --n;
    return n;
}

CString& CString::TrimLeft(LPCWSTR pszTargets)
{
    LPCWSTR p = TrimLeftEnd(pszTargets);
    return Delete(0, (int)(p - m_pszData)), *this;
}

CString& CString::TrimRight(LPCWSTR pszTargets)
{
    SetLength(TrimRightLength(pszTargets));
    return *this;
}

CString& CString::TrimLeft()
{
    return TrimLeft((LPCWSTR) nullptr);
}
CString& CString::TrimRight()
{
    return TrimRight((LPCWSTR) nullptr);
}
CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}
CString& CString::TrimLeft(WCHAR chTarget)
{
    WCHAR set[2] = {chTarget, 0};
    return TrimLeft(set);
}
CString& CString::TrimRight(WCHAR chTarget)
{
    WCHAR set[2] = {chTarget, 0};
    return TrimRight(set);
}
CString& CString::Trim(WCHAR chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(LPCWSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::MakeUpper()
{
    CharUpperBuffW(m_pszData, GetLength());
    return *this;
}

CString& CString::MakeLower()
{
    CharLowerBuffW(m_pszData, GetLength());
    return *this;
}

void CString::FormatRaw(LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCWSTR pszFormat, va_list args)
{
    if (pszFormat == nullptr)
        AfxThrowInvalidArgException();
    // The C runtime's own printf (not the compiler's C99 one): the platform's forms of
    // %s, infinities and exponents.
    for (int nCapacity = 256;; nCapacity *= 2) {
        CString result;
        LPWSTR p = result.GetBuffer(nCapacity);
        va_list copy;
        va_copy(copy, args);
        int n = _vsnwprintf(p, nCapacity, pszFormat, copy);
        va_end(copy);
        if (n >= 0 && n < nCapacity) {
            result.ReleaseBuffer(n);
            *this = std::move(result);
            return;
        }
        if (nCapacity > (1 << 26))
            AfxThrowInvalidArgException();
    }
}

BOOL CString::LoadString(UINT nID)
{
    return LoadString(AfxGetResourceHandle(), nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    LPCWSTR pText = nullptr;
    // With a zero buffer size the function hands out the resource's own text.
    int nLength = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (nLength <= 0 || pText == nullptr) {
        Empty();
        return FALSE;
    }
    Assign(pText, nLength);
    return TRUE;
}

LPWSTR CString::GetBuffer(int nMinBufferLength)
{
    Reserve(std::max(std::max(nMinBufferLength, GetLength()), 1));
    return m_pszData;
}

LPWSTR CString::GetBufferSetLength(int nLength)
{
    LPWSTR p = GetBuffer(nLength);
    SetLength(nLength);
    return p;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pszData == EmptyData())
        return;
    if (nNewLength < 0)
        nNewLength = (int)wcsnlen(m_pszData, Header()->nAllocLength);
    SetLength(std::min(nNewLength, Header()->nAllocLength));
}

BSTR CString::AllocSysString() const
{
    BSTR bstr = SysAllocStringLen(m_pszData, GetLength());
    if (bstr == nullptr)
        AfxThrowMemoryException();
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    if (!SysReAllocStringLen(pbstr, m_pszData, GetLength()))
        AfxThrowMemoryException();
    return *pbstr;
}

CString AFXAPI operator+(const CString& s1, const CString& s2)
{
    CString s(s1);
    return s += s2;
}

CString AFXAPI operator+(const CString& s, LPCWSTR psz)
{
    CString r(s);
    return r += psz;
}

CString AFXAPI operator+(LPCWSTR psz, const CString& s)
{
    CString r(psz);
    return r += s;
}

CString AFXAPI operator+(const CString& s, WCHAR ch)
{
    CString r(s);
    return r += ch;
}

CString AFXAPI operator+(WCHAR ch, const CString& s)
{
    CString r(ch);
    return r += s;
}
