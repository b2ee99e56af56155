#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <cstdlib>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/GTDockingTargets.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

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
