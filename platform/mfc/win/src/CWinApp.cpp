// The application object: settings, resources, message boxes, wait cursors.
#include "afxstate.h"
#include <cstdlib>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

static CWinApp* s_pApp = nullptr;
static HINSTANCE s_hInstance = nullptr;

CWinApp* AFXAPI AfxGetApp()
{
    return s_pApp;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    if (s_hInstance != nullptr)
        return s_hInstance;
    return ::GetModuleHandleW(nullptr);
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance)
{
    s_hInstance = hInstance;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResourceW(hInst, lpszName, lpszType) != nullptr)
        return hInst;
    return AfxGetInstanceHandle();
}

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_hInstance(::GetModuleHandleW(nullptr)), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(nullptr),
      m_pszExeName(nullptr), m_pszHelpFilePath(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr),
      m_nWaitCursorCount(0), m_hcurWaitCursorRestore(nullptr), m_pDocManager(nullptr), m_pRecentFileList(nullptr)
{
    s_pApp = this;
    AfxGetThreadState()->pCurrentWinThread = this;
    m_hThread = nullptr;
    m_nThreadID = ::GetCurrentThreadId();
    m_bAutoDelete = FALSE;

    WCHAR szModule[MAX_PATH];
    ::GetModuleFileNameW(m_hInstance, szModule, MAX_PATH);
    LPWSTR pszName = wcsrchr(szModule, L'\\');
    pszName = pszName ? pszName + 1 : szModule;
    CString strExe(pszName);
    int nDot = strExe.ReverseFind(L'.');
    if (nDot >= 0)
        strExe = strExe.Left(nDot);
    m_pszExeName = _wcsdup(strExe);
    CString strTitle;
    if (lpszAppName != nullptr)
        strTitle = lpszAppName;
    else if (!strTitle.LoadString(AFX_IDS_APP_TITLE))
        strTitle = strExe;
    m_pszAppName = _wcsdup(strTitle);
    m_pszProfileName = _wcsdup(strExe + L".INI");
    CString strHelp(szModule);
    nDot = strHelp.ReverseFind(L'.');
    if (nDot >= 0)
        strHelp = strHelp.Left(nDot);
    m_pszHelpFilePath = _wcsdup(strHelp + L".HLP");
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    delete m_pRecentFileList;
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszRegistryKey);
    free((void*)m_pszProfileName);
    if (s_pApp == this)
        s_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}
int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return (int)m_msgCur.wParam;
}
int CWinApp::Run()
{
    return CWinThread::Run();
}
BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return CWinThread::PreTranslateMessage(pMsg);
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 1)
        CWinThread::OnIdle(lCount);
    return lCount < 1;
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnHelp()
{
    WinHelp(0, HELP_CONTENTS);
}
void CWinApp::OnHelpIndex()
{
    WinHelp(0, HELP_INDEX);
}
void CWinApp::OnHelpFinder()
{
    WinHelp(0, HELP_FINDER);
}
void CWinApp::OnContextHelp()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->WinHelp(dwData, nCmd);
}

void CWinApp::HtmlHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->HtmlHelp(dwData, nCmd);
}

HICON CWinApp::LoadIcon(LPCWSTR lpszResourceName) const
{
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, (LPCWSTR)RT_GROUP_ICON), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(LPCWSTR lpszResourceName) const
{
    return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, (LPCWSTR)RT_GROUP_CURSOR), lpszResourceName);
}

// --- Wait cursor -------------------------------------------------------------------------

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    } else {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

void AFXAPI AfxDoWaitCursor(int nCode)
{
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->DoWaitCursor(nCode);
        return;
    }
    static thread_local int nCount = 0;
    static thread_local HCURSOR hcurRestore = nullptr;
    nCount += nCode;
    if (nCount > 0) {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_WAIT));
        if (nCode > 0 && nCount == 1)
            hcurRestore = hcurPrev;
    } else {
        nCount = 0;
        ::SetCursor(hcurRestore);
    }
}

CWaitCursor::CWaitCursor()
{
    AfxDoWaitCursor(1);
}
CWaitCursor::~CWaitCursor()
{
    AfxDoWaitCursor(-1);
}
void CWaitCursor::Restore()
{
    AfxDoWaitCursor(0);
}

// --- Message boxes ---------------------------------------------------------------------------

int CWinApp::DoMessageBox(LPCWSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = CWnd::GetSafeOwner_(nullptr, nullptr);
    return ::MessageBoxW(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxW(::GetActiveWindow(), lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

// --- Settings --------------------------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey)
{
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _wcsdup(lpszRegistryKey);
    free((void*)m_pszProfileName);
    m_pszProfileName = _wcsdup(m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

LPCWSTR CWinApp::IniFileName() const
{
    return m_pszProfileName;
}

HKEY CWinApp::GetAppRegistryKey()
{
    HKEY hSoftKey = nullptr, hCompanyKey = nullptr, hAppKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS) {
        DWORD dw;
        if (::RegCreateKeyExW(hSoftKey, m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                              nullptr, &hCompanyKey, &dw) == ERROR_SUCCESS) {
            ::RegCreateKeyExW(hCompanyKey, m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                              nullptr, &hAppKey, &dw);
            ::RegCloseKey(hCompanyKey);
        }
        ::RegCloseKey(hSoftKey);
    }
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCWSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dw;
    ::RegCreateKeyExW(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr,
                      &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, IniFileName());
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue, &dwCount);
    ::RegCloseKey(hSecKey);
    return (lResult == ERROR_SUCCESS && dwType == REG_DWORD) ? (UINT)dwValue : (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        WCHAR szT[16];
        wsprintfW(szT, L"%d", nValue);
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, szT, IniFileName());
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    LONG lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_DWORD, (LPBYTE)&nValue, sizeof(nValue));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault)
{
    CString strDefault(lpszDefault != nullptr ? lpszDefault : L"");
    if (m_pszRegistryKey == nullptr) {
        for (DWORD nSize = 256;; nSize *= 2) {
            CString strValue;
            DWORD nLen = ::GetPrivateProfileStringW(lpszSection, lpszEntry, strDefault, strValue.GetBuffer(nSize),
                                                    nSize, IniFileName());
            strValue.ReleaseBuffer((int)nLen);
            if (nLen < nSize - 1)
                return strValue;
        }
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return strDefault;
    CString strValue;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_SZ) {
        lResult = ::RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType,
                                     (LPBYTE)strValue.GetBuffer(dwCount / sizeof(WCHAR) + 1), &dwCount);
        strValue.ReleaseBuffer();
    }
    ::RegCloseKey(hSecKey);
    return (lResult == ERROR_SUCCESS && dwType == REG_SZ) ? strValue : strDefault;
}

BOOL CWinApp::WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, IniFileName());
    LONG lResult;
    if (lpszEntry == nullptr) {
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == nullptr)
            return FALSE;
        lResult = ::RegDeleteTreeW(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    if (lpszValue == nullptr)
        lResult = ::RegDeleteValueW(hSecKey, lpszEntry);
    else
        lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                   (DWORD)((lstrlenW(lpszValue) + 1) * sizeof(WCHAR)));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr) {
        // INI files keep each byte as two letters 'A' + nibble.
        CString str = GetProfileString(lpszSection, lpszEntry, nullptr);
        int nLen = str.GetLength();
        if (nLen == 0 || nLen % 2 != 0)
            return FALSE;
        *pBytes = (UINT)nLen / 2;
        *ppData = new BYTE[*pBytes];
        for (int i = 0; i < nLen; i += 2)
            (*ppData)[i / 2] = (BYTE)(((str[i + 1] - L'A') << 4) + (str[i] - L'A'));
        return TRUE;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY) {
        *ppData = new BYTE[dwCount ? dwCount : 1];
        lResult = ::RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, *ppData, &dwCount);
        *pBytes = dwCount;
    }
    ::RegCloseKey(hSecKey);
    if (lResult != ERROR_SUCCESS || dwType != REG_BINARY) {
        delete[] * ppData;
        *ppData = nullptr;
        *pBytes = 0;
        return FALSE;
    }
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr) {
        CString str;
        for (UINT i = 0; i < nBytes; i++) {
            str += (WCHAR)((pData[i] & 0x0F) + L'A');
            str += (WCHAR)(((pData[i] >> 4) & 0x0F) + L'A');
        }
        return WriteProfileString(lpszSection, lpszEntry, str);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    LONG lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

// --- Start of the program ----------------------------------------------------------------

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow)
{
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (pThread == nullptr || pApp == nullptr)
        return -1;
    AfxSetInstanceHandle(hInstance);
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!pThread->InitInstance()) {
        if (pThread->m_pMainWnd != nullptr)
            pThread->m_pMainWnd->DestroyWindow();
        return pThread->ExitInstance();
    }
    return pThread->Run();
}
