// Showing the registered context menus as toolkit popup menus, modelessly or modally.
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>

namespace {
IGTPopupMenuHost* HostOf(CWnd* iWindow)
{
    return dynamic_cast<IGTPopupMenuHost*>(iWindow);
}

// The window itself, or its first ancestor that is not a child window.
CWnd* TopLevelOf(CWnd* iWindow)
{
    while (iWindow != nullptr && iWindow->GetSafeHwnd() != nullptr && (iWindow->GetStyle() & WS_CHILD))
        iWindow = iWindow->GetParent();
    return iWindow;
}
}  // namespace

CGTPopupMenu* CGTContextMenuManager::ShowPopupMenu(HMENU iMenu, int iX, int iY, CWnd* iOwner, BOOL iOwnMessage,
                                                   BOOL iKeepMenu, BOOL iRightAlign)
{
    if (HostOf(iOwner) != nullptr && !iOwnMessage)
        return nullptr;
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace != nullptr && workspace->GetTearOffTable() != nullptr)
        RewriteSubMenuItems(*workspace->GetTearOffTable(), iMenu);
    if (m_TrackMode)
        iOwnMessage = TRUE;
    else if (!iOwnMessage)
        iOwner = TopLevelOf(iOwner);
    auto* popup = new CGTPopupMenu;
    popup->m_DestroyMenu = theGuiToolkitGlobals.isWindowsNT4 && !iKeepMenu;
    popup->m_TrackMode = m_TrackMode;
    popup->m_RightAlign = iRightAlign;
    if (CWnd* active = CGTActivePopupMenu::Get(); active != nullptr && active->GetSafeHwnd() != nullptr)
        active->SendMessage(WM_CLOSE);
    return popup->Create(iOwner, iX, iY, iMenu, FALSE, iOwnMessage) ? popup : nullptr;
}

BOOL CGTContextMenuManager::ShowPopupMenu(UINT iResourceId, int iX, int iY, CWnd* iOwner, BOOL iOwnMessage,
                                          BOOL iRightAlign)
{
    HMENU menu = nullptr;
    if (!m_MenusById.Lookup(iResourceId, menu))
        return FALSE;
    HMENU items = ::GetSubMenu(menu, 0);
    return items != nullptr && ShowPopupMenu(items, iX, iY, iOwner, iOwnMessage, TRUE, iRightAlign) != nullptr;
}

UINT CGTContextMenuManager::TrackPopupMenu(HMENU iMenu, int iX, int iY, CWnd* iOwner, BOOL iRightAlign)
{
    m_LastCommand = 0;
    CWinThread* thread = AfxGetThread();
    if (thread == nullptr)
        return 0;
    m_TrackMode = TRUE;
    CGTPopupMenu* popup = ShowPopupMenu(iMenu, iX, iY, iOwner, FALSE, TRUE, iRightAlign);
    IGTPopupMenuHost* host =
        iOwner != nullptr && iOwner->GetSafeHwnd() != nullptr ? HostOf(iOwner->GetParent()) : nullptr;
    if (popup != nullptr) {
        const CRect window = popup->GetScreenRect();
        popup->UpdateShadow(&window);
        if (host != nullptr)
            host->SetActivePopupMenu(popup);
    }
    m_TrackMode = FALSE;
    const HWND menuWindow = popup != nullptr ? popup->GetSafeHwnd() : nullptr;
    while (menuWindow != nullptr && ::IsWindow(menuWindow)) {
        MSG message;
        if (!::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            ::PostThreadMessageW(::GetCurrentThreadId(), WM_QUIT, message.wParam, message.lParam);
            return 0;
        }
        if (!thread->PreTranslateMessage(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        auto* open = DYNAMIC_DOWNCAST(CGTPopupMenu, CWnd::FromHandlePermanent(menuWindow));
        if (open != nullptr && ::IsWindow(menuWindow) && open->IsIdle())
            thread->OnIdle(0);
    }
    if (host != nullptr)
        host->SetActivePopupMenu(nullptr);
    return m_LastCommand;
}
