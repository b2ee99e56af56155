// CCommandLineInfo: what the program's command line asks for. Switches start with '/' or
// '-' and are compared without case: Embedding and Automation (started by COM), p (print
// the file) and pt (print the file to a printer, driver and port). Any other switch is kept
// as unknown, and the program refuses to start over it.
#pragma once
#include <afx.h>

class CCommandLineInfo : public CObject {
public:
    CCommandLineInfo();
    // Back to an empty command line; parsing starts from here, so that parsing again gives
    // the same result.
    void Clear();

    // One parameter; bFlag: it was a switch (without its '/' or '-'); bLast: no more follow.
    virtual void ParseParam(LPCWSTR pszParam, BOOL bFlag, BOOL bLast);

    enum {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileNothing = -1
    } m_nShellCommand;
    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
    CString m_strUnknown;  // the first switch not understood
};
