// The application's document templates and the documents opened through them.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDocManager, CObject)

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

int CDocManager::GetOpenDocumentCount()
{
    int nCount = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr; pTemplate->GetNextDoc(posDoc))
            nCount++;
    }
    return nCount;
}

CDocument* CDocManager::OpenDocumentFile(LPCWSTR lpszFileName)
{
    WCHAR szPath[MAX_PATH];
    if (::GetFullPathNameW(lpszFileName, MAX_PATH, szPath, nullptr) == 0)
        lstrcpynW(szPath, lpszFileName, MAX_PATH);
    CDocTemplate* pBest = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pOpen = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(szPath, pOpen);
        if (match == CDocTemplate::yesAlreadyOpen) {
            POSITION posView = pOpen->GetFirstViewPosition();
            if (posView != nullptr)
                if (CFrameWnd* pFrame = pOpen->GetNextView(posView)->GetParentFrame())
                    pFrame->ActivateFrame();
            return pOpen;
        }
        if (match > bestMatch) {
            bestMatch = match;
            pBest = pTemplate;
        }
    }
    return pBest != nullptr ? pBest->OpenDocumentFile(szPath) : nullptr;
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT, DWORD lFlags, BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    CString strFilter, strExt;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pEach = GetNextDocTemplate(pos);
        if (pTemplate != nullptr && pEach != pTemplate)
            continue;
        CString strName, strEachExt;
        if (pEach->GetDocString(strName, CDocTemplate::filterName) && !strName.IsEmpty() &&
            pEach->GetDocString(strEachExt, CDocTemplate::filterExt) && !strEachExt.IsEmpty()) {
            strFilter += strName + L"|*" + strEachExt + L"|";
            if (strExt.IsEmpty())
                strExt = strEachExt.TrimLeft(L'.');
        }
    }
    strFilter += L"All Files (*.*)|*.*||";
    CFileDialog dlg(bOpenFileDialog, strExt.IsEmpty() ? nullptr : (LPCWSTR)strExt, fileName,
                    lFlags | OFN_HIDEREADONLY | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT), strFilter);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    fileName = dlg.GetPathName();
    return TRUE;
}

BOOL CDocManager::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

void CDocManager::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos != nullptr)
        GetNextDocTemplate(pos)->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    CString strName;
    if (DoPromptFileName(strName, 0, OFN_FILEMUSTEXIST, TRUE, nullptr))
        OpenDocumentFile(strName);
}
