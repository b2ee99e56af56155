// The main frame's commands: bars shown and hidden, the toolbars' menu and customization, the
// looks, the options.
#include "MainFrame.h"

#include "ApplicationLook.h"
#include "CSheetOptions.h"
#include "ServerBusyGuard.h"
#include "ViewerResources.h"

#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>

void CMainFrame::ToggleBar(CGTBaseControlBar& ioBar)
{
    ShowBar(&ioBar, !ioBar.IsVisible(), FALSE, TRUE);
    RecalcLayout();
}

BOOL CMainFrame::OnToggleUserToolbar(UINT iId)
{
    if (CGTToolBar* bar = GetFrameImpl().GetUserToolbarAt(static_cast<int>(iId - ID_VIEW_USER_TOOLBAR1)))
        ToggleBar(*bar);
    return TRUE;
}

void CMainFrame::OnUpdateUserToolbar(CCmdUI* ioCmdUI)
{
    CGTToolBar* bar = GetFrameImpl().GetUserToolbarAt(static_cast<int>(ioCmdUI->m_nID - ID_VIEW_USER_TOOLBAR1));
    ioCmdUI->Enable(bar != nullptr);
    ioCmdUI->SetCheck(bar && bar->IsVisible());
}

CWorkSpaceBar* CMainFrame::BarOfCommand(UINT iCommandId)
{
    switch (iCommandId) {
    case ID_VIEW_USERS_TREE:
        return FindWorkSpaceBar(kUsersBarId);
    case ID_VIEW_COMPUTERS_TREE:
        return FindWorkSpaceBar(kComputersBarId);
    default:
        return FindWorkSpaceBar(kApplicationsBarId);
    }
}

BOOL CMainFrame::OnToggleTreeBar(UINT iId)
{
    if (CWorkSpaceBar* bar = BarOfCommand(iId))
        ToggleBar(*bar);
    return TRUE;
}

void CMainFrame::OnUpdateTreeBar(CCmdUI* ioCmdUI)
{
    const CWorkSpaceBar* bar = BarOfCommand(ioCmdUI->m_nID);
    ioCmdUI->SetCheck(bar && bar->IsVisible());
}

void CMainFrame::OnCustomizeCommand()
{
    auto* sheet = new CGTToolbarCustomize(this, TRUE, 0x2F);
    sheet->EnableToolbarsPageOption(TRUE);
    if (!sheet->OpenModeless())
        delete sheet;
}

LRESULT CMainFrame::OnResetToolbar(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CMainFrame::OnCustomizeHelp(WPARAM, LPARAM)
{
    return 0;
}

HMENU CMainFrame::LoadToolbarMenu()
{
    CMenu menu;
    menu.LoadMenu(IDR_TOOLBAR_MENU);
    HMENU popup = ::GetSubMenu(menu.m_hMenu, 0);
    ::RemoveMenu(menu.m_hMenu, 0, MF_BYPOSITION);
    for (UINT id = ID_VIEW_USER_TOOLBAR1; id <= ID_VIEW_USER_TOOLBAR10; ++id) {
        CGTToolBar* bar = GetFrameImpl().GetUserToolbarAt(static_cast<int>(id - ID_VIEW_USER_TOOLBAR1));
        if (!bar) {
            ::DeleteMenu(popup, id, MF_BYCOMMAND);
            continue;
        }
        CString name;
        bar->GetWindowText(name);
        ::ModifyMenuW(popup, id, MF_BYCOMMAND | MF_STRING, id, name);
    }
    return popup;
}

LRESULT CMainFrame::OnToolbarMenuRequest(WPARAM, LPARAM iLParam)
{
    const CPoint point(static_cast<short>(LOWORD(iLParam)), static_cast<short>(HIWORD(iLParam)));
    HMENU popup = LoadToolbarMenu();
    auto* menu = new CGTPopupMenu;
    if (!menu->Create(this, point.x, point.y, popup))
        delete menu;
    ::DestroyMenu(popup);
    return 0;
}

BOOL CMainFrame::NotifyPopupMenuShown(CGTPopupMenu* iPopup)
{
    CGTFrameWnd::NotifyPopupMenuShown(iPopup);
    if (!iPopup || iPopup->GetMenuBar()->CommandToIndex(ID_VIEW_TOOLBARS) < 0)
        return TRUE;
    if (CGTToolBar::IsCustomizeMode())
        return FALSE;
    iPopup->RemoveAllItems();
    HMENU popup = LoadToolbarMenu();
    iPopup->GetMenuBar()->ImportFromMenu(popup, TRUE);
    ::DestroyMenu(popup);
    return TRUE;
}

void CMainFrame::OnApplicationLook(UINT iId)
{
    m_Look = static_cast<int>(iId);
    ApplyApplicationLook(*this, iId);
    WriteApplicationLook(iId);
}

void CMainFrame::OnUpdateApplicationLook(CCmdUI* ioCmdUI)
{
    ioCmdUI->SetRadio(static_cast<int>(ioCmdUI->m_nID) == m_Look);
}

void CMainFrame::OnOptions()
{
    if (RefuseWhileServerBusy())
        return;
    CSheetOptions sheet(CSheetOptions::kTreeLook, IDB_OPTIONS_ICONS, 16);
    sheet.DoModal();
}
