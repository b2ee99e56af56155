#include <afx.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

CException::CException() : m_bAutoDelete(TRUE) {}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError > 0)
        *lpszError = 0;
    return FALSE;
}

BOOL CException::CopyMessage(const CString& message, LPWSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    lstrcpynW(lpszError, message, (int)nMaxError);
    return TRUE;
}

BOOL CSimpleException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return CopyMessage(Message(), lpszError, nMaxError);
}

LPCWSTR CMemoryException::Message() const
{
    return L"Out of memory.";
}
LPCWSTR CNotSupportedException::Message() const
{
    return L"An unsupported operation was attempted.";
}
LPCWSTR CInvalidArgException::Message() const
{
    return L"An invalid argument was encountered.";
}
LPCWSTR CResourceException::Message() const
{
    return L"A required resource was unavailable.";
}
LPCWSTR CUserException::Message() const
{
    return L"The operation was stopped.";
}

void AFXAPI AfxThrowMemoryException()
{
    throw new CMemoryException;
}
void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
void AFXAPI AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}
void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}
void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}
