// How a node measures itself, lays itself out, shares its area between its sides and gives
// the space of a removed pane away.
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <algorithm>
#include <cstdlib>

using namespace GTGeometry;

namespace {
CSize Larger(CSize iFirst, CSize iSecond)
{
    return CSize(std::max(iFirst.cx, iSecond.cx), std::max(iFirst.cy, iSecond.cy));
}

int Sign(int iValue)
{
    return iValue < 0 ? -1 : 1;
}
}  // namespace

void CGTBarContainer::GetContainerRect(CRect& oRect, BOOL iIgnoreVisibility) const
{
    oRect.SetRectEmpty();
    for (const CGTDockingControlBar* bar : {m_LeftBar, m_RightBar}) {
        if (bar == nullptr || !(iIgnoreVisibility || Counts(bar)))
            continue;
        CRect rect = WindowRect(bar);
        const CSize minimum = bar->GetStoredSize();
        if (rect.Width() == 0)
            rect.right = rect.left + minimum.cx;
        if (rect.Height() == 0)
            rect.bottom = rect.top + minimum.cy;
        oRect.UnionRect(&oRect, &rect);
    }
    for (const CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (child == nullptr || !(iIgnoreVisibility || Counts(child)))
            continue;
        CRect rect;
        child->GetContainerRect(rect, FALSE);
        oRect.UnionRect(&oRect, &rect);
    }
}

void CGTBarContainer::GetLeftMinSize(CSize& oSize) const
{
    oSize = GetSide(TRUE).m_MinSize;
}

void CGTBarContainer::GetRightMinSize(CSize& oSize) const
{
    oSize = GetSide(FALSE).m_MinSize;
}

void CGTBarContainer::GetMinSize(CSize& oSize) const
{
    CSize parts[4];
    if (Counts(m_LeftBar))
        parts[0] = m_LeftBar->GetStoredSize();
    if (Counts(m_RightBar))
        parts[1] = m_RightBar->GetStoredSize();
    if (Counts(m_LeftContainer))
        m_LeftContainer->GetMinSize(parts[2]);
    if (Counts(m_RightContainer))
        m_RightContainer->GetMinSize(parts[3]);
    if (m_Slider != nullptr && (IsShown(m_Slider) || IsAutoHideGroup())) {
        const BOOL vertical = m_Slider->IsHorizontal();
        int along = m_Slider->GetThickness();
        int across = 0;
        for (CSize part : parts) {
            along += Along(part, vertical);
            across = std::max<int>(across, Along(part, !vertical));
        }
        oSize = vertical ? CSize(across, along) : CSize(along, across);
        return;
    }
    oSize = Larger(parts[0], parts[1]);
    if (Counts(m_LeftContainer))
        oSize = parts[2];
    if (Counts(m_RightContainer))
        oSize = parts[3];
}

int CGTBarContainer::GetResizeStep() const
{
    if (IsContainerEmpty())
        return -1;
    int step = m_LeftBar != nullptr ? m_LeftBar->GetResizeStep() : -1;
    if (m_RightBar != nullptr && m_RightBar->GetResizeStep() >= step)
        step = m_RightBar->GetResizeStep();
    if (m_LeftContainer != nullptr)
        step = m_LeftContainer->GetResizeStep();
    if (m_RightContainer != nullptr && m_RightContainer->GetResizeStep() >= step)
        step = m_RightContainer->GetResizeStep();
    return step;
}

CGTBarContainer::Side CGTBarContainer::GetSide(BOOL iLeft) const
{
    Side side{CRect(0, 0, 0, 0), CSize(0, 0)};
    const CGTDockingControlBar* bar = iLeft ? m_LeftBar : m_RightBar;
    const CGTBarContainer* child = iLeft ? m_LeftContainer : m_RightContainer;
    if (Counts(bar)) {
        side.m_Rect = WindowRect(bar);
        side.m_MinSize = bar->GetStoredSize();
    }
    if (Counts(child)) {
        child->GetContainerRect(side.m_Rect, FALSE);
        child->GetMinSize(side.m_MinSize);
    }
    return side;
}

int CGTBarContainer::RememberedShare(BOOL iLeft) const
{
    const CGTDockingControlBar* bar = iLeft ? m_LeftBar : m_RightBar;
    const CGTBarContainer* child = iLeft ? m_LeftContainer : m_RightContainer;
    const int share = bar != nullptr ? bar->GetContainerShare() : child != nullptr ? child->m_Percent : 50;
    return share == 0 || share == 100 ? 50 : share;
}

CGTBarContainer::Split CGTBarContainer::MeasureSplit() const
{
    const BOOL vertical = IsSliderHorz();
    Split split{GetSide(TRUE), GetSide(FALSE), 0, 0, -1};
    CRect node;
    GetContainerRect(node, FALSE);
    split.m_Extent = Extent(node, vertical);
    split.m_LeftExtent = Extent(split.m_Left.m_Rect, vertical);
    split.m_Recent = RepairSplit(split.m_Extent, split.m_LeftExtent, Extent(split.m_Right.m_Rect, vertical),
                                 split.m_Left.m_Rect.IsRectEmpty() || split.m_Right.m_Rect.IsRectEmpty());
    return split;
}

int CGTBarContainer::RepairSplit(int iExtent, int& ioLeft, int iRight, BOOL iBroken) const
{
    if (ioLeft + iRight <= iExtent && !iBroken)
        return -1;
    if (ioLeft == iExtent) {
        const int share = RememberedShare(FALSE);
        ioLeft = iExtent - share * iExtent / 100;
        return 100 - share;
    }
    if (iRight == iExtent) {
        const int share = RememberedShare(TRUE);
        ioLeft = share * iExtent / 100;
        return share;
    }
    return -1;
}

void CGTBarContainer::PlaceSide(BOOL iLeft, const CRect& iRect, HDWP& ioDefer, BOOL iRepaint, int iShare)
{
    if (CGTDockingControlBar* bar = iLeft ? m_LeftBar : m_RightBar) {
        ioDefer = bar->MoveToRectInParent(iRect, iRepaint, ioDefer);
        if (iShare >= 0)
            bar->SetContainerShare(iShare);
    }
    if (CGTBarContainer* child = iLeft ? m_LeftContainer : m_RightContainer) {
        child->ResizeContainer(iRect, ioDefer, iRepaint);
        if (iShare >= 0)
            child->m_Percent = iShare;
    }
}

void CGTBarContainer::ResizeContainer(CRect iRect, HDWP& ioDefer, BOOL iRepaint)
{
    const BOOL checkVisibility = !IsAutoHideGroup();
    const BOOL leftEmpty = IsLeftPartEmpty(checkVisibility);
    const BOOL rightEmpty = IsRightPartEmpty(checkVisibility);
    if (leftEmpty || rightEmpty) {
        if (!(leftEmpty && rightEmpty))
            PlaceSide(rightEmpty, iRect, ioDefer, iRepaint, -1);
        return;
    }
    const BOOL vertical = IsSliderHorz();
    const Split current = MeasureSplit();
    const Side& left = current.m_Left;
    const Side& right = current.m_Right;
    const int extent = current.m_Extent;
    const int leftExtent = current.m_LeftExtent;
    const int recent = current.m_Recent;
    // An extent of 0 (hidden or auto-hidden content) has no share to keep.
    double share = extent == 0 ? 50.0 : leftExtent * 100.0 / extent;
    if (share == 0.0 || share == 100.0)
        share = 50.0;
    const int delta = Extent(iRect, vertical) - extent;
    int change = 0;
    if (delta > 0)
        change = static_cast<int>((s_MaintainPercentage ? share : 100.0 - share) * delta / 100.0);
    else if (delta < 0)
        change = static_cast<int>(share * delta / 100.0);
    else if (recent != -1)
        share = recent;

    const int thickness = m_Slider != nullptr ? m_Slider->GetThickness() : 0;
    const int nearEdge = Near(iRect, vertical);
    const int farEdge = Far(iRect, vertical);
    int split = nearEdge + leftExtent + change;
    if (split - nearEdge < Along(left.m_MinSize, vertical)) {
        split = nearEdge + Along(left.m_MinSize, vertical);
    } else if (farEdge - split - thickness < Along(right.m_MinSize, vertical)) {
        split = std::max<int>(farEdge - Along(right.m_MinSize, vertical) - thickness,
                              nearEdge + Along(left.m_MinSize, vertical));
    }
    CRect leftRect = iRect, sliderRect = iRect, rightRect = iRect;
    Far(leftRect, vertical) = split;
    Near(sliderRect, vertical) = split;
    Far(sliderRect, vertical) = split + thickness;
    Near(rightRect, vertical) = split + thickness;

    const int leftShare = static_cast<int>(share);
    PlaceSide(TRUE, leftRect, ioDefer, iRepaint, leftShare);
    PlaceSide(FALSE, rightRect, ioDefer, iRepaint, 100 - leftShare);
    if (IsShown(m_Slider))
        ioDefer = m_Slider->MoveToRectInParent(sliderRect, iRepaint, ioDefer);
}

void CGTBarContainer::StoreRecentPercents()
{
    const BOOL checkVisibility = !IsAutoHideGroup();
    const BOOL leftEmpty = IsLeftPartEmpty(checkVisibility);
    const BOOL rightEmpty = IsRightPartEmpty(checkVisibility);
    if (leftEmpty && rightEmpty)
        return;
    int leftShare = 100;
    if (!leftEmpty && !rightEmpty) {
        const Split current = MeasureSplit();
        leftShare = current.m_Extent == 0 ? 50 : static_cast<int>(current.m_LeftExtent * 100.0 / current.m_Extent);
    } else if (leftEmpty) {
        leftShare = 0;
    }
    for (BOOL left : {TRUE, FALSE}) {
        const int share = left ? leftShare : 100 - leftShare;
        if (CGTDockingControlBar* bar = left ? m_LeftBar : m_RightBar)
            bar->SetContainerShare(share);
        if (CGTBarContainer* child = left ? m_LeftContainer : m_RightContainer) {
            child->StoreRecentPercents();
            child->m_Percent = share;
        }
    }
}

void CGTBarContainer::MoveInnerEdge(Side& ioSide, BOOL iLeft, int iOffset, BOOL iVertical) const
{
    ioSide.m_Rect = ToDockSite(ioSide.m_Rect);
    const int minimum = Along(ioSide.m_MinSize, iVertical);
    if (iLeft)
        Far(ioSide.m_Rect, iVertical) =
            std::max<int>(Far(ioSide.m_Rect, iVertical) + iOffset, Near(ioSide.m_Rect, iVertical) + minimum);
    else
        Near(ioSide.m_Rect, iVertical) =
            std::min<int>(Near(ioSide.m_Rect, iVertical) + iOffset, Far(ioSide.m_Rect, iVertical) - minimum);
}

int CGTBarContainer::MoveSlider(int iOffset, HDWP& ioDefer)
{
    const BOOL vertical = IsSliderHorz();
    Side left = GetSide(TRUE);
    Side right = GetSide(FALSE);
    if (!left.m_Rect.IsRectEmpty())
        MoveInnerEdge(left, TRUE, iOffset, vertical);
    if (!right.m_Rect.IsRectEmpty())
        MoveInnerEdge(right, FALSE, iOffset, vertical);
    PlaceSide(TRUE, left.m_Rect, ioDefer, TRUE, -1);
    PlaceSide(FALSE, right.m_Rect, ioDefer, TRUE, -1);
    return iOffset;
}

CSize CGTBarContainer::CalcAvailableSpace(CSize iDelta, BOOL iLeft) const
{
    CRect rect;
    GetContainerRect(rect, FALSE);
    const CSize current = rect.Size();
    if (iLeft) {
        rect.right += iDelta.cx;
        rect.bottom += iDelta.cy;
    } else {
        rect.left += iDelta.cx;
        rect.top += iDelta.cy;
    }
    CSize minimum;
    GetMinSize(minimum);
    CSize answer = iDelta;
    if (rect.Width() < minimum.cx)
        answer.cx = Sign(iDelta.cx) * std::max<int>(current.cx - minimum.cx, 0);
    if (rect.Height() < minimum.cy)
        answer.cy = Sign(iDelta.cy) * std::max<int>(current.cy - minimum.cy, 0);
    return answer;
}

int CGTBarContainer::CalcAvailableBarSpace(int iOffset, CGTDockingControlBar* iBar, CGTBarContainer* iContainer,
                                           BOOL iLeft) const
{
    const BOOL vertical = IsSliderHorz();
    if (iBar != nullptr) {
        CRect rect = WindowRect(iBar);
        (iLeft ? Far(rect, vertical) : Near(rect, vertical)) += iOffset;
        return Along(iBar->CalcAvailableSize(rect, 0), vertical);
    }
    if (iContainer != nullptr)
        return Along(iContainer->CalcAvailableSpace(vertical ? CSize(0, iOffset) : CSize(iOffset, 0), iLeft), vertical);
    return iLeft ? 0 : iOffset;
}

void CGTBarContainer::StretchPart(BOOL iLeft, int iOffset, BOOL iHorizontal, BOOL iFarEdge, HDWP& ioDefer)
{
    const BOOL vertical = !iHorizontal;
    if (CGTDockingControlBar* bar = iLeft ? m_LeftBar : m_RightBar) {
        CRect rect = ToDockSite(WindowRect(bar));
        if (iFarEdge)
            Far(rect, vertical) += iOffset;
        else
            Near(rect, vertical) -= iOffset;
        ioDefer = bar->MoveToRectInParent(rect, TRUE, ioDefer);
    } else if (CGTBarContainer* child = iLeft ? m_LeftContainer : m_RightContainer) {
        child->StretchContainer(iOffset, iHorizontal, iFarEdge, TRUE, ioDefer);
    }
}

int CGTBarContainer::StretchContainer(int iOffset, BOOL iHorizontal, BOOL iLeftBar, BOOL iMoveSlider, HDWP& ioDefer)
{
    CWnd* site = GetDockSite();
    CWnd* frame = site != nullptr ? site->GetTopLevelParent() : nullptr;
    if (iHorizontal && frame != nullptr && (frame->GetExStyle() & WS_EX_LAYOUTRTL))
        iOffset = -iOffset;
    // The change as the node's moving edge sees it: the near edge moves against the offset.
    const int change = iLeftBar ? iOffset : -iOffset;
    const CSize available = CalcAvailableSpace(iHorizontal ? CSize(change, 0) : CSize(0, change), iLeftBar);
    const int bound = std::abs(iHorizontal ? available.cx : available.cy);
    const int offset = Sign(iOffset) * std::min(std::abs(iOffset), bound);
    if (offset == 0)
        return 0;
    if (m_Slider == nullptr || m_Slider->IsHorizontal() == iHorizontal) {
        StretchPart(TRUE, offset, iHorizontal, iLeftBar, ioDefer);
        StretchPart(FALSE, offset, iHorizontal, iLeftBar, ioDefer);
        if (iMoveSlider && IsShown(m_Slider)) {
            CRect rect = ToDockSite(WindowRect(m_Slider));
            if (iLeftBar)
                Far(rect, !iHorizontal) += offset;
            else
                Near(rect, !iHorizontal) -= offset;
            ioDefer = m_Slider->MoveToRectInParent(rect, TRUE, ioDefer);
        }
        return offset;
    }
    // The slider lies across the stretch: the side at the moving edge takes it all, so that
    // the node grows by exactly the offset.
    StretchPart(iLeftBar ? FALSE : TRUE, offset, iHorizontal, iLeftBar, ioDefer);
    return offset;
}

void CGTBarContainer::ResizeSide(int iOffset, BOOL iLeft, HDWP& ioDefer)
{
    if (m_Slider == nullptr)
        return;
    const BOOL vertical = IsSliderHorz();
    Side side = GetSide(iLeft);
    MoveInnerEdge(side, iLeft, iOffset, vertical);
    PlaceSide(iLeft, side.m_Rect, ioDefer, TRUE, -1);
}

void CGTBarContainer::DeleteControlBar(CGTDockingControlBar* iBar, int iSide)
{
    const BOOL left = iSide == 0;
    CRect whole;
    GetContainerRect(whole, FALSE);
    const CRect removed = WindowRect(iBar);
    whole.UnionRect(&whole, &removed);
    HDWP defer = ::BeginDeferWindowPos(10);
    SetBar(nullptr, left);
    CGTDockingControlBar* otherBar = left ? m_RightBar : m_LeftBar;
    CGTBarContainer* otherChild = left ? m_RightContainer : m_LeftContainer;
    if (otherBar != nullptr) {
        CRect rect = ToDockSite(whole);
        const CSize minimum = otherBar->GetStoredSize();
        rect.right = std::max<LONG>(rect.right, rect.left + minimum.cx);
        rect.bottom = std::max<LONG>(rect.bottom, rect.top + minimum.cy);
        defer = otherBar->MoveToRectInParent(rect, TRUE, defer);
    } else if (otherChild != nullptr && !otherChild->IsContainerEmpty()) {
        otherChild->ResizeContainer(ToDockSite(whole), defer, TRUE);
    } else if (CGTBarContainer* ancestor = NonEmptyAncestor()) {
        // The ancestor keeps its whole area: what it still holds takes the freed part and the
        // slider band beside it, no more and no less.
        CRect area;
        ancestor->GetContainerRect(area, FALSE);
        area.UnionRect(&area, &whole);
        ancestor->ResizeContainer(ToDockSite(area), defer, TRUE);
    }
    if (defer != nullptr)
        ::EndDeferWindowPos(defer);
    if (m_Slider == nullptr) {
        m_LeftBar = m_RightBar = nullptr;
        m_LeftContainer = m_RightContainer = nullptr;
    }
}

void CGTBarContainer::FillContainerRect(CGTDockingControlBar* iIgnore, BOOL iSkip)
{
    if (iSkip)
        return;
    CRect rect;
    GetContainerRect(rect, TRUE);
    rect = ToDockSite(rect);
    for (CGTDockingControlBar* bar : {m_LeftBar, m_RightBar}) {
        if (bar != nullptr && bar != iIgnore) {
            bar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            return;
        }
    }
    for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (child != nullptr) {
            HDWP none = nullptr;
            child->ResizeContainer(rect, none, TRUE);
            return;
        }
    }
}

void CGTBarContainer::MoveContainer(int iX, int iY)
{
    constexpr UINT moveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    CSize leftSize(0, 0);
    if (m_LeftBar != nullptr) {
        m_LeftBar->SetWindowPos(nullptr, iX, iY, 0, 0, moveOnly);
        leftSize = WindowRect(m_LeftBar).Size();
    }
    if (m_LeftContainer != nullptr) {
        m_LeftContainer->MoveContainer(iX, iY);
        CRect rect;
        m_LeftContainer->GetContainerRect(rect, FALSE);
        leftSize = rect.Size();
    }
    CPoint rightAt(iX + leftSize.cx, iY + leftSize.cy);
    if (m_Slider != nullptr) {
        const BOOL horizontal = m_Slider->IsHorizontal();
        const CPoint sliderAt = horizontal ? CPoint(iX, iY + leftSize.cy) : CPoint(iX + leftSize.cx, iY);
        m_Slider->SetWindowPos(nullptr, sliderAt.x, sliderAt.y, 0, 0, moveOnly);
        const int thickness = m_Slider->GetThickness();
        rightAt = horizontal ? CPoint(iX, sliderAt.y + thickness) : CPoint(sliderAt.x + thickness, iY);
    }
    if (m_RightBar != nullptr)
        m_RightBar->SetWindowPos(nullptr, rightAt.x, rightAt.y, 0, 0, moveOnly);
    if (m_RightContainer != nullptr)
        m_RightContainer->MoveContainer(rightAt.x, rightAt.y);
}

CGTDockingControlBar* CGTBarContainer::AddRecentBar(CGTDockingControlBar* iBar)
{
    CWnd* site = GetDockSite();
    CGTRecentDockInfo& recent = iBar->GetRecentDockInfo();
    const CGTRecentContainerInfo& info =
        DYNAMIC_DOWNCAST(CGTMiniFrameWnd, site) != nullptr ? recent.m_floating : recent.m_docked;
    const BOOL left = info.m_bFirstInContainer;
    if (CGTBarContainer* child = left ? m_LeftContainer : m_RightContainer)
        return child->AddRecentBar(iBar);
    if (CGTDockingControlBar* present = left ? m_LeftBar : m_RightBar) {
        CGTDockingControlBar* tabbed = iBar->AttachToTabWnd(present, GTDockToRecentPlace);
        if (tabbed != nullptr && tabbed != iBar && m_Manager != nullptr)
            m_Manager->ReplaceControlBar(present, tabbed);
        return tabbed;
    }

    const BOOL wasEmpty = IsContainerEmpty();
    CGTBarContainer* ancestor = wasEmpty ? NonEmptyAncestor() : nullptr;
    CRect node;
    GetContainerRect(node, FALSE);
    node = ToDockSite(node);
    CRect area = node;
    if (ancestor != nullptr) {
        ancestor->GetContainerRect(area, FALSE);
        area = ToDockSite(area);
    }
    const CSize minimum = iBar->GetStoredSize();
    const CSize size(
        std::max<int>(info.m_rectPane.Width() > 0 ? info.m_rectPane.Width() : area.Width(), minimum.cx),
        std::max<int>(info.m_rectPane.Height() > 0 ? info.m_rectPane.Height() : area.Height(), minimum.cy));
    SetBar(iBar, left);
    HDWP defer = ::BeginDeferWindowPos(10);
    if (!wasEmpty && m_Slider != nullptr) {
        const BOOL vertical = IsSliderHorz();
        const int share = info.m_nShare == 0 || info.m_nShare == 100 ? 50 : info.m_nShare;
        const int extent = Extent(node, vertical);
        const int thickness = m_Slider->GetThickness();
        const int barExtent = left ? share * extent / 100 : extent - extent * (100 - share) / 100 - thickness;
        CRect barRect = node, sliderRect = node, otherRect = node;
        if (left) {
            Far(barRect, vertical) = Near(node, vertical) + barExtent;
            Near(sliderRect, vertical) = Far(barRect, vertical);
            Far(sliderRect, vertical) = Near(sliderRect, vertical) + thickness;
            Near(otherRect, vertical) = Far(sliderRect, vertical);
        } else {
            Near(barRect, vertical) = Far(node, vertical) - barExtent;
            Far(sliderRect, vertical) = Near(barRect, vertical);
            Near(sliderRect, vertical) = Far(sliderRect, vertical) - thickness;
            Far(otherRect, vertical) = Near(sliderRect, vertical);
        }
        defer = iBar->MoveToRectInParent(barRect, TRUE, defer);
        PlaceSide(!left, otherRect, defer, TRUE, -1);
        defer = m_Slider->MoveToRectInParent(sliderRect, TRUE, defer);
        if (!IsShown(m_Slider))
            m_Slider->ShowWindow(SW_SHOW);
    } else {
        const CPoint at = node.IsRectEmpty() ? area.TopLeft() : node.TopLeft();
        defer = iBar->MoveToRectInParent(CRect(at, size), TRUE, defer);
    }
    if (defer != nullptr)
        ::EndDeferWindowPos(defer);
    if (ancestor != nullptr) {
        // The ancestor's other side gives back the space the bar now takes beside it.
        const BOOL vertical = ancestor->IsSliderHorz();
        const int space =
            Along(size, vertical) + (ancestor->m_Slider != nullptr ? ancestor->m_Slider->GetThickness() : 0);
        const BOOL onRight =
            ancestor->m_RightContainer != nullptr && ancestor->m_RightContainer->FindSubContainer(this, 3) != nullptr;
        HDWP none = nullptr;
        ancestor->ResizeSide(onRight ? -space : space, onRight, none);
    }
    return iBar;
}
