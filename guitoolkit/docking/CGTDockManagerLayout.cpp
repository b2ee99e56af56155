// The frame layout of the dock manager, and what lies under the cursor while a bar or a
// floating frame is dragged.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <algorithm>

namespace {
// The side each smart-docking marker stands for: the outer markers 0 to 3, the central ones 4 to 7.
const DWORD markerSides[] = {GTSideLeft, GTSideRight, GTSideTop, GTSideBottom};

void CutFrom(CRect& ioWork, DWORD iSide, const CRect& iPlaced)
{
    switch (iSide) {
    case GTSideBottom:
        ioWork.bottom -= iPlaced.Height();
        break;
    case GTSideLeft:
        ioWork.left += iPlaced.Width();
        break;
    case GTSideRight:
        ioWork.right -= iPlaced.Width();
        break;
    default:
        ioWork.top += iPlaced.Height();
        break;
    }
}

BOOL SitsInSlider(CObject* iEntry)
{
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, iEntry);
    return pane != nullptr && pane->GetDefaultSlider() != nullptr;
}

// The side of a docked bar (its side bits; a bar laid out needs exactly one).
DWORD SideOf(const CGTBaseControlBar& iBar)
{
    const DWORD side = iBar.GetCurrentAlignment();
    for (DWORD known : markerSides) {
        if (side & known)
            return known;
    }
    return 0;
}
}  // namespace

CRect CGTDockManager::ToScreen(CRect iRect) const
{
    m_pOwnerFrame->ClientToScreen(&iRect);
    return iRect;
}

DWORD CGTDockManager::InLayoutDirection(DWORD iSide) const
{
    if (m_pOwnerFrame == nullptr || !(m_pOwnerFrame->GetExStyle() & WS_EX_LAYOUTRTL))
        return iSide;
    return iSide == GTSideLeft ? GTSideRight : iSide == GTSideRight ? GTSideLeft : iSide;
}

BOOL CGTDockManager::IsSmartDockingRunning() const
{
    return m_pSmartDocking != nullptr && m_pSmartDocking->IsStarted() && m_pSmartDocking->IsShown();
}

DWORD CGTDockManager::HitTestEdge(CPoint iPoint, const CRect& iRect, BOOL iOuter, DWORD iAllowed, int iCaption,
                                  int iTabArea) const
{
    if (IsSmartDockingRunning()) {
        const int marker = m_pSmartDocking->GetHoveredMarker() - (iOuter ? 0 : 4);
        return marker >= 0 && marker < 4 ? markerSides[marker] : 0;
    }
    DWORD side = 0;
    CGTGlobalUtils::HitTestDockingTarget(iPoint, iRect, s_nDockMargin, iOuter, side, iAllowed, iCaption, iTabArea);
    return side;
}

void CGTDockManager::RecalcLayout(HDWP iDefer)
{
    if (s_bLayoutSuspended || m_bInLayout || m_pOwnerFrame == nullptr)
        return;
    CFrameWnd* top = m_pOwnerFrame->GetTopLevelFrame();
    if (!m_bLayoutEnabled || m_lstBars.IsEmpty() || (top != nullptr && top->IsIconic()))
        return;
    const CRect oldOuterEdge = m_rectOuterEdge;
    m_bInLayout = TRUE;
    HDWP defer = iDefer;
    const BOOL ownBatch = iDefer == nullptr && !m_bPreviewMode;
    if (ownBatch)
        defer = ::BeginDeferWindowPos(static_cast<int>(m_lstBars.GetCount()));

    CRect work;
    m_pOwnerFrame->GetClientRect(&work);
    m_pOwnerFrame->ClientToScreen(&work);
    if (m_bBottomStrip)
        work.bottom -= 20;

    POSITION lastDockBar = m_lstBars.GetTailPosition();
    while (lastDockBar != nullptr && !m_lstBars.GetAt(lastDockBar)->IsKindOf(RUNTIME_CLASS(CGTDockBar)))
        m_lstBars.GetPrev(lastDockBar);

    CRect outerEdge(0, 0, 0, 0);
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        const POSITION current = position;
        auto* entry = static_cast<CGTBaseControlBar*>(m_lstBars.GetNext(position));
        const BOOL isDockBar = entry->IsKindOf(RUNTIME_CLASS(CGTDockBar));
        const BOOL visible = (entry->GetStyle() & WS_VISIBLE) != 0;
        const BOOL passOver =
            isDockBar ? !visible && (m_bPreviewMode || m_bAllBarsHidden) : !entry->IsVisible() || SitsInSlider(entry);
        const DWORD side = SideOf(*entry);
        if (!passOver && side != 0) {
            const BOOL horizontal = IsHorizontalSide(side);
            const CSize size = entry->CalcFixedLayout(FALSE, horizontal);
            const CRect placed =
                GTGeometry::PlaceAgainst(work, side, horizontal ? size.cy : size.cx, entry->IsResizable());
            if (isDockBar && (horizontal ? placed.Width() : placed.Height()) > 0) {
                CRect rows = placed;
                entry->ScreenToClient(&rows);
                static_cast<CGTDockBar*>(entry)->OnDockBarResized(rows);
            }
            if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, entry)) {
                slider->RepositionInRect(placed, defer);
            } else {
                CRect inParent = placed;
                entry->GetParent()->ScreenToClient(&inParent);
                defer = entry->MoveBarWindow(nullptr, inParent.left, inParent.top, inParent.Width(), inParent.Height(),
                                             SWP_NOZORDER | SWP_NOACTIVATE, defer);
            }
            CutFrom(work, side, placed);
        }
        if (current == lastDockBar)
            outerEdge = work;
    }

    m_rectFreeArea = work;
    m_rectOuterEdge = outerEdge.IsRectEmpty() || m_bAllBarsHidden ? work : outerEdge;
    m_pOwnerFrame->ScreenToClient(&m_rectFreeArea);
    m_pOwnerFrame->ScreenToClient(&m_rectOuterEdge);
    if (m_rectOuterEdge != oldOuterEdge)
        SlideInAutoHideBars(nullptr, TRUE);
    if (m_pSmartDocking != nullptr)
        m_pSmartDocking->OnPosChange(m_rectOuterEdge);
    SetAutoHideStartOffsets();
    if (ownBatch && defer != nullptr)
        ::EndDeferWindowPos(defer);
    m_bInLayout = FALSE;
}

void CGTDockManager::SetAutoHideStartOffsets()
{
    // Every offset is cleared before any pair is tested, so that an offset one bar's test gives
    // another bar stays (the right-side buttons keep clear of a top bar's corner).
    CArray<CGTAutoHideDockBar*, CGTAutoHideDockBar*> bars;
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        if (auto* bar = DYNAMIC_DOWNCAST(CGTAutoHideDockBar, m_lstBars.GetNext(position))) {
            bar->SetStartOffset(0);
            bars.Add(bar);
        }
    }
    for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
        CRect mine;
        bars[b]->GetWindowRect(&mine);
        const DWORD side = bars[b]->GetCurrentAlignment();
        for (INT_PTR o = 0; o < bars.GetSize(); ++o) {
            CRect other;
            bars[o]->GetWindowRect(&other);
            const DWORD otherSide = bars[o]->GetCurrentAlignment();
            if (o == b || IsHorizontalSide(side) == IsHorizontalSide(otherSide) || other.IsRectEmpty())
                continue;
            if (side == GTSideLeft && otherSide == GTSideTop) {
                if (mine.top == other.bottom)
                    bars[o]->SetStartOffset(mine.Width());
                if (mine.right == other.left)
                    bars[b]->SetStartOffset(other.Height());
            } else if (side == GTSideTop && otherSide == GTSideRight) {
                if (mine.right == other.left)
                    bars[o]->SetStartOffset(mine.Height());
            } else if (side == GTSideLeft && otherSide == GTSideBottom) {
                if (mine.bottom == other.top)
                    bars[o]->SetStartOffset(mine.Width());
            }
        }
    }
}

BOOL CGTDockManager::CutDockStripFromRect(CRect& ioRect, DWORD iAlignment)
{
    const DWORD side = InLayoutDirection(iAlignment & GTSideAny);
    if (side != GTSideTop && side != GTSideBottom && side != GTSideLeft && side != GTSideRight)
        return FALSE;
    // Before the frame's first layout nothing is docked yet and the whole client area is free;
    // measured against the still empty free area a pane docked then would shrink to nothing.
    CRect free = m_rectFreeArea;
    if (free.IsRectEmpty() && m_pOwnerFrame != nullptr)
        m_pOwnerFrame->GetClientRect(&free);
    const BOOL horizontal = IsHorizontalSide(side);
    const int across = horizontal ? free.Height() : free.Width();
    const int thickness = across * theGuiToolkitGlobals.maxDockedCoverPercent / 100;
    if ((horizontal ? ioRect.Height() : ioRect.Width()) < thickness)
        return FALSE;
    if (side == GTSideTop)
        ioRect.bottom = ioRect.top + thickness;
    else if (side == GTSideBottom)
        ioRect.top = ioRect.bottom - thickness;
    else if (side == GTSideLeft)
        ioRect.right = ioRect.left + thickness;
    else
        ioRect.left = ioRect.right - thickness;
    return TRUE;
}

BOOL CGTDockManager::IsPointNearDockArea(CPoint iPoint, DWORD& oAlignment, BOOL& oOuterEdge)
{
    oAlignment = 0;
    oOuterEdge = FALSE;
    if (m_pOwnerFrame == nullptr)
        return FALSE;
    oAlignment = HitTestEdge(iPoint, ToScreen(m_rectOuterEdge), TRUE, m_dwDockBarSides);
    if (oAlignment != 0) {
        oOuterEdge = TRUE;
        return TRUE;
    }
    oAlignment = HitTestEdge(iPoint, ToScreen(m_rectFreeArea), FALSE, m_dwDockBarSides);
    return oAlignment != 0;
}

CGTMiniFrameWnd* CGTDockManager::FindMiniFrameAtPoint(CPoint iPoint, CGTMiniFrameWnd* iExclude, BOOL iMultiOnly)
{
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;) {
        auto* frame = static_cast<CGTMiniFrameWnd*>(m_lstFloatFrames.GetNext(position));
        if (frame == iExclude || !(frame->GetStyle() & WS_VISIBLE) ||
            (iMultiOnly && !frame->IsKindOf(RUNTIME_CLASS(CGTMultiMiniFrameWnd))))
            continue;
        CRect window;
        frame->GetWindowRect(&window);
        if (window.PtInRect(iPoint))
            return frame;
    }
    return nullptr;
}

CGTBaseControlBar* CGTDockManager::FindBarAtPoint(CPoint iPoint, int iSensitivity, BOOL iExact, CRuntimeClass* iClass,
                                                  BOOL iVisibleOnly, const CGTBaseControlBar* iExclude)
{
    if (m_pSmartDocking != nullptr) {
        const int marker = m_pSmartDocking->GetHoveredMarker();
        if (marker >= 0 && marker < 4)
            return nullptr;
    }
    const auto ofClass = [iClass](const CObject* iBar) { return iClass == nullptr || iBar->IsKindOf(iClass); };
    CGTMiniFrameWnd* excludedFrame = iExclude != nullptr ? iExclude->GetParentMiniFrame() : nullptr;
    if (CGTMiniFrameWnd* frame = FindMiniFrameAtPoint(iPoint, excludedFrame)) {
        CGTBaseControlBar* bar = frame->BarUnderPoint(iPoint, iSensitivity, !iVisibleOnly);
        if (bar != nullptr && bar != iExclude && ofClass(bar))
            return bar;
    }
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTBaseControlBar*>(m_lstBars.GetNext(position));
        if (bar == iExclude || !ofClass(bar) || (iVisibleOnly && !(bar->GetStyle() & WS_VISIBLE)))
            continue;
        CRect window;
        bar->GetWindowRect(&window);
        if (!iExact)
            window.InflateRect(iSensitivity, iSensitivity);
        if (window.PtInRect(iPoint))
            return bar;
    }
    return nullptr;
}

CGTBaseControlBar* CGTDockManager::FindBarForDockingAtPoint(CPoint iPoint, int iSensitivity, CRuntimeClass* iClass,
                                                            DWORD& oAlignment, CGTBaseControlBar* iExclude)
{
    oAlignment = 0;
    CGTBaseControlBar* bar = FindBarAtPoint(iPoint, iSensitivity, TRUE, nullptr, FALSE, iExclude);
    if (bar == nullptr || (iClass != nullptr && !bar->IsKindOf(iClass)))
        return nullptr;
    CRect window;
    bar->GetWindowRect(&window);
    int tabArea = 0;
    if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, bar)) {
        CRect topTabs, bottomTabs;
        pane->GetTabAreaRects(topTabs, bottomTabs);
        tabArea = bottomTabs.Height();
    }
    oAlignment = HitTestEdge(iPoint, window, FALSE, GTSideAny, bar->GetCaptionHeight(), tabArea);
    return oAlignment != 0 ? bar : nullptr;
}

int CGTDockManager::FindDockTarget(CPoint iPoint, int iSensitivity, DWORD iAllowedSides, CGTBaseControlBar*& oTarget,
                                   CGTBaseControlBar* iDragged)
{
    oTarget = FindBarAtPoint(iPoint, iSensitivity, TRUE, RUNTIME_CLASS(CGTDockingControlBar), TRUE, iDragged);
    if (oTarget == nullptr) {
        CGTMiniFrameWnd* own = iDragged != nullptr ? iDragged->GetParentMiniFrame() : nullptr;
        CGTMiniFrameWnd* frame = FindMiniFrameAtPoint(iPoint, own, TRUE);
        if (frame != nullptr && frame->HitTestFrame(iPoint, TRUE) == HTCAPTION) {
            oTarget = DYNAMIC_DOWNCAST(CGTBaseControlBar, frame->GetBar());
            if (oTarget != nullptr)
                return 3;
        }
    }
    const DWORD sharedBit = 0x40;
    if (oTarget != nullptr && oTarget->GetParentMiniFrame() != nullptr &&
        (iDragged == nullptr || !(iDragged->GetStyleWord() & sharedBit) || !(oTarget->GetStyleWord() & sharedBit)))
        oTarget = nullptr;
    if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, oTarget)) {
        if (!(pane->GetCurrentAlignment() & iAllowedSides))
            return 0;
        return pane->HitTestDockTarget(iPoint, iSensitivity);
    }
    oTarget = nullptr;
    DWORD side = 0;
    BOOL outer = FALSE;
    return IsPointNearDockArea(iPoint, side, outer) && (side & iAllowedSides) ? 2 : 0;
}
