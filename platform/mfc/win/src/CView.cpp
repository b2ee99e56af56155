#include "afxstate.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_INITIALUPDATE, &CView::OnInitialUpdateMsg)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(nullptr) {}

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxEndDeferRegisterClass(_afxWndFrameOrView);
        cs.lpszClass = _afxWndFrameOrView;
    }
    return TRUE;
}

void CView::PostNcDestroy()
{
    delete this;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // A job of unknown length prints page 1 only, unless a view says more.
    if (pInfo != nullptr)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this);
    return nResult;
}

void CView::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this, FALSE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this && ::GetFocus() != m_hWnd && IsWindowVisible())
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}
void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

LRESULT CView::OnInitialUpdateMsg(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}
