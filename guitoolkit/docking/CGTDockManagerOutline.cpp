// The outline a dragged window draws: the place its drop would take.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingTargets.h>

namespace {
// Over a pane's caption or tabs the drop makes a tab of it: the whole pane, with the tab flag;
// within the margin of one of its edges it docks beside it: the half on that side.
BOOL PaneOutline(CGTBarContainerManager& iGroup, CGTDockingControlBar& iDragged, CPoint iPoint,
                 CGTDockManager* iManager, CRect& oRect, BOOL& oDrawTab, CGTDockingControlBar*& oTarget)
{
    BOOL tabArea = FALSE;
    BOOL caption = FALSE;
    CGTDockingControlBar* pane =
        iGroup.ControlBarFromPoint(iPoint, CGTDockManager::s_nDockMargin, TRUE, tabArea, caption);
    if (pane == nullptr || pane == &iDragged || !pane->CanAcceptBar(&iDragged))
        return FALSE;
    CRect rect;
    pane->GetWindowRect(&rect);
    DWORD side = 0;
    if (tabArea || caption) {
        oDrawTab = TRUE;
    } else if (HitTestBarDockingTarget(iPoint, pane, CGTDockManager::s_nDockMargin, iManager, FALSE, side, GTSideAny)) {
        switch (side) {
        case GTSideLeft:
            rect.right = rect.left + rect.Width() / 2;
            break;
        case GTSideRight:
            rect.left = rect.right - rect.Width() / 2;
            break;
        case GTSideTop:
            rect.bottom = rect.top + rect.Height() / 2;
            break;
        default:
            rect.top = rect.bottom - rect.Height() / 2;
            break;
        }
    } else {
        return FALSE;
    }
    oRect = rect;
    oTarget = pane;
    return TRUE;
}
}  // namespace

BOOL CGTDockManager::PaneDropOutline(CGTDockingControlBar& iDragged, CGTMiniFrameWnd* iDraggedFrame, CPoint iPoint,
                                     CRect& oRect, BOOL& oDrawTab, CGTDockingControlBar*& oTarget)
{
    if (auto* multi = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, FindMiniFrameAtPoint(iPoint, iDraggedFrame, TRUE)))
        return PaneOutline(multi->GetContainerManager(), iDragged, iPoint, this, oRect, oDrawTab, oTarget);
    auto* pane = DYNAMIC_DOWNCAST(
        CGTDockingControlBar,
        FindBarAtPoint(iPoint, s_nDockMargin, TRUE, RUNTIME_CLASS(CGTDockingControlBar), TRUE, &iDragged));
    CGTSlider* slider =
        pane != nullptr && pane->GetParentMiniFrame() == nullptr ? pane->GetDefaultSliderObject() : nullptr;
    CGTBarContainerManager* group = slider != nullptr ? slider->GetContainerManager() : nullptr;
    return group != nullptr && PaneOutline(*group, iDragged, iPoint, this, oRect, oDrawTab, oTarget);
}

void CGTDockManager::CalcExpectedDockedRect(CWnd* iDragged, CPoint iPoint, CRect& oRect, BOOL& oDrawTab,
                                            CGTDockingControlBar*& oTarget)
{
    oRect.SetRectEmpty();
    oDrawTab = FALSE;
    oTarget = nullptr;
    if (iDragged == nullptr || m_pOwnerFrame == nullptr || CGTKeyState::Current().IsDown(VK_CONTROL))
        return;
    auto* frame = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, iDragged);
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, frame != nullptr ? frame->GetBar() : iDragged);
    if (bar == nullptr)
        return;
    auto* draggedPane = DYNAMIC_DOWNCAST(CGTDockingControlBar, bar);
    if (draggedPane != nullptr && PaneDropOutline(*draggedPane, frame, iPoint, oRect, oDrawTab, oTarget))
        return;
    DWORD side = 0;
    BOOL outer = FALSE;
    if (!IsPointNearDockArea(iPoint, side, outer) || !(side & bar->GetEnabledAlignment()))
        return;
    CRect rect = outer ? m_rectOuterEdge : m_rectFreeArea;
    CRect dragged;
    iDragged->GetWindowRect(&dragged);
    switch (InLayoutDirection(side)) {
    case GTSideLeft:
        rect.right = rect.left + dragged.Width();
        break;
    case GTSideRight:
        rect.left = rect.right - dragged.Width();
        break;
    case GTSideTop:
        rect.bottom = rect.top + dragged.Height();
        break;
    default:
        rect.top = rect.bottom - dragged.Height();
        break;
    }
    CutDockStripFromRect(rect, side);
    oRect = ToScreen(rect);
}
