#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

namespace {
CString LoadText(UINT iId)
{
    CString text;
    text.LoadString(iId);
    return text;
}

void SetState(CMenu& ioMenu, UINT iCommand, UINT iFlag, BOOL iOn)
{
    if (!iOn)
        return;
    if (iFlag == MF_CHECKED)
        ioMenu.CheckMenuItem(iCommand, MF_BYCOMMAND | MF_CHECKED);
    else
        ioMenu.EnableMenuItem(iCommand, MF_BYCOMMAND | MF_GRAYED);
}
}  // namespace

void CGTControlBar::BuildDockingMenu(CMenu& oMenu)
{
    oMenu.CreatePopupMenu();
    oMenu.AppendMenu(MF_STRING, GTDockingMenuFloating, LoadText(IDS_GT_DOCKING_FLOATING));
    oMenu.AppendMenu(MF_STRING, GTDockingMenuDocking, LoadText(IDS_GT_DOCKING_DOCKING));
    oMenu.AppendMenu(MF_STRING, GTDockingMenuAutoHide, LoadText(IDS_GT_DOCKING_AUTOHIDE));
    oMenu.AppendMenu(MF_STRING, GTDockingMenuHide, LoadText(IDS_GT_DOCKING_HIDE));
    const BOOL autoHidden = IsAutoHideMode();
    SetState(oMenu, GTDockingMenuFloating, MF_GRAYED, !CanFloat() || autoHidden);
    SetState(oMenu, GTDockingMenuAutoHide, MF_GRAYED,
             !(m_BehaviourStyle & GTBehaviourCanAutoHide) || GetParentMiniFrame() != nullptr);
    SetState(oMenu, GTDockingMenuAutoHide, MF_CHECKED, autoHidden);
    SetState(oMenu, GTDockingMenuFloating, MF_CHECKED, IsOnlyBarInMiniFrame());
    SetState(oMenu, GTDockingMenuDocking, MF_CHECKED, !IsOnlyBarInMiniFrame() && !autoHidden);
    SetState(oMenu, GTDockingMenuDocking, MF_GRAYED, GetEnabledAlignment() == 0 || autoHidden);
    SetState(oMenu, GTDockingMenuHide, MF_GRAYED, !CanHide() || autoHidden);
}

BOOL CGTControlBar::HandleOwnContextMenu(CPoint iScreenPoint)
{
    if (CGTContextMenuManager::Current() == nullptr || (GetEnabledAlignment() == 0 && !CanFloat()))
        return FALSE;
    CMenu menu;
    BuildDockingMenu(menu);
    if (!OnBeforeDockingMenu(menu)) {
        menu.DestroyMenu();
        return FALSE;
    }
    const UINT command =
        CGTContextMenuManager::Current()->TrackPopupMenu(menu.GetSafeHmenu(), iScreenPoint.x, iScreenPoint.y, this);
    if (command != 0 && OnDockingMenuCommand(command))
        RunDockingMenuCommand(command);
    menu.DestroyMenu();
    return TRUE;
}

void CGTControlBar::RunDockingMenuCommand(UINT iCommand)
{
    switch (iCommand) {
    case GTDockingMenuHide:
        OnHideCommand();
        break;
    case GTDockingMenuAutoHide:
        OnAutoHideCommand();
        break;
    case GTDockingMenuDocking:
        if (IsOnlyBarInMiniFrame())
            GetParentMiniFrame()->ReturnBarToDock();
        break;
    case GTDockingMenuFloating:
        if (IsTabbed()) {
            CGTBaseTabWnd* tabs = GetHoldingTabWnd();
            auto* tabbed = tabs != nullptr ? DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent()) : nullptr;
            if (tabbed != nullptr && CanFloat() && tabbed->DetachBarTab(this, FALSE) && tabs->GetVisibleTabCount() == 0)
                tabbed->ShowBar(FALSE, FALSE, FALSE);
        } else {
            FloatAtRect(m_RecentDockInfo.m_rectRecentFloat, GTDockUnknown, TRUE);
        }
        break;
    default:
        break;
    }
}
