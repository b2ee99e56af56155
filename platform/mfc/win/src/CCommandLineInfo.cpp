#include "afxstate.h"
#include <shellapi.h>

CCommandLineInfo::CCommandLineInfo()
{
    Clear();
}

void CCommandLineInfo::Clear()
{
    m_nShellCommand = FileNew;
    m_bShowSplash = TRUE;
    m_bRunEmbedded = m_bRunAutomated = FALSE;
    m_strFileName.Empty();
    m_strPrinterName.Empty();
    m_strDriverName.Empty();
    m_strPortName.Empty();
    m_strUnknown.Empty();
}

void CCommandLineInfo::ParseParam(LPCWSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag) {
        if (lstrcmpiW(pszParam, L"Embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        } else if (lstrcmpiW(pszParam, L"Automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        } else if (lstrcmpiW(pszParam, L"p") == 0)
            m_nShellCommand = FilePrint;
        else if (lstrcmpiW(pszParam, L"pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (m_strUnknown.IsEmpty())
            m_strUnknown = pszParam;
    } else if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
    if (!bLast)
        return;
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
    else if (m_nShellCommand == FileNew && (m_bRunEmbedded || m_bRunAutomated))
        m_nShellCommand = FileNothing;  // COM asks for objects, not a document
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // Split as the system splits a program's arguments, behind a stand-in program name.
    CString strLine = CString(L"program ") + (m_lpCmdLine != nullptr ? m_lpCmdLine : L"");
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(strLine, &nArgs);
    rCmdInfo.Clear();
    if (ppArgs == nullptr)
        return;
    for (int i = 1; i < nArgs; i++) {
        LPCWSTR pszParam = ppArgs[i];
        BOOL bFlag = pszParam[0] == L'/' || pszParam[0] == L'-';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i == nArgs - 1);
    }
    ::LocalFree(ppArgs);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    if (!rCmdInfo.m_strUnknown.IsEmpty()) {
        CString strPrompt;
        strPrompt.Format(L"The command line holds a switch that is not understood: /%s",
                         (LPCWSTR)rCmdInfo.m_strUnknown);
        AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
        return FALSE;
    }
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        // Through the command, so that an application's own handler runs.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Printed without showing the program, which then ends.
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr || m_pMainWnd == nullptr)
            return FALSE;
        m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        m_pMainWnd->SendMessage(WM_CLOSE);
        return FALSE;
    default:
        return TRUE;
    }
}
