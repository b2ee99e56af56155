#include <guitoolkit/frame/CGTOleCntrFrameWnd.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>

IMPLEMENT_DYNAMIC(CGTOleCntrFrameWnd, COleCntrFrameWnd)

BEGIN_MESSAGE_MAP(CGTOleCntrFrameWnd, COleCntrFrameWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CGTOleCntrFrameWnd::CGTOleCntrFrameWnd(COleIPFrameWnd* iInPlaceFrame)
    : COleCntrFrameWnd(iInPlaceFrame), m_CreatedByInPlaceFrame(FALSE), m_InRecalcLayout(FALSE)
{
}

BOOL CGTOleCntrFrameWnd::PreCreateWindow(CREATESTRUCT& ioCreate)
{
    m_DockManager.SetOwnerFrame(this);
    return COleCntrFrameWnd::PreCreateWindow(ioCreate);
}

void CGTOleCntrFrameWnd::BindDockManager()
{
    m_DockManager.SetOwnerFrame(this);
}

void CGTOleCntrFrameWnd::RecalcLayout(BOOL iNotify)
{
    if (m_InRecalcLayout)
        return;
    m_InRecalcLayout = TRUE;
    COleCntrFrameWnd::RecalcLayout(iNotify);
    m_DockManager.RecalcLayout();
    if (m_pInPlaceFrame != nullptr && m_pInPlaceFrame->GetSafeHwnd() != nullptr)
        m_pInPlaceFrame->RecalcLayout(iNotify);
    m_InRecalcLayout = FALSE;
}

void CGTOleCntrFrameWnd::AdjustDockingLayout(HDWP)
{
    COleCntrFrameWnd::RecalcLayout();
}

void CGTOleCntrFrameWnd::OnMoveMiniFrame(CGTMiniFrameWnd* iFrame)
{
    m_DockManager.ProcessFloatingFrameMove(iFrame);
}

void CGTOleCntrFrameWnd::ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    iBar->ShowBar(iShow, iDelay, iActivate);
}

void CGTOleCntrFrameWnd::ShowAllBars(BOOL iShow)
{
    m_DockManager.ShowAllBars(iShow);
    AdjustDockingLayout();
}

void CGTOleCntrFrameWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    CFrameWnd::OnSize(iType, iWidth, iHeight);
    if (iType != SIZE_MINIMIZED)
        AdjustDockingLayout();
}
