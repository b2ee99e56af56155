#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/frame/CGTPrintPreviewView.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <afxole.h>
#include <afxoledoc.h>
#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CGTFrameWnd, CFrameWnd)

CGTFrameWnd::CGTFrameWnd()
    : m_Impl(this), m_InContextHelp(FALSE), m_WasMaximized(FALSE), m_Minimized(FALSE), m_PrintPreviewFrame(nullptr),
      m_InRecalcLayout(FALSE)
{
}

CGTFrameWnd::~CGTFrameWnd() = default;

BOOL CGTFrameWnd::PreCreateWindow(CREATESTRUCT& ioCreate)
{
    m_DockManager.SetOwnerFrame(this);
    m_Impl.SetDockManager(&m_DockManager);
    m_Impl.ApplySavedPlacement(ioCreate);
    return CFrameWnd::PreCreateWindow(ioCreate);
}

BOOL CGTFrameWnd::LoadFrame(UINT iResourceId, DWORD iStyle, CWnd* iParent, CCreateContext* iContext)
{
    m_Impl.SetResourceId(iResourceId);
    m_Impl.LoadLargeIconsOption();
    if (!CFrameWnd::LoadFrame(iResourceId, iStyle, iParent, iContext))
        return FALSE;
    m_Impl.NotifyWorkspaceOfLoad();
    return TRUE;
}

BOOL CGTFrameWnd::OnCmdMsg(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo)
{
    return m_Impl.RouteFullScreenCommand(iId, iCode, iExtra, iHandlerInfo) ||
        CFrameWnd::OnCmdMsg(iId, iCode, iExtra, iHandlerInfo) ||
        m_DockManager.RouteBarCommand(iId, iCode, iExtra, iHandlerInfo);
}

// --- Layout ---

void CGTFrameWnd::AdjustDockingLayout(HDWP iDefer)
{
    if (m_DockManager.AreUpdatesLocked() || m_Minimized)
        return;
    m_DockManager.RecalcLayout(iDefer);
    AdjustClientArea();
    if (CGTDockManager::s_bLayoutSuspended)
        RecalcLayout();
}

void CGTFrameWnd::AdjustClientArea()
{
    CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pane == nullptr)
        return;
    CRect area;
    m_DockManager.GetClientAreaBounds(area);
    pane->ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    pane->SetWindowPos(&wndBottom, area.left, area.top, area.Width(), area.Height(), SWP_NOACTIVATE);
}

void CGTFrameWnd::RecalcLayout(BOOL iNotify)
{
    if (m_InRecalcLayout || m_Minimized)
        return;
    m_InRecalcLayout = TRUE;
    if (!m_DockManager.IsPrintPreviewMode() && !CGTDockManager::s_bLayoutSuspended) {
        m_DockManager.RecalcLayout();
        AdjustClientArea();
    } else {
        RecalcSuspendedLayout(iNotify);
    }
    m_InRecalcLayout = FALSE;
}

void CGTFrameWnd::RecalcSuspendedLayout(BOOL iNotify)
{
    auto* preview = DYNAMIC_DOWNCAST(CGTPrintPreviewView, GetActiveView());
    if (preview == nullptr) {
        CFrameWnd::RecalcLayout(iNotify);
        AdjustClientArea();
        return;
    }
    // The preview's toolbar is one of the dock manager's bars: the view takes what it leaves.
    m_DockManager.RecalcLayout();
    CRect area;
    m_DockManager.GetClientAreaBounds(area);
    preview->SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTFrameWnd::OnSetPreviewMode(BOOL iPreview, CPrintPreviewState* ioState)
{
    if (auto* top = DYNAMIC_DOWNCAST(CGTFrameWnd, GetTopLevelFrame()))
        top->m_PrintPreviewFrame = iPreview ? this : nullptr;
    m_DockManager.SetPrintPreviewMode(iPreview);
    const DWORD bars = ioState->dwStates;
    CFrameWnd::OnSetPreviewMode(iPreview, ioState);
    ioState->dwStates = bars;
    AdjustDockingLayout();
    RecalcLayout();
}

BOOL CGTFrameWnd::NegotiateBorderSpace(UINT iBorderCmd, LPRECT ioRect)
{
    return m_Impl.NegotiateBorderSpace(iBorderCmd, ioRect);
}

void CGTFrameWnd::OnUpdateFrameMenu(HMENU iMenuAlt)
{
    CFrameWnd::OnUpdateFrameMenu(iMenuAlt);
    CGTMenuBar* menuBar = m_Impl.GetMenuBar();
    if (menuBar == nullptr || menuBar->GetSafeHwnd() == nullptr || !menuBar->IsVisible())
        return;
    COleClientItem* item = GetActiveInPlaceItem();
    ::SetMenu(GetSafeHwnd(), item != nullptr ? ::GetMenu(GetSafeHwnd()) : nullptr);
}

void CGTFrameWnd::DelayUpdateFrameMenu(HMENU iMenuAlt)
{
    OnUpdateFrameMenu(iMenuAlt);
    CFrameWnd::DelayUpdateFrameMenu(iMenuAlt);
}

COleClientItem* CGTFrameWnd::GetActiveInPlaceItem()
{
    auto* document = DYNAMIC_DOWNCAST(COleDocument, GetActiveDocument());
    return document != nullptr ? document->GetInPlaceActiveItem(GetActiveView()) : nullptr;
}

// --- Bars ---

BOOL CGTFrameWnd::AddBar(CGTBaseControlBar* iBar, BOOL iTail)
{
    return m_DockManager.AddBar(iBar, iTail);
}

BOOL CGTFrameWnd::InsertBarNextTo(CGTBaseControlBar* iBar, CGTBaseControlBar* iTarget, BOOL iAfter)
{
    return m_DockManager.InsertBarNextTo(iBar, iTarget, iAfter);
}

void CGTFrameWnd::RemoveBar(CGTBaseControlBar* iBar, BOOL iDestroy, BOOL iRecalcLayout)
{
    m_DockManager.RemoveBar(iBar, iDestroy, iRecalcLayout);
}

void CGTFrameWnd::DockBar(CGTBaseControlBar* iBar, UINT iDockBarId, LPCRECT iRect)
{
    m_DockManager.DockBar(iBar, iDockBarId, iRect);
}

CGTBaseControlBar* CGTFrameWnd::FindBarAtPoint(CPoint iPoint, int iSensitivity, BOOL iExact, CRuntimeClass* iClass)
{
    return m_DockManager.FindBarAtPoint(iPoint, iSensitivity, iExact, iClass);
}

BOOL CGTFrameWnd::IsPointNearDockArea(CPoint iPoint, DWORD& oAlignment, BOOL& oOuterEdge)
{
    return m_DockManager.IsPointNearDockArea(iPoint, oAlignment, oOuterEdge);
}

BOOL CGTFrameWnd::CreateDockBars(DWORD iSides)
{
    return m_DockManager.CreateDockBars(iSides);
}

BOOL CGTFrameWnd::CreateAutoHideDockBars(DWORD iSides)
{
    return m_DockManager.CreateAutoHideDockBars(iSides);
}

CGTBaseControlBar* CGTFrameWnd::FindBarById(UINT iId)
{
    return m_DockManager.FindBarById(iId, TRUE);
}

void CGTFrameWnd::ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    iBar->ShowBar(iShow, iDelay, iActivate);
}

void CGTFrameWnd::ShowAllBars(BOOL iShow)
{
    m_DockManager.ShowAllBars(iShow);
    AdjustDockingLayout();
}

void CGTFrameWnd::SetFrameMenu(HMENU iMenu)
{
    ::SetMenu(GetSafeHwnd(), iMenu);
}

void CGTFrameWnd::OnMoveMiniFrame(CGTMiniFrameWnd* iFrame)
{
    m_DockManager.ProcessFloatingFrameMove(iFrame);
}

void CGTFrameWnd::RemoveTearOffBar(CGTBaseControlBar* iBar)
{
    m_Impl.RemoveTearOffControlBar(iBar);
}

// --- The toolbars' hooks ---

BOOL CGTFrameWnd::OnShowPopupMenu(CGTPopupMenu* iPopup)
{
    if (!m_Impl.OnShowPopupMenu(iPopup))
        return FALSE;
    return iPopup == nullptr || NotifyPopupMenuShown(iPopup);
}

BOOL CGTFrameWnd::NotifyPopupMenuShown(CGTPopupMenu* iPopup)
{
    CGTFrameImpl::NotifyPopupMenuShown(iPopup);
    return TRUE;
}

void CGTFrameWnd::OnPopupMenuClosed(CGTPopupMenu* iPopup)
{
    m_Impl.OnPopupMenuClosed(iPopup);
}

CGTToolBar* CGTFrameWnd::FindTearOffBar(UINT iTearOffId)
{
    return m_Impl.FindTearOffBar(iTearOffId);
}

void CGTFrameWnd::AddTearOffBar(CGTToolBar* iBar)
{
    m_Impl.AddTearOffBar(iBar);
}

BOOL CGTFrameWnd::IsUserDefinedToolbar(const CGTToolBar* iBar)
{
    return m_Impl.IsUserToolbar(iBar);
}

void CGTFrameWnd::SetMenuBar(CGTMenuBar* iBar)
{
    m_Impl.SetMenuBar(iBar);
}

CGTMenuBar* CGTFrameWnd::GetMenuBar() const
{
    return m_Impl.GetMenuBar();
}

void CGTFrameWnd::EnableMiniFramesForCustomizing(BOOL iEnable)
{
    // Floating mini frames are top-level windows that this frame owns.
    for (HWND window = ::GetWindow(::GetDesktopWindow(), GW_CHILD); window != nullptr;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        auto* frame = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, CWnd::FromHandlePermanent(window));
        if (frame == nullptr || ::GetWindow(window, GW_OWNER) != GetSafeHwnd())
            continue;
        CWnd* bar = frame->GetBar();
        if (bar == nullptr || !bar->IsKindOf(RUNTIME_CLASS(CGTToolBar)))
            frame->EnableWindow(iEnable);
    }
}

BOOL CGTFrameWnd::OnShowCustomizePopupMenu(CGTPopupMenu*, CGTToolBar*)
{
    return TRUE;
}
