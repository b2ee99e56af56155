// The dock manager's part in auto-hide mode: the strip button of a pane pinned away, and the
// place of the pane and its slider against the outer edge of the docked bars.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingGeometry.h>

CGTAutoHideToolBar* CGTDockManager::AddAutoHideBar(CGTDockingControlBar* iPane, CGTAutoHideToolBar* iToolBar)
{
    const DWORD side = iPane->GetCurrentAlignment() & GTSideAny;
    auto* dockBar = DYNAMIC_DOWNCAST(CGTAutoHideDockBar, FindDockBarByAlignment(side, FALSE));
    CGTSlider* slider = iPane->GetDefaultSliderObject();
    if (dockBar == nullptr || slider == nullptr)
        return nullptr;
    CGTAutoHideToolBar* toolBar = iToolBar;
    if (toolBar == nullptr) {
        toolBar = new CGTAutoHideToolBar;
        if (!toolBar->CreateEx(0, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pOwnerFrame, 1)) {
            delete toolBar;
            return nullptr;
        }
        toolBar->EnableDocking(GTSideAny);
        toolBar->SetStyleWord(toolBar->GetStyleWord() | GTSideAny);
    }
    toolBar->AddPaneButton(iPane, slider->GetCurrentAlignment());
    if (iToolBar == nullptr) {
        if (!(toolBar->GetStyle() & WS_VISIBLE))
            toolBar->ShowWindow(SW_SHOW);
        CRect nowhere(0, 0, 0, 0);
        toolBar->DockToTarget(dockBar, &nowhere, GTDockByRect);
    }
    RecalcLayout();
    AddBar(slider, TRUE, TRUE);
    AlignAutoHideBar(slider, FALSE);
    iPane->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    slider->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return toolBar;
}

void CGTDockManager::AlignAutoHideBar(CGTSlider* iSlider, BOOL iShowing)
{
    if (iSlider == nullptr || m_pOwnerFrame == nullptr)
        return;
    const DWORD side = InLayoutDirection(iSlider->GetCurrentAlignment() & GTSideAny);
    const CRect outer = ToScreen(m_rectOuterEdge);
    const BOOL horizontal = IsHorizontalSide(side);
    if (iShowing) {
        const CSize size = iSlider->CalcFixedLayout(FALSE, horizontal);
        const CRect placed = GTGeometry::PlaceAgainst(outer, side, horizontal ? size.cy : size.cx, TRUE);
        HDWP defer = nullptr;
        iSlider->RepositionInRect(placed, defer);
        return;
    }
    // Hidden, the pane keeps its size against the outer edge, its slider along its inner side.
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, HeldBarOf(iSlider));
    CRect band = GTGeometry::WindowRect(iSlider);
    CRect rect = pane != nullptr ? GTGeometry::WindowRect(pane) : CRect(0, 0, 0, 0);
    const CRect whole = GTGeometry::PlaceAgainst(
        outer, side, (horizontal ? rect.Height() + band.Height() : rect.Width() + band.Width()), FALSE);
    const CRect panePlace = GTGeometry::PlaceAgainst(whole, side, horizontal ? rect.Height() : rect.Width(), FALSE);
    CRect bandPlace = whole;
    switch (side) {
    case GTSideLeft:
        bandPlace.left = panePlace.right;
        break;
    case GTSideRight:
        bandPlace.right = panePlace.left;
        break;
    case GTSideBottom:
        bandPlace.bottom = panePlace.top;
        break;
    default:
        bandPlace.top = panePlace.bottom;
        break;
    }
    for (const auto& [window, place] : {std::pair<CWnd*, CRect>{iSlider, bandPlace}, {pane, panePlace}}) {
        if (window == nullptr)
            continue;
        CRect inParent = place;
        window->GetParent()->ScreenToClient(&inParent);
        window->SetWindowPos(nullptr, inParent.left, inParent.top, inParent.Width(), inParent.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (pane != nullptr)
        pane->AdjustLayout();
}

void CGTDockManager::SlideInAutoHideBars(CGTDockingControlBar* iExcept, BOOL iImmediate)
{
    for (POSITION position = m_lstAutoHideSliders.GetHeadPosition(); position != nullptr;) {
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, HeldBarOf(m_lstAutoHideSliders.GetNext(position)));
        if (pane != nullptr && pane != iExcept && (pane->GetStyle() & WS_VISIBLE))
            pane->Slide(FALSE, !iImmediate);
    }
}

void CGTDockManager::BringAutoHideBarToFront(CGTSlider* iSlider)
{
    if (POSITION found = m_lstAutoHideSliders.Find(iSlider)) {
        m_lstAutoHideSliders.RemoveAt(found);
        m_lstAutoHideSliders.AddHead(iSlider);
    }
}
