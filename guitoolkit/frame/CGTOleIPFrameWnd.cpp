#include <guitoolkit/frame/CGTOleIPFrameWnd.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/frame/CGTOleCntrFrameWnd.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>

CGTInPlaceFrameState::CGTInPlaceFrameState(COleIPFrameWnd& iFrame, CGTDockManager& iDockManager)
    : m_Frame(iFrame), m_DockManager(iDockManager), m_PreviousActive(nullptr), m_InRecalcLayout(FALSE)
{
    m_DockManager.SetOwnerFrame(&m_Frame);
}

BOOL CGTInPlaceFrameState::WrapContainerFrame()
{
    if (m_Frame.m_pMainFrame == nullptr || m_Frame.m_pMainFrame->IsKindOf(RUNTIME_CLASS(CGTOleCntrFrameWnd)))
        return TRUE;
    auto* wrapper = new CGTOleCntrFrameWnd(&m_Frame);
    const HWND window = m_Frame.m_pMainFrame->Detach();
    delete m_Frame.m_pMainFrame;
    wrapper->Attach(window);
    wrapper->BindDockManager();
    wrapper->SetCreatedByInPlaceFrame();
    m_Frame.m_pMainFrame = wrapper;
    return TRUE;
}

void CGTInPlaceFrameState::OnActivate(UINT iState)
{
    if (iState == WA_INACTIVE) {
        OnDeactivateOrDestroy();
        return;
    }
    if (iState == WA_CLICKACTIVE)
        m_Frame.UpdateWindow();
    CFrameWnd* active = GetActiveInPlaceFrame();
    if (active == &m_Frame)
        return;
    m_PreviousActive = active != nullptr ? active->GetSafeHwnd() : nullptr;
    SetActiveInPlaceFrame(&m_Frame);
}

void CGTInPlaceFrameState::OnDeactivateOrDestroy()
{
    if (CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu())
        popup->SendMessage(WM_CLOSE);
    if (GetActiveInPlaceFrame() != &m_Frame)
        return;
    // A remembered frame destroyed meanwhile leaves none active.
    CWnd* previous = m_PreviousActive != nullptr ? CWnd::FromHandlePermanent(m_PreviousActive) : nullptr;
    SetActiveInPlaceFrame(DYNAMIC_DOWNCAST(CFrameWnd, previous));
}

void CGTInPlaceFrameState::RecalcLayout()
{
    if (m_InRecalcLayout)
        return;
    m_InRecalcLayout = TRUE;
    m_DockManager.RecalcLayout();
    m_InRecalcLayout = FALSE;
}

IMPLEMENT_DYNCREATE(CGTOleIPFrameWnd, COleIPFrameWnd)

BEGIN_MESSAGE_MAP(CGTOleIPFrameWnd, COleIPFrameWnd)
    ON_WM_ACTIVATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CGTOleIPFrameWnd::CGTOleIPFrameWnd() : m_Impl(this), m_State(*this, m_DockManager)
{
    m_Impl.SetDockManager(&m_DockManager);
}

BOOL CGTOleIPFrameWnd::OnCreateControlBars(CFrameWnd*, CFrameWnd*)
{
    return m_State.WrapContainerFrame();
}

void CGTOleIPFrameWnd::RecalcLayout(BOOL iNotify)
{
    COleIPFrameWnd::RecalcLayout(iNotify);
    m_State.RecalcLayout();
}

BOOL CGTOleIPFrameWnd::PreTranslateMessage(MSG* ioMessage)
{
    return m_Impl.FilterFrameMessage(*ioMessage) || COleIPFrameWnd::PreTranslateMessage(ioMessage);
}

void CGTOleIPFrameWnd::ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    iBar->ShowBar(iShow, iDelay, iActivate);
}

void CGTOleIPFrameWnd::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    COleIPFrameWnd::OnActivate(iState, iOther, iMinimized);
    if (iState == WA_INACTIVE && !CGTToolBar::IsCustomizeMode())
        m_Impl.UpdateMenuBarState();
    m_State.OnActivate(iState);
}

void CGTOleIPFrameWnd::OnDestroy()
{
    m_State.OnDeactivateOrDestroy();
    m_Impl.UpdateMenuBarState();
    COleIPFrameWnd::OnDestroy();
}

void CGTOleIPFrameWnd::OnClose()
{
    m_Impl.OnFrameClosing();
    CFrameWnd::OnClose();
}

IMPLEMENT_DYNCREATE(CGTOleDocIPFrameWnd, COleDocIPFrameWnd)

BEGIN_MESSAGE_MAP(CGTOleDocIPFrameWnd, COleDocIPFrameWnd)
    ON_WM_ACTIVATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CGTOleDocIPFrameWnd::CGTOleDocIPFrameWnd() : m_Impl(this), m_State(*this, m_DockManager)
{
    m_Impl.SetDockManager(&m_DockManager);
}

BOOL CGTOleDocIPFrameWnd::OnCreateControlBars(CFrameWnd*, CFrameWnd*)
{
    return m_State.WrapContainerFrame();
}

void CGTOleDocIPFrameWnd::RecalcLayout(BOOL iNotify)
{
    COleDocIPFrameWnd::RecalcLayout(iNotify);
    m_State.RecalcLayout();
}

BOOL CGTOleDocIPFrameWnd::PreTranslateMessage(MSG* ioMessage)
{
    return m_Impl.FilterFrameMessage(*ioMessage) || COleDocIPFrameWnd::PreTranslateMessage(ioMessage);
}

void CGTOleDocIPFrameWnd::ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    iBar->ShowBar(iShow, iDelay, iActivate);
}

void CGTOleDocIPFrameWnd::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    COleDocIPFrameWnd::OnActivate(iState, iOther, iMinimized);
    // Unlike the plain in-place frame, also while the toolbars are being customised.
    if (iState == WA_INACTIVE)
        m_Impl.UpdateMenuBarState();
    m_State.OnActivate(iState);
}

void CGTOleDocIPFrameWnd::OnDestroy()
{
    m_State.OnDeactivateOrDestroy();
    m_Impl.UpdateMenuBarState();
    COleDocIPFrameWnd::OnDestroy();
}

void CGTOleDocIPFrameWnd::OnClose()
{
    m_Impl.OnFrameClosing();
    CFrameWnd::OnClose();
}
