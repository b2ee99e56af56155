// Where a docking pane docks: at a frame edge with a default slider of its own, beside
// another pane in that pane's group, back at its recent place, and how it leaves them.
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <algorithm>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingTargets.h>

namespace {
// Window updates locked for a scope.
class UpdateLock {
public:
    explicit UpdateLock(CWnd& iWindow) : m_Locked(iWindow.LockWindowUpdate()) {}
    ~UpdateLock()
    {
        if (m_Locked)
            ::LockWindowUpdate(nullptr);
    }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

private:
    BOOL m_Locked;
};
}  // namespace

BOOL CGTDockingControlBar::DockToFrameWindow(DWORD iAlignment, LPCRECT iRect, int, CGTBaseControlBar*, int,
                                             BOOL iOuterEdge)
{
    CWnd* frame = FindOwnerFrame();
    if (frame == nullptr)
        return FALSE;
    {
        UpdateLock lock(*this);
        ChangeParent(frame, GTDockUnknown);
        if (m_DefaultSlider != nullptr && ::IsWindow(m_DefaultSlider))
            UnDockControlBar(FALSE);
        CGTSlider* slider = CGTSlider::CreateDefaultSlider(iAlignment, frame);
        if (slider == nullptr) {
            ShowWindow(SW_SHOW);
            return FALSE;
        }
        m_DefaultSlider = slider->GetSafeHwnd();
        CRect window;
        GetWindowRect(&window);
        CRect wanted = window;
        const CSize minimum = GetStoredSize();
        wanted.right = std::max<LONG>(wanted.right, wanted.left + minimum.cx);
        wanted.bottom = std::max<LONG>(wanted.bottom, wanted.top + minimum.cy);
        if (CGTDockManager* manager = GetOwnerDockManager())
            manager->CutDockStripFromRect(wanted, iAlignment);
        if (wanted.Size() != window.Size())
            SetWindowPos(nullptr, 0, 0, wanted.Width(), wanted.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        slider->AddControlBar(this);
        if (!iOuterEdge) {
            AddBarToOwnerFrame();
            slider->AddBarToOwnerFrame();
        } else if (CGTDockManager* manager = GetOwnerDockManager()) {
            manager->AddBar(slider, FALSE, FALSE, TRUE);
            manager->AddBar(this, FALSE, FALSE, TRUE);
        }
        SetAlignment(iAlignment);
        slider->SetAlignment(GetCurrentAlignment());
        GetRecentDockInfo().m_dwRecentSide = GetCurrentAlignment();
        EnableGripper(TRUE);
        if (iRect != nullptr) {
            const CRect rect(iRect);
            SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
    AdjustOwnerLayout(FALSE);
    OnAfterDock(this, nullptr, GTDockUnknown);
    return TRUE;
}

BOOL CGTDockingControlBar::DockBesidePane(CGTDockingControlBar* iTarget, DWORD iAlignment, LPCRECT iRect)
{
    CGTSlider* slider = iTarget->GetDefaultSliderObject();
    if (slider == nullptr) {
        ShowWindow(SW_SHOW);
        return FALSE;
    }
    if (m_DefaultSlider != nullptr && ::IsWindow(m_DefaultSlider))
        UnDockControlBar(FALSE);
    if (CWnd* frame = FindOwnerFrame())
        ChangeParent(frame, GTDockUnknown);
    if (!slider->InsertControlBar(this, iTarget, iAlignment, iRect))
        return FALSE;
    InsertBarInOwner(this, iTarget, TRUE);
    m_DefaultSlider = slider->GetSafeHwnd();
    EnableGripper(TRUE);
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                     SWP_SHOWWINDOW);
    AdjustOwnerLayout(FALSE);
    OnAfterDock(this, nullptr, GTDockUnknown);
    return TRUE;
}

BOOL CGTDockingControlBar::DockContainerBesidePane(CGTBarContainerManager* iManager, DWORD iAlignment, int)
{
    CGTSlider* slider = GetDefaultSliderObject();
    if (slider == nullptr)
        return FALSE;
    CObList bars, sliders;
    iManager->CollectVisible(bars, sliders);
    for (POSITION at = bars.GetHeadPosition(); at != nullptr;) {
        auto* pane = static_cast<CGTDockingControlBar*>(bars.GetNext(at));
        InsertBarInOwner(pane, this, TRUE);
        pane->m_DefaultSlider = m_DefaultSlider;
        pane->SetAlignment(GetCurrentAlignment());
    }
    return slider->AddContainerManager(this, iAlignment, iManager);
}

int CGTDockingControlBar::DockAtTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod)
{
    if (iTarget != nullptr && iTarget != this && !iTarget->CanAcceptBar(this))
        return FALSE;
    if (iMethod == GTDockByRect && iRect == nullptr)
        return FALSE;
    m_PendingFloat = FALSE;
    CGTRecentDockInfo& recent = GetRecentDockInfo();
    if (iMethod == GTDockToRecentPlace || iMethod == GTDockAsTab) {
        ShowWindow(SW_HIDE);
        if (CWnd* frame = FindOwnerFrame())
            ChangeParent(frame, iMethod);
        SetAlignment(recent.m_dwRecentSide);
        auto* slider = DYNAMIC_DOWNCAST(CGTSlider, CWnd::FromHandlePermanent(recent.m_hRecentSlider));
        if (slider != nullptr)
            m_DefaultSlider = slider->GetSafeHwnd();
        CGTBarContainer* tabbed = recent.m_docked.m_pTabbedContainer;
        CGTDockingControlBar* tabTarget = nullptr;
        if (CGTBarContainer::IsLive(tabbed))
            tabTarget = recent.m_docked.m_bFirstInContainer ? tabbed->m_LeftBar : tabbed->m_RightBar;
        if (tabTarget != nullptr) {
            const BOOL attached = AttachToTabWnd(tabTarget, GTDockToRecentPlace) != nullptr;
            if (attached)
                ShowBar(TRUE, FALSE, TRUE);
            AdjustOwnerLayout(FALSE);
            return attached;
        }
        if (slider == nullptr) {
            ShowWindow(SW_SHOW);
            return DockToFrameWindow(recent.m_dwRecentSide, iRect != nullptr ? iRect : &recent.m_docked.m_rectPane,
                                     GTDockByMouse, nullptr, -1, FALSE);
        }
        EnableGripper(TRUE);
        MoveToContainerRect();
        InsertBarInOwner(this, slider, FALSE);
        ShowWindow(SW_SHOW);
        CGTDockingControlBar* placed = slider->AddRecentControlBar(this);
        if (placed == this) {
            AdjustOwnerLayout(FALSE);
            return TRUE;
        }
        if (placed != nullptr)
            placed->AdjustOwnerLayout(FALSE);
        return FALSE;
    }
    if (iMethod == GTDockByMouse || iMethod == GTDockAtOutlineDrop) {
        CPoint cursor;
        CGTCursor::Current().GetPosition(cursor);
        auto* target = DYNAMIC_DOWNCAST(CGTDockingControlBar, iTarget);
        if (target == nullptr) {
            DWORD side = 0;
            BOOL outer = FALSE;
            if (!IsPointNearOwnerDockArea(cursor, side, outer))
                return FALSE;
            return DockToFrameWindow(side, nullptr, GTDockByMouse, nullptr, -1, outer);
        }
        // A pane of a multi-pane frame takes the dropped one into its tree.
        if (auto* multi = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, target->GetParentMiniFrame()))
            return multi->DockBar(this);
        DWORD side = 0;
        if (!HitTestBarDockingTarget(cursor, target, CGTDockManager::s_nDockMargin, nullptr, FALSE, side, GTSideAny))
            return FALSE;
        return DockBesidePane(target, side, nullptr);
    }
    auto* target = DYNAMIC_DOWNCAST(CGTDockingControlBar, iTarget);
    return target != nullptr && iRect != nullptr ? DockBesidePane(target, 0, iRect) : FALSE;
}

void CGTDockingControlBar::UnDockControlBar(BOOL iDelay)
{
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame()) {
        frame->ReleaseBar(this, FALSE, iDelay);
        return;
    }
    if (CGTSlider* slider = GetDefaultSliderObject())
        slider->RemoveControlBar(this);
    m_DefaultSlider = nullptr;
    RemoveBarFromOwnerFrame(FALSE, !iDelay, FALSE);
    if (!iDelay)
        AdjustOwnerLayout(FALSE);
}

void CGTDockingControlBar::OnBeforeChangeParent(CWnd* iNewParent, BOOL iDelay)
{
    if (DYNAMIC_DOWNCAST(CGTMiniFrameWnd, iNewParent) != nullptr || DYNAMIC_DOWNCAST(CGTBaseTabWnd, iNewParent))
        UnDockControlBar(iDelay);
}

void CGTDockingControlBar::LeaveDockSite(CWnd* iOldParent)
{
    CGTControlBar::LeaveDockSite(iOldParent);
    if (GetParentMiniFrame() != nullptr)
        CGTMiniFrameWnd::RegisterFloatingBarId(this, TRUE);
}

void CGTDockingControlBar::MoveToContainerRect()
{
    CGTSlider* slider = GetDefaultSliderObject();
    CGTBarContainerManager* manager = slider != nullptr ? slider->GetContainerManager() : nullptr;
    if (manager == nullptr)
        return;
    CRect rect;
    manager->GetWindowRect(rect);
    if (rect.IsRectEmpty())
        return;
    GetParent()->ScreenToClient(&rect);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTDockingControlBar::StoreRecentDockInfo()
{
    if (auto* frame = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, GetParentMiniFrame())) {
        frame->GetContainerManager().StoreRecentDockInfo(this);
        return;
    }
    if (CGTSlider* slider = GetDefaultSliderObject()) {
        if (CGTBarContainerManager* manager = slider->GetContainerManager()) {
            manager->StoreRecentDockInfo(this);
            return;
        }
    }
    GetRecentDockInfo().StoreDockInfo(nullptr);
}
