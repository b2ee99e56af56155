// The MDI frame's messages.
#include <guitoolkit/frame/CGTMDIFrameWnd.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxpriv.h>

BEGIN_MESSAGE_MAP(CGTMDIFrameWnd, CMDIFrameWnd)
    ON_WM_MENUCHAR()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CGTMDIFrameWnd::OnIdleUpdateCmdUI)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_CREATE, &CGTMDIFrameWnd::OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_DELETE, &CGTMDIFrameWnd::OnToolbarDelete)
    ON_MESSAGE(WM_EXITSIZEMOVE, &CGTMDIFrameWnd::OnExitSizeMove)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CGTMDIFrameWnd::OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CGTMDIFrameWnd::OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_REBAR, &CGTMDIFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CGTMDIFrameWnd::OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CGTMDIFrameWnd::OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_REBAR, &CGTMDIFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND(ID_WINDOW_NEW, &CGTMDIFrameWnd::OnWindowNew)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_POPUPMENU, &CGTMDIFrameWnd::OnToolbarPopupMenu)
END_MESSAGE_MAP()

LRESULT CGTMDIFrameWnd::OnMenuChar(UINT iChar, UINT iFlags, CMenu* iMenu)
{
    if (m_Impl.ProcessMenuBarKey(iChar))
        return 0xFFFF0002;
    return CMDIFrameWnd::OnMenuChar(iChar, iFlags, iMenu);
}

void CGTMDIFrameWnd::OnWindowPosChanged(WINDOWPOS* iPos)
{
    CMDIFrameWnd::OnWindowPosChanged(iPos);
    CGTMenuBar* menuBar = m_Impl.GetMenuBar();
    if (menuBar == nullptr || menuBar->GetSafeHwnd() == nullptr)
        return;
    BOOL maximized = FALSE;
    CMDIChildWnd* child = MDIGetActive(&maximized);
    menuBar->SetMaximizeMode(maximized && child != nullptr, child);
}

void CGTMDIFrameWnd::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    CMDIFrameWnd::OnActivate(iState, iOther, iMinimized);
    m_Impl.OnFrameActivate(iState);
}

void CGTMDIFrameWnd::OnClose()
{
    if (m_PrintPreviewChild != nullptr) {
        m_PrintPreviewChild->SendMessage(WM_CLOSE);
        return;
    }
    m_Closing = TRUE;
    m_Impl.OnFrameClosing();
    CMDIFrameWnd::OnClose();
}

void CGTMDIFrameWnd::OnDestroy()
{
    m_Impl.DestroyFrameWindows(m_hWndMDIClient);
    CMDIFrameWnd::OnDestroy();
}

int CGTMDIFrameWnd::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CFrameWnd::OnCreate(iCreate) == -1)
        return -1;
    m_DockManager.SetOwnerFrame(this);
    return 0;
}

void CGTMDIFrameWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    if (m_Closing) {
        CMDIFrameWnd::OnSize(iType, iWidth, iHeight);
        return;
    }
    m_Minimized = iType == SIZE_MINIMIZED;
    m_DockManager.ShowFloatingWindows(!m_Minimized);
    CWnd::OnSize(iType, iWidth, iHeight);
    if (m_Minimized)
        return;
    if (iType == SIZE_MAXIMIZED || m_WasMaximized)
        RecalcLayout();
    else
        AdjustDockingLayout();
    m_WasMaximized = iType == SIZE_MAXIMIZED;
}

void CGTMDIFrameWnd::OnGetMinMaxInfo(MINMAXINFO* ioInfo)
{
    if (!m_Impl.GetFullScreenMinMaxInfo(ioInfo))
        CMDIFrameWnd::OnGetMinMaxInfo(ioInfo);
}

void CGTMDIFrameWnd::OnActivateApp(BOOL iActive, DWORD iThread)
{
    m_DockManager.ShowFloatingWindows(iActive);
    CMDIFrameWnd::OnActivateApp(iActive, iThread);
}

LRESULT CGTMDIFrameWnd::OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM iLParam)
{
    m_DockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI, iWParam, iLParam);
    CMDIFrameWnd::OnIdleUpdateCmdUI();
    return 0;
}

LRESULT CGTMDIFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM iLParam)
{
    return reinterpret_cast<LRESULT>(m_Impl.CreateNewUserToolbar(reinterpret_cast<LPCWSTR>(iLParam)));
}

LRESULT CGTMDIFrameWnd::OnToolbarDelete(WPARAM, LPARAM iLParam)
{
    return m_Impl.DeleteUserToolbar(reinterpret_cast<CGTToolBar*>(iLParam));
}

LRESULT CGTMDIFrameWnd::OnExitSizeMove(WPARAM, LPARAM)
{
    m_DockManager.RearrangeDockBars();
    return 0;
}

BOOL CGTMDIFrameWnd::OnBarCheck(UINT iId)
{
    return m_Impl.ToggleCommandBar(iId);
}

void CGTMDIFrameWnd::OnUpdateControlBarMenu(CCmdUI* ioCmdUI)
{
    if (!m_Impl.UpdateCommandBar(*ioCmdUI))
        ioCmdUI->ContinueRouting();
}

void CGTMDIFrameWnd::OnWindowNew()
{
    BOOL maximized = FALSE;
    CMDIChildWnd* active = MDIGetActive(&maximized);
    if (active == nullptr)
        return;
    if (maximized)
        ::SendMessageW(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(active->GetSafeHwnd()), 0);
    CMDIFrameWnd::OnWindowNew();
    if (CMDIChildWnd* opened = MDIGetActive(); maximized && opened != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(opened->GetSafeHwnd()), 0);
}
