// The exception family. Exceptions are thrown as pointers ("throw new ...") and the
// catcher calls Delete() on them.
#pragma once
#include "afxobj.h"
#include "afxstr.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    ~CException() override;

    // Frees an exception thrown on the heap; one built on the stack is left alone.
    void Delete();
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

protected:
    // Copies a message text into the caller's buffer, cut to its size.
    static BOOL CopyMessage(const CString& message, LPWSTR lpszError, UINT nMaxError);
    BOOL m_bAutoDelete;
};

// An exception with a fixed message.
class CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException() = default;
    explicit CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

protected:
    virtual LPCWSTR Message() const = 0;
};

#define AFX_DECLARE_SIMPLE_EXCEPTION(class_name)                                 \
    class class_name : public CSimpleException {                                 \
        DECLARE_DYNAMIC(class_name)                                              \
    public:                                                                      \
        class_name() = default;                                                  \
        explicit class_name(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {} \
                                                                                 \
    protected:                                                                   \
        LPCWSTR Message() const override;                                        \
    };

AFX_DECLARE_SIMPLE_EXCEPTION(CMemoryException)
AFX_DECLARE_SIMPLE_EXCEPTION(CNotSupportedException)
AFX_DECLARE_SIMPLE_EXCEPTION(CInvalidArgException)
AFX_DECLARE_SIMPLE_EXCEPTION(CResourceException)
AFX_DECLARE_SIMPLE_EXCEPTION(CUserException)
#undef AFX_DECLARE_SIMPLE_EXCEPTION

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
        generic = genericException
    };

    explicit CArchiveException(int cause = none, LPCWSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
        generic = genericException
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCWSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    // The cause that matches a Win32 error code.
    static int PASCAL OsErrorToException(LONG lOsError);
    static void PASCAL ThrowOsError(LONG lOsError, LPCWSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    // The status code that an exception of this library stands for.
    static SCODE PASCAL Process(const CException* pAnyException);

    SCODE m_sc;
};

class COleDispatchException : public CException {
    DECLARE_DYNAMIC(COleDispatchException)
public:
    COleDispatchException(LPCWSTR lpszDescription, UINT nHelpID, WORD wCode);
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    WORD m_wCode;
    SCODE m_scError;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    DWORD m_dwHelpContext;
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCWSTR lpszArchiveName = nullptr);
[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCWSTR lpszFileName = nullptr);
[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);
[[noreturn]] void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCWSTR lpszDescription, UINT nHelpID = 0);
[[noreturn]] void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID, UINT nHelpID = (UINT)-1);
