// The mini frame under the mouse: the press on its caption and its buttons, the move in each
// docking mode, the decision at the end of a move, cancelling, staying on screen, sizing and
// rolling up to its caption.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTTabbedToolbar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <algorithm>

namespace {
const UINT_PTR s_DockTimerId = 4;
const UINT_PTR s_RollUpTimerId = 5;

CPoint CursorPosition()
{
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    return cursor;
}

// Sets a flag for a scope.
class FlagScope {
public:
    explicit FlagScope(BOOL& ioFlag) : m_Flag(ioFlag) { m_Flag = TRUE; }
    ~FlagScope() { m_Flag = FALSE; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    BOOL& m_Flag;
};
}  // namespace

BOOL CGTMiniFrameWnd::s_Moving = FALSE;
BOOL CGTMiniFrameWnd::s_DockingInProgress = FALSE;

CGTMiniFrameWnd::HandlerScope::HandlerScope(CGTMiniFrameWnd& ioFrame) : m_Frame(ioFrame)
{
    ++m_Frame.m_HandlerDepth;
}

CGTMiniFrameWnd::HandlerScope::~HandlerScope()
{
    --m_Frame.m_HandlerDepth;
}

CGTSmartDockingManager* CGTMiniFrameWnd::OwnerSmartDocking() const
{
    CGTDockManager* manager = GetDockManagerOfFrame(CWnd::FromHandlePermanent(m_OwnerFrame));
    return manager != nullptr && (EffectiveDockingMode() & GTDockingSmart) ? manager->GetSmartDockingManager()
                                                                           : nullptr;
}

void CGTMiniFrameWnd::HideSmartMarkers()
{
    CGTSmartDockingManager* smart = OwnerSmartDocking();
    if (smart != nullptr && smart->IsStarted())
        smart->Stop();
}

void CGTMiniFrameWnd::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (CGTPopupMenu* menu = CGTPopupMenu::GetActiveMenu())
        menu->SendMessage(WM_CLOSE);
    m_Moved = FALSE;
    if (m_HotButton != 0) {
        m_PressedButton = m_HotButton;
        if (CGTCaptionButton* button = FindCaptionButton(m_PressedButton))
            button->m_Pushed = TRUE;
        RedrawCaptionButton(m_PressedButton);
        return;
    }
    EnterMoveMode(nullptr);
    RecordMoveStartRect();
    if (!HoldsToolbar())
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CWnd::OnLButtonDown(iFlags, iPoint);
}

// A press on the caption or the border leaves the activation where it is: activating the frame
// there moves the X focus, and the focus leaving a window cancels the move just begun.
int CGTMiniFrameWnd::OnMouseActivate(CWnd* iTopLevel, UINT iHitTest, UINT iMessage)
{
    if (HitTestFrame(CursorPosition(), TRUE) != HTCLIENT) {
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return MA_NOACTIVATE;
    }
    return CWnd::OnMouseActivate(iTopLevel, iHitTest, iMessage);
}

void CGTMiniFrameWnd::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    HandlerScope scope(*this);
    if (m_PressedButton != 0) {
        const UINT pressed = m_PressedButton;
        CPoint screen = iPoint;
        ClientToScreen(&screen);
        CGTCaptionButton* under = CaptionButtonAt(screen);
        EndCaptionButtonTracking();
        if (under == nullptr || under->GetHitTest() != pressed)
            return;
        if (pressed == GTHitPin) {
            m_Pinned = !m_Pinned;
            SendMessage(WM_NCPAINT);
        } else if (pressed == GTHitFrameClose) {
            if (OwnerAllowsClose())
                HideFrameAndBar();
        } else if (!CGTToolBar::IsCustomizeMode()) {
            RunCaptionButtonAction(pressed);
        }
        return;
    }
    if (!m_InMoveMode) {
        CWnd::OnLButtonUp(iFlags, iPoint);
        return;
    }
    LeaveMoveMode();
    BOOL tab = FALSE;
    if (ResolveDropAtMoveEnd(tab) == nullptr)
        m_DragFrame.ResetState();
}

void CGTMiniFrameWnd::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (!m_InMoveMode) {
        CPoint screen = iPoint;
        ClientToScreen(&screen);
        HoverCaptionButtons(screen);
        CWnd::OnMouseMove(iFlags, iPoint);
        return;
    }
    HandlerScope scope(*this);
    FlagScope moving(s_Moving);
    const CPoint cursor = CursorPosition();
    const int mode = EffectiveDockingMode();
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    CGTSmartDockingManager* smart = OwnerSmartDocking();
    if (!m_Moved && cursor != m_MoveStart) {
        m_Moved = TRUE;
        if (smart != nullptr && bar != nullptr && (bar->GetEnabledAlignment() & GTSideAny))
            smart->Start(this);
    }
    if (smart != nullptr && m_Moved)
        smart->OnMouseMove(cursor);
    if (mode & GTDockingStandard) {
        m_DragFrame.MoveDragFrame();
    } else if (mode & GTDockingImmediate) {
        const BOOL onMarker = smart != nullptr && smart->IsStarted() && smart->GetHoveredMarker() >= 0 &&
            !CGTKeyState::Current().IsDown(VK_CONTROL);
        if (onMarker) {
            m_DragFrame.MoveDragFrame();
        } else {
            m_DragFrame.EndDrawDragFrame();
            IGTDockingFrame* owner = AsDockingFrame(CWnd::FromHandlePermanent(m_OwnerFrame));
            if (owner != nullptr && owner->MayMoveMiniFrame(this)) {
                CRect window;
                GetWindowRect(&window);
                window.OffsetRect(cursor - m_MoveLast);
                SetWindowPos(nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
                m_MoveLast = cursor;
                owner->OnMoveMiniFrame(this);
            }
        }
    }
    if (!(mode & GTDockingSmart))
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
}

void CGTMiniFrameWnd::EnterMoveMode(CWnd* iTransientWnd)
{
    if (m_InMoveMode)
        return;
    SetCapture();
    if (m_TransientWnd == nullptr && iTransientWnd != nullptr)
        m_TransientWnd = iTransientWnd->GetSafeHwnd();
    m_InMoveMode = TRUE;
    NotifyMoveState(TRUE);
    m_MoveLast = CursorPosition();
    const int mode = EffectiveDockingMode();
    if ((mode & GTDockingImmediate) && !(mode & GTDockingSmart))
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
    m_MoveStart = m_MoveLast;
    m_DragFrame.m_ptLast = m_MoveLast;
}

void CGTMiniFrameWnd::LeaveMoveMode()
{
    if (GetCapture() == this)
        ReleaseCapture();
    m_InMoveMode = FALSE;
    NotifyMoveState(FALSE);
}

void CGTMiniFrameWnd::NotifyMoveState(BOOL iMoving)
{
    if (iMoving || m_TransientWnd == nullptr)
        return;
    const HWND transient = m_TransientWnd;
    m_TransientWnd = nullptr;
    if (transient != m_hWnd && ::IsWindow(transient))
        ::DestroyWindow(transient);
}

void CGTMiniFrameWnd::RecordMoveStartRect()
{
    GetWindowRect(&m_RecentWindowRect);
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar());
    if (bar == nullptr)
        return;
    bar->GetRecentDockInfo().m_rectRecentFloat = m_RecentWindowRect;
    CPoint hot = CursorPosition();
    bar->ScreenToClient(&hot);
    bar->SetHotPoint(hot);
}

CGTBaseControlBar* CGTMiniFrameWnd::ResolveDropAtMoveEnd(BOOL& oDockedAsTab)
{
    oDockedAsTab = FALSE;
    if (GetDockManagerOfFrame(CWnd::FromHandlePermanent(m_OwnerFrame)) == nullptr)
        return nullptr;
    const int mode = EffectiveDockingMode();
    CGTSmartDockingManager* smart = OwnerSmartDocking();
    const BOOL smartShowing = (mode & GTDockingSmart) && smart != nullptr && smart->IsStarted() && smart->IsShown();
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar());
    if ((mode & GTDockingImmediate) && !smartShowing) {
        const int method = m_PendingDockMethod;
        CGTBaseControlBar* target = m_PendingTarget;
        m_PendingDockMethod = 0;
        m_PendingTarget = nullptr;
        HideSmartMarkers();
        if (bar == nullptr)
            return nullptr;
        if (method == 1)
            return bar->DockToTarget(target, nullptr, GTDockByMouse) ? bar : nullptr;
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, bar);
        auto* tabTarget = DYNAMIC_DOWNCAST(CGTDockingControlBar, target);
        if (method == 2 && pane != nullptr && tabTarget != nullptr) {
            oDockedAsTab = TRUE;
            return pane->AttachToTabWnd(tabTarget, GTDockAsTab);
        }
        return bar;
    }
    if (!(mode & (GTDockingStandard | GTDockingSmart)))
        return nullptr;
    const CRect outline = m_DragFrame.m_rectDrag;
    m_DragFrame.EndDrawDragFrame();
    const HWND self = m_hWnd;
    BOOL docked = FALSE;
    CGTBaseControlBar* result = nullptr;
    {
        FlagScope docking(s_DockingInProgress);
        result = DockHeldBarAtCursor(docked);
    }
    HideSmartMarkers();
    if (outline.IsRectEmpty() || docked || oDockedAsTab || !::IsWindow(self))
        return result;
    SetWindowPos(nullptr, outline.left, outline.top, outline.Width(), outline.Height(),
                 SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOACTIVATE);
    if (!IsWindowVisible() && IsBarVisible())
        ShowWindow(SW_SHOW);
    return result;
}

CGTBaseControlBar* CGTMiniFrameWnd::DockHeldBarAtCursor(BOOL& oDocked)
{
    oDocked = FALSE;
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar());
    CGTDockManager* manager = GetDockManagerOfFrame(CWnd::FromHandlePermanent(m_OwnerFrame));
    if (bar == nullptr || manager == nullptr || CGTKeyState::Current().IsDown(VK_CONTROL))
        return nullptr;
    int code = 0;
    CGTBaseControlBar* target = manager->FindDragTarget(*bar, code);
    if (code == 0)
        return nullptr;
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, bar);
    auto* tabTarget = DYNAMIC_DOWNCAST(CGTDockingControlBar, target);
    if (code == 3 && pane != nullptr && tabTarget != nullptr)
        oDocked = pane->AttachToTabWnd(tabTarget, GTDockAsTab) != nullptr;
    else
        oDocked = bar->DockToTarget(target, nullptr, GTDockByMouse) != 0;
    return oDocked ? bar : nullptr;
}

BOOL CGTMiniFrameWnd::DockWithoutDrag(int iMethod, CGTBaseControlBar* iTarget, int)
{
    if (iMethod == 0 || (iTarget != nullptr && iTarget->GetParentMiniFrame() != nullptr))
        return TRUE;
    if (iMethod == 2 && (iTarget == nullptr || !iTarget->CanBeTabbed()))
        return TRUE;
    const BOOL wasMoving = m_InMoveMode;
    if (wasMoving)
        LeaveMoveMode();
    m_PendingDockMethod = iMethod;
    m_PendingTarget = iTarget;
    BOOL tab = FALSE;
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, ResolveDropAtMoveEnd(tab));
    if (bar == nullptr || bar->GetParentMiniFrame() == this)
        return TRUE;
    bar->AdjustOwnerLayout(FALSE);
    if (wasMoving && bar->GetParentMiniFrame() == nullptr)
        bar->ResumeDrag();
    return FALSE;
}

void CGTMiniFrameWnd::ReturnBarToDock()
{
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar());
    if (bar == nullptr || !(bar->GetEnabledAlignment() & GTSideAny))
        return;
    RecordMoveStartRect();
    bar->DockToTarget(nullptr, nullptr, GTDockToRecentPlace);
}

void CGTMiniFrameWnd::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    if (CaptionButtonAt(screen) != nullptr) {
        CWnd::OnLButtonDblClk(iFlags, iPoint);
        return;
    }
    HandlerScope scope(*this);
    ReturnBarToDock();
}

void CGTMiniFrameWnd::CancelMove()
{
    const int mode = EffectiveDockingMode();
    if (mode & GTDockingStandard) {
        m_DragFrame.EndDrawDragFrame();
        auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar());
        if (bar != nullptr && !IsWindowVisible()) {
            LeaveMoveMode();
            bar->DockToTarget(nullptr, nullptr, GTDockToRecentPlace);
            bar->ShowWindow(SW_SHOW);
            return;
        }
    }
    HideSmartMarkers();
    LeaveMoveMode();
}

void CGTMiniFrameWnd::OnCancelMode()
{
    HandlerScope scope(*this);
    CWnd::OnCancelMode();
    EndCaptionButtonTracking();
    if (m_InMoveMode)
        CancelMove();
}

void CGTMiniFrameWnd::OnChar(UINT iChar, UINT iRepeat, UINT iFlags)
{
    if (iChar != VK_ESCAPE || !m_InMoveMode) {
        CWnd::OnChar(iChar, iRepeat, iFlags);
        return;
    }
    HandlerScope scope(*this);
    if (EffectiveDockingMode() & GTDockingStandard) {
        CancelMove();
        return;
    }
    HideSmartMarkers();
    LeaveMoveMode();
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar());
    if (bar == nullptr || !(bar->GetEnabledAlignment() & GTSideAny))
        return;
    bar->GetRecentDockInfo().m_rectRecentFloat = m_RecentWindowRect;
    bar->DockToTarget(nullptr, nullptr, GTDockToRecentPlace);
}

void CGTMiniFrameWnd::MoveFrameBy(int iDx, int iDy)
{
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, window.left + iDx, window.top + iDy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

BOOL CGTMiniFrameWnd::IsDockingAllowed() const
{
    if (CGTKeyState::Current().IsDown(VK_CONTROL))
        return FALSE;
    CGTDockManager* manager = GetDockManagerOfFrame(CWnd::FromHandlePermanent(m_OwnerFrame));
    if (manager == nullptr)
        return TRUE;
    CRect expected;
    BOOL tab = FALSE;
    CGTDockingControlBar* target = nullptr;
    manager->CalcExpectedDockedRect(const_cast<CGTMiniFrameWnd*>(this), CursorPosition(), expected, tab, target);
    return !expected.IsRectEmpty();
}

void CGTMiniFrameWnd::StartDockCheckTimer(UINT iInterval)
{
    if (m_DockTimer != 0)
        KillTimer(m_DockTimer);
    m_DockTimer = iInterval != 0 ? SetTimer(s_DockTimerId, iInterval, nullptr) : 0;
}

void CGTMiniFrameWnd::OnTimer(UINT_PTR iTimer)
{
    HandlerScope scope(*this);
    if (iTimer == s_DockTimerId) {
        KillTimer(m_DockTimer);
        m_DockTimer = 0;
        if (IGTDockingFrame* owner = AsDockingFrame(CWnd::FromHandlePermanent(m_OwnerFrame)))
            owner->OnMoveMiniFrame(this);
        return;
    }
    if (iTimer == s_RollUpTimerId) {
        UpdateRollState();
        return;
    }
    CWnd::OnTimer(iTimer);
}

void CGTMiniFrameWnd::OnWindowPosChanging(WINDOWPOS* ioPosition)
{
    ioPosition->flags |= SWP_NOACTIVATE;
    if (!(ioPosition->flags & SWP_NOMOVE)) {
        CRect window;
        GetWindowRect(&window);
        const CSize size = (ioPosition->flags & SWP_NOSIZE) ? window.Size() : CSize(ioPosition->cx, ioPosition->cy);
        CRect wanted(CPoint(ioPosition->x, ioPosition->y), size);
        if (GetStyle() & WS_CHILD)
            GetParent()->ClientToScreen(&wanted);
        const CPoint before = wanted.TopLeft();
        const RECT margins = {m_CaptionHeight, m_CaptionHeight, m_CaptionHeight, m_CaptionHeight};
        theGlobalUtils.AdjustRectToWorkArea(wanted, &margins);
        ioPosition->x += wanted.left - before.x;
        ioPosition->y += wanted.top - before.y;
    }
    CWnd::OnWindowPosChanging(ioPosition);
}

void CGTMiniFrameWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    CWnd::OnSize(iType, iWidth, iHeight);
    if (auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar()))
        bar->StoreCurrentRect();
    CRect window;
    GetWindowRect(&window);
    const CRect before = window;
    theGlobalUtils.AdjustRectToWorkArea(window);
    if (window != before)
        SetWindowPos(nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutCaptionButtons();
    SendMessage(WM_NCPAINT);
}

void CGTMiniFrameWnd::ComputeMinTrackSize(CSize iBarMinimum, MINMAXINFO* ioInfo)
{
    CRect borders;
    GetBorderSize(borders);
    int buttons = 0;
    for (POSITION position = m_CaptionButtons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetNext(position));
        if (!button->IsHidden())
            buttons += CGTCaptionButton::GetDefaultSize().cx + s_ButtonGap;
    }
    ioInfo->ptMinTrackSize.x =
        std::max<LONG>(std::max<LONG>(iBarMinimum.cx, buttons) + borders.left + borders.right, m_MinTrackWidth);
    ioInfo->ptMinTrackSize.y =
        std::max<LONG>(m_CaptionHeight + iBarMinimum.cy + borders.top + borders.bottom, m_MinTrackHeight);
}

void CGTMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* ioInfo)
{
    CWnd::OnGetMinMaxInfo(ioInfo);
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, GetBar());
    ComputeMinTrackSize(bar != nullptr ? bar->GetStoredSize() : CSize(0, 0), ioInfo);
}

void CGTMiniFrameWnd::OnSizing(UINT iEdge, LPRECT ioRect)
{
    CWnd::OnSizing(iEdge, ioRect);
    auto* toolbar = DYNAMIC_DOWNCAST(CGTToolBar, GetBar());
    if (toolbar == nullptr)
        return;
    CRect window;
    GetWindowRect(&window);
    if (toolbar->IsKindOf(RUNTIME_CLASS(CGTTabbedToolbar))) {
        *ioRect = window;
        return;
    }
    CRect borders;
    GetBorderSize(borders);
    const BOOL alongWidth = iEdge != WMSZ_TOP && iEdge != WMSZ_BOTTOM;
    const CRect wanted(ioRect);
    const int length = alongWidth ? wanted.Width() - borders.left - borders.right
                                  : wanted.Height() - borders.top - borders.bottom - m_CaptionHeight;
    const CSize fitted = toolbar->CalcLengthLayout(length, !alongWidth);
    const CSize outer(fitted.cx + borders.left + borders.right,
                      fitted.cy + borders.top + borders.bottom + m_CaptionHeight);
    CRect snapped = wanted;
    if (iEdge == WMSZ_LEFT || iEdge == WMSZ_TOPLEFT || iEdge == WMSZ_BOTTOMLEFT)
        snapped.left = snapped.right - outer.cx;
    else
        snapped.right = snapped.left + outer.cx;
    if (iEdge == WMSZ_TOP || iEdge == WMSZ_TOPLEFT || iEdge == WMSZ_TOPRIGHT)
        snapped.top = snapped.bottom - outer.cy;
    else
        snapped.bottom = snapped.top + outer.cy;
    if (snapped.Size() == window.Size())
        snapped = window;
    *ioRect = snapped;
    BOOL fullDrag = TRUE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
    if (!fullDrag)
        SetWindowPos(nullptr, snapped.left, snapped.top, snapped.Width(), snapped.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGTMiniFrameWnd::IsCursorInside() const
{
    const CPoint cursor = CursorPosition();
    CRect window;
    GetWindowRect(&window);
    return window.PtInRect(cursor) && CGTCursor::Current().WindowAt(cursor) == m_hWnd;
}

BOOL CGTMiniFrameWnd::IsCursorOutsideUnpinned() const
{
    CRect window;
    GetWindowRect(&window);
    return !window.PtInRect(CursorPosition()) && !m_Pinned;
}

void CGTMiniFrameWnd::AfterBarAttached()
{
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    if (bar == nullptr || !(bar->GetBehaviourStyle() & GTBehaviourAutoRollUp))
        return;
    m_RollUpTimer = SetTimer(s_RollUpTimerId, s_RollUpInterval, nullptr);
    ApplyCaptionButtonFlags(m_CaptionButtonFlags | 0x01);
}

void CGTMiniFrameWnd::AfterBarReleased()
{
    if (m_RollUpTimer != 0)
        KillTimer(m_RollUpTimer);
    m_RollUpTimer = 0;
    if (m_CaptionButtonFlags & 0x01)
        ApplyCaptionButtonFlags(m_CaptionButtonFlags & ~DWORD(0x01));
}

void CGTMiniFrameWnd::UpdateRollState()
{
    if (GetDockManagerOfFrame(CWnd::FromHandlePermanent(m_OwnerFrame)) == nullptr)
        return;
    CRect window;
    GetWindowRect(&window);
    if (m_RolledUp && IsCursorInside()) {
        SetWindowPos(nullptr, 0, 0, window.Width(), m_HeightBeforeRollUp, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_RolledUp = FALSE;
        GetWindowRect(&window);
    }
    if (!m_RolledUp && IsCursorOutsideUnpinned()) {
        CRect client;
        GetClientRect(&client);
        m_HeightBeforeRollUp = window.Height();
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() - client.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_RolledUp = TRUE;
    }
}

void CGTMiniFrameWnd::FitToBarSize()
{
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    if (bar == nullptr)
        return;
    CRect barWindow, borders;
    bar->GetWindowRect(&barWindow);
    GetBorderSize(borders);
    SetWindowPos(nullptr, 0, 0, barWindow.Width() + borders.left + borders.right,
                 barWindow.Height() + borders.top + borders.bottom + m_CaptionHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTMiniFrameWnd::AdjustBarToClient()
{
    CWnd* bar = GetBar();
    if (bar == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    bar->SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}
