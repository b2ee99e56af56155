// Document templates (single and multiple documents) and the document manager.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    m_strDocStrings.LoadString(m_nIDResource);
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    return AfxExtractSubString(rString, m_strDocStrings, (int)index);
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CDocument* pDoc = m_pDocClass != nullptr ? static_cast<CDocument*>(m_pDocClass->CreateObject()) : nullptr;
    if (pDoc != nullptr)
        AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CFrameWnd* pFrame = m_pFrameClass != nullptr ? static_cast<CFrameWnd*>(m_pFrameClass->CreateObject()) : nullptr;
    if (pFrame == nullptr)
        return nullptr;
    // The frame deletes itself when its creation fails.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCWSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) {
        CDocument* pDoc = GetNextDoc(pos);
        if (lstrcmpiW(pDoc->GetPathName(), lpszPathName) == 0) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString strExt;
    if (GetDocString(strExt, filterExt) && !strExt.IsEmpty()) {
        CString strPath(lpszPathName);
        int nLen = strExt.GetLength();
        if (strPath.GetLength() > nLen && strPath.Right(nLen).CompareNoCase(strExt) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos != nullptr;)
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    for (POSITION pos = GetFirstDocPosition(); pos != nullptr;)
        GetNextDoc(pos)->OnCloseDocument();
}

BOOL CDocTemplate::LoadOrRenew(CDocument* pDoc, LPCWSTR lpszPathName, CFrameWnd* pFrame, BOOL bCreated)
{
    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDoc);
        if (pDoc->OnNewDocument())
            return TRUE;
    } else {
        CWaitCursor wait;
        if (pDoc->OnOpenDocument(lpszPathName)) {
            pDoc->SetPathName(lpszPathName);
            return TRUE;
        }
        if (!bCreated) {
            // The reused document lost its data: it starts again as a new one.
            SetDefaultTitle(pDoc);
            pDoc->OnNewDocument();
            return FALSE;
        }
    }
    if (bCreated) {
        // The document goes with its last view; one that never had a view goes here.
        BOOL bViews = pDoc->GetFirstViewPosition() != nullptr && pDoc->m_bAutoDelete;
        pFrame->DestroyWindow();
        if (!bViews)
            delete pDoc;
    }
    return FALSE;
}

// Creates the frame of a new document; the document survives a frame that fails.
static CFrameWnd* NewFrameFor(CDocTemplate* pTemplate, CDocument* pDoc)
{
    BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDoc, nullptr);
    pDoc->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr)
        AfxMessageBox(L"Failed to create the window of the document.", MB_ICONEXCLAMATION);
    return pFrame;
}

// The first frame of the program becomes its main window.
static void AdoptAsMainWindow(CFrameWnd* pFrame)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = pFrame;
}

// --- One document ----------------------------------------------------------------------------

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(nullptr)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? (POSITION)m_pOnlyDoc : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = reinterpret_cast<CDocument*>(rPos);
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strTitle;
    if (!GetDocString(strTitle, docName) || strTitle.IsEmpty())
        strTitle = L"Untitled";
    pDocument->SetTitle(strTitle);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = pDoc == nullptr;
    if (bCreated) {
        pDoc = CreateNewDocument();
        if (pDoc == nullptr) {
            AfxMessageBox(L"Failed to create an empty document.", MB_ICONEXCLAMATION);
            return nullptr;
        }
    } else {
        if (!pDoc->SaveModified())
            return nullptr;
        POSITION pos = pDoc->GetFirstViewPosition();
        if (pos != nullptr)
            pFrame = pDoc->GetNextView(pos)->GetParentFrame();
    }
    if (pFrame == nullptr) {
        pFrame = NewFrameFor(this, pDoc);
        if (pFrame == nullptr) {
            if (bCreated)
                delete pDoc;
            return nullptr;
        }
    }
    if (!LoadOrRenew(pDoc, lpszPathName, pFrame, bCreated))
        return nullptr;
    AdoptAsMainWindow(pFrame);
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}

// --- Several documents -----------------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(nullptr), m_hAccelTable(nullptr),
      m_nUntitledCount(0)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    for (POSITION pos = m_docList.GetHeadPosition(); pos != nullptr;)
        static_cast<CDocument*>(m_docList.GetNext(pos))->m_pDocTemplate = nullptr;
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    LPCWSTR lpszName = MAKEINTRESOURCEW(m_nIDResource);
    if (m_hMenuShared == nullptr) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszName, (LPCWSTR)RT_MENU);
        if (::FindResourceW(hInst, lpszName, (LPCWSTR)RT_MENU) != nullptr)
            m_hMenuShared = ::LoadMenuW(hInst, lpszName);
    }
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAcceleratorsW(AfxFindResourceHandle(lpszName, (LPCWSTR)RT_ACCELERATOR), lpszName);
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc))
        m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strName;
    if (!GetDocString(strName, docName) || strName.IsEmpty())
        strName = L"Untitled";
    CString strTitle;
    strTitle.Format(L"%s%u", (LPCWSTR)strName, m_nUntitledCount + 1);
    pDocument->SetTitle(strTitle);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = CreateNewDocument();
    if (pDoc == nullptr) {
        AfxMessageBox(L"Failed to create an empty document.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    CFrameWnd* pFrame = NewFrameFor(this, pDoc);
    if (pFrame == nullptr) {
        delete pDoc;
        return nullptr;
    }
    if (!LoadOrRenew(pDoc, lpszPathName, pFrame, TRUE))
        return nullptr;
    if (lpszPathName == nullptr)
        m_nUntitledCount++;
    AdoptAsMainWindow(pFrame);
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
