#include "afxoleimpl.h"

IMPLEMENT_DYNCREATE(COleIPFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(COleDocIPFrameWnd, COleIPFrameWnd)

BEGIN_MESSAGE_MAP(COleIPFrameWnd, CFrameWnd)
    ON_MESSAGE_VOID(WM_IDLEUPDATECMDUI, &COleIPFrameWnd::OnIdleUpdateCmdUI)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

COleIPFrameWnd::COleIPFrameWnd() : m_pMainFrame(nullptr), m_pDocFrame(nullptr) {}

COleIPFrameWnd::~COleIPFrameWnd()
{
    EndInPlace();
}

BOOL COleIPFrameWnd::BeginInPlace(HWND hWndContainerFrame, HWND hWndContainerDoc)
{
    if (!Wrap(&m_pMainFrame, hWndContainerFrame))
        return FALSE;
    if (hWndContainerDoc == nullptr || hWndContainerDoc == hWndContainerFrame)
        Unwrap(&m_pDocFrame);
    else if (!Wrap(&m_pDocFrame, hWndContainerDoc))
        return FALSE;
    return OnCreateControlBars(m_pMainFrame, m_pDocFrame);
}

void COleIPFrameWnd::EndInPlace()
{
    Unwrap(&m_pDocFrame);
    Unwrap(&m_pMainFrame);
}

BOOL COleIPFrameWnd::Wrap(COleCntrFrameWnd** ppFrame, HWND hWnd)
{
    if (*ppFrame != nullptr && (*ppFrame)->m_hWnd == hWnd)
        return TRUE;
    Unwrap(ppFrame);
    COleCntrFrameWnd* pFrame = new COleCntrFrameWnd(this);
    if (!pFrame->Attach(hWnd)) {
        delete pFrame;
        return FALSE;
    }
    *ppFrame = pFrame;
    return TRUE;
}

void COleIPFrameWnd::Unwrap(COleCntrFrameWnd** ppFrame)
{
    COleCntrFrameWnd* pFrame = *ppFrame;
    if (pFrame == nullptr)
        return;
    *ppFrame = nullptr;
    while (!pFrame->m_listControlBars.IsEmpty()) {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.RemoveHead());
        pBar->m_pDockSite = nullptr;
        if (m_hWnd == nullptr || pBar->m_hWnd == nullptr)
            continue;
        pBar->ShowWindow(SW_HIDE);
        pBar->SetParent(this);
        pBar->m_pDockSite = this;
        AddControlBar(pBar);
    }
    pFrame->Detach();
    delete pFrame;
}

BOOL COleIPFrameWnd::OnCreateControlBars(CFrameWnd*, CFrameWnd*)
{
    return TRUE;
}

void COleIPFrameWnd::OnIdleUpdateCmdUI()
{
    CFrameWnd::OnIdleUpdateCmdUI();
    for (COleCntrFrameWnd* pFrame : {m_pMainFrame, m_pDocFrame})
        if (pFrame != nullptr)
            AfxCallWndProc(pFrame, pFrame->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
}

void COleIPFrameWnd::OnDestroy()
{
    EndInPlace();
    CFrameWnd::OnDestroy();
}

// --- COleCntrFrameWnd --------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(COleCntrFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(COleCntrFrameWnd, CFrameWnd)
    ON_MESSAGE_VOID(WM_IDLEUPDATECMDUI, &COleCntrFrameWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

COleCntrFrameWnd::COleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame) : m_pInPlaceFrame(pInPlaceFrame) {}

void COleCntrFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    if (auto pDoc = DYNAMIC_DOWNCAST(COleServerDoc, m_pInPlaceFrame->GetActiveDocument()))
        pDoc->OnResizeBorder(nullptr, this);
    m_bInRecalcLayout = FALSE;
}

void COleCntrFrameWnd::OnIdleUpdateCmdUI()
{
    if (m_nIdleFlags & idleLayout)
        RecalcLayout(m_nIdleFlags & idleNotify);
    m_nIdleFlags = 0;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr)
            AfxCallWndProc(pBar, pBar->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    }
}
