// A docking pane pinned away to the frame edge: it hides behind a button of an auto-hide
// toolbar, slides out over the client area and back in, and comes back from auto-hide mode.
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/controls/CGTInplaceToolTipCtrl.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <algorithm>

namespace {
enum : UINT_PTR {
    slideInTimer = 1,
    slideOutTimer = 2,
    checkTimer = 3
};

const UINT fullRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

BOOL IsAlongTopOrBottom(DWORD iSide)
{
    return (iSide & (GTSideTop | GTSideBottom)) != 0;
}
}  // namespace

CGTAutoHideToolBar* CGTDockingControlBar::SetAutoHideMode(BOOL iMode, DWORD iAlignment, CGTAutoHideToolBar* iToolBar,
                                                          BOOL iAnimate)
{
    if (!iMode) {
        if (!m_AutoHideMode)
            return iToolBar;
        auto* dockBar = m_AutoHideToolBar != nullptr
            ? DYNAMIC_DOWNCAST(CGTAutoHideDockBar, m_AutoHideToolBar->GetParentDockBar())
            : nullptr;
        if (dockBar != nullptr)
            dockBar->RestoreAutoHideGroup(m_AutoHideToolBar);
        else
            LeaveAutoHideMode(nullptr);
        return iToolBar;
    }
    if (m_AutoHideMode)
        return m_AutoHideToolBar;
    CWnd* frame = FindOwnerFrame();
    CGTDockManager* manager = GetOwnerDockManager();
    if (frame == nullptr || manager == nullptr)
        return nullptr;
    const DWORD side = iAlignment & GTSideAny;
    m_AutoHideMode = TRUE;
    CRect noted;
    GetWindowRect(&noted);
    frame->ScreenToClient(&noted);
    StoreRecentDockInfo();
    UnDockControlBar(FALSE);

    CGTSlider* slider = CGTSlider::CreateDefaultSlider(side, frame);
    if (slider == nullptr) {
        AbandonAutoHideMode();
        return nullptr;
    }
    slider->SetAutoHideSlider(TRUE);
    m_DefaultSlider = slider->GetSafeHwnd();
    slider->AddControlBar(this);
    SetAlignment(side);
    slider->SetAlignment(side);
    CGTAutoHideToolBar* toolBar = manager->AddAutoHideBar(this, iToolBar);
    if (toolBar == nullptr) {
        // No strip on this side: the pane goes back rather than hide without a button.
        AbandonAutoHideMode();
        return nullptr;
    }

    if (GetStyle() & WS_VISIBLE) {
        RedrawWindow(nullptr, nullptr, fullRedraw);
        slider->RedrawWindow(nullptr, nullptr, fullRedraw);
        frame->RedrawWindow(&noted, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    } else {
        ShowWindow(SW_SHOW);
    }
    if (iAnimate) {
        m_AutoHideCheckTimer = SetTimer(checkTimer, s_CheckInterval, nullptr);
        Slide(FALSE, TRUE);
        frame->SetFocus();
    } else {
        Slide(FALSE, FALSE);
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_FRAMECHANGED);
    return toolBar;
}

void CGTDockingControlBar::ToggleAutoHideAll()
{
    CWnd* frame = FindOwnerFrame();
    if (frame == nullptr)
        return;
    frame->SetRedraw(FALSE);
    if (m_AutoHideMode) {
        auto* strip = m_AutoHideToolBar != nullptr
            ? DYNAMIC_DOWNCAST(CGTAutoHideDockBar, m_AutoHideToolBar->GetParentDockBar())
            : nullptr;
        if (strip != nullptr)
            strip->RestoreAutoHideGroup(nullptr);
    } else if (CGTSlider* slider = GetDefaultSliderObject(); slider != nullptr && slider->GetContainerManager()) {
        // The group is taken first: the slider goes with its last pane.
        const DWORD side = slider->GetCurrentAlignment();
        CObList group;
        group.AddTail(const_cast<CObList*>(&slider->GetContainerManager()->GetBars()));
        for (POSITION position = group.GetHeadPosition(); position != nullptr;) {
            auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, group.GetNext(position));
            if (pane != nullptr && pane->CanAutoHideAll())
                pane->SetAutoHideMode(TRUE, side, nullptr, TRUE);
        }
    }
    frame->SetRedraw(TRUE);
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CGTDockingControlBar::AbandonAutoHideMode()
{
    DropAutoHide();
    DockToTarget(this, nullptr, GTDockToRecentPlace);
}

void CGTDockingControlBar::LeaveAutoHideSlider()
{
    CGTSlider* slider = GetDefaultSliderObject();
    m_DefaultSlider = nullptr;
    if (slider == nullptr)
        return;
    slider->RemoveControlBar(this);
    if (CGTDockManager* manager = GetOwnerDockManager())
        manager->RemoveBar(slider, FALSE, FALSE, TRUE);
    slider->DestroyWindow();
}

void CGTDockingControlBar::LeaveAutoHideMode(CGTDockingControlBar* iTarget)
{
    const BOOL activate = m_AutoHideToolBar != nullptr && m_AutoHideToolBar->IsRowActive();
    m_Sliding = FALSE;
    m_SlidePosition = 0;
    ShowWindow(SW_HIDE);
    DropAutoHide();
    if (iTarget == nullptr) {
        if (!DockToTarget(this, nullptr, GTDockToRecentPlace))
            return;
    } else {
        AttachToTabWnd(iTarget, GTDockAsTab, activate);
    }
    ShowBar(TRUE, FALSE, activate);
    AdjustOwnerLayout(FALSE);
}

void CGTDockingControlBar::DropAutoHide()
{
    if (!m_AutoHideMode)
        return;
    m_AutoHideMode = FALSE;
    KillAutoHideTimers();
    CGTAutoHideToolBar* toolBar = m_AutoHideToolBar;
    SetAutoHideButton(nullptr, nullptr);
    if (toolBar != nullptr)
        toolBar->RemovePaneButton(this);
    LeaveAutoHideSlider();
}

void CGTDockingControlBar::ShowAutoHiddenBar(BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    if (!CanHideAutoHiddenPane()) {
        // The button stays; hiding only takes a slid-out pane back in.
        if (iShow && m_AutoHideButton != nullptr)
            m_AutoHideButton->SlideOwnPane(TRUE);
        else if (!iShow && IsSlidOut() && m_AutoHideButton != nullptr)
            m_AutoHideButton->SlideOwnPane(FALSE);
        if (iShow && iActivate) {
            SetFocus();
            m_Active = TRUE;
        }
        return;
    }
    if (!iShow && (GetStyle() & WS_VISIBLE) && m_AutoHideButton != nullptr)
        m_AutoHideButton->SlideOwnPane(FALSE);
    if (m_AutoHideToolBar != nullptr)
        m_AutoHideToolBar->SetPaneButtonVisible(this, iShow, iDelay);
}

BOOL CGTDockingControlBar::IsSlidOut() const
{
    return m_AutoHideMode && (GetStyle() & WS_VISIBLE) != 0 && !(m_Sliding && m_SlidingIn);
}

void CGTDockingControlBar::KillAutoHideTimers()
{
    if (m_hWnd != nullptr) {
        if (m_SlideTimer != 0)
            KillTimer(m_SlideTimer);
        if (m_AutoHideCheckTimer != 0)
            KillTimer(m_AutoHideCheckTimer);
    }
    m_SlideTimer = 0;
    m_AutoHideCheckTimer = 0;
}

int CGTDockingControlBar::SlideExtent() const
{
    return GTGeometry::Extent(m_RestoredRect, IsAlongTopOrBottom(GetCurrentAlignment()));
}

int CGTDockingControlBar::VisibleExtent() const
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    return GTGeometry::Extent(GTGeometry::WindowRect(this), IsAlongTopOrBottom(GetCurrentAlignment()));
}

void CGTDockingControlBar::PlaceSlid(int iVisible)
{
    // The pane rolls out from the edge it is pinned to; its slider follows its inner side.
    CRect pane = m_RestoredRect;
    CGTSlider* slider = GetDefaultSliderObject();
    const int thickness = slider != nullptr ? slider->GetThickness() : 0;
    CRect band = pane;
    switch (GetCurrentAlignment() & GTSideAny) {
    case GTSideRight:
        pane.left = pane.right - iVisible;
        band.SetRect(pane.left - thickness, pane.top, pane.left, pane.bottom);
        break;
    case GTSideTop:
        pane.bottom = pane.top + iVisible;
        band.SetRect(pane.left, pane.bottom, pane.right, pane.bottom + thickness);
        break;
    case GTSideBottom:
        pane.top = pane.bottom - iVisible;
        band.SetRect(pane.left, pane.top - thickness, pane.right, pane.top);
        break;
    default:
        pane.right = pane.left + iVisible;
        band.SetRect(pane.right, pane.top, pane.right + thickness, pane.bottom);
        break;
    }
    SetWindowPos(nullptr, pane.left, pane.top, pane.Width(), pane.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (slider != nullptr)
        slider->SetWindowPos(nullptr, band.left, band.top, band.Width(), band.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTDockingControlBar::Slide(BOOL iSlideOut, BOOL iUseTimer)
{
    if (!m_AutoHideMode)
        return;
    KillAutoHideTimers();
    CGTSlider* slider = GetDefaultSliderObject();
    CGTDockManager* manager = GetOwnerDockManager();
    const BOOL fromRest = !m_Sliding;
    if (iSlideOut && fromRest && !(GetStyle() & WS_VISIBLE) && manager != nullptr && slider != nullptr) {
        manager->BringAutoHideBarToFront(slider);
        manager->AlignAutoHideBar(slider, TRUE);
    }
    if (fromRest) {
        // Slides that start from rest measure the pane; one that turns back keeps the measure.
        m_RestoredRect = GTGeometry::WindowRect(this);
        GetParent()->ScreenToClient(&m_RestoredRect);
    }
    m_SlidingIn = !iSlideOut;
    m_SlidePosition = 0;
    const BOOL animate = iUseTimer && !s_AnimationDisabled && !theGuiToolkitGlobals.isRemoteSession;
    if (!animate) {
        m_SlideStep = std::max(SlideExtent(), 1);
        m_Sliding = FALSE;
        PlaceSlid(SlideExtent());
        const int show = iSlideOut ? SW_SHOW : SW_HIDE;
        ShowWindow(show);
        if (slider != nullptr)
            slider->ShowWindow(show);
        return;
    }
    m_SlideStep = std::max(SlideExtent() / s_SlideSteps, 1);
    if (iSlideOut && !(GetStyle() & WS_VISIBLE)) {
        PlaceSlid(0);
        ShowWindow(SW_SHOW);
        if (slider != nullptr)
            slider->ShowWindow(SW_SHOW);
    }
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (slider != nullptr)
        slider->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_Sliding = TRUE;
    m_SlideTimer = SetTimer(iSlideOut ? slideOutTimer : slideInTimer, s_SlideInterval, nullptr);
}

void CGTDockingControlBar::SlideStep()
{
    m_SlidePosition += m_SlideStep;
    const int visible = VisibleExtent();
    const int next = m_SlidingIn ? std::max(visible - m_SlideStep, 0) : std::min(visible + m_SlideStep, SlideExtent());
    PlaceSlid(next);
}

BOOL CGTDockingControlBar::IsSlideComplete() const
{
    const int visible = VisibleExtent();
    return m_SlidingIn ? visible == 0 : visible >= SlideExtent();
}

void CGTDockingControlBar::OnTimer(UINT_PTR iId)
{
    if (iId == checkTimer) {
        CheckAutoHideCondition();
        return;
    }
    if (iId != slideInTimer && iId != slideOutTimer) {
        CGTControlBar::OnTimer(iId);
        return;
    }
    m_SlidingIn = iId == slideInTimer;
    SlideStep();
    if (!IsSlideComplete())
        return;
    KillTimer(iId);
    m_SlideTimer = 0;
    m_Sliding = FALSE;
    m_SlidePosition = 0;
    CGTSlider* slider = GetDefaultSliderObject();
    if (m_SlidingIn) {
        ShowWindow(SW_HIDE);
        if (slider != nullptr)
            slider->ShowWindow(SW_HIDE);
        // Hidden at its full size, ready for the next slide out.
        PlaceSlid(SlideExtent());
        return;
    }
    RedrawWindow(nullptr, nullptr, fullRedraw);
    if (slider != nullptr)
        slider->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_AutoHideCheckTimer = SetTimer(checkTimer, s_CheckInterval, nullptr);
}

void CGTDockingControlBar::CheckAutoHideCondition()
{
    if (m_Active || m_KeepOpen || !m_AutoHideMode || CGTActivePopupMenu::Get() != nullptr ||
        (m_CaptionToolTip.GetSafeHwnd() != nullptr && m_CaptionToolTip.IsWindowVisible()))
        return;
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    CGTSlider* slider = GetDefaultSliderObject();
    CRect area = GTGeometry::WindowRect(this);
    if (slider != nullptr) {
        const CRect band = GTGeometry::WindowRect(slider);
        area.UnionRect(&area, &band);
    }
    if (area.PtInRect(cursor))
        return;
    for (HWND under = CGTCursor::Current().WindowAt(cursor); under != nullptr; under = ::GetParent(under)) {
        if (under == m_hWnd || (slider != nullptr && under == slider->m_hWnd))
            return;
        if (DYNAMIC_DOWNCAST(CGTInplaceToolTipCtrl, CWnd::FromHandlePermanent(under)) != nullptr)
            break;
    }
    if (m_AutoHideButton != nullptr && m_AutoHideToolBar != nullptr) {
        CRect button = m_AutoHideButton->GetRect();
        m_AutoHideToolBar->ClientToScreen(&button);
        if (button.PtInRect(cursor))
            return;
    }
    Slide(FALSE, TRUE);
}
