// The thread and application objects: the message pump with idle-time command updates,
// the program's settings (registry profile or INI file), resources and message boxes.
#pragma once
#include "afxwnd.h"

class CWinThread;
class CWinApp;
class CDocument;
class CDocTemplate;
class CDocManager;
class CRecentFileList;
class CCommandLineInfo;

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

// Wraps an exception that is not a CException when a window procedure catches it.
class CForeignException : public CException {
    DECLARE_DYNAMIC(CForeignException)
public:
    explicit CForeignException(const CString& strText) : CException(FALSE), m_strText(strText) {}
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
    CString m_strText;
};

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    explicit CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;

    CWnd* m_pMainWnd;  // the thread ends when it is destroyed
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;  // deleted when the thread ends
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur;

    operator HANDLE() const { return m_hThread; }
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::PostThreadMessageW(m_nThreadID, message, wParam, lParam);
    }
    int GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT, calling OnIdle whenever the queue is empty.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // lCount 0: command updates of the main window and its descendants; 1 and later:
    // temporary objects are freed. TRUE asks for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Called for an exception caught in a window procedure; answers the message's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual CWnd* GetMainWnd();
    virtual void Delete();

    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;

protected:
    static unsigned __stdcall ThreadEntry(void* pParam);
};

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                                  UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL,
                                  UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);
// One message through the current thread's pre-translation; FALSE on WM_QUIT.
BOOL AFXAPI AfxPumpMessage();

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    LPWSTR m_lpCmdLine;
    int m_nCmdShow;
    // Strings allocated with malloc (a program may free and replace them).
    LPCWSTR m_pszAppName;
    LPCWSTR m_pszExeName;
    LPCWSTR m_pszHelpFilePath;
    LPCWSTR m_pszRegistryKey;  // settings under HKCU\Software\<key>\<profile>; INI file without it
    LPCWSTR m_pszProfileName;
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;
    CDocManager* m_pDocManager;          // made by the first AddDocTemplate
    CRecentFileList* m_pRecentFileList;  // made by LoadStdProfileSettings

    // Documents
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCWSTR lpszFileName);
    virtual void AddToRecentFileList(LPCWSTR lpszPathName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();
    // The recent-file list of nMaxMRU entries (none for 0), read from the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();

    // The command line given to the program (m_lpCmdLine), and what it asks for.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FALSE ends the start-up: a switch not understood (reported), or no document.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Settings under the profile: the registry once SetRegistryKey ran, else an INI file.
    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCWSTR lpszSection);
    UINT GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue);
    CString GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault = nullptr);
    // A null entry removes the section, a null value removes the entry.
    BOOL WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE pData, UINT nBytes);

    HICON LoadIcon(LPCWSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEW(nIDResource)); }
    HICON LoadStandardIcon(LPCWSTR lpszIconName) const { return ::LoadIconW(nullptr, lpszIconName); }
    HICON LoadOEMIcon(UINT nIDIcon) const { return ::LoadIconW(nullptr, MAKEINTRESOURCEW(nIDIcon)); }
    HCURSOR LoadCursor(LPCWSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEW(nIDResource)); }
    HCURSOR LoadStandardCursor(LPCWSTR lpszCursorName) const { return ::LoadCursorW(nullptr, lpszCursorName); }
    HCURSOR LoadOEMCursor(UINT nIDCursor) const { return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(nIDCursor)); }

    // nCode 1 shows the wait cursor, -1 takes one back, 0 shows it again while counted.
    virtual void DoWaitCursor(int nCode);
    virtual int DoMessageBox(LPCWSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual void HtmlHelp(DWORD_PTR dwData, UINT nCmd = 0x000F);

    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Command handlers an application's map may name (&CWinApp::OnAppExit ...).
    afx_msg void OnAppExit();
    afx_msg void OnHelp();
    afx_msg void OnHelpIndex();
    afx_msg void OnHelpFinder();
    afx_msg void OnContextHelp();
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnOpenRecentFile(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()

private:
    LPCWSTR IniFileName() const;
};

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};

CWinApp* AFXAPI AfxGetApp();
CWinThread* AFXAPI AfxGetThread();
CWnd* AFXAPI AfxGetMainWnd();
HINSTANCE AFXAPI AfxGetInstanceHandle();
void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);
// The module that holds the named resource: the resource module, else the program.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// Starts the program's application object (the library's WinMain calls it).
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
void AFXAPI AfxPostQuitMessage(int nExitCode);
