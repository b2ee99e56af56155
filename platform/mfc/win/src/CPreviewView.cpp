// The print preview view: pages of a printing view, scaled, on a grey desk.
#include "afxstate.h"
#include <numeric>

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

static const int kGap = 8;     // pixels around and between the pages
static const int kShadow = 3;  // pixels of a page's shadow

// Closing a frame during its preview ends the preview.
static BOOL CALLBACK ClosePreview(CFrameWnd* pFrame)
{
    if (CWnd* pView = DYNAMIC_DOWNCAST(CPreviewView, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)))
        pView->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    return FALSE;
}

CPrintPreviewState::CPrintPreviewState()
    : nIDMainPane(AFX_IDW_PANE_FIRST), hMenu(nullptr), dwStates(0), hWndFocus(nullptr), hAccelTable(nullptr),
      lpfnCloseProc(ClosePreview)
{
}

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, &CPreviewView::OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, &CPreviewView::OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnNumPageChange)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, &CPreviewView::OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnUpdateNumPageChange)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnUpdateZoomOut)
END_MESSAGE_MAP()

CPreviewView::CPreviewView()
    : m_pPreviewState(nullptr), m_pToolBar(nullptr), m_pOrigView(nullptr), m_pPrintView(nullptr), m_pPreviewDC(nullptr),
      m_pPreviewInfo(nullptr), m_nZoomState(ZOOM_OUT), m_nPages(1), m_nZoomOutPages(1), m_nCurrentPage(1),
      m_hWndPrintView(nullptr), m_nScaleNum(1), m_nScaleDenom(1)
{
}

CPreviewView::~CPreviewView()
{
    delete m_pPreviewDC;  // before the print info, which holds the printer's DC
    delete m_pPreviewInfo;
    delete m_pPreviewState;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView)
{
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_bPreview = TRUE;
    if (!pPrintView->OnPreparePrinting(m_pPreviewInfo) || m_pPreviewInfo->m_pPrinterDC == nullptr)
        return FALSE;
    m_pPrintView = pPrintView;
    m_hWndPrintView = pPrintView->m_hWnd;
    m_pPreviewDC = new CPreviewDC;
    m_pPreviewDC->SetPrinterDC(m_pPreviewInfo->m_pPrinterDC);
    m_sizePrinterPage.cx = m_pPreviewDC->GetDeviceCaps(HORZRES);
    m_sizePrinterPage.cy = m_pPreviewDC->GetDeviceCaps(VERTRES);
    pPrintView->OnBeginPrinting(m_pPreviewDC, m_pPreviewInfo);
    m_nZoomOutPages = m_pPreviewInfo->m_nNumPreviewPages == 2 ? 2 : 1;
    m_nCurrentPage = m_pPreviewInfo->GetFromPage();
    SetZoomState(ZOOM_OUT);
    return TRUE;
}

void CPreviewView::OnDestroy()
{
    // A frame that goes during the preview takes it along: printing still ends, unless the
    // printing view has gone first.
    if (m_pPrintView != nullptr && CWnd::FromHandlePermanent(m_hWndPrintView) == m_pPrintView)
        m_pPrintView->OnEndPrinting(m_pPreviewDC, m_pPreviewInfo);
    m_pPrintView = nullptr;
    CScrollView::OnDestroy();
}

void CPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    CString strFormat;
    if (m_pPreviewInfo == nullptr ||
        !AfxExtractSubString(strFormat, m_pPreviewInfo->m_strPageDesc, (int)nPagesDisplayed - 1) || strFormat.IsEmpty())
        return;
    CString strText;
    if (nPagesDisplayed == 1)
        strText.Format(strFormat, nPage);
    else
        strText.Format(strFormat, nPage, nPage + nPagesDisplayed - 1);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetMessageText(strText);
}

// --- Pages ---------------------------------------------------------------------------------------

BOOL CPreviewView::PageExists(UINT nPage)
{
    if (m_pPrintView == nullptr || nPage < m_pPreviewInfo->GetMinPage())
        return FALSE;
    if (m_pPreviewInfo->GetMaxPage() != 0xFFFF)
        return nPage <= m_pPreviewInfo->GetMaxPage();
    // A job of unknown length: the printing view tells, as it would when printing that page.
    UINT nCurPage = m_pPreviewInfo->m_nCurPage;
    m_pPreviewInfo->m_nCurPage = nPage;
    int nSaved = m_pPreviewDC->SaveDC();
    m_pPrintView->OnPrepareDC(m_pPreviewDC, m_pPreviewInfo);
    m_pPreviewDC->RestoreDC(nSaved);
    m_pPreviewInfo->m_nCurPage = nCurPage;
    return m_pPreviewInfo->m_bContinuePrinting;
}

UINT CPreviewView::GetPagesShown()
{
    return m_nPages == 2 && PageExists(m_nCurrentPage + 1) ? 2 : 1;
}

void CPreviewView::SetCurrentPage(UINT nPage)
{
    if (!PageExists(nPage))
        return;
    m_nCurrentPage = nPage;
    Invalidate();
    OnDisplayPageNumber(m_nCurrentPage, GetPagesShown());
}

void CPreviewView::SetZoomState(UINT nNewState)
{
    m_nZoomState = std::min<UINT>(nNewState, ZOOM_IN);
    m_nPages = m_nZoomState == ZOOM_OUT ? m_nZoomOutPages : 1;
    PositionPages();
    Invalidate();
    OnDisplayPageNumber(m_nCurrentPage, GetPagesShown());
}

void CPreviewView::PositionPages()
{
    if (m_hWnd == nullptr || m_sizePrinterPage.cx <= 0 || m_sizePrinterPage.cy <= 0)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    // Zoomed out, the pages fit the view; zoomed in, a page has its printed size.
    int nRoomX = std::max(1, (rectClient.Width() - (int)(m_nPages + 1) * kGap) / (int)m_nPages);
    int nRoomY = std::max(1, rectClient.Height() - 2 * kGap);
    bool bWidthBound = (LONGLONG)nRoomX * m_sizePrinterPage.cy < (LONGLONG)nRoomY * m_sizePrinterPage.cx;
    int nFitNum = bWidthBound ? nRoomX : nRoomY;
    int nFitDenom = bWidthBound ? m_sizePrinterPage.cx : m_sizePrinterPage.cy;
    int nActualNum = CWindowDC(nullptr).GetDeviceCaps(LOGPIXELSX);
    int nActualDenom = std::max(1, m_pPreviewDC->GetDeviceCaps(LOGPIXELSX));
    switch (m_nZoomState) {
    case ZOOM_OUT:
        m_nScaleNum = nFitNum;
        m_nScaleDenom = nFitDenom;
        break;
    case ZOOM_MIDDLE:
        m_nScaleNum = nFitNum * nActualDenom + nActualNum * nFitDenom;
        m_nScaleDenom = 2 * nFitDenom * nActualDenom;
        break;
    default:
        m_nScaleNum = nActualNum;
        m_nScaleDenom = nActualDenom;
        break;
    }
    int nDivisor = std::gcd(m_nScaleNum, m_nScaleDenom);
    m_nScaleNum /= nDivisor;
    m_nScaleDenom /= nDivisor;
    CSize sizePage(::MulDiv(m_sizePrinterPage.cx, m_nScaleNum, m_nScaleDenom),
                   ::MulDiv(m_sizePrinterPage.cy, m_nScaleNum, m_nScaleDenom));
    // Zoomed in, the page scrolls; the pages stand centred in the room they have.
    CSize sizeTotal(0, 0);
    if (m_nZoomState != ZOOM_OUT)
        sizeTotal = CSize(sizePage.cx + 2 * kGap, sizePage.cy + 2 * kGap);
    SetScrollSizes(MM_TEXT, sizeTotal);
    GetClientRect(&rectClient);
    int nWidth = (int)m_nPages * sizePage.cx + (int)(m_nPages - 1) * kGap;
    CPoint ptFirst(std::max(kGap, (rectClient.Width() - nWidth) / 2),
                   std::max(kGap, (rectClient.Height() - (int)sizePage.cy) / 2));
    for (UINT i = 0; i < m_nPages; i++)
        m_rectPages[i] = CRect(CPoint(ptFirst.x + (int)i * (sizePage.cx + kGap), ptFirst.y), sizePage);
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
    if (!m_bInsideUpdate)  // the bars that PositionPages shows resize the view again
        PositionPages();
}

BOOL CPreviewView::OnEraseBkgnd(CDC*)
{
    return TRUE;  // OnDraw covers everything
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->DPtoLP(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_APPWORKSPACE));
    if (m_pPrintView == nullptr)
        return;
    for (UINT i = 0, nPages = GetPagesShown(); i < nPages; i++)
        DrawPage(pDC, i);
}

void CPreviewView::DrawPage(CDC* pDC, UINT nIndex)
{
    // The sheet: white with a frame and a shadow.
    const CRect& rect = m_rectPages[nIndex];
    pDC->FillSolidRect(rect.left + kShadow, rect.top + kShadow, rect.Width(), rect.Height(),
                       ::GetSysColor(COLOR_BTNSHADOW));
    CRect rectFrame = rect;
    rectFrame.InflateRect(1, 1);
    CBrush brushFrame(RGB(0, 0, 0));
    pDC->FrameRect(&rectFrame, &brushFrame);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));

    // The page as the printing view prints it, through the preview DC.
    CRect rectDevice = rect;
    pDC->LPtoDP(&rectDevice);
    int nSaved = pDC->SaveDC();
    m_pPreviewDC->SetOutputDC(pDC->m_hDC);
    m_pPreviewDC->SetScaleRatio(m_nScaleNum, m_nScaleDenom);
    m_pPreviewDC->SetTopLeftOffset(rectDevice.TopLeft());
    m_pPreviewDC->ClipToPage(&rectDevice);
    m_pPreviewInfo->m_nCurPage = m_nCurrentPage + nIndex;
    m_pPrintView->OnPrepareDC(m_pPreviewDC, m_pPreviewInfo);
    if (m_pPreviewInfo->m_bContinuePrinting) {
        m_pPreviewInfo->m_rectDraw.SetRect(0, 0, m_sizePrinterPage.cx, m_sizePrinterPage.cy);
        m_pPreviewDC->DPtoLP(&m_pPreviewInfo->m_rectDraw);
        m_pPrintView->OnPrint(m_pPreviewDC, m_pPreviewInfo);
    }
    m_pPreviewDC->ReleaseOutputDC();
    pDC->RestoreDC(nSaved);
}

// --- Commands ------------------------------------------------------------------------------------

void CPreviewView::OnPreviewClose()
{
    m_pOrigView->OnEndPrintPreview(m_pPreviewDC, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint()
{
    CFrameWnd* pFrame = GetParentFrame();
    OnPreviewClose();  // this view is gone now
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnNextPage()
{
    if (PageExists(m_nCurrentPage + m_nPages))
        SetCurrentPage(m_nCurrentPage + 1);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > m_pPreviewInfo->GetMinPage())
        SetCurrentPage(m_nCurrentPage - 1);
}

void CPreviewView::OnNumPageChange()
{
    m_nZoomOutPages = m_nZoomOutPages == 1 ? 2 : 1;
    SetZoomState(m_nZoomState);
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState != ZOOM_IN)
        SetZoomState(m_nZoomState + 1);
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState != ZOOM_OUT)
        SetZoomState(m_nZoomState - 1);
}

void CPreviewView::OnLButtonDown(UINT, CPoint)
{
    SetZoomState(m_nZoomState == ZOOM_IN ? ZOOM_OUT : m_nZoomState + 1);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(PageExists(m_nCurrentPage + m_nPages));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPreviewInfo != nullptr && m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    // The button offers the other choice.
    CString strText;
    strText.LoadString(m_nZoomOutPages == 1 ? AFX_IDS_TWOPAGE : AFX_IDS_ONEPAGE);
    pCmdUI->SetText(strText);
    // Two pages side by side only where there is a second page; back to one always.
    pCmdUI->Enable(
        m_nZoomState == ZOOM_OUT &&
        (m_nZoomOutPages == 2 || (m_pPreviewInfo != nullptr && PageExists(m_pPreviewInfo->GetMinPage() + 1))));
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != ZOOM_IN);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != ZOOM_OUT);
}
