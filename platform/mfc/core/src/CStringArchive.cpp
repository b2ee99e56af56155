#include <afx.h>
#include <string>

// A string is its length, then its characters. The length is one byte below 0xFF;
// else 0xFF and a word below 0xFFFE; else 0xFF, 0xFFFF and a double word. Wide text
// puts the marker 0xFF 0xFFFE before the length; without it the characters are
// bytes in the ANSI code page.
namespace {

void WriteStringLength(CArchive& ar, DWORD nLength)
{
    ar << (BYTE)0xFF << (WORD)0xFFFE;
    if (nLength < 0xFF)
        ar << (BYTE)nLength;
    else if (nLength < 0xFFFE)
        ar << (BYTE)0xFF << (WORD)nLength;
    else
        ar << (BYTE)0xFF << (WORD)0xFFFF << nLength;
}

// The length in characters; bWide tells whether the marker was seen.
DWORD ReadStringLength(CArchive& ar, bool& bWide)
{
    bWide = false;
    for (;;) {
        BYTE bLen;
        ar >> bLen;
        if (bLen < 0xFF)
            return bLen;
        WORD wLen;
        ar >> wLen;
        if (wLen == 0xFFFE) {
            if (bWide)  // a second marker
                AfxThrowArchiveException(CArchiveException::genericException);
            bWide = true;
            continue;
        }
        if (wLen < 0xFFFF)
            return wLen;
        DWORD dwLen;
        ar >> dwLen;
        return dwLen;
    }
}

}  // namespace

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string)
{
    WriteStringLength(ar, (DWORD)string.GetLength());
    ar.Write((LPCWSTR)string, (UINT)string.GetLength() * sizeof(WCHAR));
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CString& string)
{
    bool bWide;
    DWORD nLength = ReadStringLength(ar, bWide);
    if (nLength > 0x3FFFFFFF)
        AfxThrowArchiveException(CArchiveException::genericException);
    if (bWide) {
        CString text;
        UINT nBytes = nLength * sizeof(WCHAR);
        if (ar.Read(text.GetBuffer((int)nLength), nBytes) != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        text.ReleaseBuffer((int)nLength);
        string = std::move(text);
        return ar;
    }
    std::string bytes(nLength, '\0');
    if (ar.Read(&bytes[0], nLength) != nLength)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    string = CString(bytes.data(), (int)nLength);
    return ar;
}
