// What every toolkit frame does alike with input and commands: its filter before its base's
// (keys and clicks go to the toolkit's menus and popups first, Escape ends full screen and a
// slider's drag, Alt and F10 move the focus between the menu bar and the frame), accelerators,
// the commands that show and hide its bars, and the end of its child windows.
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <windowsx.h>
#include <vector>

namespace {
BOOL IsMouseButtonMessage(UINT iMessage)
{
    switch (iMessage) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL IsKeyDown(int iKey)
{
    return (::GetKeyState(iKey) & 0x8000) != 0;
}

// A message's point on the screen: non-client messages carry it so, the others in the
// window's client coordinates.
CPoint ScreenPoint(const MSG& iMessage)
{
    CPoint point(GET_X_LPARAM(iMessage.lParam), GET_Y_LPARAM(iMessage.lParam));
    if (iMessage.message < WM_NCLBUTTONDOWN || iMessage.message > WM_NCMBUTTONDBLCLK)
        ::ClientToScreen(iMessage.hwnd, &point);
    return point;
}
}  // namespace

BOOL CGTFrameImpl::FilterFrameMessage(MSG& ioMessage)
{
    CFrameWnd* frame = m_Owner;
    const UINT message = ioMessage.message;
    if (IsMouseButtonMessage(message)) {
        if (HandlePopupMouseDown(message, ScreenPoint(ioMessage), CWnd::FromHandle(ioMessage.hwnd)))
            return TRUE;
    } else if (message == WM_KEYDOWN) {
        if (!CGTFrameImpl::IsPlainF1KeyDown(ioMessage) && ProcessShortcutKey(ioMessage))
            return TRUE;
        if (ioMessage.wParam == VK_ESCAPE) {
            if (IsFullScreen()) {
                LeaveFullScreen();
                return TRUE;
            }
            // Sliders rely on the cancel to end their drag.
            if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, CWnd::GetCapture())) {
                slider->SendMessage(WM_CANCELMODE);
                return TRUE;
            }
        }
    } else if (message == WM_SYSKEYDOWN) {
        CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
        if (ioMessage.wParam == VK_MENU && popup != nullptr) {
            popup->SendMessage(WM_CLOSE);
            return TRUE;
        }
        if (ProcessShortcutKey(ioMessage))
            return TRUE;
    } else if (message == WM_SYSKEYUP) {
        CGTMenuBar* menuBar = GetMenuBar();
        if (menuBar != nullptr && menuBar->GetSafeHwnd() != nullptr) {
            const BOOL f10 = ioMessage.wParam == VK_F10 && !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT);
            if (ioMessage.wParam == VK_MENU || f10) {
                if ((ioMessage.lParam & 0x20000000) == 0 || f10) {
                    if (::GetFocus() == menuBar->GetSafeHwnd())
                        frame->SetFocus();
                    else
                        menuBar->SetFocus();
                }
                return TRUE;
            }
            if (CGTPopupMenu::GetActiveMenu() != nullptr)
                return TRUE;
        }
    }
    return FALSE;
}

BOOL CGTFrameImpl::HandleAcceleratorCommand(UINT iCommand)
{
    CGTToolBar::AddCommandUsage(iCommand);
    MSG escape = {m_Owner->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    if (CGTPopupMenu::GetActiveMenu() != nullptr && ProcessShortcutKey(escape))
        return TRUE;
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    return tools != nullptr && tools->InvokeToolByCommand(iCommand);
}

BOOL CGTFrameImpl::ToggleCommandBar(UINT iId)
{
    CGTBaseControlBar* bar = m_DockManager != nullptr ? m_DockManager->FindBarById(iId, TRUE) : nullptr;
    IGTDockingFrame* frame = AsDockingFrame(m_Owner);
    if (bar == nullptr || frame == nullptr)
        return FALSE;
    frame->ShowBar(bar, !bar->IsVisible(), FALSE, FALSE);
    frame->AdjustDockingLayout();
    return TRUE;
}

BOOL CGTFrameImpl::UpdateCommandBar(CCmdUI& ioCmdUI)
{
    CGTBaseControlBar* bar = m_DockManager != nullptr ? m_DockManager->FindBarById(ioCmdUI.m_nID, TRUE) : nullptr;
    if (bar == nullptr)
        return FALSE;
    ioCmdUI.SetCheck(bar->IsVisible());
    return TRUE;
}

void CGTFrameImpl::DestroyChildWindows(HWND iParent, HWND iKeep)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(iParent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child != iKeep)
            children.push_back(child);
    }
    for (HWND child : children) {
        if (::IsWindow(child) && ::GetParent(child) == iParent)
            ::DestroyWindow(child);
    }
}
