#include <afx.h>

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCWSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const LPCWSTR messages[] = {
        L"No error occurred.",
        L"An unexpected error occurred while reading or writing %s.",
        L"An attempt was made to write to the reading %s.",
        L"An unexpected end of file was found while reading %s.",
        L"An attempt was made to read from the writing %s.",
        L"%s has an invalid format.",
        L"%s contains an unexpected object.",
        L"%s contains an incorrect schema.",
    };
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    LPCWSTR format = m_cause >= 0 && m_cause <= badSchema ? messages[m_cause] : messages[genericException];
    CString message;
    message.Format(format, m_strFileName.IsEmpty() ? CString(L"the archive") : m_strFileName);
    return CopyMessage(message, lpszError, nMaxError);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCWSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
