#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/GTDockingTargets.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <cstdlib>

CGTMiniFrameWnd* CGTDockingControlBar::SmartDragFrame() const
{
    if (!(GetDockingMode() & GTDockingSmart))
        return nullptr;
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    if (frame == nullptr || GetRunningSmartDocking(nullptr, GetDockManagerOfFrame(frame)) == nullptr)
        return nullptr;
    return ::GetCapture() == frame->GetSafeHwnd() ? frame : nullptr;
}

void CGTDockingControlBar::FloatPastDragDistance(UINT iFlags, CPoint iPoint)
{
    if (!(iFlags & MK_LBUTTON) || GetCapture() != this) {
        if (!m_ButtonCapture)
            m_PendingFloat = FALSE;
        return;
    }
    CRect window;
    GetWindowRect(&window);
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    if (!window.PtInRect(screen))
        m_LeftWindow = TRUE;
    const CSize moved = iPoint - GetHotPoint();
    if (std::abs(moved.cx) <= ::GetSystemMetrics(SM_CXDRAG) && std::abs(moved.cy) <= ::GetSystemMetrics(SM_CYDRAG))
        return;
    if (!m_LeftWindow) {
        if (auto* tabs = DYNAMIC_DOWNCAST(CGTBaseTabWnd, GetParent()))
            tabs->DetachTab(GTDockByMouse);
        else
            FloatAtRect(GetRecentDockInfo().m_rectRecentFloat, GTDockByMouse, TRUE);
    }
    m_PendingFloat = FALSE;
    m_LeftWindow = FALSE;
}

CGTBaseControlBar* CGTDockingControlBar::FindDockTarget(int, int& oHitCode, BOOL& oHandled)
{
    oHitCode = 0;
    oHandled = FALSE;
    CGTDockManager* manager = GetOwnerDockManager();
    if (manager == nullptr || CGTKeyState::Current().IsDown(VK_CONTROL))
        return nullptr;
    const int sensitivity = (GetDockingMode() & GTDockingSmart) ? -1 : CGTDockManager::s_nDockMargin;
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    CGTBaseControlBar* target = nullptr;
    const int code = manager->FindDockTarget(cursor, sensitivity, GetEnabledAlignment(), target, this);
    if (target == this)
        return nullptr;
    oHitCode = code;
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, target);
    if (pane == nullptr)
        return target;
    if (code == 2 && !pane->IsInFloatingMultiPaneFrameWnd()) {
        oHandled = DockToTarget(pane, nullptr, GTDockAtOutlineDrop);
    } else if (code == 3 && pane->CanAcceptBar(this) && CanBeTabbed()) {
        UnDockControlBar(FALSE);
        oHandled = AttachToTabWnd(pane, GTDockAtOutlineDrop, TRUE) != nullptr;
    }
    return target;
}
