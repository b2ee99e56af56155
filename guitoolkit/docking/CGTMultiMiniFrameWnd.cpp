// The floating frame of several panes: its bars live in its container manager's tree, which
// it lays out in its client area; it shows the title of a lone visible pane, and it goes when
// its tree is empty and no hidden pane's recent place still names a node of it.
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/GTDockingTargets.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <vector>

IMPLEMENT_SERIAL(CGTMultiMiniFrameWnd, CGTMiniFrameWnd, VERSIONABLE_SCHEMA | 3)

BEGIN_MESSAGE_MAP(CGTMultiMiniFrameWnd, CGTMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_REGISTERED_MESSAGE(GTMSG_CHECKEMPTYMINIFRAME, &CGTMultiMiniFrameWnd::OnCheckEmptyTree)
END_MESSAGE_MAP()

CGTMultiMiniFrameWnd::CGTMultiMiniFrameWnd() : m_LastFocusedBar(nullptr), m_LoadedTree(FALSE) {}

CGTMultiMiniFrameWnd::~CGTMultiMiniFrameWnd() = default;

int CGTMultiMiniFrameWnd::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTMiniFrameWnd::OnCreate(iCreate) == -1)
        return -1;
    m_ContainerManager.Create(this, nullptr);
    return 0;
}

void CGTMultiMiniFrameWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTMiniFrameWnd::OnSize(iType, iWidth, iHeight);
    AdjustBarToClient();
}

void CGTMultiMiniFrameWnd::AttachBar(CGTBaseControlBar* iBar)
{
    if (m_ContainerManager.IsEmpty()) {
        if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, iBar))
            m_ContainerManager.AddControlBar(pane);
        CGTMiniFrameWnd::AttachBar(iBar);
    }
    AfterBarAttached();
    CheckGrippers();
}

void CGTMultiMiniFrameWnd::ReleaseBar(CGTBaseControlBar* iBar, BOOL iDestroyIfEmpty, BOOL iKeepWhenEmpty)
{
    if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, iBar))
        m_ContainerManager.RemoveControlBarFromContainer(pane);
    if (m_ContainerManager.IsEmpty()) {
        CGTMiniFrameWnd::ReleaseBar(iBar, FALSE, iKeepWhenEmpty);
        if (iDestroyIfEmpty)
            PostMessage(GTMSG_CHECKEMPTYMINIFRAME);
        AfterBarReleased();
        return;
    }
    CGTMiniFrameWnd::SwapBar(iBar, m_ContainerManager.GetFirstControlBar());
    CheckGrippers();
    AdjustBarToClient();
    SendMessage(WM_NCPAINT);
    AfterBarReleased();
}

LRESULT CGTMultiMiniFrameWnd::OnCheckEmptyTree(WPARAM, LPARAM)
{
    CGTBarContainer* root = m_ContainerManager.GetRoot();
    if (root != nullptr)
        root->CollapseAll();
    const int nodes = m_ContainerManager.GetNodeCount();
    const BOOL unused =
        nodes == 0 || (nodes == 1 && root->IsContainerEmpty() && m_ContainerManager.GetTotalReferenceCount() == 0);
    if (unused || m_ContainerManager.GetVisibleBarCount() == 0) {
        if (IsInMoveMode())
            LeaveMoveMode();
        if (unused)
            DestroyWindow();
        else
            ShowWindow(SW_HIDE);
    }
    return 0;
}

void CGTMultiMiniFrameWnd::CheckGrippers()
{
    if (!IsWindowVisible())
        return;
    if (m_ContainerManager.GetVisibleBarCount() == 1) {
        if (CGTDockingControlBar* only = m_ContainerManager.GetFirstVisibleBar())
            only->EnableGripper(FALSE);
        return;
    }
    m_ContainerManager.EnableGrippers(TRUE);
}

int CGTMultiMiniFrameWnd::GetBarCount() const
{
    return static_cast<int>(m_ContainerManager.GetBars().GetCount());
}

BOOL CGTMultiMiniFrameWnd::IsBarVisible() const
{
    return m_ContainerManager.GetVisibleBarCount() > 0;
}

CWnd* CGTMultiMiniFrameWnd::GetBar() const
{
    return m_ContainerManager.GetFirstControlBar();
}

CWnd* CGTMultiMiniFrameWnd::VisibleBarOrNull() const
{
    return m_ContainerManager.GetFirstVisibleBar();
}

CString CGTMultiMiniFrameWnd::GetCaptionText() const
{
    CString text;
    if (m_ContainerManager.GetVisibleBarCount() == 1)
        m_ContainerManager.GetFirstVisibleBar()->GetWindowText(text);
    return text;
}

CGTBaseControlBar* CGTMultiMiniFrameWnd::BarUnderPoint(CPoint iScreenPoint, int iSensitivity, BOOL iIncludeHidden)
{
    if (!iIncludeHidden && !IsWindowVisible())
        return nullptr;
    BOOL tabArea = FALSE;
    BOOL caption = FALSE;
    return m_ContainerManager.ControlBarFromPoint(iScreenPoint, iSensitivity, TRUE, tabArea, caption);
}

void CGTMultiMiniFrameWnd::AdjustBarToClient()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    HDWP defer = ::BeginDeferWindowPos(20);
    m_ContainerManager.ResizeBarContainers(client, defer);
    if (defer != nullptr)
        ::EndDeferWindowPos(defer);
}

void CGTMultiMiniFrameWnd::AdjustLayout()
{
    AdjustBarToClient();
}

void CGTMultiMiniFrameWnd::ForgetDeadBar()
{
    m_ContainerManager.RemoveNonValidBars();
}

CGTDockingControlBar* CGTMultiMiniFrameWnd::TargetAtCursor(DWORD& oSide, BOOL& oAsTab)
{
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    BOOL tabArea = FALSE;
    BOOL caption = FALSE;
    CGTDockingControlBar* target =
        m_ContainerManager.ControlBarFromPoint(cursor, CGTDockManager::s_nDockMargin, TRUE, tabArea, caption);
    oSide = GTSideLeft;
    if (target != nullptr &&
        !HitTestBarDockingTarget(cursor, target, CGTDockManager::s_nDockMargin, nullptr, FALSE, oSide, GTSideAny))
        oSide = GTSideLeft;
    oAsTab = tabArea || caption;
    return target;
}

void CGTMultiMiniFrameWnd::AfterTreeChanged()
{
    CheckGrippers();
    AdjustBarToClient();
    // The panes' captions are their frames': each is drawn anew with the frame.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    for (POSITION at = m_ContainerManager.GetBars().GetHeadPosition(); at != nullptr;)
        static_cast<CWnd*>(m_ContainerManager.GetBars().GetNext(at))
            ->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    AfterBarAttached();
}

BOOL CGTMultiMiniFrameWnd::DockFrame(CGTMiniFrameWnd* iOther, int iMethod)
{
    auto* other = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, iOther);
    if (other == nullptr || other == this || other->m_ContainerManager.IsEmpty() ||
        (iMethod != GTDockByMouse && iMethod != 5))
        return TRUE;
    DWORD side = GTSideLeft;
    BOOL asTab = FALSE;
    CGTDockingControlBar* target = TargetAtCursor(side, asTab);
    if (target == nullptr)
        return TRUE;
    std::vector<CGTDockingControlBar*> moved;
    for (POSITION at = other->m_ContainerManager.GetBars().GetHeadPosition(); at != nullptr;)
        moved.push_back(static_cast<CGTDockingControlBar*>(other->m_ContainerManager.GetBars().GetNext(at)));
    const BOOL docked = asTab ? m_ContainerManager.AddContainerManagerToTabWnd(target, &other->m_ContainerManager)
                              : m_ContainerManager.AddContainerManager(target, side, &other->m_ContainerManager, TRUE);
    if (!docked)
        return TRUE;
    for (CGTDockingControlBar* pane : moved) {
        if (::IsWindow(pane->GetSafeHwnd()))
            OnBarEntering(pane);
    }
    // Posted: the other frame may be the one whose move brought it here.
    other->PostMessage(GTMSG_CHECKEMPTYMINIFRAME);
    AfterTreeChanged();
    return FALSE;
}

BOOL CGTMultiMiniFrameWnd::DockBar(CGTDockingControlBar* iPane)
{
    DWORD side = GTSideLeft;
    BOOL asTab = FALSE;
    CGTDockingControlBar* target = iPane != nullptr ? TargetAtCursor(side, asTab) : nullptr;
    if (target == nullptr || target == iPane)
        return FALSE;
    iPane->UnDockControlBar(TRUE);
    iPane->SetParent(this);
    if (!m_ContainerManager.InsertControlBar(iPane, target, side))
        return FALSE;
    OnBarEntering(iPane);
    AfterTreeChanged();
    return TRUE;
}

void CGTMultiMiniFrameWnd::ReturnBarToDock()
{
    std::vector<CGTDockingControlBar*> panes;
    for (POSITION at = m_ContainerManager.GetBars().GetHeadPosition(); at != nullptr;) {
        auto* pane = static_cast<CGTDockingControlBar*>(m_ContainerManager.GetBars().GetNext(at));
        if (pane->IsWindowVisible())
            panes.push_back(pane);
    }
    for (CGTDockingControlBar* pane : panes)
        pane->StoreRecentDockInfo();
    for (CGTDockingControlBar* pane : panes) {
        OnBarLeaving(pane);
        pane->DockToTarget(nullptr, nullptr, GTDockToRecentPlace);
    }
    PostMessage(GTMSG_CHECKEMPTYMINIFRAME);
    // The panes left their places in the owner's client area, which shows them newly laid out.
    if (CWnd* owner = CWnd::FromHandlePermanent(GetOwnerFrameHandle()))
        owner->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

BOOL CGTMultiMiniFrameWnd::AddRecentControlBar(CGTDockingControlBar*)
{
    return FALSE;
}

void CGTMultiMiniFrameWnd::OnBarLeaving(CGTDockingControlBar* iPane)
{
    RegisterFloatingBarId(iPane, FALSE);
}

BOOL CGTMultiMiniFrameWnd::OnBarEntering(CGTDockingControlBar* iPane)
{
    RegisterFloatingBarId(iPane, TRUE);
    return TRUE;
}
