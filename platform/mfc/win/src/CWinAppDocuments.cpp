// The application's side of documents: its templates, the documents opened through them,
// and the recent-file list.
#include "afxstate.h"

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument* CWinApp::OpenDocumentFile(LPCWSTR lpszFileName)
{
    return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager == nullptr || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount()
{
    return m_pDocManager != nullptr ? m_pDocManager->GetOpenDocumentCount() : 0;
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileOpen();
}

// --- Recent files ----------------------------------------------------------------------------

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0)
        return;
    UINT nEntries = std::min<UINT>(nMaxMRU, ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1);
    m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FIRST, L"Recent File List", L"File%d", (int)nEntries);
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCWSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    int nIndex = (int)(nID - ID_FILE_MRU_FIRST);
    if (m_pRecentFileList == nullptr || nIndex >= m_pRecentFileList->GetSize())
        return FALSE;
    // A file that no longer opens leaves the list.
    if (OpenDocumentFile((*m_pRecentFileList)[nIndex]) == nullptr)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}
