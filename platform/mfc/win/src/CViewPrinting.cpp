// A view's print job and its print preview.
#include "afxstate.h"

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    PRINTDLGW& pd = pInfo->m_pPD->m_pd;
    pd.nFromPage = (WORD)pInfo->GetMinPage();
    pd.nToPage = (WORD)pInfo->GetMaxPage();
    // A preview asks nothing: it shows the pages of the default printer.
    CDC* pDC = AfxGetPrintDevice()->CreatePrinterDC(*pInfo->m_pPD, !pInfo->m_bPreview);
    if (pDC == nullptr)
        return FALSE;
    delete pInfo->m_pPrinterDC;
    pInfo->m_pPrinterDC = pDC;
    return TRUE;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

// Prints the pages of pInfo; FALSE when the printer refused a page.
static BOOL PrintPages(CView* pView, CDC* pDC, CPrintInfo* pInfo, IPrintDevice* pDevice)
{
    UINT nLastPage = pInfo->GetToPage();
    for (pInfo->m_nCurPage = pInfo->GetFromPage(); pInfo->m_nCurPage <= nLastPage; pInfo->m_nCurPage++) {
        pView->OnPrepareDC(pDC, pInfo);
        if (!pInfo->m_bContinuePrinting)
            break;
        if (pDevice->StartPage(*pDC) <= 0)
            return FALSE;
        pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        pDC->DPtoLP(&pInfo->m_rectDraw);
        pView->OnPrint(pDC, pInfo);
        if (pDevice->EndPage(*pDC) <= 0)
            return FALSE;
        if (!pInfo->m_bContinuePrinting)
            break;  // OnPrint found the last page
    }
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    if (!OnPreparePrinting(&printInfo) || printInfo.m_pPrinterDC == nullptr)
        return;
    CDC* pDC = printInfo.m_pPrinterDC;  // freed with printInfo, whatever happens
    IPrintDevice* pDevice = AfxGetPrintDevice();
    CString strTitle;
    if (m_pDocument != nullptr)
        strTitle = m_pDocument->GetTitle();
    DOCINFOW docInfo = {sizeof(docInfo), strTitle, nullptr, nullptr, 0};

    // The job ends as it began: a refused page or a throwing OnPrint aborts the document, and
    // OnEndPrinting runs in every case, when the pages have let go of the objects they selected
    // (a selected object cannot be deleted).
    OnBeginPrinting(pDC, &printInfo);
    int nSaved = pDC->SaveDC();
    BOOL bStarted = FALSE, bPrinted = FALSE;
    try {
        bStarted = pDevice->StartDoc(*pDC, docInfo) > 0;
        bPrinted = bStarted && PrintPages(this, pDC, &printInfo, pDevice);
    } catch (...) {
        if (bStarted)
            pDevice->AbortDoc(*pDC);
        pDC->RestoreDC(nSaved);
        OnEndPrinting(pDC, &printInfo);
        throw;
    }
    if (bPrinted)
        bPrinted = pDevice->EndDoc(*pDC) > 0;
    else if (bStarted)
        pDevice->AbortDoc(*pDC);
    pDC->RestoreDC(nSaved);
    OnEndPrinting(pDC, &printInfo);
    if (!bPrinted) {
        CString strPrompt;
        strPrompt.Format(L"Failed to print %s: the printer refused the job.", (LPCWSTR)strTitle);
        AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
    }
}

// --- Print preview -----------------------------------------------------------------------------

void CView::OnFilePrintPreview()
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), pState)) {
        delete pState;
        AfxMessageBox(L"The print preview could not be shown: there is no printer to lay out the pages for.",
                      MB_ICONEXCLAMATION);
    }
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState)
{
    CFrameWnd* pFrame = GetParentFrame();
    CPreviewView* pView = DYNAMIC_DOWNCAST(CPreviewView, pPreviewViewClass->CreateObject());
    if (pFrame == nullptr || pView == nullptr) {
        delete pView;
        return FALSE;
    }
    pFrame->OnSetPreviewMode(TRUE, pState);
    pView->m_pOrigView = this;
    CDialogBar* pBar = new CDialogBar;
    if (!pBar->Create(pFrame, nIDResource, WS_VISIBLE | CBRS_TOP, AFX_IDW_PREVIEW_BAR)) {
        delete pBar;
        delete pView;
        pFrame->OnSetPreviewMode(FALSE, pState);
        return FALSE;
    }
    pBar->m_bAutoDelete = TRUE;
    pView->m_pToolBar = pBar;
    CCreateContext context;
    context.m_pCurrentFrame = pFrame;
    context.m_pCurrentDoc = GetDocument();
    context.m_pLastView = this;
    // A failed creation deletes the view with its window.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), pFrame, AFX_IDW_PANE_FIRST,
                       &context)) {
        pBar->DestroyWindow();
        pFrame->OnSetPreviewMode(FALSE, pState);
        return FALSE;
    }
    if (!pView->SetPrintView(pPrintView)) {
        pView->DestroyWindow();
        pBar->DestroyWindow();
        pFrame->OnSetPreviewMode(FALSE, pState);
        return FALSE;
    }
    pView->m_pPreviewState = pState;
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    pView->SetFocus();
    pFrame->UpdateWindow();
    return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    if (pView->m_pPrintView != nullptr) {
        pView->m_pPrintView->OnEndPrinting(pDC, pInfo);
        pView->m_pPrintView = nullptr;
    }
    CFrameWnd* pFrame = pView->GetParentFrame();
    pView->m_pToolBar->DestroyWindow();
    pView->m_pToolBar = nullptr;
    pFrame->OnSetPreviewMode(FALSE, pView->m_pPreviewState);
    pView->DestroyWindow();
    pFrame->RecalcLayout();
    pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    pFrame->UpdateWindow();
}
