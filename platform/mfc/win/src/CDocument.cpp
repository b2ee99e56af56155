#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() : m_pDocTemplate(nullptr), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE) {}

CDocument::~CDocument()
{
    // Views outliving their document must not reach back into it.
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;)
        GetNextView(pos)->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCWSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCWSTR lpszPathName, BOOL bAddToMRU)
{
    WCHAR szFull[MAX_PATH];
    LPWSTR pszName = nullptr;
    if (::GetFullPathNameW(lpszPathName, MAX_PATH, szFull, &pszName) == 0 || pszName == nullptr)
        m_strPathName = lpszPathName;
    else
        m_strPathName = szFull;
    SetTitle(pszName != nullptr ? pszName : lpszPathName);
    CWinApp* pApp = AfxGetApp();
    if (bAddToMRU && pApp != nullptr)
        pApp->AddToRecentFileList(m_strPathName);
}

// --- Views -------------------------------------------------------------------------------

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    if (POSITION pos = m_viewList.Find(pView))
        m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_bAutoDelete && m_viewList.IsEmpty()) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts()
{
    // Each frame once, in the order of the views.
    CPtrList frames;
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != nullptr && frames.Find(pFrame) == nullptr)
            frames.AddTail(pFrame);
    }
    int nFrame = 1;
    for (POSITION pos = frames.GetHeadPosition(); pos != nullptr; ++nFrame) {
        CFrameWnd* pFrame = static_cast<CFrameWnd*>(frames.GetNext(pos));
        pFrame->m_nWindow = frames.GetCount() > 1 ? nFrame : 0;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

// --- Life of the data ----------------------------------------------------------------------

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnOpenDocument(LPCWSTR lpszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, 0);
        return FALSE;
    }
    DeleteContents();
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        ar.m_strFileName = lpszPathName;
        Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        DeleteContents();  // no half-read document
        ReportSaveLoadException(lpszPathName, e, FALSE, 0);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

// Writes into a temporary file beside the target and puts it in the target's place only
// when all went well: a failed save keeps the file as it was.
BOOL CDocument::OnSaveDocument(LPCWSTR lpszPathName)
{
    WCHAR szFull[MAX_PATH], szTemp[MAX_PATH];
    LPWSTR pszName = nullptr;
    if (::GetFullPathNameW(lpszPathName, MAX_PATH, szFull, &pszName) == 0 || pszName == nullptr) {
        CFileException fe(CFileException::badPath, -1, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, 0);
        return FALSE;
    }
    CString strFolder(szFull, (int)(pszName - szFull));
    if (::GetTempFileNameW(strFolder, L"zvd", 0, szTemp) == 0) {
        LONG lError = (LONG)::GetLastError();
        CFileException fe(CFileException::OsErrorToException(lError), lError, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, 0);
        return FALSE;
    }
    try {
        CFile file(szTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        ar.m_strFileName = lpszPathName;
        Serialize(ar);
        ar.Close();
        file.Close();
        if (!::MoveFileExW(szTemp, szFull, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
            CFileException::ThrowOsError((LONG)::GetLastError(), lpszPathName);
    } catch (CException* e) {
        ::DeleteFileW(szTemp);
        ReportSaveLoadException(lpszPathName, e, TRUE, 0);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCWSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    WCHAR szCause[512] = L"";
    if (e == nullptr || !e->GetErrorMessage(szCause, _countof(szCause)))
        lstrcpynW(szCause, L"An unexpected error occurred.", _countof(szCause));
    CString strPrompt;
    strPrompt.Format(bSaving ? L"Failed to save the document %s.\n%s" : L"Failed to open the document %s.\n%s",
                     lpszPathName, szCause);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString strPrompt;
    strPrompt.Format(L"Save changes to %s?", (LPCWSTR)strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib = ::GetFileAttributesW(m_strPathName);
    BOOL bReadOnly = dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY);
    return DoSave(m_strPathName.IsEmpty() || bReadOnly ? nullptr : (LPCWSTR)m_strPathName);
}

BOOL CDocument::DoSave(LPCWSTR lpszPathName, BOOL bReplace)
{
    CString strName = lpszPathName != nullptr ? CString(lpszPathName) : m_strPathName;
    if (lpszPathName == nullptr) {
        CWinApp* pApp = AfxGetApp();
        if (strName.IsEmpty())
            strName = m_strTitle;
        if (pApp == nullptr || pApp->m_pDocManager == nullptr ||
            !pApp->m_pDocManager->DoPromptFileName(strName, 0, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE,
                                                   m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(strName))
        return FALSE;
    if (bReplace)
        SetPathName(strName);
    return TRUE;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; the document stays until all are gone.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        if (CFrameWnd* pFrame = pView->GetParentFrame()) {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        // A view that did not go with its frame (not deleted with its window) leaves now.
        if (m_viewList.Find(pView) != nullptr)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
