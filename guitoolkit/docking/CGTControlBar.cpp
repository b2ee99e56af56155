#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CGTControlBar, CGTBaseControlBar)

BEGIN_MESSAGE_MAP(CGTControlBar, CGTBaseControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCDESTROY()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_STYLECHANGED, &CGTControlBar::OnStyleChanged)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CANCELMODE()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CGTControlBar::CGTControlBar()
    : m_RowChanged(FALSE), m_GroupFirst(TRUE), m_GroupLast(TRUE), m_RowActive(TRUE), m_RowExtraCount(0),
      m_RowExtra(nullptr), m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(2), m_cyBottomBorder(2),
      m_cxDefaultGap(2), m_RecentLength(32767), m_VirtualRect(0, 0, 0, 0), m_DragStartRect(0, 0, 0, 0),
      m_Dragging(FALSE), m_SavedId(0), m_HotPoint(0, 0), m_DragEnded(FALSE), m_BeingDragged(FALSE),
      m_FloatingFrameClass(RUNTIME_CLASS(CGTMiniFrameWnd)), m_TempDragWindow(nullptr), m_Restriction(0), m_PinState(0),
      m_StoredSize(1, 1), m_RecentDockInfo(*this), m_LoadedDockedRect(0, 0, 0, 0), m_LoadedFloating(FALSE),
      m_MiniFrameDrag(FALSE), m_Impl(*this)
{
}

CGTControlBar::~CGTControlBar()
{
    delete[] m_RowExtra;
}

BOOL CGTControlBar::IsTabbed() const
{
    CWnd* parent = GetParent();
    if (parent == nullptr)
        return FALSE;
    if (DYNAMIC_DOWNCAST(CGTBaseTabWnd, parent) != nullptr)
        return DYNAMIC_DOWNCAST(CGTBaseTabbedBar, parent->GetParent()) != nullptr;
    return DYNAMIC_DOWNCAST(CGTDockingCBWrapper, parent) != nullptr &&
        DYNAMIC_DOWNCAST(CGTBaseTabWnd, parent->GetParent()) != nullptr;
}

BOOL CGTControlBar::IsResizable() const
{
    return FALSE;
}

BOOL CGTControlBar::CanDockToBar(const CGTBaseControlBar* iBar) const
{
    return iBar != nullptr && (iBar->GetCurrentAlignment() & GetEnabledAlignment()) != 0;
}

int CGTControlBar::DockToTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod)
{
    if (!OnBeforeDock(iTarget, iRect, iMethod) || !DockAtTarget(iTarget, iRect, iMethod))
        return FALSE;
    OnAfterDock(iTarget, iRect, iMethod);
    return TRUE;
}

void CGTControlBar::UpdateStoredRect()
{
    if (m_DockRow != nullptr) {
        StoreCurrentRect();
        return;
    }
    if (DYNAMIC_DOWNCAST(CGTBaseTabWnd, GetParent()) != nullptr)
        return;
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->AdjustLayout();
}

void CGTControlBar::OnBeforeChangeParent(CWnd*, BOOL)
{
    if (m_ParentDockBar != nullptr)
        m_ParentDockBar->RemoveControlBar(this);
}

void CGTControlBar::LeaveDockSite(CWnd*)
{
    StoreCurrentRect();
    if (DYNAMIC_DOWNCAST(CGTDockBar, GetParent()) == nullptr)
        SetDockSite(nullptr, nullptr);
}

void CGTControlBar::UnDockControlBar(BOOL iDelay)
{
    if (m_ParentDockBar != nullptr)
        m_ParentDockBar->RemoveControlBar(this);
    if (!iDelay)
        AdjustOwnerLayout(FALSE);
}

BOOL CGTControlBar::IsBeingDragged() const
{
    return m_BeingDragged;
}

CSize CGTControlBar::GetStoredSize() const
{
    return m_StoredSize;
}

int CGTControlBar::GetDockGap() const
{
    return 10;
}

int CGTControlBar::GetResizeStep() const
{
    return -1;
}

int CGTControlBar::GetShrinkDeficit() const
{
    CRect window;
    GetWindowRect(&window);
    const int deficit =
        IsHorizontal() ? m_VirtualRect.Width() - window.Width() : m_VirtualRect.Height() - window.Height();
    return std::max(deficit, 0);
}

int CGTControlBar::GetSpareLength() const
{
    CRect window;
    GetWindowRect(&window);
    return IsHorizontal() ? window.Width() - m_StoredSize.cx : window.Height() - m_StoredSize.cy;
}

BOOL CGTControlBar::IsNotRestricted() const
{
    return m_Restriction == 0;
}

void CGTControlBar::CopyControlBarState(const CGTControlBar& iOther)
{
    CopyStateFrom(iOther);
    m_GroupFirst = iOther.m_GroupFirst;
    m_GroupLast = iOther.m_GroupLast;
    m_RowActive = iOther.m_RowActive;
    m_StoredSize = iOther.m_StoredSize;
    m_RecentDockInfo = iOther.m_RecentDockInfo;
    m_LoadedDockedRect = iOther.m_LoadedDockedRect;
    m_LoadedFloating = iOther.m_LoadedFloating;
}

BOOL CGTControlBar::IsShownInBarsMenu() const
{
    return TRUE;
}

CString CGTControlBar::GetBarCaption() const
{
    CString text;
    GetWindowText(text);
    return text;
}

void CGTControlBar::SetRowActive(BOOL iActive)
{
    m_RowActive = iActive;
}

void CGTControlBar::SetRestriction(DWORD iRestriction)
{
    m_Restriction = iRestriction;
}

BOOL CGTControlBar::IsTearOffBar() const
{
    return FALSE;
}

void CGTControlBar::ReparentForDocking(CGTBaseControlBar* iTarget, int iMethod)
{
    auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, iTarget);
    SetDockSite(dockBar != nullptr ? dockBar : iTarget->GetParentDockBar(), m_DockRow);
    ChangeParent(iTarget, iMethod);
    m_dwStyle = (m_dwStyle & ~GTStyleFloating) | GTStyleBorderAny;
    SetAlignment(iTarget->GetCurrentAlignment());
}

int CGTControlBar::DockToTargetByMouse(CGTBaseControlBar* iTarget)
{
    return DockToTarget(iTarget, nullptr, GTDockByMouse);
}

CSize CGTControlBar::GetStretchBound() const
{
    return CSize(0, 0);
}

CSize CGTControlBar::CalcAvailableSize(CRect iRect, UINT)
{
    CRect window;
    GetWindowRect(&window);
    return CSize(std::max<int>(iRect.Width(), m_StoredSize.cx) - window.Width(),
                 std::max<int>(iRect.Height(), m_StoredSize.cy) - window.Height());
}

int CGTControlBar::StretchBar(int iDelta)
{
    int change = 0;
    if (iDelta > 0)
        change = std::min(iDelta, GetShrinkDeficit());
    else if (iDelta < 0)
        change = std::max(iDelta, -std::max(GetSpareLength(), 0));
    if (change == 0)
        return 0;
    OnBeforeStretch(change);
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    if (IsHorizontal())
        rect.right += change;
    else
        rect.bottom += change;
    MoveToRectInParent(rect);
    OnAfterStretch(change);
    return change;
}

CGTBaseControlBar* CGTControlBar::FindDockTarget(int, int& oHitCode, BOOL& oHandled)
{
    oHitCode = 0;
    oHandled = FALSE;
    return this;
}

void CGTControlBar::RestorePlacement(CGTDockManager& ioManager)
{
    if (m_LoadedFloating) {
        ShowBar(m_RememberedVisibility, TRUE, FALSE);
        return;
    }
    CGTDockBar* dockBar = ioManager.FindDockBarByAlignment(m_RecentDockInfo.m_dwRecentSide, TRUE);
    if (dockBar == nullptr)
        return;
    CRect docked = m_RecentDockInfo.m_docked.m_rectPane;
    ioManager.DockBar(this, dockBar->GetDockBarId(), &docked);
    if (m_ParentDockBar != nullptr) {
        m_ParentDockBar->ShowControlBar(this, m_RememberedVisibility, TRUE, FALSE);
        if (m_DockRow != nullptr)
            m_DockRow->StretchBarsIntoFreeLength();
    }
}

BOOL CGTControlBar::OnBeforeFloat(CRect&, int)
{
    return TRUE;
}

void CGTControlBar::RefreshFloatingFrame()
{
    SetAlignment(GTSideTop);
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame()) {
        frame->SetPinned(m_PinState);
        frame->SetWindowPos(nullptr, 0, 0, 0, 0,
                            SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

BOOL CGTControlBar::Create(LPCWSTR iClassName, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                           DWORD iBehaviourStyle, CCreateContext* iContext)
{
    return CreateEx(0, iClassName, iStyle, iRect, iParent, iId, iBehaviourStyle, iContext);
}

BOOL CGTControlBar::CreateEx(DWORD iExStyle, LPCWSTR iClassName, DWORD iStyle, const RECT& iRect, CWnd* iParent,
                             UINT iId, DWORD iBehaviourStyle, CCreateContext* iContext)
{
    const CString className =
        iClassName != nullptr ? CString(iClassName) : RegisterLibraryWindowClass(L"VADEControlBar");
    m_SavedId = iId;
    if (!CreateBarWindow(iExStyle, className, nullptr, iStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, iRect, iParent, iId,
                         iBehaviourStyle, iContext))
        return FALSE;
    CRect screen(iRect);
    if (iParent != nullptr)
        iParent->ClientToScreen(&screen);
    if (!screen.IsRectEmpty())
        m_RecentDockInfo.TakeEmptyRects(screen);
    SetOwner(iParent);
    StoreCurrentRect();
    if (CanFloat())
        m_DragFrame.Init(this);
    return TRUE;
}

BOOL CGTControlBar::CreateWithBarStyle(LPCWSTR iClassName, DWORD iWindowStyle, CWnd* iParent, UINT iId, DWORD iBarStyle)
{
    if (!CreateEx(0, iClassName, iWindowStyle, CRect(0, 0, 0, 0), iParent, iId, 0))
        return FALSE;
    SetStyleWord(iBarStyle);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

CSize CGTControlBar::CalcSizeForRect(CRect iRect)
{
    return CSize(std::max<int>(iRect.Width(), m_StoredSize.cx), std::max<int>(iRect.Height(), m_StoredSize.cy));
}

void CGTControlBar::AdjustSize(BOOL iArrange)
{
    // A band of a rebar is sized by the rebar.
    const CSize wanted = GetStretchLimit(FALSE, IsHorizontal());
    CRect window;
    GetWindowRect(&window);
    if (window.Size() != wanted && !GetParent()->IsKindOf(RUNTIME_CLASS(CGTReBar)))
        SetWindowPos(nullptr, 0, 0, wanted.cx, wanted.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_ParentDockBar == nullptr)
        return;
    StoreCurrentRect();
    if (iArrange && m_DockRow != nullptr) {
        m_DockRow->ArrangeBars(this);
        if (CWnd* frame = GetOwningFrameWindow(this); frame != nullptr && frame->IsFrameWnd())
            static_cast<CFrameWnd*>(frame)->RecalcLayout();
    }
}

BOOL CGTControlBar::IsFloatPending() const
{
    return FALSE;
}

void CGTControlBar::OnAutoHideCommand() {}

void CGTControlBar::OnHideCommand()
{
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->HideFrameAndBar();
}

BOOL CGTControlBar::OnBeforeDockingMenu(CMenu&)
{
    return TRUE;
}

BOOL CGTControlBar::OnDockingMenuCommand(UINT)
{
    return TRUE;
}

void CGTControlBar::ResumeDrag()
{
    EnterDragMode(FALSE);
}

void CGTControlBar::OnRowChanged() {}

BOOL CGTControlBar::OnBeforeDock(CGTBaseControlBar*&, LPCRECT, int)
{
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        m_PinState = frame->IsPinned();
    return TRUE;
}

void CGTControlBar::OnAfterDock(CGTBaseControlBar*, LPCRECT, int) {}

void CGTControlBar::OnBeforeStretch(int&) {}

void CGTControlBar::OnAfterStretch(int) {}

void CGTControlBar::ChangeParent(CWnd* iNewParent, int iMethod)
{
    CWnd* oldParent = GetParent();
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    // Out of the frame first: a frame that goes when its last bar leaves takes its children along.
    SetParent(iNewParent);
    if (frame != nullptr) {
        if (iMethod == GTDockByMouse) {
            // The frame's own drag ends, but the frame lives on until the bar's drag does.
            frame->ReleaseBar(this, FALSE, TRUE);
            m_TempDragWindow = frame;
            frame->SendMessage(WM_LBUTTONUP);
        } else {
            frame->ReleaseBar(this, TRUE, FALSE);
        }
    }
    LeaveDockSite(oldParent);
}

void CGTControlBar::SetBeingDragged(BOOL iDragged)
{
    m_BeingDragged = iDragged;
}

int CGTControlBar::DockAtTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod)
{
    if (iMethod == GTDockToRecentPlace) {
        iTarget = m_RecentDockInfo.m_pRecentDockBar;
        if (iTarget == nullptr) {
            if (CGTDockManager* manager = GetOwnerDockManager())
                manager->DockBar(this, 0, nullptr);
            return 1;
        }
    }
    if (iTarget == nullptr || !CanDockToBar(iTarget) || !iTarget->CanAcceptBar(this))
        return 0;
    CRect window;
    GetWindowRect(&window);
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    const BOOL wasDragged = frame == nullptr || frame->IsInMoveMode();
    ReparentForDocking(iTarget, iMethod);
    if (m_ParentDockBar == nullptr)
        return 1;
    if (iMethod == GTDockByMouse) {
        m_ParentDockBar->DockControlBar(this, iMethod, &window);
        if (wasDragged)
            ResumeDrag();
    } else if (iMethod == GTDockToRecentPlace || iMethod == GTDockByRect) {
        m_ParentDockBar->DockControlBar(this, iMethod, iRect);
    }
    return 1;
}

void CGTControlBar::StoreRecentDockInfo()
{
    m_RecentDockInfo.m_pRecentRow = m_DockRow;
    m_RecentDockInfo.m_pRecentDockBar = m_ParentDockBar;
    if (m_ParentDockBar != nullptr)
        m_RecentDockInfo.m_nRecentRowIndex = m_ParentDockBar->GetRowIndex(m_DockRow);
    m_RecentDockInfo.m_docked.m_rectPane = RectInDockSite();
}

void CGTControlBar::StoreCurrentRect()
{
    if (m_hWnd == nullptr)
        return;
    GetWindowRect(&m_VirtualRect);
    if (CWnd* parent = GetParent())
        parent->ScreenToClient(&m_VirtualRect);
}

void CGTControlBar::OffsetVirtualRect(CSize iDelta)
{
    CWnd* parent = GetParent();
    if (parent != nullptr && (parent->GetExStyle() & WS_EX_LAYOUTRTL) && IsHorizontal())
        iDelta.cx = -iDelta.cx;
    m_VirtualRect.OffsetRect(iDelta);
}

BOOL CGTControlBar::MoveWithOffset(DWORD iAlignment, int iDelta)
{
    const CSize delta = IsHorizontalSide(iAlignment) ? CSize(0, iDelta) : CSize(iDelta, 0);
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    rect.OffsetRect(delta);
    m_VirtualRect.OffsetRect(delta);
    return SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGTControlBar::IsPointBeforeBar(CPoint iPoint, BOOL iScreen) const
{
    if (m_ParentDockBar == nullptr)
        return TRUE;
    CRect bar;
    GetWindowRect(&bar);
    if (!iScreen)
        m_ParentDockBar->ScreenToClient(&bar);
    return m_ParentDockBar->IsHorizontal() ? iPoint.x < bar.left : iPoint.y < bar.top;
}

BOOL CGTControlBar::AllocRowExtraArray(int iCount, int iSize)
{
    delete[] m_RowExtra;
    m_RowExtra = nullptr;
    m_RowExtraCount = 0;
    if (iCount <= 0)
        return TRUE;
    m_RowExtra = new (std::nothrow) BYTE[static_cast<size_t>(iCount) * iSize]();
    if (m_RowExtra == nullptr)
        return FALSE;
    m_RowExtraCount = iCount;
    return TRUE;
}

void CGTControlBar::SetBorders(int iLeft, int iTop, int iRight, int iBottom)
{
    m_cxLeftBorder = iLeft;
    m_cyTopBorder = iTop;
    m_cxRightBorder = iRight;
    m_cyBottomBorder = iBottom;
}

CRect CGTControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

void CGTControlBar::AdjustClientRectByBorders(CRect& ioRect, BOOL iHorizontal) const
{
    const BOOL floating = (m_dwStyle & GTStyleFloating) != 0;
    if (!floating && !IsTabbed()) {
        if (m_dwStyle & GTStyleBorderLeft)
            ++ioRect.left;
        if (m_dwStyle & GTStyleBorderTop)
            ++ioRect.top;
        if (m_dwStyle & GTStyleBorderRight)
            --ioRect.right;
        if (m_dwStyle & GTStyleBorderBottom)
            --ioRect.bottom;
    }
    if (iHorizontal) {
        ioRect.DeflateRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    } else {
        ioRect.DeflateRect(m_cyTopBorder, m_cxLeftBorder, m_cyBottomBorder, m_cxRightBorder);
    }
    if (!(m_dwStyle & GTStyleGripper) || floating)
        return;
    const int gripper = CGTControlBarImpl::gripperSize;
    if (!iHorizontal)
        ioRect.top += gripper;
    else if (GetExStyle() & WS_EX_LAYOUTRTL)
        ioRect.right -= gripper;
    else
        ioRect.left += gripper;
}

CRect CGTControlBar::RectInDockSite() const
{
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* site = m_ParentDockBar != nullptr ? static_cast<CWnd*>(m_ParentDockBar) : FindOwnerFrame())
        site->ScreenToClient(&rect);
    return rect;
}

void CGTControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* ioParams)
{
    CRect client(ioParams->rgrc[0]);
    m_Impl.CalcNcSize(client);
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    ioParams->rgrc[0] = client;
}

void CGTControlBar::OnNcPaint()
{
    const MSG* message = GetCurrentMessage();
    m_Impl.DrawNcArea(reinterpret_cast<HRGN>(message->wParam));
}

void CGTControlBar::OnNcDestroy()
{
    CGTDockingValues::MiniFrameBarsById().RemoveKey(GetDlgCtrlID());
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->ReleaseBar(this, FALSE, FALSE);
    CGTBaseControlBar::OnNcDestroy();
}

void CGTControlBar::OnContextMenu(CWnd*, CPoint iPoint)
{
    if (CGTToolBar::IsCustomizeMode() || CGTActivePopupMenu::Get() != nullptr || HandleOwnContextMenu(iPoint))
        return;
    CWnd* frame = FindOwnerFrame();
    if (frame == nullptr || !frame->IsFrameWnd())
        frame = GetActiveTopLevelFrame(this);
    ShowBarsContextMenu(frame, iPoint);
}

void CGTControlBar::OnDestroy()
{
    // The frame's layout must not reach a bar that is gone.
    RemoveBarFromOwnerFrame(FALSE, FALSE, FALSE);
    CGTBaseTabWnd* tabs = GetHoldingTabWnd();
    if (auto* tabbed = tabs != nullptr ? DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent()) : nullptr)
        tabbed->RemoveBarTab(this);
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        CGTBaseControlBar::OnDestroy();
}

LRESULT CGTControlBar::OnStyleChanged(WPARAM iType, LPARAM iStyles)
{
    const LRESULT result = Default();
    const auto* styles = reinterpret_cast<const STYLESTRUCT*>(iStyles);
    if (iType == static_cast<WPARAM>(GWL_EXSTYLE) && ((styles->styleOld ^ styles->styleNew) & WS_EX_LAYOUTRTL) &&
        IsHorizontal() && m_ParentDockBar != nullptr)
        SetWindowPos(nullptr, m_VirtualRect.left, m_VirtualRect.top, m_VirtualRect.Width(), m_VirtualRect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return result;
}
