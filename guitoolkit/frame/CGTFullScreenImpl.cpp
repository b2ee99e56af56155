#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
CGTMenuBar* MenuBarOf(CFrameWnd& iFrame)
{
    CGTDockManager* manager = GetDockManagerOfFrame(&iFrame);
    if (manager == nullptr)
        return nullptr;
    CObList bars;
    manager->CollectBars(bars, FALSE, RUNTIME_CLASS(CGTMenuBar));
    return bars.IsEmpty() ? nullptr : static_cast<CGTMenuBar*>(bars.GetHead());
}

void ShowMenuBar(CFrameWnd& ioFrame)
{
    CGTMenuBar* menuBar = MenuBarOf(ioFrame);
    IGTDockingFrame* docking = AsDockingFrame(&ioFrame);
    if (menuBar == nullptr || docking == nullptr)
        return;
    docking->ShowBar(menuBar, TRUE, FALSE, FALSE);
    if (menuBar->IsVisible())
        ioFrame.SetFocus();
}
}  // namespace

CGTFullScreenImpl::CGTFullScreenImpl(CGTFrameImpl* iFrameImpl)
    : m_rectFullScreen(0, 0, 0, 0), m_pFullScreenBar(nullptr), m_bFullScreen(FALSE), m_bSkipMenuRestore(TRUE),
      m_rectFramePrev(0, 0, 0, 0), m_pFrameImpl(iFrameImpl), m_nToolbarId(-1), m_bToolbarFlag(TRUE)
{
}

CGTFullScreenImpl::~CGTFullScreenImpl() = default;

void CGTFullScreenImpl::ShowFullScreen(CFrameWnd* iFrame, UINT iCommandId)
{
    if (m_bFullScreen || iFrame == nullptr || iFrame->GetSafeHwnd() == nullptr)
        return;
    if (CGTWorkspace* workspace = CGTWorkspace::Current())
        workspace->SaveState(m_strRegSection.IsEmpty() ? nullptr : static_cast<LPCWSTR>(m_strRegSection), m_pFrameImpl);
    iFrame->GetWindowRect(&m_rectFramePrev);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(iFrame->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    m_rectFullScreen = monitor.rcMonitor;
    ::AdjustWindowRectEx(&m_rectFullScreen, iFrame->GetStyle(), ::GetMenu(iFrame->GetSafeHwnd()) != nullptr,
                         iFrame->GetExStyle());
    m_bFullScreen = TRUE;
    m_nToolbarId = static_cast<int>(s_FullScreenBarId);
    iFrame->SetRedraw(FALSE);
    HideBars(*iFrame);
    iFrame->SetWindowPos(nullptr, m_rectFullScreen.left, m_rectFullScreen.top, m_rectFullScreen.Width(),
                         m_rectFullScreen.Height(), SWP_NOZORDER);
    iFrame->RecalcLayout();
    iFrame->SetRedraw(TRUE);
    iFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    if (m_bToolbarFlag)
        FloatCloseButton(*iFrame, iCommandId, monitor.rcMonitor);
}

void CGTFullScreenImpl::HideBars(CFrameWnd& ioFrame)
{
    CGTDockManager* manager = GetDockManagerOfFrame(&ioFrame);
    IGTDockingFrame* docking = AsDockingFrame(&ioFrame);
    if (manager == nullptr || docking == nullptr)
        return;
    CObList bars;
    manager->CollectBars(bars, TRUE, RUNTIME_CLASS(CGTBaseControlBar));
    for (POSITION at = bars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTBaseControlBar*>(bars.GetNext(at));
        const BOOL keptMenu = m_bSkipMenuRestore && bar->IsKindOf(RUNTIME_CLASS(CGTMenuBar));
        if (!keptMenu && bar->GetSafeHwnd() != nullptr && bar->IsVisible()) {
            docking->ShowBar(bar, FALSE, FALSE, FALSE);
            m_HiddenBars.push_back(bar->GetSafeHwnd());
        }
    }
}

void CGTFullScreenImpl::ShowHiddenBars(CFrameWnd& ioFrame)
{
    IGTDockingFrame* docking = AsDockingFrame(&ioFrame);
    for (HWND window : m_HiddenBars) {
        auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, CWnd::FromHandlePermanent(window));
        if (bar != nullptr && docking != nullptr)
            docking->ShowBar(bar, TRUE, FALSE, FALSE);
    }
    m_HiddenBars.clear();
}

void CGTFullScreenImpl::FloatCloseButton(CFrameWnd& ioFrame, UINT iCommandId, const CRect& iMonitor)
{
    auto* bar = new CGTToolBar;
    if (!bar->Create(&ioFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, s_FullScreenBarId)) {
        delete bar;
        return;
    }
    m_pFullScreenBar = bar;
    bar->SetWindowText(L"Full Screen");
    auto* button = new CGTToolbarButton(iCommandId, -1, L"Close Full Screen", FALSE, TRUE);
    button->m_ShowText = TRUE;
    button->m_ShowImage = FALSE;
    bar->InsertButton(button);
    bar->SetBehaviourStyle(GTBehaviourCanFloat);
    bar->FloatAtRect(CRect(iMonitor.TopLeft() + CSize(40, 40), CSize(100, 30)), GTDockByRect, TRUE);
    // Floating, the bar measures its button; its frame then fits around it.
    CGTMiniFrameWnd* frame = bar->GetParentMiniFrame();
    const CSize size = bar->CalcFixedLayout(FALSE, TRUE);
    if (frame == nullptr || size.cx <= 0 || size.cy <= 0)
        return;
    bar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame->FitToBarSize();
}

void CGTFullScreenImpl::RestoreFrameState(CFrameWnd* iFrame)
{
    // Only once per full-screen spell: leaving twice would move the frame and reload its
    // layout again.
    if (!m_bFullScreen || m_nToolbarId == -1 || iFrame == nullptr)
        return;
    if (m_pFullScreenBar != nullptr) {
        CWnd* window = m_pFullScreenBar->GetParentMiniFrame();
        if (window == nullptr)
            window = m_pFullScreenBar;
        if (window->GetSafeHwnd() != nullptr)
            window->DestroyWindow();
        delete m_pFullScreenBar;
        m_pFullScreenBar = nullptr;
    }
    m_bFullScreen = FALSE;
    iFrame->SetWindowPos(nullptr, m_rectFramePrev.left, m_rectFramePrev.top, m_rectFramePrev.Width(),
                         m_rectFramePrev.Height(), SWP_NOZORDER);
    // The frame's normal bar layout comes back from the registry, drawn once it is all there.
    // The user toolbars and tear-off bars stayed while full screen; the reload only places them.
    iFrame->SetRedraw(FALSE);
    ShowHiddenBars(*iFrame);
    if (CGTWorkspace* workspace = CGTWorkspace::Current()) {
        const BOOL loadUserToolbars = workspace->m_LoadUserToolbars;
        workspace->m_LoadUserToolbars = FALSE;
        workspace->LoadSDIFrameState(m_strRegSection.IsEmpty() ? nullptr : static_cast<LPCWSTR>(m_strRegSection),
                                     iFrame);
        workspace->m_LoadUserToolbars = loadUserToolbars;
    }
    iFrame->SetRedraw(TRUE);
    iFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    if (!m_bSkipMenuRestore)
        ShowMenuBar(*iFrame);
}

void CGTFullScreenImpl::OnGetMinMaxInfo(MINMAXINFO* ioInfo)
{
    if (!m_bFullScreen || ioInfo == nullptr)
        return;
    const CPoint size(m_rectFullScreen.Width(), m_rectFullScreen.Height());
    ioInfo->ptMaxSize = size;
    ioInfo->ptMaxTrackSize = size;
}
