#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

BOOL CGTOutlookBarPane::OnBeforeFloat(CRect&, int iMethod)
{
    if (iMethod != GTDockByMouse)
        return TRUE;
    POINT cursor;
    CRect parent;
    GetParent()->GetWindowRect(&parent);
    if (CGTCursor::Current().GetPosition(cursor) && parent.PtInRect(cursor))
        return FALSE;
    // A double click on the floating page takes it back to the bar it leaves.
    CWnd* holder = GetParent();
    if (!holder->IsKindOf(RUNTIME_CLASS(CGTOutlookBar)))
        holder = holder->GetParent();
    m_TearOffTarget = holder != nullptr && holder->IsKindOf(RUNTIME_CLASS(CGTOutlookBar)) ? holder->m_hWnd : nullptr;
    return TRUE;
}

int CGTOutlookBarPane::DockToTarget(CGTBaseControlBar* iTarget, LPCRECT, int iMethod)
{
    CWnd* target = iMethod == GTDockByMouse                             ? iTarget
        : iMethod == GTDockToRecentPlace && ::IsWindow(m_TearOffTarget) ? CWnd::FromHandlePermanent(m_TearOffTarget)
                                                                        : nullptr;
    auto* bar = DYNAMIC_DOWNCAST(CGTOutlookBar, target);
    if (bar == nullptr || bar->GetTabWindow() == nullptr)
        return FALSE;
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->ReleaseBar(this, FALSE, FALSE);
    else if (auto* tabs = DYNAMIC_DOWNCAST(CGTBaseTabWnd, GetParent())) {
        if (auto* old = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent()))
            old->RemoveBarTab(this);
    }
    return bar->AddBarAsTab(this, TRUE, TRUE, TRUE);
}

CGTBaseControlBar* CGTOutlookBarPane::FindDockTarget(int, int& oHitCode, BOOL& oHandled)
{
    oHitCode = 0;
    oHandled = FALSE;
    POINT cursor;
    if (!CGTCursor::Current().GetPosition(cursor))
        return nullptr;
    for (CWnd* window = CWnd::FromHandle(CGTCursor::Current().WindowAt(cursor)); window != nullptr;
         window = window->GetParent()) {
        if (auto* bar = DYNAMIC_DOWNCAST(CGTOutlookBar, window))
            return bar != GetParent()->GetParent() ? bar : nullptr;
    }
    return nullptr;
}
