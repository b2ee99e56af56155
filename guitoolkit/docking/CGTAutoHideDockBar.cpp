#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <utility>
#include <vector>

IMPLEMENT_DYNCREATE(CGTAutoHideDockBar, CGTDockBar)

BEGIN_MESSAGE_MAP(CGTAutoHideDockBar, CGTDockBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

int CGTAutoHideDockBar::s_Margin = 2;
int CGTAutoHideDockBar::s_StartOffset = 0;
int CGTAutoHideDockBar::s_Spacing = 0;
int CGTAutoHideDockBar::s_PullBack = 1;

CGTAutoHideDockBar::CGTAutoHideDockBar() : m_StartOffset(0) {}

BOOL CGTAutoHideDockBar::CanAcceptBar(const CGTBaseControlBar* iBar) const
{
    return iBar != nullptr && iBar->IsKindOf(RUNTIME_CLASS(CGTAutoHideToolBar));
}

BOOL CGTAutoHideDockBar::DockControlBar(CGTControlBar* iBar, int, LPCRECT)
{
    if (m_Bars.Find(iBar) != nullptr)
        return FALSE;
    const CSize size = iBar->GetStretchLimit(FALSE, IsHorizontal());
    const int needed = (IsHorizontal() ? size.cy : size.cx) + s_Margin;
    CGTDockBarRow* row = m_Rows.IsEmpty() ? nullptr : static_cast<CGTDockBarRow*>(m_Rows.GetHead());
    if (row == nullptr) {
        row = InsertRow(nullptr, needed);
        if (row == nullptr)
            return FALSE;
        // On the right and bottom sides the buttons sit past the margin, against the frame edge.
        row->SetExtraThickness(s_Margin, (GetCurrentAlignment() & (GTSideRight | GTSideBottom)) ? 1 : 0);
    }
    row->PlaceBarAt(iBar, GTDockByRect, nullptr, TRUE);
    iBar->ShowWindow(SW_SHOW);
    m_Bars.AddTail(iBar);
    AdjustLayout();
    CRect window;
    GetWindowRect(&window);
    OnDockBarResized(window);
    return TRUE;
}

void CGTAutoHideDockBar::OnDockBarResized(const CRect&)
{
    if (m_Rows.IsEmpty())
        return;
    static_cast<CGTDockBarRow*>(m_Rows.GetHead())->ArrangeWithSpacing(m_StartOffset + s_StartOffset, s_Spacing);
    if (!CGTVisualManager::GetCurrent()->GetAutoHideLayoutFlag())
        return;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;)
        static_cast<CWnd*>(m_Bars.GetNext(position))->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CGTAutoHideDockBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CGTVisualManager::GetCurrent()->DrawBarBackground(&dc, this, client, client);
}

void CGTAutoHideDockBar::CollectGroup(CGTAutoHideToolBar* iToolBar, CObList& oGroup) const
{
    CGTDockBarRow* row = iToolBar->GetDockRow();
    if (row != nullptr && m_Rows.Find(row) != nullptr) {
        const CObList& bars = row->GetBars();
        POSITION start = bars.Find(iToolBar);
        while (start != nullptr && !static_cast<CGTControlBar*>(bars.GetAt(start))->IsGroupFirst()) {
            POSITION previous = start;
            bars.GetPrev(previous);
            if (previous == nullptr)
                break;
            start = previous;
        }
        for (POSITION position = start; position != nullptr;) {
            auto* bar = static_cast<CGTControlBar*>(bars.GetNext(position));
            oGroup.AddTail(bar);
            if (bar->IsGroupLast())
                break;
        }
    }
    if (oGroup.IsEmpty())
        oGroup.AddTail(iToolBar);
}

void CGTAutoHideDockBar::RestoreAutoHideGroup(CGTAutoHideToolBar* iToolBar)
{
    if (iToolBar == nullptr) {
        // Each group in turn; a toolbar that an earlier group took along is passed over.
        CObList starts;
        for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
            auto* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
            if (bar->IsGroupFirst())
                starts.AddTail(bar);
        }
        for (POSITION position = starts.GetHeadPosition(); position != nullptr;) {
            CObject* start = starts.GetNext(position);
            if (m_Bars.Find(start) != nullptr)
                RestoreAutoHideGroup(static_cast<CGTAutoHideToolBar*>(start));
        }
        return;
    }
    // The panes and their target are taken before any leaves: leaving deletes buttons and
    // toolbars.
    CObList group;
    CollectGroup(iToolBar, group);
    CGTDockingControlBar* target = nullptr;
    std::vector<std::pair<CGTDockingControlBar*, CGTDockingControlBar*>> leaving;
    for (POSITION position = group.GetHeadPosition(); position != nullptr;) {
        auto* toolBar = static_cast<CGTAutoHideToolBar*>(group.GetNext(position));
        for (POSITION at = toolBar->GetButtons().GetHeadPosition(); at != nullptr;) {
            CGTDockingControlBar* pane = static_cast<CGTAutoHideButton*>(toolBar->GetButtons().GetNext(at))->GetPane();
            leaving.emplace_back(pane, target);
        }
        if (target == nullptr)
            target = toolBar->FirstPane();
    }
    for (const auto& [pane, paneTarget] : leaving)
        pane->LeaveAutoHideMode(paneTarget);
}
