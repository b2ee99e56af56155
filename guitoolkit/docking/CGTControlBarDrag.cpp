// The drag loop of a control bar: a press starts it, the bar or its outline follows the
// mouse, the release docks, floats or leaves the bar, Escape or a lost capture cancels; and
// floating the bar into a new mini frame.
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <afxoleframe.h>

namespace {
CPoint CursorPosition()
{
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    return cursor;
}

// The cursor's distance beyond a span, 0 inside it.
int DistanceOutside(int iAt, int iLow, int iHigh)
{
    return iAt < iLow ? iLow - iAt : iAt >= iHigh ? iAt - iHigh + 1 : 0;
}
}  // namespace

void CGTControlBar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (m_Dragging || !CanFloat()) {
        Default();
        return;
    }
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    const int mode = GetDockingMode();
    if ((mode & GTDockingImmediate) || frame != nullptr) {
        StoreRecentDockInfo();
        if (IsNotOnlyBarInMiniFrame()) {
            m_MiniFrameDrag = FALSE;
            EnterDragMode(TRUE);
        } else {
            MapWindowPoints(frame, &iPoint, 1);
            frame->SendMessage(WM_LBUTTONDOWN, iFlags, MAKELPARAM(iPoint.x, iPoint.y));
            m_MiniFrameDrag = TRUE;
        }
        if (frame != nullptr)
            return;
    } else if (mode & GTDockingStandard) {
        EnterDragMode(TRUE);
    }
    Default();
}

void CGTControlBar::OnMouseMove(UINT iFlags, CPoint)
{
    if (!m_Dragging) {
        Default();
        return;
    }
    const int mode = GetDockingMode();
    if (mode & GTDockingImmediate) {
        const CPoint cursor = CursorPosition();
        const CSize delta = cursor - m_DragFrame.m_ptLast;
        m_DragFrame.m_ptLast = cursor;
        m_DragStartRect.OffsetRect(delta);
        if (m_ParentDockBar != nullptr)
            m_ParentDockBar->MoveControlBar(this, iFlags, delta.cx, delta.cy);
    } else if (mode & GTDockingStandard) {
        m_DragFrame.MoveDragFrame();
    }
}

void CGTControlBar::EndDrag(BOOL iKeepTempWindow)
{
    ReleaseCapture();
    m_Dragging = FALSE;
    SetBeingDragged(FALSE);
    if (!iKeepTempWindow && m_TempDragWindow != nullptr) {
        if (::IsWindow(m_TempDragWindow->GetSafeHwnd()))
            m_TempDragWindow->DestroyWindow();
        m_TempDragWindow = nullptr;
    }
}

void CGTControlBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    const BOOL wasDragging = m_Dragging;
    if (wasDragging) {
        EndDrag(iFlags == 0xFFFF);
        CGTDockManager* manager = GetDockManagerOfFrame(GetParent());
        if (CGTSmartDockingManager* smart = manager != nullptr ? manager->GetExistingSmartDockingManager() : nullptr)
            smart->Show(FALSE);
        if (GetDockingMode() & GTDockingStandard) {
            DropOutline();
            return;
        }
    }
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    if (!wasDragging && frame != nullptr && frame->IsWindowVisible() && !m_DragEnded) {
        MapWindowPoints(frame, &iPoint, 1);
        frame->SendMessage(WM_LBUTTONUP, iFlags, MAKELPARAM(iPoint.x, iPoint.y));
        return;
    }
    m_DragEnded = FALSE;
    if (m_DockRow != nullptr)
        m_DockRow->RefreshBarRects(FALSE);
    Default();
}

void CGTControlBar::DropOutline()
{
    // An outline that never left the press point drops nothing.
    if (!m_DragFrame.m_bFrameDrawn) {
        m_DragEnded = FALSE;
        if (m_DockRow != nullptr)
            m_DockRow->RefreshBarRects(FALSE);
        return;
    }
    const CRect outline = m_DragFrame.m_rectDrag;
    m_DragFrame.EndDrawDragFrame();
    StoreRecentDockInfo();
    int hitCode = 0;
    BOOL handled = FALSE;
    CGTBaseControlBar* target = FindDockTarget(CGTDockManager::s_nDockMargin, hitCode, handled);
    if (!handled && !outline.IsRectEmpty() && target != this)
        FloatAtRect(outline, GTDockAtOutlineDrop, TRUE);
}

void CGTControlBar::StopDragging()
{
    m_DragEnded = TRUE;
    StoreRecentDockInfo();
    if (m_Dragging)
        EndDrag(FALSE);
}

void CGTControlBar::CancelDrag()
{
    if (!m_Dragging)
        return;
    if (GetDockingMode() & GTDockingStandard)
        m_DragFrame.EndDrawDragFrame();
    EndDrag(FALSE);
}

void CGTControlBar::OnCancelMode()
{
    Default();
    CancelDrag();
}

void CGTControlBar::OnChar(UINT iChar, UINT, UINT)
{
    Default();
    if (iChar == VK_ESCAPE)
        CancelDrag();
}

void CGTControlBar::OnLButtonDblClk(UINT, CPoint)
{
    StopDragging();
    if (CanFloat())
        FloatAtRect(m_RecentDockInfo.m_rectRecentFloat, GTDockToRecentPlace, TRUE);
    Default();
}

BOOL CGTControlBar::EnterDragMode(BOOL iChangeHotPoint)
{
    const CPoint cursor = CursorPosition();
    StoreCurrentRect();
    if (iChangeHotPoint) {
        m_HotPoint = cursor;
        ScreenToClient(&m_HotPoint);
    }
    if (m_Dragging || IsOnlyBarInMiniFrame())
        return FALSE;
    SetCapture();
    m_DragFrame.Init(this);
    m_DragFrame.m_ptLast = cursor;
    m_Dragging = TRUE;
    SetBeingDragged(TRUE);
    GetWindowRect(&m_DragStartRect);
    return TRUE;
}

BOOL CGTControlBar::AttachToBar(int iSensitivity, CGTDockBar*& oDockBar)
{
    const CPoint cursor = CursorPosition();
    CRect window;
    GetWindowRect(&window);
    CRect virtualRect = m_VirtualRect;
    if (CWnd* parent = GetParent())
        parent->ClientToScreen(&virtualRect);
    oDockBar =
        DYNAMIC_DOWNCAST(CGTDockBar, FindBarAtPointInOwner(cursor, iSensitivity, FALSE, RUNTIME_CLASS(CGTDockBar)));
    if (m_ParentDockBar != nullptr) {
        CRect dock, meeting;
        m_ParentDockBar->GetWindowRect(&dock);
        if (!meeting.IntersectRect(virtualRect, dock))
            return TRUE;
        const int slack = 2 * iSensitivity;
        const BOOL passesEnd = m_ParentDockBar->IsHorizontal()
            ? virtualRect.left < dock.left - slack || virtualRect.right > dock.right + slack
            : virtualRect.top < dock.top - slack || virtualRect.bottom > dock.bottom + slack;
        return passesEnd && !dock.PtInRect(cursor);
    }
    if (oDockBar == nullptr || !CanDockToBar(oDockBar))
        return FALSE;
    CRect dock;
    oDockBar->GetWindowRect(&dock);
    if (dock.PtInRect(cursor))
        return TRUE;
    // The further into the bar the cursor holds it, the further off the dock bar it attaches.
    const BOOL horizontal = oDockBar->IsHorizontal();
    const int distance = horizontal ? DistanceOutside(cursor.y, dock.top, dock.bottom)
                                    : DistanceOutside(cursor.x, dock.left, dock.right);
    const int extent = horizontal ? window.Height() : window.Width();
    const int into = horizontal ? (cursor.y < dock.top ? window.bottom - cursor.y : cursor.y - window.top)
                                : (cursor.x < dock.left ? window.right - cursor.x : cursor.x - window.left);
    return extent > 0 && distance * extent < iSensitivity * into;
}

CGTMiniFrameWnd* CGTControlBar::CreateFloatingFrame(CRect iRect)
{
    CWnd* owner = FindOwnerFrame();
    if (owner == nullptr)
        owner = GetOwningFrameWindow(this);
    auto* frame = static_cast<CGTMiniFrameWnd*>(m_FloatingFrameClass->CreateObject());
    if (frame == nullptr)
        return nullptr;
    if (!frame->CreateEx(0, nullptr, WS_POPUP, iRect, owner)) {
        if (frame->GetSafeHwnd() == nullptr)
            delete frame;
        return nullptr;
    }
    return frame;
}

BOOL CGTControlBar::FloatAtRect(CRect iRect, int iMethod, BOOL iShow)
{
    if ((!IsNotOnlyBarInMiniFrame() && !IsTabbed()) || !CanFloat())
        return TRUE;
    const CPoint cursor = CursorPosition();
    CPoint hotPoint = m_HotPoint;
    ClientToScreen(&hotPoint);
    if (!OnBeforeFloat(iRect, iMethod))
        return TRUE;
    const RECT margins = {16, 16, 16, 16};
    theGlobalUtils.AdjustRectToWorkArea(iRect, &margins);
    CGTMiniFrameWnd* frame = CreateFloatingFrame(iRect);
    if (frame == nullptr)
        return FALSE;
    if (iMethod != GTDockByMouse && GetOwnerDockManager() != nullptr && !CGTDockManager::s_bApplyingState)
        StoreRecentDockInfo();
    m_RecentDockInfo.m_rectRecentFloat = iRect;
    CWnd* oldParent = GetParent();
    CGTDockBar* dockBar = m_ParentDockBar;
    OnBeforeChangeParent(frame);
    if (iMethod == GTDockByMouse) {
        CPoint client = cursor;
        ScreenToClient(&client);
        SendMessage(WM_LBUTTONUP, 0xFFFF, MAKELPARAM(client.x, client.y));
    }
    SetParent(frame);
    LeaveDockSite(dockBar != nullptr ? static_cast<CWnd*>(dockBar) : oldParent);
    SetDockSite(nullptr, nullptr);
    frame->AttachBar(this);
    frame->AdjustLayout();
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    if (iMethod == GTDockByMouse && (GetDockingMode() & GTDockingImmediate))
        frame->EnterMoveMode(nullptr);
    RefreshFloatingFrame();
    m_dwStyle |= GTStyleFloating;
    UpdateStoredRect();
    if (iMethod == GTDockByMouse)
        KeepHotPointUnderCursor(*frame, hotPoint, cursor);
    if (iShow)
        ShowFloatingFrame(*frame);
    return TRUE;
}

void CGTControlBar::KeepHotPointUnderCursor(CGTMiniFrameWnd& ioFrame, CPoint iHotPoint, CPoint iCursor)
{
    CRect window;
    ioFrame.GetWindowRect(&window);
    if (iHotPoint.x < window.left || iHotPoint.x >= window.right)
        iHotPoint.x = window.left + window.Width() / 2;
    if (iHotPoint.y < window.top || iHotPoint.y >= window.bottom)
        iHotPoint.y = window.top + ioFrame.GetCaptionHeight() / 2;
    window.OffsetRect(iCursor - iHotPoint);
    ioFrame.SetWindowPos(nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTControlBar::ShowFloatingFrame(CGTMiniFrameWnd& ioFrame)
{
    ioFrame.ShowWindow(SW_SHOWNA);
    CWnd* owner = FindOwnerFrame();
    if (owner != nullptr) {
        owner->RedrawWindow(nullptr, nullptr, 0x5B1);
        if (owner->IsKindOf(RUNTIME_CLASS(COleCntrFrameWnd)))
            static_cast<CFrameWnd*>(owner)->RecalcLayout();
    }
    if (IsImmediateUpdate())
        ioFrame.UpdateWindow();
}
