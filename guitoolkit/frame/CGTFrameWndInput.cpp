// The frame's messages and its share of the input: keys and clicks go to the toolkit's
// menus and popups first.
#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <afxpriv.h>
#include <windowsx.h>

BEGIN_MESSAGE_MAP(CGTFrameWnd, CFrameWnd)
    ON_WM_MENUCHAR()
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SIZING()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CGTFrameWnd::OnIdleUpdateCmdUI)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_CREATE, &CGTFrameWnd::OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_DELETE, &CGTFrameWnd::OnToolbarDelete)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_POPUPMENU, &CGTFrameWnd::OnToolbarContextMenu)
    ON_REGISTERED_MESSAGE(GTMSG_LEAVEFULLSCREEN, &CGTFrameWnd::OnLeaveFullScreen)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CGTFrameWnd::OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CGTFrameWnd::OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_REBAR, &CGTFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CGTFrameWnd::OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CGTFrameWnd::OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_REBAR, &CGTFrameWnd::OnUpdateControlBarMenu)
END_MESSAGE_MAP()

BOOL CGTFrameWnd::PreTranslateMessage(MSG* ioMessage)
{
    return m_Impl.FilterFrameMessage(*ioMessage) || CFrameWnd::PreTranslateMessage(ioMessage);
}

BOOL CGTFrameWnd::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    if (HIWORD(iWParam) == 1 && m_Impl.HandleAcceleratorCommand(LOWORD(iWParam)))
        return TRUE;
    if (CGTToolBar::IsCustomizeMode())
        return FALSE;
    return CFrameWnd::OnCommand(iWParam, iLParam);
}

void CGTFrameWnd::WinHelp(DWORD_PTR iData, UINT iCommand)
{
    if (iData == 0 && m_InContextHelp)
        RunContextHelp();
    else
        CFrameWnd::WinHelp(iData, iCommand);
}

void CGTFrameWnd::HtmlHelp(DWORD_PTR iData, UINT iCommand)
{
    if (iData == 0 && m_InContextHelp)
        RunContextHelp();
    else
        CFrameWnd::HtmlHelp(iData, iCommand);
}

void CGTFrameWnd::RunContextHelp()
{
    m_InContextHelp = TRUE;
    const BOOL hook = m_bHelpMode == HELP_INACTIVE && CanEnterHelpMode();
    if (hook)
        CGTToolBar::InstallMouseHook(TRUE);
    OnContextHelp();
    if (hook && m_bHelpMode == HELP_INACTIVE)
        CGTToolBar::InstallMouseHook(FALSE);
    m_InContextHelp = FALSE;
}

LRESULT CGTFrameWnd::OnMenuChar(UINT iChar, UINT iFlags, CMenu* iMenu)
{
    if (m_Impl.ProcessMenuBarKey(iChar))
        return 0xFFFF0002;
    return CFrameWnd::DefWindowProc(WM_MENUCHAR, MAKEWPARAM(iChar, iFlags),
                                    reinterpret_cast<LPARAM>(iMenu != nullptr ? iMenu->GetSafeHmenu() : nullptr));
}

void CGTFrameWnd::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    CFrameWnd::OnActivate(iState, iOther, iMinimized);
    m_Impl.OnFrameActivate(iState);
}

void CGTFrameWnd::OnClose()
{
    if (m_PrintPreviewFrame != nullptr) {
        CFrameWnd* preview = m_PrintPreviewFrame;
        m_PrintPreviewFrame = nullptr;
        preview->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
        return;
    }
    m_Impl.OnFrameClosing();
    CFrameWnd::OnClose();
}

void CGTFrameWnd::OnDestroy()
{
    m_Impl.DestroyFrameWindows();
    CFrameWnd::OnDestroy();
}

void CGTFrameWnd::OnSizing(UINT, LPRECT)
{
    Default();
    AdjustDockingLayout();
}

void CGTFrameWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    m_Minimized = iType == SIZE_MINIMIZED;
    if (!m_Minimized)
        m_DockManager.ShowFloatingWindows(TRUE);
    // The window's own size handling: each size change lays the frame out once, here.
    CWnd::OnSize(iType, iWidth, iHeight);
    if (m_Minimized)
        return;
    if (iType == SIZE_MAXIMIZED || m_WasMaximized)
        RecalcLayout();
    else
        AdjustDockingLayout();
    m_WasMaximized = iType == SIZE_MAXIMIZED;
}

void CGTFrameWnd::OnGetMinMaxInfo(MINMAXINFO* ioInfo)
{
    if (!m_Impl.GetFullScreenMinMaxInfo(ioInfo))
        CFrameWnd::OnGetMinMaxInfo(ioInfo);
}

void CGTFrameWnd::OnActivateApp(BOOL iActive, DWORD)
{
    m_DockManager.ShowFloatingWindows(iActive);
}

LRESULT CGTFrameWnd::OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM iLParam)
{
    m_DockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI, iWParam, iLParam);
    CFrameWnd::OnIdleUpdateCmdUI();
    return 0;
}

LRESULT CGTFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM iLParam)
{
    return reinterpret_cast<LRESULT>(m_Impl.CreateNewUserToolbar(reinterpret_cast<LPCWSTR>(iLParam)));
}

LRESULT CGTFrameWnd::OnToolbarDelete(WPARAM, LPARAM iLParam)
{
    return m_Impl.DeleteUserToolbar(reinterpret_cast<CGTToolBar*>(iLParam));
}

LRESULT CGTFrameWnd::OnToolbarContextMenu(WPARAM, LPARAM iLParam)
{
    m_DockManager.ShowBarsContextMenu(CPoint(GET_X_LPARAM(iLParam), GET_Y_LPARAM(iLParam)));
    return 0;
}

BOOL CGTFrameWnd::OnBarCheck(UINT iId)
{
    return m_Impl.ToggleCommandBar(iId);
}

void CGTFrameWnd::OnUpdateControlBarMenu(CCmdUI* ioCmdUI)
{
    if (!m_Impl.UpdateCommandBar(*ioCmdUI))
        ioCmdUI->Enable(FALSE);
}

LRESULT CGTFrameWnd::OnLeaveFullScreen(WPARAM, LPARAM)
{
    m_Impl.LeaveFullScreen();
    return 0;
}
