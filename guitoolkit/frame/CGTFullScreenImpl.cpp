#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>

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
