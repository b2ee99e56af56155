// The common dialogs: file open/save, colour, print and find/replace.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

void CCommonDialog::OnOK()
{
    if (UpdateData(TRUE))
        Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}

// --- Files ---------------------------------------------------------------------------------

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName, DWORD dwFlags,
                         LPCWSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = L'\0';
    m_szFileTitle[0] = L'\0';
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _countof(m_szFileName);
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.hInstance = AfxGetResourceHandle();
    if (lpszFileName != nullptr)
        lstrcpynW(m_szFileName, lpszFileName, _countof(m_szFileName));
    if (lpszFilter != nullptr) {
        // "Text (*.txt)|*.txt||": each '|' ends a part, as the NUL the dialog wants.
        m_strFilter = lpszFilter;
        LPWSTR pch = m_strFilter.GetBuffer(0);
        for (; *pch != L'\0'; ++pch)
            if (*pch == L'|')
                *pch = L'\0';
        m_strFilter.ReleaseBuffer(m_strFilter.GetLength());
        m_ofn.lpstrFilter = m_strFilter;
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), nullptr);
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    if (m_ofn.Flags & OFN_ALLOWMULTISELECT) {
        POSITION pos = GetStartPosition();
        return pos != nullptr ? GetNextPathName(pos) : CString();
    }
    return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
    CString strPath = GetPathName();
    int nSlash = strPath.ReverseFind(L'\\');
    return nSlash >= 0 ? strPath.Mid(nSlash + 1) : strPath;
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind(L'.');
    return nDot >= 0 ? strName.Mid(nDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind(L'.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}

CString CFileDialog::GetFolderPath() const
{
    CString strPath = GetPathName();
    int nSlash = strPath.ReverseFind(L'\\');
    return nSlash >= 0 ? strPath.Left(nSlash) : CString();
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCWSTR lpsz = (LPCWSTR)pos;
    LPCWSTR lpszFirst = m_ofn.lpstrFile;
    // One file: the buffer holds the whole path. Several: the folder, then each name.
    BOOL bMulti = (m_ofn.Flags & OFN_ALLOWMULTISELECT) && lpszFirst[lstrlenW(lpszFirst) + 1] != L'\0';
    if (!bMulti) {
        pos = nullptr;
        return lpszFirst;
    }
    if (lpsz == lpszFirst)
        lpsz += lstrlenW(lpsz) + 1;  // skip the folder
    CString strName(lpsz);
    lpsz += lstrlenW(lpsz) + 1;
    pos = *lpsz != L'\0' ? (POSITION)lpsz : nullptr;
    CString strPath(lpszFirst);
    if (strPath.Right(1) != L"\\")
        strPath += L'\\';
    return strPath + strName;
}

// --- Colours ---------------------------------------------------------------------------------

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static COLORREF colors[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return colors;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), nullptr);
    return ::ChooseColorW(&m_cc) ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
}

// --- Printers ------------------------------------------------------------------------------

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_pd, 0, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | PD_RETURNDC | (bPrintSetupOnly ? PD_PRINTSETUP : 0);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDevMode != nullptr)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), nullptr);
    return ::PrintDlgW(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // The system fills the printer's settings only into empty handles.
    if (m_pd.hDevMode != nullptr)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        ::GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = m_pd.hDevNames = nullptr;
    DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL bResult = ::PrintDlgW(&m_pd);
    m_pd.Flags = dwFlags;
    return bResult;
}

// --- Find and replace --------------------------------------------------------------------------

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr)
{
    memset(&m_fr, 0, sizeof(m_fr));
    m_szFindWhat[0] = m_szReplaceWith[0] = L'\0';
    m_fr.lStructSize = sizeof(m_fr);
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = _countof(m_szFindWhat);
    m_fr.lpstrReplaceWith = m_szReplaceWith;
    m_fr.wReplaceWithLen = _countof(m_szReplaceWith);
}

void CFindReplaceDialog::PostNcDestroy()
{
    delete this;
}

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCWSTR lpszFindWhat, LPCWSTR lpszReplaceWith, DWORD dwFlags,
                                CWnd* pParentWnd)
{
    m_fr.Flags |= dwFlags;
    m_fr.lCustData = (LPARAM)this;  // GetNotifier finds the object from the notification
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_fr.hwndOwner = pParentWnd->GetSafeHwnd();
    if (lpszFindWhat != nullptr)
        lstrcpynW(m_szFindWhat, lpszFindWhat, _countof(m_szFindWhat));
    if (lpszReplaceWith != nullptr)
        lstrcpynW(m_szReplaceWith, lpszReplaceWith, _countof(m_szReplaceWith));
    AfxHookWindowCreate(this);
    HWND hWnd = bFindDialogOnly ? ::FindTextW(&m_fr) : ::ReplaceTextW(&m_fr);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

CFindReplaceDialog* PASCAL CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    return (CFindReplaceDialog*)((FINDREPLACEW*)lParam)->lCustData;
}
