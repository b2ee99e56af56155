#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

int CGTOutlookBarPane::DockToTarget(CGTBaseControlBar* iTarget, LPCRECT, int iMethod)
{
    auto* bar = iMethod == 1 ? DYNAMIC_DOWNCAST(CGTOutlookBar, iTarget) : nullptr;
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
