// The docking decision for a floating frame dragged over the owner frame: where its bar would
// dock, the hover delays before it does, and handing a pane over to a multi-pane frame.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>

namespace {
// The control-bar style bit that lets a pane share a floating frame with others.
const DWORD s_SharesFrameBit = 0x40;

CPoint CursorPosition()
{
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    return cursor;
}

DWORD Now()
{
    return CGTClock::Current().Milliseconds();
}
}  // namespace

CGTBaseControlBar* CGTDockManager::FindDragTarget(CGTControlBar& iBar, int& oCode)
{
    oCode = 0;
    if (iBar.IsKindOf(RUNTIME_CLASS(CGTDockingControlBar))) {
        CGTBaseControlBar* target = nullptr;
        oCode = FindDockTarget(CursorPosition(), s_nDockMargin, iBar.GetEnabledAlignment(), target, &iBar);
        if (target == &iBar)
            oCode = 0;
        return oCode != 0 ? target : nullptr;
    }
    CGTDockBar* dockBar = nullptr;
    if (!iBar.AttachToBar(s_nDockMargin, dockBar) || dockBar == nullptr)
        return nullptr;
    oCode = 1;
    return dockBar;
}

BOOL CGTDockManager::ProcessFloatingFrameMove(CGTMiniFrameWnd* iFrame)
{
    if (iFrame == nullptr || CGTKeyState::Current().IsDown(VK_CONTROL))
        return TRUE;
    CRect window;
    iFrame->GetWindowRect(&window);
    theGlobalUtils.AdjustRectToWorkArea(window);
    iFrame->SetWindowPos(nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CPoint cursor = CursorPosition();
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, iFrame->GetBar());
    const BOOL smart = IsSmartDockingRunning();
    if (bar == nullptr ||
        (!smart && (bar->GetStyleWord() & s_SharesFrameBit) && bar->IsKindOf(RUNTIME_CLASS(CGTDockingControlBar)))) {
        auto* multi = static_cast<CGTMultiMiniFrameWnd*>(FindMiniFrameAtPoint(cursor, iFrame, TRUE));
        if (multi != nullptr && multi->GetOwnerFrameHandle() == iFrame->GetOwnerFrameHandle()) {
            if (m_pHoverFrame == nullptr) {
                m_pHoverFrame = multi;
                m_HoverStart = Now();
            }
            if (m_pHoverFrame != multi || Now() - m_HoverStart < static_cast<DWORD>(s_nPaneDockDelay))
                return TRUE;
            m_pHoverFrame = nullptr;
            m_HoverStart = Now();
            return multi->DockFrame(iFrame, 1);
        }
    }
    m_pHoverFrame = nullptr;
    if (bar == nullptr || !(bar->GetEnabledAlignment() & GTSideAny))
        return TRUE;
    int code = 0;
    CGTBaseControlBar* target = FindDragTarget(*bar, code);
    if (!smart && (target != nullptr || code == 2)) {
        DWORD delay = 0;
        if (target != nullptr && target->IsKindOf(RUNTIME_CLASS(CGTDockBar)))
            delay = static_cast<DWORD>(s_nToolbarDockDelay);
        else if (target == nullptr || target->IsKindOf(RUNTIME_CLASS(CGTDockingControlBar)))
            delay = static_cast<DWORD>(s_nPaneDockDelay);
        if (target != m_pHoverTarget || code != m_nHoverHit) {
            m_pHoverTarget = target;
            m_nHoverHit = code;
            m_HoverStart = Now();
            iFrame->StartDockCheckTimer(delay);
        }
        if (Now() - m_HoverStart < delay)
            return TRUE;
    }
    m_pHoverTarget = nullptr;
    m_nHoverHit = 0;
    m_HoverStart = Now();
    iFrame->StartDockCheckTimer(0);
    switch (code) {
    case 1:
        return target != nullptr ? !bar->DockToTargetByMouse(target) : TRUE;
    case 2:
        return smart ? TRUE : iFrame->DockWithoutDrag(1, target);
    case 3:
        if (smart)
            return TRUE;
        {
            const BOOL result = iFrame->DockWithoutDrag(2, target);
            RecalcLayout();
            return result;
        }
    default:
        return TRUE;
    }
}
